// Template Karvomat4 with the fixed-width measurer: its own frames, what a
// delivery note leaves out, and the amount area that grows with the
// number of amount rows.
#include "Vyer/Faktura/Fakturavy.h"

#include "Displaylista.h"
#include "FastMatare.h"
#include "Provfaktura.h"

#include "Plattform/Strangar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

using namespace displaylista;

namespace {

const Color panelgrå = Color::rgb(0.92, 0.93, 0.92);

class Karvomat4 : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    bool harPanel(const Fakturavy& vy, const Rect& ram) {
        const CachatObjekt* o = medRam(vy.innehållFörAllaSidor, ram);
        if (!o) return false;
        const auto* p = std::get_if<cachad::path>(&o->data);
        return p && p->fill == panelgrå && !p->stroke && p->path == BezierPath::roundedRect(ram, 5, 5);
    }
};

TEST_F(Karvomat4, NumberBoxAmountPanelsAndBandsOfAnInvoice) {
    faktura.leveransadress_ = prov::Faktura::adress("Lagergatan 5", "412 50", "Göteborg");
    Fakturavy vy(faktura, *bok, false, mätare);
    const auto& alla = vy.innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));

    for (Rect panel : {Rect{443, 30, 116, 46}, Rect{262, 296, 296, 32}, Rect{262, 242, 296, 45},
                       Rect{37, 365, 522, 25}, Rect{37, 684, 522, 19}})
        EXPECT_TRUE(harPanel(vy, panel)) << panel.x << ", " << panel.y;

    const CachatObjekt* nummer = medText(alla, "1042");
    ASSERT_TRUE(nummer);
    EXPECT_EQ(ram(*nummer), (Rect{443, 42, 116, 31}));
    const auto& körning = text(*nummer)->runs().at(0).attributes;
    EXPECT_EQ(körning.font, (Font{"HelveticaNeue", 18}));
    EXPECT_EQ(körning.paragraphStyle->alignment, TextAlignment::center);

    const CachatObjekt* datum = medTextSomInnehåller(alla, " 2026-12-01");
    ASSERT_TRUE(datum);
    EXPECT_EQ(ram(*datum), (Rect{443, 75, 116, 19}));

    // Caption and amount share one frame, the due date and the terms another.
    const CachatObjekt* attBetala = medTextSomInnehåller(alla, "125");
    ASSERT_TRUE(attBetala);
    EXPECT_EQ(ram(*attBetala), (Rect{272, 252, 278, 47}));
    const CachatObjekt* förfallodatum = medTextSomInnehåller(alla, "2026-12-31");
    ASSERT_TRUE(förfallodatum);
    EXPECT_EQ(ram(*förfallodatum), (Rect{272, 304, 278, 20}));

    const CachatObjekt* fakturaadress = medTextSomInnehåller(alla, "Storgatan 1");
    ASSERT_TRUE(fakturaadress);
    EXPECT_EQ(ram(*fakturaadress), (Rect{312, 120, 243, 115}));
    // Three lines of 10-point text, each 12 high, in a frame a point higher.
    const CachatObjekt* leveransadress = medTextSomInnehåller(alla, "Lagergatan 5");
    ASSERT_TRUE(leveransadress);
    EXPECT_EQ(ram(*leveransadress), (Rect{47, 176, 209, 37}));

    EXPECT_TRUE(medRam(alla, {47, 249, 210, 100}));
    // The ledger has no way of payment: no payment table.
    for (Rect tabell : {Rect{38, 741, 153, 85}, Rect{195, 741, 175, 82}}) {
        const CachatObjekt* o = medRam(alla, tabell);
        ASSERT_TRUE(o) << tabell.x;
        EXPECT_TRUE(std::holds_alternative<cachad::stringNeedingLayoutManager>(o->data));
    }
}

TEST_F(Karvomat4, DeliveryNoteLeavesOutDateAmountPanelsAndTheAmountArea) {
    Fakturavy vy(faktura, *bok, true, mätare);
    const auto& alla = vy.innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));
    EXPECT_FALSE(medRam(alla, {443, 75, 116, 19}));
    for (const auto& o : alla)
        if (std::holds_alternative<cachad::path>(o.data)) {
            double y = ram(o).y;
            EXPECT_TRUE(y != 242 && y != 296 && y != 684) << beskriv(o);
        }
    EXPECT_FALSE(medTextSomInnehåller(alla, "125"));
    EXPECT_TRUE(harPanel(vy, {443, 30, 116, 46}));
    EXPECT_TRUE(harPanel(vy, {37, 365, 522, 25}));
    EXPECT_TRUE(medRam(alla, {47, 249, 210, 100}));
    ASSERT_EQ(vy.antalSidor(), 1);
    for (const auto& o : vy.innehållFörVarjeSida.back()) EXPECT_FALSE(std::holds_alternative<cachad::path>(o.data));
}

// The Italian delivery note's title, 23 characters of 18 points (207 here),
// is set smaller to keep to one line of its 176-point frame.
TEST_F(Karvomat4, ALongTitleIsSetSmallerToKeepToItsLine) {
    faktura.rubriktext_ = "Distinta di imballaggio";
    Fakturavy vy(faktura, *bok, true, mätare);
    const CachatObjekt* titel = medRam(vy.innehållFörAllaSidor, {261, 42, 176, 25});
    ASSERT_TRUE(titel) << beskriv(vy.innehållFörAllaSidor);
    const AttributedString& t = *text(*titel);
    EXPECT_LT(t.runs().at(0).attributes.font->pointSize, 18);
    EXPECT_GE(t.runs().at(0).attributes.font->pointSize, 18 * 0.7);
    EXPECT_LE(mätare.boundingSize(t, {10000, 10000}).width, 176);
    // A short title keeps its size.
    faktura.rubriktext_ = "Faktura";
    Fakturavy kort(faktura, *bok, false, mätare);
    EXPECT_EQ(text(*medRam(kort.innehållFörAllaSidor, {261, 42, 176, 25}))->runs().at(0).attributes.font->pointSize, 18);
}

// Every fact fills more than the room between the delivery address and
// the item headings' panel even at 70 %: the facts run on below it and the
// panel, the headings and the rows stand lower by as much.
TEST_F(Karvomat4, TheItemTableStandsBelowFactsThatFillTheirRoom) {
    faktura.leveransadress_ = prov::Faktura::adress("Lagergatan 5", "412 50", "Göteborg");
    prov::allaFakta(faktura, *bok);
    faktura.poster = {prov::Post()};
    // A delivery address of many lines leaves less room.
    {
        Fakturavy v(faktura, *bok, false, mätare);
        const CachatObjekt* adress = medTextSomInnehåller(v.innehållFörAllaSidor, "Lagergatan 5");
        ASSERT_TRUE(adress);
        mätare.fasta[text(*adress)->text()] = {150, 80};
    }
    Fakturavy vy(faktura, *bok, false, mätare);
    const auto& alla = vy.innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));
    const CachatObjekt* fakta = medTextSomInnehåller(alla, "PO-7");
    ASSERT_TRUE(fakta);
    const Rect ram_ = ram(*fakta);
    EXPECT_LE(mätare.boundingSize(*text(*fakta), {ram_.width, 1000}).height, ram_.height + 0.5);
    const double panel = std::max(365.0, std::ceil(ram_.maxY() + 4));
    EXPECT_GT(panel, 365);
    EXPECT_TRUE(harPanel(vy, {37, panel, 522, 25}));
    EXPECT_EQ(ram(*medText(alla, versaler(vy.rubrikFörBeskrivning()))).y, panel + 4);
}

}  // namespace
