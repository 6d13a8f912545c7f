// Template F with the fixed-width measurer: the fact column, one row per
// group with at most two cells side by side, each caption in capitals over
// its value, rows as tall as their tallest cell; the two sender tables of
// one height that end at y 796; what a delivery note leaves out; the stem
// of the flower hidden on pages before the last.
#include "Vyer/Faktura/Fakturavy.h"

#include "Displaylista.h"
#include "FastMatare.h"
#include "Provfaktura.h"
#include "Plattform/Strangar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace displaylista;

namespace {

const Color blå = Color::rgb(0, 0.3, 0.491);
// A line of Gill Sans 8 with the fixed-width measurer.
constexpr double rad = 8 * 1.2;

class MallF : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    MallF() { faktura.inbyggdFakturamall_ = InbyggdFakturamall::Blomma; }

    // The fact cell whose text begins with the caption in capitals.
    static const CachatObjekt* cell(const std::vector<CachatObjekt>& lista, const std::string& rubrik) {
        for (const auto& o : lista)
            if (const AttributedString* t = text(o); t && t->text().rfind(versaler(rubrik) + "\u2029", 0) == 0)
                return &o;
        return nullptr;
    }
};

void förväntaRam(const CachatObjekt* o, const Rect& r) {
    ASSERT_TRUE(o);
    const Rect f = ram(*o);
    EXPECT_NEAR(f.x, r.x, 1e-9);
    EXPECT_NEAR(f.y, r.y, 1e-9);
    EXPECT_NEAR(f.width, r.width, 1e-9);
    EXPECT_NEAR(f.height, r.height, 1e-9);
}

TEST_F(MallF, FactCellsStandTwoToARow) {
    faktura.erReferens_ = "Johan";
    faktura.leveransdatum_ = Datum{20240131};
    Fakturavy vy(faktura, *bok, false, mätare);
    const auto& alla = vy.innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));

    // Recipient (caption and three lines of address) alone in the first row;
    // each frame as high as its text, rounded up, and a point.
    const auto höjd = [](double n) { return std::ceil(n * rad) + 1; };
    const double y1 = 34, y2 = y1 + 4 * rad + 4, y3 = y2 + 2 * rad + 4, y6 = y3 + 2 * rad + 4;
    förväntaRam(cell(alla, vy.rubrikFörMottagare()), {36, y1, 126, höjd(4)});
    // Your reference and the due date side by side.
    förväntaRam(cell(alla, vy.rubrikFörErReferens()), {36, y2, 126, höjd(2)});
    förväntaRam(cell(alla, vy.rubrikFörFörfallodatum()), {170, y2, 126, höjd(2)});
    // Without our reference the payment terms close up to the left.
    förväntaRam(cell(alla, vy.rubrikFörBetalningsvillkor()), {36, y3, 126, höjd(2)});
    // No VAT number, delivery method or purchase order: those rows take no
    // room.
    förväntaRam(cell(alla, vy.rubrikFörLeveransdatum()), {36, y6, 126, höjd(2)});

    const CachatObjekt* datum = cell(alla, vy.rubrikFörLeveransdatum());
    ASSERT_TRUE(datum);
    const AttributedString& t = *text(*datum);
    EXPECT_EQ(t.text(), versaler(vy.rubrikFörLeveransdatum()) + "\u20292024-01-31");
    EXPECT_EQ(t.attributesAt(0)->foregroundColor, blå);
    EXPECT_EQ(t.attributesAt(0)->font->name, "GillSans");
    EXPECT_EQ(t.attributesAt(t.text().size() - 1)->font->name, "GillSans-Light");
}

TEST_F(MallF, ACellWithoutItsNeighbourStandsAtTheLeft) {
    Fakturavy vy(faktura, *bok, false, mätare);
    const CachatObjekt* förfallo = cell(vy.innehållFörAllaSidor, vy.rubrikFörFörfallodatum());
    ASSERT_TRUE(förfallo);
    EXPECT_EQ(ram(*förfallo).x, 36);
    // An empty reference is a value: it keeps its cell.
    faktura.erReferens_ = "";
    Fakturavy tom(faktura, *bok, false, mätare);
    const CachatObjekt* bredvid = cell(tom.innehållFörAllaSidor, tom.rubrikFörFörfallodatum());
    ASSERT_TRUE(bredvid);
    EXPECT_EQ(ram(*bredvid).x, 170);
}

// The fact cells and their rows, as the view lists them.
std::vector<const CachatObjekt*> faktaceller(const Fakturavy& vy) {
    std::vector<const CachatObjekt*> ut;
    for (const auto& o : vy.innehållFörAllaSidor)
        if (const AttributedString* t = text(o); t && std::holds_alternative<cachad::string>(o.data) &&
                                                 t->text().find("\u2029") != std::string::npos &&
                                                 t->attributesAt(0)->foregroundColor == blå)
            ut.push_back(&o);
    return ut;
}

// Long values: a real customer's name, addresses and references.
void långaVärden(prov::Faktura& f, Bokföring& b) {
    prov::allaFakta(f, b);
    f.företag_ = "Bostadsrättsföreningen Kungsholmens Strand Västra Huvudbyggnaden med tillhörande garage- och "
                 "förrådsföreningar ek. för.";
    f.erReferens_ = "Anna-Karin Vilhelmina Johansson-Stålhammar";
    f.vårReferens_ = "Karl-Fredrik Abrahamsson-Lind";
    f.mottagaradress_->gata = "c/o Förvaltnings AB Fastighetsservice\nKungsholms Strand 147, 3 tr\nPostbox 1234";
    f.mottagaradress_->attention = "Ekonomiavdelningen, Leverantörsreskontra";
    f.leveransadress_ = f.mottagaradress_;
    f.leveransadress_->gata = "Lagergatan 4, Port 7, Godsmottagningen Västra";
    f.leveranssätt_ = "DB Schenker, fritt levererat, DAP Stockholm";
    f.inköpsordernummer_ = "PO-2026-004711 Projekt Kungsholmen Etapp 2";
}

// Each cell is measured at the width it is drawn in: a value that wraps
// there makes its row taller and the rows below it start lower. The
// column ends above the item table's headings at y 320, set smaller by one
// factor where it must; the reminder stands below it.
TEST_F(MallF, LongFactsWrapInTheirCellsAndTheColumnEndsAboveTheItemTable) {
    långaVärden(faktura, *bok);
    faktura.påminnelsetext_ = "Påminnelse";
    Fakturavy vy(faktura, *bok, false, mätare);
    const auto celler = faktaceller(vy);
    ASSERT_EQ(celler.size(), 14u) << beskriv(vy.innehållFörAllaSidor);
    double radensSlut = 0, radensTopp = 0;
    double storlek = 0;
    for (const CachatObjekt* cell : celler) {
        const Rect r = ram(*cell);
        SCOPED_TRACE(beskriv(*cell));
        EXPECT_EQ(r.width, 126);
        EXPECT_LE(mätare.boundingSize(*text(*cell), {126, 10000}).height, r.height + 1e-9) << "runs out of its frame";
        if (r.y != radensTopp) {
            EXPECT_GE(r.y, radensSlut + 2) << "over the row above";
            radensTopp = r.y;
        }
        radensSlut = std::max(radensSlut, r.y + mätare.boundingSize(*text(*cell), {126, 10000}).height);
        storlek = text(*cell)->runs().back().attributes.font->pointSize;
    }
    EXPECT_LE(radensSlut, 320 + 1e-9);
    EXPECT_LT(storlek, 8) << "set smaller to end above the item table";
    EXPECT_GE(storlek, 8 * 0.7);

    const CachatObjekt* påminnelse = medText(vy.innehållFörAllaSidor, "Påminnelse");
    ASSERT_TRUE(påminnelse);
    EXPECT_GE(ram(*påminnelse).y, radensSlut);
    EXPECT_EQ(ram(*påminnelse).x, 19);
    // With short facts the reminder keeps its place.
    prov::Faktura kort;
    kort.inbyggdFakturamall_ = InbyggdFakturamall::Blomma;
    kort.påminnelsetext_ = "Påminnelse";
    Fakturavy kortVy(kort, *bok, false, mätare);
    EXPECT_EQ(ram(*medText(kortVy.innehållFörAllaSidor, "Påminnelse")), (Rect{19, 266, 156, 20}));
}

// A long sender's name wraps in its table; tables too tall for their
// frame even set smaller rise no higher than y 625, under the amount to
// pay, and the F-tax note stands above them at its own size.
TEST_F(MallF, ALongSenderWrapsInItsTableAndTheFTaxNoteMovesAboveIt) {
    bok->namn = "Förvaltningsaktiebolaget Kungsholmens Fastighetsservice och Byggkonsult i Stockholm AB";
    bok->godkändFörFSkatt = true;
    prov::allaBetalningssätt(*bok);
    bok->telefon = "08-123 456 78", bok->fax = "08-123 456 79";
    bok->email = "fakturor.leverantorsreskontra@kungsholmensfastighet.example.se";
    bok->hemsida = "https://www.kungsholmensfastighetsservice-byggkonsult.se";
    bok->adress.gata = "Hantverkargatan 12\nBox 22 113\nIngång C";
    Fakturavy vy(faktura, *bok, false, mätare);
    const auto& alla = vy.innehållFörAllaSidor;
    const CachatObjekt* avsändare = medTextSomInnehåller(alla, "Byggkonsult");
    ASSERT_TRUE(avsändare) << beskriv(alla);
    const Rect r = ram(*avsändare);
    EXPECT_GE(r.y, 625 - 1e-9);
    EXPECT_EQ(r.maxY(), 796);
    EXPECT_EQ(text(*avsändare)->text().find("\u2026"), std::string::npos) << "nothing cut";
    EXPECT_LE(mätare.boundingSize(*text(*avsändare), {186, 10000}).height, r.height + 0.5);
    const CachatObjekt* fskatt = medText(alla, "Godkänd för F-skatt");
    ASSERT_TRUE(fskatt) << beskriv(alla);
    EXPECT_LE(ram(*fskatt).y + 8, r.y);
    EXPECT_DOUBLE_EQ(text(*fskatt)->attributesAt(0)->font->pointSize, 6) << "not set smaller with the tables";
}

// Both tables are round(m / 2 + 47.5) high, m the taller text's height,
// or as high as that text where it is taller, and end at y 796.
TEST_F(MallF, SenderTablesShareOneHeightEndingAtTheSameFoot) {
    for (bool många : {false, true}) {
        if (många) {
            bok->telefon = "031-12 34 56", bok->fax = "031-12 34 57", bok->email = "info@exempel.se";
            bok->hemsida = "exempel.se", bok->bank = "Exempelbanken", bok->bankkonto = "1234-56 789 01";
        }
        Fakturavy vy(faktura, *bok, false, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        const CachatObjekt* avsändare = medTextSomInnehåller(alla, "Exempel AB");
        const CachatObjekt* registrering = medTextSomInnehåller(alla, "556000-0000");
        ASSERT_TRUE(avsändare && registrering) << beskriv(alla);
        const double m = std::max(mätare.boundingSize(*text(*avsändare), {186, 10000}).height,
                                  mätare.boundingSize(*text(*registrering), {210, 10000}).height);
        // From one top, h above the foot or as high as the taller text.
        const double h = std::round(m / 2 + 47.5);
        const Rect a = ram(*avsändare), r = ram(*registrering);
        EXPECT_EQ(a, (Rect{32, r.y, 186, a.height}));
        EXPECT_EQ(r, (Rect{241, a.y, 210, r.height}));
        EXPECT_EQ(std::max(a.maxY(), r.maxY()), 796);
        EXPECT_EQ(a.y, 796 - std::max({h, a.height, r.height}));
        EXPECT_TRUE(std::holds_alternative<cachad::stringNeedingLayoutManager>(avsändare->data));
        const AttributedString& t = *text(*avsändare);
        EXPECT_EQ(t.attributesAt(t.text().find("Exempel AB"))->foregroundColor, blå);
    }
}

TEST_F(MallF, ADeliveryNoteKeepsTheDueDateAmongTheFactsAlone) {
    for (bool följesedel : {false, true}) {
        SCOPED_TRACE(följesedel ? "delivery note" : "invoice");
        Fakturavy vy(faktura, *bok, följesedel, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        EXPECT_TRUE(cell(alla, vy.rubrikFörFörfallodatum()));
        EXPECT_EQ(medRam(alla, {301, 82, 258, 20}) != nullptr, !följesedel) << "invoice date";
        EXPECT_EQ(medRam(alla, {364, 583, 79, 15}) != nullptr, !följesedel) << "amount caption";
        EXPECT_EQ(medRam(alla, {360, 601, 150, 20}) != nullptr, !följesedel) << "amount to pay";
        ASSERT_TRUE(medText(alla, "1042"));
        // The number stands just below the title line.
        EXPECT_EQ(ram(*medText(alla, "1042")), (Rect{299, 56, 260, 28}));
    }
}

// Amount rows: three start at y 498, each further row lifts them 7 points;
// pages before the last white out the strip between them and the VAT
// summary.
TEST_F(MallF, AmountRowsAndTheStemOnEarlierPages) {
    faktura.poster.assign(40, prov::Post{});
    Fakturavy vy(faktura, *bok, false, mätare);
    ASSERT_GE(vy.antalSidor(), 2);
    for (int s = 0; s < vy.antalSidor(); ++s) {
        const auto& lista = vy.innehållFörVarjeSida[size_t(s)];
        const CachatObjekt* vitt = medRam(lista, {324, 478, 9, 85});
        EXPECT_EQ(vitt != nullptr, s + 1 < vy.antalSidor()) << "page " << s + 1;
    }
    const auto& sista = vy.innehållFörVarjeSida.back();
    const CachatObjekt* netto = medText(sista, vy.rubrikFörNettobelopp());
    ASSERT_TRUE(netto) << beskriv(sista);
    EXPECT_EQ(ram(*netto), (Rect{347, 498, 165, 15}));
    faktura.rabatt_ = prov::D("0.1"), faktura.rabattbelopp_ = prov::D("10");
    faktura.öresutjämna_ = true, faktura.öresutjämningsbelopp_ = prov::D("0.4");
    Fakturavy fem(faktura, *bok, false, mätare);
    netto = medText(fem.innehållFörVarjeSida.back(), fem.rubrikFörNettobelopp());
    ASSERT_TRUE(netto);
    EXPECT_EQ(ram(*netto), (Rect{347, 484, 165, 15}));
}

}  // namespace
