// Templates Ru1 and Ru2 with the fixed-width measurer: the grid of fact
// boxes (the double-height delivery box, fillers, the due date only in the
// first two rows, rows as tall as their values) and where it puts the item
// frame, the payment bar placed
// by the measured widths of its texts, and the totals that grow upward.
#include "Vyer/Faktura/Fakturavy.h"

#include "Beloppsrader.h"
#include "Dataomrade.h"
#include "Displaylista.h"
#include "FastMatare.h"
#include "Lasbarhet.h"
#include "Provfaktura.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace displaylista;

namespace {

const Color grön = Color::rgb(0.511, 0.735, 0.252);
const Color blå = Color::rgb(0, 0.33, 0.507);

// The colour of the first box's caption band, which the boxes, frames and
// rules share.
Color formfärg(const Fakturavy& vy) {
    const CachatObjekt* band = medRam(vy.innehållFörAllaSidor, {55, 222, 118, 25});
    return band ? std::get<cachad::path>(band->data).fill.value_or(Color::black()) : Color::black();
}

class MallRu : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    MallRu() { ny(); }
    void ny() {
        faktura = prov::Faktura();
        faktura.inbyggdFakturamall_ = InbyggdFakturamall::SmåBlåLådor;
        faktura.kolumner_ = {Fakturakolumn::artikelnamn};
    }

    // The boxes' outlines: rounded rectangles stroked in the accent.
    static std::vector<Rect> rutor(const Fakturavy& vy, const Color& färg) {
        std::vector<Rect> ut;
        for (const auto& o : vy.innehållFörAllaSidor)
            if (const auto* p = std::get_if<cachad::path>(&o.data);
                p && p->stroke == färg && !p->fill && p->path.bounds().width == 118)
                ut.push_back(p->path.bounds());
        return ut;
    }
};

Rect ruta(int kolumn, int rad) { return {55 + 123.0 * kolumn, 222 + 46.0 * rad, 118, 42}; }

TEST_F(MallRu, BoxesFillTheGridAndPlaceTheItemFrame) {
    struct Fall {
        const char* namn;
        void (*ställ)(prov::Faktura&);
        std::vector<Rect> rutor;
        bool förfallodatum;
        double ramY;
    } fall[] = {
        // Recipient and due date, two fillers: one row.
        {"recipient only", [](prov::Faktura&) {}, {ruta(0, 0), ruta(1, 0), ruta(2, 0), ruta(3, 0)}, true, 284},
        // Four facts fill row 0: the due date opens row 1.
        {"four facts",
         [](prov::Faktura& f) {
             f.erReferens_ = "Johan", f.vårReferens_ = "Anna", f.leveranssätt_ = "Bil";
         },
         {ruta(0, 0), ruta(1, 0), ruta(2, 0), ruta(3, 0), ruta(0, 1), ruta(1, 1), ruta(2, 1), ruta(3, 1)}, true, 326},
        // The delivery box takes column 0 of rows 0 and 1; row 1 starts in
        // column 1.
        {"delivery address",
         [](prov::Faktura& f) {
             f.leveransadress_ = prov::Faktura::adress("Lagergatan 5", "412 50", "Göteborg");
             f.erReferens_ = "Johan";
         },
         {{55, 222, 118, 89}, ruta(1, 0), ruta(2, 0), ruta(3, 0), ruta(1, 1), ruta(2, 1), ruta(3, 1)}, true, 326},
        // Eight facts reach a third row: no due-date box.
        {"eight facts",
         [](prov::Faktura& f) {
             f.erReferens_ = "Johan", f.vårReferens_ = "Anna", f.leveranssätt_ = "Bil", f.inköpsordernummer_ = "PO",
             f.momsregistreringsnummer_ = "DE1";
             f.skatteavdrag_ = Skatteavdrag::rut("111", "222", prov::D("1"), std::nullopt);
         },
         {ruta(0, 0), ruta(1, 0), ruta(2, 0), ruta(3, 0), ruta(0, 1), ruta(1, 1), ruta(2, 1), ruta(3, 1)}, false,
         326},
        // A delivery box and nine facts make a third row: the item frame
        // starts a row lower, below it.
        {"delivery address and nine facts",
         [](prov::Faktura& f) {
             f.leveransadress_ = prov::Faktura::adress("Lagergatan 5", "412 50", "Göteborg");
             f.erReferens_ = "Johan", f.vårReferens_ = "Anna", f.leveranssätt_ = "Bil", f.inköpsordernummer_ = "PO",
             f.momsregistreringsnummer_ = "DE1", f.leveransdatum_ = Datum{20261130};
             f.skatteavdrag_ = Skatteavdrag::rut("111", "222", prov::D("1"), std::nullopt);
         },
         {{55, 222, 118, 89}, ruta(1, 0), ruta(2, 0), ruta(3, 0), ruta(1, 1), ruta(2, 1), ruta(3, 1), ruta(0, 2),
          ruta(1, 2), ruta(2, 2), ruta(3, 2)},
         false, 372},
    };
    for (const Fall& c : fall) {
        SCOPED_TRACE(c.namn);
        ny();
        c.ställ(faktura);
        Fakturavy vy(faktura, *bok, false, mätare);
        SCOPED_TRACE(beskriv(vy.innehållFörAllaSidor));
        EXPECT_EQ(rutor(vy, formfärg(vy)), c.rutor);
        EXPECT_EQ(medText(vy.innehållFörAllaSidor, vy.rubrikFörFörfallodatum()) != nullptr, c.förfallodatum);
        // The frame's foot stays at y 642.
        EXPECT_TRUE(medRam(vy.innehållFörAllaSidor, {55, c.ramY, 487, 642 - c.ramY})) << "item frame";
        EXPECT_TRUE(medRam(vy.innehållFörAllaSidor, {55, c.ramY, 487, 30})) << "heading band";
    }
}

// HelveticaNeue 8 is 4 points a character and 9.6 a line here: five
// words of four letters fill a box's 98 points. A value of three lines
// makes its row 20 + 28.8 + 2, whole, 51 high, and the item frame stands
// 9 lower; one too long for the page even at 70 % (5.6 points, seven words
// a line) takes the rows' room until the frame starts at y 460, and is cut
// there with an ellipsis.
TEST_F(MallRu, ALongValueMakesItsRowTallerAndTheItemFrameMoveDown) {
    auto ord = [](int n) {
        std::string t;
        for (int i = 0; i < n; ++i) t += i ? " ordx" : "ordx";
        return t;
    };
    faktura.erReferens_ = ord(15);
    {
        Fakturavy vy(faktura, *bok, false, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));
        EXPECT_EQ(rutor(vy, formfärg(vy)),
                  (std::vector<Rect>{{55, 222, 118, 51}, {178, 222, 118, 51}, {301, 222, 118, 51}, {424, 222, 118, 51}}));
        const CachatObjekt* värde = medText(alla, ord(15));
        ASSERT_TRUE(värde);
        EXPECT_EQ(ram(*värde), (Rect{188, 242, 98, 31}));
        EXPECT_TRUE(medRam(alla, {55, 293, 487, 642 - 293})) << "item frame";
    }
    faktura.erReferens_ = ord(300);
    Fakturavy vy(faktura, *bok, false, mätare);
    const auto& alla = vy.innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));
    EXPECT_TRUE(medRam(alla, {55, 460, 487, 642 - 460})) << "item frame";
    const CachatObjekt* värde = medTextSomInnehåller(alla, "ordx ordx");
    ASSERT_TRUE(värde);
    EXPECT_EQ(ram(*värde), (Rect{188, 242, 98, 218 - 20}));
    EXPECT_NEAR(text(*värde)->attributesAt(0)->font->pointSize, 5.6, 1e-9);
    EXPECT_TRUE(text(*värde)->text().ends_with("\u2026"));
    const auto rader = mätare.lines(*text(*värde), 98, TextDrawingMode::fromTopLeft);
    ASSERT_FALSE(rader.empty());
    EXPECT_LE(rader.back().bottom, 198.5);
}

// The white captions stand out 3:1 from the bands: Ru2's dark blue is
// drawn as it is, Ru1's pale green darkened, all its channels by one factor,
// no further than that needs. The title keeps the accent.
TEST_F(MallRu, WhiteCaptionsStandOnTheAccentDarkenedAsFarAsTheyNeed) {
    for (auto [mall, accent] : {std::pair{InbyggdFakturamall::SmåBlåLådor, grön},
                                std::pair{InbyggdFakturamall::SmåGrönaLådor, blå}}) {
        faktura.inbyggdFakturamall_ = mall;
        Fakturavy vy(faktura, *bok, false, mätare);
        const Color form = formfärg(vy);
        SCOPED_TRACE(beskriv(vy.innehållFörAllaSidor));
        EXPECT_GE(läsbarhet::kontrast(form, Color::white()), 3);
        if (läsbarhet::kontrast(accent, Color::white()) >= 3) {
            EXPECT_EQ(form, accent);
        } else {
            EXPECT_LT(läsbarhet::kontrast(form, Color::white()), 3.2);
            EXPECT_NEAR(form.green / accent.green, form.red / accent.red, 1e-9);
            EXPECT_NEAR(form.blue / accent.blue, form.red / accent.red, 1e-9);
        }
        const CachatObjekt* titel = medText(vy.innehållFörAllaSidor, *faktura.rubriktext_);
        ASSERT_TRUE(titel);
        EXPECT_EQ(text(*titel)->runs().front().attributes.foregroundColor, accent);
    }
}

TEST_F(MallRu, ABoxIsABandSquaredOffUnderItsCaptionAndTheValueBelow) {
    faktura.leveransadress_ = prov::Faktura::adress("Lagergatan 5", "412 50", "Göteborg");
    Fakturavy vy(faktura, *bok, false, mätare);
    const auto& alla = vy.innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));
    const CachatObjekt* band = medRam(alla, {55, 222, 118, 25});
    ASSERT_TRUE(band);
    EXPECT_EQ(std::get<cachad::path>(band->data).fill, formfärg(vy));
    const CachatObjekt* vitt = medRam(alla, {55, 238, 118, 14});
    ASSERT_TRUE(vitt);
    EXPECT_EQ(std::get<cachad::path>(vitt->data).fill, Color::white());
    const CachatObjekt* rubrik = medText(alla, vy.rubrikFörLeveransadress());
    ASSERT_TRUE(rubrik);
    EXPECT_EQ(ram(*rubrik), (Rect{65, 222, 98, 16}));
    const CachatObjekt* värde = medTextSomInnehåller(alla, "Lagergatan 5");
    ASSERT_TRUE(värde);
    EXPECT_EQ(ram(*värde), (Rect{65, 242, 98, 69}));
    // A filler is a box without text.
    EXPECT_TRUE(medRam(alla, {178, 268, 118, 42}));
    EXPECT_FALSE(medRam(alla, {188, 288, 98, 22}));
}

// HelveticaNeue 8 is 4 points a character here.
TEST_F(MallRu, ThePaymentBarFollowsTheWidthsOfItsTexts) {
    faktura.inbyggdFakturamall_ = InbyggdFakturamall::SmåGrönaLådor;
    Fakturavy vy(faktura, *bok, false, mätare);
    const auto& alla = vy.innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));
    const std::string villkor = vy.rubrikFörBetalningsvillkor() + " " + vy.rubrikFörDagar();
    const std::string förfallo = vy.rubrikFörFörfallodatum() + " 2026-12-31";
    const double w1 = FastMätare::bredd(villkor, 8), w2 = FastMätare::bredd(förfallo, 8);
    const double w3 = FastMätare::bredd(vy.belopp(faktura.attBetala_), 8);
    const double w4 = FastMätare::bredd(vy.rubrikFörBeloppAttBetala(), 8);

    auto iRam = [&](const std::string& t, const Rect& r) {
        const CachatObjekt* o = medText(alla, t);
        ASSERT_TRUE(o) << t;
        EXPECT_EQ(ram(*o), r) << t;
    };
    iRam(villkor, {62, 659, w1 + 1, 21});
    iRam(förfallo, {w1 + 76, 659, w2 + 1, 21});
    iRam(vy.belopp(faktura.attBetala_), {55, 659, 480, 21});
    iRam(vy.rubrikFörBeloppAttBetala(), {55, 659, 459 - w3, 21});

    const CachatObjekt* stapel = medRam(alla, {55, 654, 487, 25});
    ASSERT_TRUE(stapel);
    const auto& p = std::get<cachad::path>(stapel->data);
    EXPECT_EQ(p.stroke, blå);
    EXPECT_FALSE(p.fill);
    using K = BezierPath::Element::Kind;
    std::vector<std::pair<K, Point>> linjer;
    for (const auto& e : p.path.elements())
        if (e.kind == K::moveTo || e.kind == K::lineTo) linjer.push_back({e.kind, e.point});
    const std::vector<std::pair<K, Point>> väntade = {
        {K::moveTo, {w1 + 69, 654}},       {K::lineTo, {w1 + 69, 679}},
        {K::moveTo, {521 - w3, 654}},      {K::lineTo, {528 - w3, 666.5}},      {K::lineTo, {521 - w3, 679}},
        {K::moveTo, {500 - w3 - w4, 654}}, {K::lineTo, {507 - w3 - w4, 666.5}}, {K::lineTo, {500 - w3 - w4, 679}}};
    ASSERT_GE(linjer.size(), väntade.size());
    EXPECT_TRUE(std::equal(väntade.begin(), väntade.end(), linjer.end() - väntade.size()));
}

// Fewer than three amount rows centre on the place of three; more grow
// upward by 15 each, taking the data area's foot with them. The last
// page's rows end above the totals' upper rule.
TEST_F(MallRu, TotalsGrowUpwardWithTheirRows) {
    struct Fall {
        int n;
        double förstaRad, a;
    } fall[] = {{2, 578.5, 255}, {3, 571, 255}, {5, 541, 285}};
    for (const Fall& c : fall) {
        ny();
        ställBeloppsrader(faktura, c.n);
        Fakturavy vy(faktura, *bok, false, mätare);
        ASSERT_EQ(vy.antalBeloppsrader(false), c.n);
        const auto& sista = vy.innehållFörVarjeSida.back();
        SCOPED_TRACE(beskriv(sista));
        EXPECT_TRUE(medRam(sista, {364, c.förstaRad, 160, 16}));
        EXPECT_TRUE(medRam(sista, {364, 624, 160, 16})) << "total";
        EXPECT_TRUE(medRam(sista, {64, 827 - c.a, 289, c.a - 188})) << "VAT summary";
        EXPECT_TRUE(medRam(sista, {55, 823 - c.a, 487, c.a - 823 + 642})) << "rules";
        // One row of boxes: the frame at 284, data from 299. The rows start
        // 12 below it and the message after them may end 12 below their
        // room: the room ends 24 above 820 - a, so that both stay above
        // the upper rule at 823 - a.
        const double data = 820 - c.a - 299 - 2 * Kolumnval::radbasensFörskjutning;
        EXPECT_EQ(sidorMedEnPostSomÄr(faktura, *bok, mätare, data - 3), 1);
        EXPECT_EQ(sidorMedEnPostSomÄr(faktura, *bok, mätare, data - 2), 2);
    }
}

TEST_F(MallRu, ADeliveryNoteHasNoBarNoTotalsAndALongerFrame) {
    Fakturavy vy(faktura, *bok, true, mätare);
    const auto& alla = vy.innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));
    EXPECT_FALSE(medRam(alla, {55, 654, 487, 25}));
    EXPECT_FALSE(medTextSomInnehåller(alla, vy.rubrikFörFakturadatum()));
    EXPECT_TRUE(medRam(alla, {55, 284, 487, 396}));
    EXPECT_TRUE(vy.innehållFörVarjeSida.back().empty() ||
                !medRam(vy.innehållFörVarjeSida.back(), {364, 624, 160, 16}));
}

}  // namespace
