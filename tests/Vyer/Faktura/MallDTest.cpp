// Template D with the fixed-width measurer: the four fact columns, each as
// wide as its widest fact and spread evenly from x 48 to x 547; the three
// places of a column, where the due date never gives way and an address
// keeps to the tall one; the number and
// date in capitals; what a delivery note leaves out.
#include "Vyer/Faktura/Fakturavy.h"

#include "Displaylista.h"
#include "FastMatare.h"
#include "Provfaktura.h"
#include "Vyer/Faktura/Mallverktyg.h"

#include "Modell/Rotuppgifter.h"
#include "Plattform/Strangar.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace displaylista;

namespace {

const Color blek = Color::rgb(0.94, 0.95, 0.98);

class MallD : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    MallD() { faktura.inbyggdFakturamall_ = InbyggdFakturamall::Diskret; }

    // A fact as the column sets it: the caption in capitals at 7 points
    // over the value at 8, its lines broken at line separators.
    static std::string faktum(const std::string& rubrik, const std::string& värde) {
        return versaler(rubrik) + "\u2029" + värde;
    }
    static double bredd(const std::string& rubrik, const std::string& värde) {
        double b = FastMätare::bredd(versaler(rubrik), 7);
        size_t från = 0;
        for (;;) {
            size_t till = värde.find("\u2028", från);
            b = std::max(b, FastMätare::bredd(värde.substr(från, till - från), 8));
            if (till == std::string::npos) return b;
            från = till + 3;
        }
    }
    static void förvänta(const std::vector<CachatObjekt>& alla, const std::string& text, const Rect& förväntad) {
        const CachatObjekt* o = medText(alla, text);
        ASSERT_TRUE(o) << text;
        const Rect r = ram(*o);
        EXPECT_NEAR(r.x, förväntad.x, 1e-9) << text;
        EXPECT_EQ((Rect{0, r.y, r.width, r.height}), (Rect{0, förväntad.y, förväntad.width, förväntad.height})) << text;
    }
};

TEST_F(MallD, FourColumnsSpreadEvenlyByTheirWidestFact) {
    faktura.erReferens_ = "Johan";
    Fakturavy vy(faktura, *bok, false, mätare);
    const auto& alla = vy.innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));
    const std::string adress = *faktura.fakturaadressGivetAvsändarland("se");
    // Column 1: reference and recipient; 2 and 3 empty; 4: terms and due date.
    const double b1 = std::max(bredd(vy.rubrikFörErReferens(), "Johan"), bredd(vy.rubrikFörMottagare(), adress));
    const double b4 = std::max(bredd(vy.rubrikFörBetalningsvillkor(), "30 dagar"),
                               bredd(vy.rubrikFörFörfallodatum(), "2026-12-31"));
    const double mellanrum = (499 - b1 - b4) / 3;
    const double x4 = 48 + b1 + 3 * mellanrum;
    förvänta(alla, faktum(vy.rubrikFörErReferens(), "Johan"), {48, 214, b1 + 1, 29});
    förvänta(alla, faktum(vy.rubrikFörMottagare(), adress), {48, 255, b1 + 1, 70});
    förvänta(alla, faktum(vy.rubrikFörBetalningsvillkor(), "30 dagar"), {x4, 214, b4 + 1, 29});
    förvänta(alla, faktum(vy.rubrikFörFörfallodatum(), "2026-12-31"), {x4, 255, b4 + 1, 70});
    // The last column ends at x 547.
    EXPECT_NEAR(x4 + b4, 547, 1e-9);

    const CachatObjekt* band = medRam(alla, {0, 201, 595, 129});
    ASSERT_TRUE(band);
    EXPECT_EQ(std::get<cachad::path>(band->data).fill, blek);
}

// Without a reference above it the recipient's address, four lines, would
// run out of the first place, 29 high: it keeps to the tall second one.
TEST_F(MallD, AnAddressWithoutAReferenceAboveItKeepsToTheTallPlace) {
    Fakturavy vy(faktura, *bok, false, mätare);
    const auto& alla = vy.innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));
    const std::string adress = *faktura.fakturaadressGivetAvsändarland("se");
    const double b1 = bredd(vy.rubrikFörMottagare(), adress);
    förvänta(alla, faktum(vy.rubrikFörMottagare(), adress), {48, 255, b1 + 1, 70});
    const CachatObjekt* o = medText(alla, faktum(vy.rubrikFörMottagare(), adress));
    ASSERT_TRUE(o);
    EXPECT_LE(mätare.boundingSize(*text(*o), {10000, 10000}).height, 70);
}

TEST_F(MallD, ThreeFactsAColumnAndTheDueDateNeverGivesWay) {
    // ROT on a house for two people: two personal numbers, the property,
    // the terms, the due date and the recipient's VAT number want column 4.
    faktura.skatteavdrag_ = Skatteavdrag::rot("19800101-1234", "19820202-5678", prov::D("0.5"),
                                              Rotuppgifter::hus("Gården 1:23"), std::nullopt);
    faktura.momsregistreringsnummer_ = "SE556000000001-FILIAL-NORR";
    Fakturavy vy(faktura, *bok, false, mätare);
    const auto& alla = vy.innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));
    const std::string moms = faktum(vy.rubrikFörMottagarensMomsregistreringsnummer(), *faktura.momsregistreringsnummer_);
    EXPECT_FALSE(medText(alla, moms));
    EXPECT_FALSE(medTextSomInnehåller(alla, "Gården 1:23"));
    EXPECT_FALSE(medTextSomInnehåller(alla, "30 dagar"));

    // The facts left out still widen the column: the VAT number is its
    // widest.
    const double b4 = bredd(vy.rubrikFörMottagarensMomsregistreringsnummer(), *faktura.momsregistreringsnummer_);
    const std::string adress = *faktura.fakturaadressGivetAvsändarland("se");
    const double b1 = bredd(vy.rubrikFörMottagare(), adress);
    const double x4 = 48 + b1 + 3 * (499 - b1 - b4) / 3;
    förvänta(alla, faktum(*vy.rubrikFörPersonnummer(), "19800101-1234"), {x4, 214, b4 + 1, 29});
    förvänta(alla, faktum(*vy.rubrikFörPersonnummer2(), "19820202-5678"), {x4, 255, b4 + 1, 70});
    förvänta(alla, faktum(vy.rubrikFörFörfallodatum(), "2026-12-31"), {x4, 296, b4 + 1, 29});
}

TEST_F(MallD, NumberAndDateInCapitalsAndWhatADeliveryNoteLeavesOut) {
    faktura.nummer_ = "a-1042";
    for (bool följesedel : {false, true}) {
        SCOPED_TRACE(följesedel ? "delivery note" : "invoice");
        Fakturavy vy(faktura, *bok, följesedel, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));
        förvänta(alla, versaler(vy.rubrikFörFakturanummer()) + "\u2028A-1042", {35, 25, 150, 25});
        EXPECT_EQ(medText(alla, versaler(vy.rubrikFörFakturadatum()) + "\u20282026-12-01") != nullptr, !följesedel);
        EXPECT_EQ(medRam(alla, {297, 649, 304, 35}) != nullptr, !följesedel) << "the amount box";
        EXPECT_EQ(medTextSomInnehåller(alla, "125,00") != nullptr, !följesedel);
        EXPECT_TRUE(medRam(alla, {0, 728, 595, 4})) << "the footer rule";
        // The due date stays among the facts.
        EXPECT_TRUE(medTextSomInnehåller(alla, "2026-12-31"));
        const auto& sista = vy.innehållFörVarjeSida.back();
        EXPECT_EQ(medRam(sista, {0, 551, 595, 4}) != nullptr, !följesedel) << beskriv(sista);
        EXPECT_EQ(medRam(sista, {315, 570, 232, 15}) != nullptr, !följesedel) << beskriv(sista);
    }
}

TEST_F(MallD, RowsOfEarlierPagesEndAboveTheAmountBoxOrTheCreditTerms) {
    // The amount box (from y 649) stands on every page of an invoice; a
    // delivery note has none, and its rows may run on to the credit terms
    // (from y 695).
    faktura.poster.assign(60, prov::Post{});
    for (bool följesedel : {false, true}) {
        SCOPED_TRACE(följesedel ? "delivery note" : "invoice");
        Fakturavy vy(faktura, *bok, följesedel, mätare);
        ASSERT_GE(vy.antalSidor(), 2);
        const auto& första = vy.innehållFörVarjeSida.front();
        SCOPED_TRACE(beskriv(första));
        const CachatObjekt* fortsätter = medTextSomInnehåller(första, "fortsätter på sida");
        ASSERT_TRUE(fortsätter);
        const double fot = följesedel ? 695 : 649;
        EXPECT_LE(ram(*fortsätter).maxY(), fot);
        // The page is filled: one more row would not have fitted.
        EXPECT_GT(ram(*fortsätter).maxY(), fot - 30);
    }
}

// The fact cells of the band, by their frames' left edges.
std::vector<const CachatObjekt*> faktaPåBandet(const std::vector<CachatObjekt>& alla) {
    std::vector<const CachatObjekt*> ut;
    for (const auto& o : alla)
        if (const AttributedString* t = text(o); t && t->text().find("\u2029") != std::string::npos &&
                                                 ram(o).y >= 201 && ram(o).y < 363)
            ut.push_back(&o);
    return ut;
}

// Long references, addresses, purchase order and delivery method: the
// columns, too wide together, are narrowed (the widest first) to stand at
// least 8 points apart, their facts wrap within them, a fact that grows
// past its place pushes the next one down, the band grows with them, and
// every column ends above the item table's headings at y 363.
TEST_F(MallD, LongFactsWrapInNarrowedColumnsAndPushTheNextDown) {
    prov::allaFakta(faktura, *bok);
    faktura.företag_ = "Bostadsrättsföreningen Kungsholmens Strand Västra Huvudbyggnaden med tillhörande garage";
    faktura.erReferens_ = "Anna-Karin Vilhelmina Johansson-Stålhammar och Hans-Joachim Freiherr von Obernitz";
    faktura.vårReferens_ = "Karl-Fredrik Abrahamsson-Lind";
    faktura.mottagaradress_->gata = "c/o Förvaltnings AB Fastighetsservice\nKungsholms Strand 147, 3 tr\nPostbox 1234";
    faktura.inköpsordernummer_ = "PO-2026-004711 Projekt Kungsholmen Etapp 2";
    faktura.leveranssätt_ = "DB Schenker, fritt levererat, DAP Stockholm";
    Fakturavy vy(faktura, *bok, false, mätare);
    const auto& alla = vy.innehållFörAllaSidor;
    const auto fakta = faktaPåBandet(alla);
    ASSERT_GE(fakta.size(), 9u) << beskriv(alla);
    // Where each fact's text ends, set at its frame's width.
    auto slut = [&](const CachatObjekt& o) {
        return ram(o).y + mätare.boundingSize(*text(o), {ram(o).width, 10000}).height;
    };
    double lägst = 0;
    for (const CachatObjekt* a : fakta) {
        const Rect r = ram(*a);
        SCOPED_TRACE(beskriv(*a));
        EXPECT_GE(r.x, 48);
        EXPECT_LE(r.maxX(), 547 + 1);
        EXPECT_LE(slut(*a), r.maxY() + 1e-9) << "out of its frame";
        lägst = std::max(lägst, slut(*a));
        for (const CachatObjekt* b : fakta) {
            if (a == b) continue;
            const Rect q = ram(*b);
            const bool sidaVidSida = r.maxX() + 7 <= q.x || q.maxX() + 7 <= r.x;
            const bool underVarandra = slut(*a) <= q.y || slut(*b) <= r.y;
            EXPECT_TRUE(sidaVidSida || underVarandra) << "over " << beskriv(*b);
        }
    }
    EXPECT_LE(lägst, 352 + 1e-9);
    const CachatObjekt* band = nullptr;
    for (const auto& o : alla)
        if (std::holds_alternative<cachad::path>(o.data) && ram(o).x == 0 && ram(o).y == 201) band = &o;
    ASSERT_TRUE(band);
    EXPECT_GE(ram(*band).maxY(), lägst) << "the band reaches under the facts";
    EXPECT_LT(ram(*band).maxY(), 363);
    // The reference wraps under its caption: the address below it is pushed
    // down from its place.
    const CachatObjekt* mottagare = medTextSomInnehåller(alla, versaler(vy.rubrikFörMottagare()));
    ASSERT_TRUE(mottagare);
    EXPECT_GT(ram(*mottagare).y, 255);
}

TEST_F(MallD, ColumnsTooWideTogetherAreNarrowedWidestFirst) {
    // Room 130 less 3 gaps of 10: 100. 10 and 20 keep theirs; 50 and 90
    // share the 70 left.
    EXPECT_EQ(mallverktyg::kolumnbredder({50, 10, 90, 20}, 130, 10), (std::vector<double>{35, 10, 35, 20}));
    EXPECT_EQ(mallverktyg::kolumnbredder({50, 10, 20}, 100, 10), (std::vector<double>{50, 10, 20}));
    EXPECT_EQ(mallverktyg::kolumnbredder({}, 100, 10), (std::vector<double>{}));
}

// The company's name keeps to its line beside the F-tax note, above the
// tables at y 752; past 70 % it is cut there.
TEST_F(MallD, ALongCompanyNameKeepsToItsFrame) {
    for (int gånger : {1, 8}) {
        bok->namn.clear();
        for (int i = 0; i < gånger; ++i) bok->namn += "Förvaltningsaktiebolaget Kungsholmens Fastighetsservice AB ";
        Fakturavy vy(faktura, *bok, false, mätare);
        const CachatObjekt* namn = medTextSomInnehåller(vy.innehållFörAllaSidor, "Förvaltningsaktiebolaget");
        ASSERT_TRUE(namn);
        EXPECT_EQ(ram(*namn).x, 34);
        EXPECT_LE(ram(*namn).maxX(), 402);
        EXPECT_GE(ram(*namn).y, 733);
        EXPECT_LE(ram(*namn).y + mätare.boundingSize(*text(*namn), {ram(*namn).width, 10000}).height, 752.5);
        EXPECT_EQ(text(*namn)->text().ends_with("\u2026"), gånger == 8);
    }
}

}  // namespace
