// Templates NoGiro1 and NoGiro2 with the fixed-width measurer: the one
// object between the two variants, what a delivery note moves and leaves
// out, and the frames of facts, addresses and the amount box.
#include "Vyer/Faktura/Fakturavy.h"

#include "Beloppsrader.h"
#include "Displaylista.h"
#include "FastMatare.h"
#include "Plattform/Strangar.h"
#include "Provfaktura.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

using namespace displaylista;

namespace {

class MallNoGiro : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    std::unique_ptr<Fakturavy> vy(InbyggdFakturamall mall, bool följesedel = false) {
        faktura.inbyggdFakturamall_ = mall;
        return std::make_unique<Fakturavy>(faktura, *bok, följesedel, mätare);
    }

    static std::vector<std::string> beskrivna(const std::vector<CachatObjekt>& lista) {
        std::vector<std::string> ut;
        for (const auto& o : lista) ut.push_back(beskriv(o));
        return ut;
    }

    static bool ärFylld(const CachatObjekt& o, const Rect& r, const Color& färg) {
        const auto* p = std::get_if<cachad::path>(&o.data);
        return p && p->path == BezierPath::rect(r) && p->fill == färg && !p->stroke;
    }
};

TEST_F(MallNoGiro, TheVariantsDifferInTheGreyBandAloneOnInvoicesAndDeliveryNotes) {
    faktura.kreditvillkor_ = "30 dagar netto";
    for (bool följesedel : {false, true}) {
        SCOPED_TRACE(följesedel);
        const double h = följesedel ? 539 : 263;
        auto med = vy(InbyggdFakturamall::Norsk1, följesedel);
        auto utan = vy(InbyggdFakturamall::Norsk2, följesedel);
        const auto& alla = med->innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));

        // The band under everything, the credit terms in it included; then
        // the sender tables, lower rule, upper rule and the line at 655, in
        // this order.
        auto plats = [&](const Rect& r) {
            for (size_t i = 0; i < alla.size(); ++i)
                if (ram(alla[i]) == r) return i;
            ADD_FAILURE() << "nothing at " << r.x << ", " << r.y;
            return alla.size();
        };
        const double y = följesedel ? 704 : 432;
        const size_t band = plats({0, 163, 595, h});
        ASSERT_EQ(band, 0u);
        EXPECT_TRUE(ärFylld(alla[band], {0, 163, 595, h}, Color::grey(0.96)));
        EXPECT_TRUE(medText(alla, "30 dagar netto"));
        const size_t tabell = plats({263, y, 194, 68});
        EXPECT_EQ(plats({36, y, 194, 68}), tabell - 1);
        EXPECT_EQ(plats({0, 162 + h, 595, 2}), tabell + 1);
        EXPECT_TRUE(ärFylld(alla[tabell + 1], {0, 162 + h, 595, 2}, Color::black()));
        EXPECT_EQ(plats({0, 162, 595, 2}), tabell + 2);
        EXPECT_TRUE(ärFylld(alla[tabell + 2], {0, 162, 595, 2}, Color::black()));
        EXPECT_EQ(plats({36, 655, 523, 0}), tabell + 3);
        EXPECT_EQ(std::get<cachad::path>(alla[tabell + 3].data).path.lineWidth, 0.25);

        auto utanBand = beskrivna(alla);
        utanBand.erase(utanBand.begin() + band);
        EXPECT_EQ(utanBand, beskrivna(utan->innehållFörAllaSidor));
        EXPECT_EQ(beskrivna(med->innehållFörVarjeSida.back()), beskrivna(utan->innehållFörVarjeSida.back()));
    }
}

TEST_F(MallNoGiro, FactsWithDottedLeadersAndTheAddressColumn) {
    faktura.erReferens_ = "Eva";
    faktura.leveransadress_ = prov::Faktura::adress("Lagergatan 5", "412 50", "Göteborg");
    auto v = vy(InbyggdFakturamall::Norsk1);
    const auto& alla = v->innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));
    const std::string ledare = " ....................................";

    // Number, date, terms, due date; no delivery date, so no fifth row.
    const std::pair<std::string, std::string> lista1[] = {{v->rubrikFörFakturanummer(), "1042"},
                                                          {v->rubrikFörFakturadatum(), "2026-12-01"},
                                                          {v->rubrikFörBetalningsvillkor(), v->rubrikFörDagar()},
                                                          {v->rubrikFörFörfallodatum(), "2026-12-31"}};
    double y = 25;
    for (const auto& [rubrik, värde] : lista1) {
        const CachatObjekt* r = medText(alla, rubrik + " " + ledare);
        const CachatObjekt* v = medText(alla, värde);
        ASSERT_TRUE(r && v) << rubrik;
        EXPECT_EQ(ram(*r), (Rect{381, y, 110, 12}));
        EXPECT_EQ(ram(*v), (Rect{496, y, 90, 12}));
        y += 12;
    }
    EXPECT_FALSE(medTextSomInnehåller(alla, v->rubrikFörLeveransdatum()));
    const CachatObjekt* referens = medText(alla, v->rubrikFörErReferens() + " " + ledare);
    ASSERT_TRUE(referens);
    EXPECT_EQ(ram(*referens), (Rect{381, 91, 110, 12}));

    const CachatObjekt* mottagare = medText(alla, versaler(v->rubrikFörMottagare()));
    ASSERT_TRUE(mottagare);
    EXPECT_EQ(ram(*mottagare), (Rect{257, 30, 115, 65}));
    EXPECT_EQ(ram(*medTextSomInnehåller(alla, "Storgatan 1")), (Rect{257, 41, 115, 54}));
    const CachatObjekt* leverans = medText(alla, versaler(v->rubrikFörLeveransadress()));
    ASSERT_TRUE(leverans);
    EXPECT_EQ(ram(*leverans), (Rect{257, 96, 115, 51}));
    EXPECT_EQ(ram(*medTextSomInnehåller(alla, "Lagergatan 5")), (Rect{257, 107, 115, 51}));

    faktura.leveransadress_.reset();
    auto utan = vy(InbyggdFakturamall::Norsk1);
    EXPECT_FALSE(medText(utan->innehållFörAllaSidor, versaler(v->rubrikFörLeveransadress())));
}

// Long references wrap in their 90-point column and push the rows below
// them down; the column rises and is set smaller, both lists by one
// factor, so that every fact ends above the band's rule at y 162; one
// that no size holds is cut there with an ellipsis.
TEST_F(MallNoGiro, LongFactsWrapAndEndAboveTheBandsRule) {
    bok->visaKundnummerPåFakturor = true;
    faktura.kundnummer_ = "2026-KS-004711";
    faktura.momsregistreringsnummer_ = "NL859036213B01";
    faktura.leveransdatum_ = Datum{20261130};
    faktura.erReferens_ = "Anna-Karin Vilhelmina Johansson-Stålhammar";
    faktura.vårReferens_ = "Carl-Fredrik Lindqvist-Bergman";
    faktura.inköpsordernummer_ = "IO 2026-0042, projekt Stambyte Kungsholms Strand etapp 2";
    for (bool orimlig : {false, true}) {
        SCOPED_TRACE(orimlig ? "no size holds it" : "realistic");
        std::string leveranssätt = "DB Schenker Stycke, fritt vårt lager (FCA Incoterms 2020)";
        if (orimlig)
            for (int i = 0; i < 5; ++i) leveranssätt += " " + leveranssätt;
        faktura.leveranssätt_ = leveranssätt;
        auto v = vy(InbyggdFakturamall::Norsk2);
        const auto& alla = v->innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));
        std::vector<const CachatObjekt*> värden;
        for (const auto& o : alla)
            if (text(o) && ram(o).x == 496) värden.push_back(&o);
        ASSERT_EQ(värden.size(), 11u);
        for (const CachatObjekt* o : värden) {
            const AttributedString& t = *text(*o);
            EXPECT_LE(ram(*o).y + mätare.boundingSize(t, {90, 1e4}).height, 162.5) << t.text();
            EXPECT_GE(t.attributesAt(0)->font->pointSize, 7 * 0.7 - 1e-9);
        }
        const std::string& sista = text(*värden.back())->text();
        EXPECT_EQ(sista.ends_with("\u2026"), orimlig) << sista;
        if (!orimlig) {
            EXPECT_EQ(sista, leveranssätt);
        }
    }
}

TEST_F(MallNoGiro, AmountBoxOnTheLastPageOfAnInvoiceOnly) {
    auto v = vy(InbyggdFakturamall::Norsk2);
    const auto& sista = v->innehållFörVarjeSida.back();
    SCOPED_TRACE(beskriv(sista));
    const CachatObjekt* rubrik = medText(sista, v->rubrikFörBeloppAttBetala());
    const CachatObjekt* belopp = medText(sista, v->belopp(faktura.attBetala_));
    ASSERT_TRUE(rubrik && belopp);
    EXPECT_EQ(ram(*rubrik), (Rect{329, 371, 224, 15}));
    EXPECT_EQ(ram(*belopp), (Rect{329, 371, 224, 15}));
    const CachatObjekt* ruta = medRam(sista, {317, 370, 242, 19});
    ASSERT_TRUE(ruta);
    const auto& p = std::get<cachad::path>(ruta->data);
    EXPECT_EQ(p.fill, Color::white());
    EXPECT_EQ(p.stroke, Color::black());
    EXPECT_EQ(p.path.lineWidth, 0.25);
    EXPECT_TRUE(medRam(sista, {36, 322, 523, 0}));
    EXPECT_EQ(ram(*medText(sista, v->rubrikFörNettobelopp())), (Rect{329, 325, 224, 15}));

    auto följesedel = vy(InbyggdFakturamall::Norsk2, true);
    ASSERT_EQ(följesedel->antalSidor(), 1);
    const auto& sidan = följesedel->innehållFörVarjeSida.back();
    EXPECT_FALSE(medText(sidan, v->rubrikFörBeloppAttBetala()));
    EXPECT_FALSE(medText(sidan, v->rubrikFörNettobelopp()));
    for (const auto& o : sidan) EXPECT_FALSE(std::holds_alternative<cachad::path>(o.data));
    EXPECT_FALSE(medTextSomInnehåller(följesedel->innehållFörAllaSidor, v->rubrikFörFakturanummer()));
}

// Amount rows beyond three start a row higher for each, with the rule and
// the VAT summary above them, clear of the amount box at y 370; the item
// table's room on the last page is shorter by as much.
TEST_F(MallNoGiro, AmountRowsBeyondThreeRiseClearOfTheAmountBox) {
    for (int n : {3, 5}) {
        SCOPED_TRACE(n);
        faktura = prov::Faktura();
        ställBeloppsrader(faktura, n);
        auto v = vy(InbyggdFakturamall::Norsk2);
        ASSERT_EQ(v->antalBeloppsrader(false), n);
        const double upp = (n - 3) * 14;
        const auto& sista = v->innehållFörVarjeSida.back();
        SCOPED_TRACE(beskriv(sista));
        EXPECT_EQ(ram(*medText(sista, v->rubrikFörNettobelopp())), (Rect{329, 325 - upp, 224, 15}));
        EXPECT_TRUE(medRam(sista, {36, 322 - upp, 523, 0}));
        double nedersta = 0;
        for (const auto& o : sista)
            if (text(o) && ram(o).x == 329 && text(o)->text() != v->rubrikFörBeloppAttBetala() &&
                text(o)->text() != v->belopp(faktura.attBetala_))
                nedersta = std::max(nedersta, ram(o).maxY());
        EXPECT_LE(nedersta, 370) << "the last amount row ends above the box";
    }
}

// A delivery note's rows stop above the credit terms (y 397), which stand
// on every page, and, without them, above the F-tax note and the form.
TEST_F(MallNoGiro, DeliveryNoteRowsStopAboveTheCreditTerms) {
    prov::Post post;
    post.kommentar_ = "En rad\nTill\nOch en till";
    faktura.poster.assign(60, post);
    for (const auto& [villkor, fskatt, gräns] :
         {std::tuple{true, true, 397.0}, {false, true, 486.0}, {false, false, 594.0}}) {
        faktura.kreditvillkor_ = villkor ? std::optional<std::string>("30 dagar netto") : std::nullopt;
        bok->godkändFörFSkatt = fskatt;
        bok->sättKreditvillkor(faktura.språk_, "");
        auto v = vy(InbyggdFakturamall::Norsk2, true);
        ASSERT_GE(v->antalSidor(), 2);
        double nedersta = 0;
        for (const auto& o : v->innehållFörVarjeSida.front())
            if (text(o)) nedersta = std::max(nedersta, ram(o).maxY());
        EXPECT_LE(nedersta, gräns - 4) << villkor << fskatt;
        EXPECT_GT(nedersta, gräns - 40) << villkor << fskatt;
    }
}

}  // namespace
