// Template CL with the fixed-width measurer: the date strip that runs from
// the right edge leftward and the title that ends where it begins, what a
// delivery note has instead, and the two fact tables sharing one value
// column.
#include "Vyer/Faktura/Fakturavy.h"

#include "Displaylista.h"
#include "FastMatare.h"
#include "Provfaktura.h"

#include <gtest/gtest.h>

using namespace displaylista;

namespace {

const Color orange = Color::rgb(0.853, 0.317, 0.127);

class MallCL : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    MallCL() { faktura.inbyggdFakturamall_ = InbyggdFakturamall::Färgband; }

    const CachatObjekt* titel(const Fakturavy& vy) { return medText(vy.innehållFörAllaSidor, *faktura.rubriktext_); }
};

// Each entry is as wide as the wider of its caption (Bold 7) and its value
// (Light 7), 3.5 points a character here; from x 802 leftward each stands
// 18 points left of the one before (6 to its separator, 12 past it). On the
// 595-point landscape page the strip's texts stand at y 42.
TEST_F(MallCL, TheTitleEndsWhereTheDateStripBegins) {
    Fakturavy vy(faktura, *bok, false, mätare);
    ASSERT_EQ(vy.ramFörEnSida().size(), (Size{842, 595}));
    const auto& alla = vy.innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));

    const std::pair<std::string, std::string> poster[] = {
        {vy.rubrikFörFakturadatum(), "2026-12-01"},
        {vy.rubrikFörFakturanummer(), faktura.nummer_},
        {vy.rubrikFörFörfallodatum(), "2026-12-31"},
        {vy.rubrikFörBetalningsvillkor(), vy.rubrikFörDagar()},
    };
    double x = 802;
    for (const auto& [rubrik, värde] : poster) {
        const double w = std::max(FastMätare::bredd(rubrik, 7), FastMätare::bredd(värde, 7));
        const CachatObjekt* o = medText(alla, rubrik + "\u2028" + värde);
        ASSERT_TRUE(o) << rubrik;
        EXPECT_EQ(ram(*o), (Rect{x - w, 42, w, 25})) << rubrik;
        x -= w + 6;
        // Its separator, an orange stroke 28 long centred on y 595 - 540.5.
        bool separator = false;
        for (const auto& s : alla)
            if (s.transform && s.transform->tx == x && s.transform->ty == 54.5)
                separator = std::get<cachad::path>(s.data).stroke == orange;
        EXPECT_TRUE(separator) << rubrik;
        x -= 12;
    }
    const CachatObjekt* t = titel(vy);
    ASSERT_TRUE(t);
    EXPECT_EQ(ram(*t), (Rect{287, 45, x - 287, 33}));
}

// With no width left it has no frame to stand in.
TEST_F(MallCL, ATitleCrowdedOutIsLeftOut) {
    faktura.nummer_ = std::string(200, '9');
    Fakturavy vy(faktura, *bok, false, mätare);
    EXPECT_FALSE(titel(vy));
}

TEST_F(MallCL, ADeliveryNoteWhitesOutTheRibbonAndGivesTheTitleTheWholeWidth) {
    Fakturavy vy(faktura, *bok, true, mätare);
    const auto& alla = vy.innehållFörAllaSidor;
    SCOPED_TRACE(beskriv(alla));
    const CachatObjekt* vitt = medRam(alla, {553, 544, 235, 60});
    ASSERT_TRUE(vitt);
    EXPECT_EQ(std::get<cachad::path>(vitt->data).fill, Color::white());
    ASSERT_TRUE(titel(vy));
    EXPECT_EQ(ram(*titel(vy)), (Rect{287, 45, 515, 33}));
    EXPECT_FALSE(medTextSomInnehåller(alla, "2026-12-31"));
    EXPECT_FALSE(medRam(alla, {553, 500, 235, 24}));
    // The terms come after the patch, so they show over it.
    faktura.kreditvillkor_ = "30 dagar netto";
    Fakturavy medVillkor(faktura, *bok, true, mätare);
    const auto& lista = medVillkor.innehållFörAllaSidor;
    const CachatObjekt* patch = medRam(lista, {553, 544, 235, 60});
    const CachatObjekt* villkor = medText(lista, "30 dagar netto");
    ASSERT_TRUE(patch && villkor);
    EXPECT_LT(patch, villkor);
}

TEST_F(MallCL, BothFactTablesShareOneValueColumn) {
    faktura.inköpsordernummer_ = "PO-7";
    faktura.leveransadress_ = prov::Faktura::adress("Lagergatan 5", "412 50", "Göteborg");
    Fakturavy vy(faktura, *bok, false, mätare);
    const CachatObjekt* mottagare = medRam(vy.innehållFörAllaSidor, {38, 53, 225, 213});
    const CachatObjekt* avsändare = medRam(vy.innehållFörAllaSidor, {38, 319, 225, 237});
    ASSERT_TRUE(mottagare && avsändare);
    EXPECT_TRUE(std::holds_alternative<cachad::stringNeedingLayoutManager>(mottagare->data));
    EXPECT_EQ(*text(*mottagare)->paragraphStyleAt(0), *text(*avsändare)->paragraphStyleAt(0));
    // The recipient's purchase order comes before its VAT number and the
    // delivery address last; the first row, the recipient, is bold.
    const std::string t = text(*mottagare)->text();
    EXPECT_LT(t.find("PO-7"), t.find("Lagergatan 5"));
    const size_t kund = t.find("Kund AB");
    ASSERT_NE(kund, std::string::npos);
    EXPECT_EQ(text(*mottagare)->attributesAt(kund)->font->name, "HelveticaNeue-Bold");
    const size_t po = t.find("PO-7");
    EXPECT_EQ(text(*mottagare)->attributesAt(po)->font->name, "HelveticaNeue");
}

// A web address too wide for the sender's frame sets that table smaller,
// and the recipient's with it, so that their values still share a column.
TEST_F(MallCL, TablesSetSmallerToFitStayOneSizeAndShareTheirValueColumn) {
    bok->hemsida = "www." + std::string(48, 'w') + ".se";
    Fakturavy vy(faktura, *bok, false, mätare);
    const CachatObjekt* mottagare = medRam(vy.innehållFörAllaSidor, {38, 53, 225, 213});
    const CachatObjekt* avsändare = medRam(vy.innehållFörAllaSidor, {38, 319, 225, 237});
    ASSERT_TRUE(mottagare && avsändare);
    const AttributedString& m = *text(*mottagare);
    const AttributedString& a = *text(*avsändare);
    const double storlek = a.attributesAt(a.text().find("www."))->font->pointSize;
    EXPECT_LT(storlek, 8);
    EXPECT_GE(storlek, 8 * 0.7);
    EXPECT_EQ(m.attributesAt(m.text().find("Kund AB"))->font->pointSize, storlek);
    EXPECT_EQ(*m.paragraphStyleAt(0), *a.paragraphStyleAt(0));
    // The address is whole within the frame at that size.
    EXPECT_LE(mätare.extent(a, Rect{}, TextDrawingMode::layoutManager).size.width, 225.5);
}

}  // namespace
