// Texts that grow into the room beside their frame when even 70 % does not
// fit it, where a block of texts ends, and texts cut at a block's foot;
// with the fixed-width measurer, whose lines are 1.2 times the font size
// high.
#include "Vyer/Faktura/MallverktygRum.h"

#include "Displaylista.h"
#include "FastMatare.h"
#include "Provfaktura.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/Textpassning.h"

#include <gtest/gtest.h>

using namespace displaylista;

namespace {

class MallverktygRum : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;
    Fakturavy vy{faktura, *bok, false, mätare};

    // Ten lines of 10-point text: 120 points high, 84 at 70 %.
    static AttributedString tioRader() {
        std::string t = "rad";
        for (int i = 1; i < 10; ++i) t += "\nrad";
        return AttributedString(t, TextAttributes{.font = Font{"", 10}});
    }
};

TEST_F(MallverktygRum, ABlockEndsWhereItsLowestTextEnds) {
    const std::vector<CachatObjekt> block = {
        CachatObjekt(AttributedString("a", TextAttributes{.font = Font{"", 10}}), Rect{10, 100, 100, 40}),
        CachatObjekt(Rect{10, 100, 100, 400}, Color::black()),
        CachatObjekt(std::nullopt, std::nullopt,
                     cachad::stringNeedingLayoutManager{tioRader(), Rect{10, 200, 100, 20}}),
    };
    EXPECT_DOUBLE_EQ(mallverktyg::nederkant(vy, block, 0), 320);
    EXPECT_DOUBLE_EQ(mallverktyg::nederkant(vy, {block[0], block[1]}, 0), 112);
    EXPECT_DOUBLE_EQ(mallverktyg::nederkant(vy, {block[1]}, 99), 99);
}

// A text at y 100 cut at a foot keeps the lines that end above it in a
// frame ending there, the last ending in an ellipsis; below its first
// line it is to be left out. What fits, and what is no text, stays.
TEST_F(MallverktygRum, ATextCutAtAFootKeepsTheLinesAboveIt) {
    const CachatObjekt hel(tioRader(), Rect{10, 100, 200, 121});
    CachatObjekt o = hel;
    ASSERT_TRUE(mallverktyg::avkortadVidFoten(vy, o, 160));
    EXPECT_EQ(ram(o), (Rect{10, 100, 200, 60}));
    EXPECT_EQ(mätare.lines(*text(o), 200, TextDrawingMode::fromTopLeft).size(), 5u);
    EXPECT_TRUE(text(o)->text().ends_with("…")) << text(o)->text();

    o = hel;
    EXPECT_FALSE(mallverktyg::avkortadVidFoten(vy, o, 105));
    EXPECT_EQ(*text(o), *text(hel));
    EXPECT_TRUE(mallverktyg::avkortadVidFoten(vy, o, 300));
    EXPECT_EQ(ram(o), ram(hel));
    CachatObjekt yta(Rect{10, 100, 200, 400}, Color::black());
    EXPECT_TRUE(mallverktyg::avkortadVidFoten(vy, yta, 160));

    // The text above one that has no room gives up its last line instead.
    const AttributedString abc("a\nb\nc", TextAttributes{.font = Font{"", 10}});
    const AttributedString tre = utanSistaRaden(mätare, abc, 200, TextDrawingMode::fromTopLeft);
    EXPECT_EQ(mätare.lines(tre, 200, TextDrawingMode::fromTopLeft).size(), 2u);
    EXPECT_TRUE(tre.text().ends_with("…")) << tre.text();
    const AttributedString en("a", TextAttributes{.font = Font{"", 10}});
    EXPECT_EQ(utanSistaRaden(mätare, en, 200, TextDrawingMode::fromTopLeft), en);
}

}  // namespace

// A label is measured whole before its frame is known: of a text longer
// than any frame shows, only what one can show is measured and set, cut
// visibly; a text within that is set as it is.
TEST_F(MallverktygRum, ALabelLongerThanAnyFrameShowsIsCutBeforeItIsMeasured) {
    std::string rader;
    while (rader.size() < 4 * mostBytesInAFrame) rader += "å\n";
    const AttributedString lång = mallverktyg::påSinaRader(vy, AttributedString(rader, {}), {200, 20});
    EXPECT_LE(lång.length(), mostBytesInAFrame + ellips.size());
    EXPECT_TRUE(lång.text().ends_with(ellips));
    EXPECT_EQ(mallverktyg::påSinaRader(vy, AttributedString("rad\nrad", {}), {200, 20}).text(), "rad\nrad");
}

// Columns 100 wide, 10 apart, 50 high: at 70 % a line is 8.4 high, so six
// lines fit; a word of four characters is 14 wide, a space 3.5.
TEST_F(MallverktygRum, AColumnItsTableOverflowsTakesTheWidthTheColumnBesideCanSpare) {
    auto ord = [](int n) {
        std::string t = "aaaa";
        for (int i = 1; i < n; ++i) t += " aaaa";
        return AttributedString(t, TextAttributes{.font = Font{"", 10}});
    };
    const AttributedString kort("bb", TextAttributes{.font = Font{"", 10}});
    const std::vector<Rect> kolumner{{0, 0, 100, 50}, {110, 0, 100, 50}, {220, 0, 100, 50}};
    auto bredder = [&](std::vector<AttributedString> tabeller) {
        std::vector<std::pair<double, double>> ut;
        for (const Rect& k : mallverktyg::kolumnerSomDelarBredden(vy, tabeller, kolumner)) ut.emplace_back(k.x, k.width);
        return ut;
    };
    using Kolumner = std::vector<std::pair<double, double>>;
    // Five words a line, six lines: as they are.
    EXPECT_EQ(bredder({ord(30), kort, kort}), (Kolumner{{0, 100}, {110, 100}, {220, 100}}));
    // Forty words take seven a line, 119 wide, from the column to the right.
    EXPECT_EQ(bredder({ord(40), kort, kort}), (Kolumner{{0, 119}, {129, 81}, {220, 100}}));
    // The last column takes from the one to its left.
    EXPECT_EQ(bredder({kort, kort, ord(40)}), (Kolumner{{0, 100}, {110, 81}, {201, 119}}));
    // More than every column can spare: as they are, the table to be cut.
    EXPECT_EQ(bredder({ord(200), kort, kort}), (Kolumner{{0, 100}, {110, 100}, {220, 100}}));
}
