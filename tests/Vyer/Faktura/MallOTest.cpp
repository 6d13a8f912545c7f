// Templates O and V with the fixed-width measurer: V is O's page with
// other colours, captions as written and a taller item table; both white
// out the strip above the amount rows until the last page.
#include "Vyer/Faktura/Fakturavy.h"

#include "Displaylista.h"
#include "FastMatare.h"
#include "Modell/Rotuppgifter.h"
#include "Plattform/Strangar.h"
#include "Provfaktura.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace displaylista;

namespace {

const Color skifferblå = Color::rgb(0.178, 0.29, 0.372);

struct Variant {
    InbyggdFakturamall mall;
    std::optional<Color> titelfärg, påminnelsefärg, adressrubrikfärg, faktavärdesfärg;
    bool versaler;
    double villkorsY, faktafot, rubrikY;
};

const Variant varianter[] = {
    {InbyggdFakturamall::Natur, Color::white(), Color::rgb(0.849, 0.136, 0.165), Color::rgb(0.399, 0.54, 0.554),
     Color::white(), true, 664, 257, 333},
    {InbyggdFakturamall::Vinter, std::nullopt, Color::rgb(1, 0, 0), skifferblå, skifferblå, false, 662, 255, 288},
};

class MallO : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    MallO() {
        faktura.kolumner_ = {Fakturakolumn::artikelnamn};
        faktura.poster.assign(1, prov::Post{});
        faktura.påminnelsetext_ = "Påminnelse";
        faktura.kreditvillkor_ = "Villkor";
        faktura.erReferens_ = "Johan";
        faktura.leveransadress_ = prov::Faktura::adress("Lagergatan 5", "412 50", "Göteborg");
    }
};

std::optional<Color> färg(const CachatObjekt& o) { return text(o)->runs()[0].attributes.foregroundColor; }

TEST_F(MallO, VIsOsPageWithItsOwnColoursCaptionsAndItemTable) {
    for (const Variant& v : varianter) {
        SCOPED_TRACE(v.mall == InbyggdFakturamall::Natur ? "O" : "V");
        faktura.inbyggdFakturamall_ = v.mall;
        Fakturavy vy(faktura, *bok, false, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));

        const CachatObjekt* titel = medText(alla, "Faktura");
        ASSERT_TRUE(titel);
        EXPECT_EQ(ram(*titel), (Rect{32, 16, 545, 49}));
        EXPECT_EQ(färg(*titel), v.titelfärg);
        EXPECT_EQ(färg(*medText(alla, "Påminnelse")), v.påminnelsefärg);
        EXPECT_EQ(ram(*medText(alla, "Villkor")), (Rect{62, v.villkorsY, 471, 34}));

        // The captions over the two addresses.
        const std::string leverans = v.versaler ? versaler(vy.rubrikFörLeveransadress()) : vy.rubrikFörLeveransadress();
        const std::string mottagare = v.versaler ? versaler(vy.rubrikFörMottagare()) : vy.rubrikFörMottagare();
        ASSERT_NE(versaler(vy.rubrikFörMottagare()), vy.rubrikFörMottagare()) << "capitals make a difference";
        for (const auto& [rubrik, ram_] : {std::pair{leverans, Rect{46, 86, 181, 15}}, {mottagare, {366, 86, 181, 15}}}) {
            const CachatObjekt* o = medText(alla, rubrik);
            ASSERT_TRUE(o) << rubrik;
            EXPECT_EQ(ram(*o), ram_);
            EXPECT_EQ(färg(*o), v.adressrubrikfärg);
        }
        EXPECT_EQ(ram(*medTextSomInnehåller(alla, "Lagergatan 5")).origin(), (Point{46, 108}));
        EXPECT_EQ(ram(*medTextSomInnehåller(alla, "Lagergatan 5")).width, 176);
        EXPECT_EQ(ram(*medTextSomInnehåller(alla, "Storgatan 1")).origin(), (Point{366, 108}));

        // The fact columns: 163 wide at x 40, 222 and 404, centred 30
        // points above the line `faktafot`; the reference in the first.
        const CachatObjekt* fakta = medTextSomInnehåller(alla, "Johan");
        ASSERT_TRUE(fakta);
        EXPECT_EQ(ram(*fakta).x, 40);
        double högst = 0;
        for (const CachatObjekt& o : alla)
            if (text(o) && ram(o).y == ram(*fakta).y)
                högst = std::max(högst, mätare.boundingSize(*text(o), {ram(o).width, 10000}).height);
        EXPECT_EQ(ram(*fakta).y, v.faktafot - 30 - std::round(högst / 2));
        EXPECT_EQ(text(*fakta)->runs().back().attributes.foregroundColor, v.faktavärdesfärg);

        // The item headings, and the first row 12 points below the data
        // area's top, which is 11 below the headings'.
        const CachatObjekt* rubrik = medText(alla, vy.rubrikFörBeskrivning());
        ASSERT_TRUE(rubrik);
        EXPECT_EQ(ram(*rubrik).y, v.rubrikY);
        EXPECT_EQ(ram(*rubrik).height, 18);
        const CachatObjekt* rad = medText(vy.innehållFörVarjeSida[0], "Vara");
        ASSERT_TRUE(rad);
        EXPECT_EQ(ram(*rad).y, v.rubrikY + 11 + 12);
    }
}

TEST_F(MallO, DueDateAndAmountAreOneWhiteLineEachOnInvoicesOnly) {
    for (const Variant& v : varianter) {
        faktura.inbyggdFakturamall_ = v.mall;
        for (bool följesedel : {false, true}) {
            SCOPED_TRACE(följesedel ? "delivery note" : "invoice");
            Fakturavy vy(faktura, *bok, följesedel, mätare);
            const auto& alla = vy.innehållFörAllaSidor;
            const CachatObjekt* förfallodatum = medText(alla, vy.rubrikFörFörfallodatum() + "    2026-12-31");
            const CachatObjekt* attBetala = medText(alla, vy.rubrikFörBeloppAttBetala() + "    " + vy.belopp(prov::D("125")));
            ASSERT_EQ(förfallodatum != nullptr, !följesedel) << beskriv(alla);
            ASSERT_EQ(attBetala != nullptr, !följesedel);
            if (följesedel) continue;
            EXPECT_EQ(ram(*förfallodatum), (Rect{70, 630, 206, 21}));
            EXPECT_EQ(ram(*attBetala), (Rect{327, 630, 223, 21}));
            EXPECT_EQ(färg(*förfallodatum), Color::white());
            EXPECT_EQ(färg(*attBetala), Color::white());
        }
    }
}

TEST_F(MallO, TheStripAboveTheAmountRowsIsWhiteUntilTheLastPage) {
    faktura.poster.assign(40, prov::Post{});
    for (const Variant& v : varianter) {
        faktura.inbyggdFakturamall_ = v.mall;
        Fakturavy vy(faktura, *bok, false, mätare);
        ASSERT_GE(vy.antalSidor(), 2);
        for (int s = 0; s + 1 < vy.antalSidor(); ++s) {
            const CachatObjekt& första = vy.innehållFörVarjeSida[size_t(s)].front();
            EXPECT_EQ(ram(första), (Rect{0, 522, 595, 15}));
            EXPECT_EQ(std::get<cachad::path>(första.data).fill, Color::white());
        }
        EXPECT_TRUE(medRam(vy.innehållFörVarjeSida.back(), {366, 543, 167, 15}));
    }
}

// The due date and the amount to pay stand on every page from y 630: the
// rows of the pages before the last, and their continuation line, end
// above them.
TEST_F(MallO, RowsOfThePagesBeforeTheLastEndAboveTheDueDate) {
    prov::Post lång;
    lång.artikelnamn_ = "Vara med en lång beskrivning som bryts över flera rader i tabellen";
    faktura.poster.assign(60, lång);
    for (const Variant& v : varianter) {
        faktura.inbyggdFakturamall_ = v.mall;
        Fakturavy vy(faktura, *bok, false, mätare);
        ASSERT_GE(vy.antalSidor(), 3);
        for (int s = 0; s + 1 < vy.antalSidor(); ++s) {
            double nederst = 0;
            for (const CachatObjekt& o : vy.innehållFörVarjeSida[size_t(s)]) nederst = std::max(nederst, ram(o).maxY());
            EXPECT_LE(nederst, 630) << "page " << s + 1;
            EXPECT_GT(nederst, 560) << "page " << s + 1;
        }
    }
}

TEST_F(MallO, CompanyNameStandsOverTheSenderTables) {
    faktura.inbyggdFakturamall_ = InbyggdFakturamall::Natur;
    bok->telefon = "031-12 34 56";
    Fakturavy vy(faktura, *bok, false, mätare);
    const auto& alla = vy.innehållFörAllaSidor;
    const CachatObjekt* adress = medTextSomInnehåller(alla, "556000-0000");
    const CachatObjekt* kontakt = medTextSomInnehåller(alla, "031-12 34 56");
    ASSERT_TRUE(adress && kontakt) << beskriv(alla);
    // The address table ends 5 points before the contact table begins.
    const double h = std::max(mätare.boundingSize(*text(*adress), {149, 10000}).height,
                              mätare.boundingSize(*text(*kontakt), {170, 10000}).height);
    EXPECT_EQ(ram(*adress).origin(), (Point{56, 807 - h}));
    EXPECT_EQ(ram(*kontakt).origin(), (Point{210, 807 - h}));
    EXPECT_EQ(ram(*adress).width, 149);
    EXPECT_EQ(std::max(ram(*adress).maxY(), ram(*kontakt).maxY()), 807);
    EXPECT_EQ(ram(*medText(alla, "Exempel AB")), (Rect{55, 789 - h, 271, 18}));
}

// Long credit terms and every way of payment: the name stays below the
// terms' last line, and the sender's rows stay in their own tables, set
// smaller.
TEST_F(MallO, CompanyNameStaysBelowLongCreditTerms) {
    faktura.kreditvillkor_ = std::string(400, 'v');
    bok->telefon = "031-12 34 56", bok->fax = "031-12 34 57", bok->email = "a@b.se", bok->hemsida = "b.se";
    bok->bankgiro = "123-4567", bok->plusgiro = "12 34 56-7", bok->swish = "123 456 78 90";
    for (const Variant& v : varianter) {
        SCOPED_TRACE(v.mall == InbyggdFakturamall::Natur ? "O" : "V");
        faktura.inbyggdFakturamall_ = v.mall;
        Fakturavy vy(faktura, *bok, false, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        const CachatObjekt* villkor = medText(alla, *faktura.kreditvillkor_);
        const CachatObjekt* namn = medText(alla, "Exempel AB");
        const CachatObjekt* kontakt = medTextSomInnehåller(alla, "031-12 34 56");
        ASSERT_TRUE(villkor && namn && kontakt) << beskriv(alla);
        const double villkorensSlut = ram(*villkor).y + mätare.boundingSize(*text(*villkor), {471, 10000}).height;
        ASSERT_GT(villkorensSlut, v.villkorsY + 14) << "terms of several lines";
        // Within the half point a fitted text may pass its frame by.
        EXPECT_GE(ram(*namn).y, villkorensSlut - 0.5);
        EXPECT_EQ(ram(*kontakt).x, 210) << "the phone stays in the contact table";
        EXPECT_NE(text(*kontakt)->text().find("123 456 78 90"), std::string::npos);
        EXPECT_EQ(ram(*kontakt).maxY(), 807);
    }
}

// Where the fact columns' text ends: the lowest of the three tables'.
double faktaslut(const Fakturavy& vy, const FastMätare& mätare) {
    double slut = 0;
    for (const CachatObjekt& o : vy.innehållFörAllaSidor)
        if (const AttributedString* t = text(o); t && ram(o).y > 170 && ram(o).y < 300 &&
                                                 (ram(o).x == 40 || ram(o).x == 222 || ram(o).x == 404))
            slut = std::max(slut, ram(o).y + mätare.boundingSize(*t, {ram(o).width, 10000}).height);
    return slut;
}

// Facts too tall for their band: V's take room below it and push the item
// table down, at most by the 45 points its table has over O's; O's keep
// to the green band. Either way the rows of the pages before the last end
// above the due date.
TEST_F(MallO, LongFactsPushVsItemTableDownAsFarAsOs) {
    faktura.poster.assign(60, prov::Post{});
    faktura.skatteavdrag_ = Skatteavdrag::rot("19700101-1234", "19720202-2345", prov::D("0.5"),
                                              Rotuppgifter::hus("Eken 1:2"), prov::D("0.3"));
    faktura.vårReferens_ = "Bo";
    const std::string namn = "Anna-Karin Vilhelmina Johansson-Stålhammar";
    for (int gånger : {1, 4}) {
        SCOPED_TRACE(gånger);
        faktura.erReferens_ = namn;
        for (int i = 1; i < gånger; ++i) *faktura.erReferens_ += " " + namn;
        for (const Variant& v : varianter) {
            SCOPED_TRACE(v.mall == InbyggdFakturamall::Natur ? "O" : "V");
            faktura.inbyggdFakturamall_ = v.mall;
            Fakturavy vy(faktura, *bok, false, mätare);
            const auto& alla = vy.innehållFörAllaSidor;
            const CachatObjekt* rubrik = medText(alla, vy.rubrikFörBeskrivning());
            const CachatObjekt* fakta = medTextSomInnehåller(alla, "Stålhammar");
            ASSERT_TRUE(rubrik && fakta);
            const double slut = faktaslut(vy, mätare);
            const bool mindre = text(*fakta)->runs().back().attributes.font->pointSize < 9;
            if (v.mall == InbyggdFakturamall::Natur) {
                EXPECT_EQ(ram(*rubrik).y, 333);
                EXPECT_LE(slut, 281.5);
                EXPECT_TRUE(mindre);
            } else {
                EXPECT_GT(slut, 284) << "the facts take room below their band";
                // 4 points below them on whole points, as far as O's.
                EXPECT_EQ(ram(*rubrik).y, std::min(333.0, 288 + std::ceil(slut - 284)));
                EXPECT_LE(slut, ram(*rubrik).y - 3.5);
                EXPECT_EQ(mindre, gånger > 1) << "smaller only when 45 points are not enough";
            }
            EXPECT_EQ(ram(*medText(vy.innehållFörVarjeSida[0], "Vara")).y, ram(*rubrik).y + 11 + 12);
            ASSERT_GE(vy.antalSidor(), 2);
            for (int s = 0; s + 1 < vy.antalSidor(); ++s) {
                double nederst = 0;
                for (const CachatObjekt& o : vy.innehållFörVarjeSida[size_t(s)])
                    nederst = std::max(nederst, ram(o).maxY());
                EXPECT_LE(nederst, 630) << "page " << s + 1;
            }
        }
    }
}

}  // namespace
