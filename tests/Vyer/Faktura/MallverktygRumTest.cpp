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
using mallverktyg::Växer;

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

// A text that fits its frame at 70 % keeps it; one that does not takes
// the room it needs at its own size, as far as the limits allow, and is
// fitted to that.
TEST_F(MallverktygRum, AFrameThatMustGrowTakesWhatTheTextNeedsAtItsOwnSize) {
    const AttributedString text = tioRader();
    struct Fall {
        const char* namn;
        Rect ram;
        mallverktyg::Växtval val;
        Rect väntat;
        bool ryms = true;
    } fall[] = {
        {"fits set smaller", {10, 100, 200, 90}, {Växer::nedåt, 500}, {10, 100, 200, 90}},
        {"grows down", {10, 100, 200, 50}, {Växer::nedåt, 500}, {10, 100, 200, 121}},
        {"grows up", {10, 100, 200, 50}, {Växer::uppåt, 0}, {10, 29, 200, 121}},
        {"down to its limit", {10, 100, 200, 50}, {Växer::nedåt, 170}, {10, 100, 200, 70}, false},
        {"up to its limit", {10, 100, 200, 50}, {Växer::uppåt, 80}, {10, 80, 200, 70}, false},
        {"down, then its top gives way", {10, 100, 200, 50}, {Växer::nedåt, 170, 0}, {10, 49, 200, 121}},
        {"up, then its foot gives way", {10, 100, 200, 50}, {Växer::uppåt, 80, 210}, {10, 80, 200, 121}},
        {"set smaller where both limits leave too little", {10, 100, 200, 50}, {Växer::uppåt, 80, 180}, {10, 80, 200, 100}},
        {"no further than both limits", {10, 100, 200, 50}, {Växer::uppåt, 80, 155}, {10, 80, 200, 75}, false},
    };
    for (const Fall& f : fall) {
        EXPECT_EQ(mallverktyg::ramSomRymmer(vy, text, f.ram, f.val), f.väntat) << f.namn;
        // The table is fitted to the frame that holds it.
        const CachatObjekt tabell = mallverktyg::växandeTabell(vy, text, f.ram, f.val);
        EXPECT_TRUE(std::holds_alternative<cachad::stringNeedingLayoutManager>(tabell.data)) << f.namn;
        EXPECT_EQ(ram(tabell), f.väntat) << f.namn;
        // What the frame cannot hold even at 70 % is cut to it.
        EXPECT_LE(mätare.boundingSize(*displaylista::text(tabell), {200, 1000}).height, f.väntat.height + 0.5)
            << f.namn;
        EXPECT_EQ(displaylista::text(tabell)->text().ends_with("\u2026"), !f.ryms) << f.namn;
    }
}

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
