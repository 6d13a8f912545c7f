// Captions with their values: on one line, in capitals over the value, and
// the foot lines of a right-hand item column.
#include "Vyer/Faktura/MallverktygRubrikOchVarde.h"

#include "Displaylista.h"
#include "FastMatare.h"
#include "Provfaktura.h"

#include <gtest/gtest.h>

using namespace displaylista;

namespace {

const TextAttributes rubrik{std::nullopt, Color::rgb(0, 0.5, 0), Font{"GillSans", 8}};
const TextAttributes värde{std::nullopt, std::nullopt, Font{"GillSans-Light", 8}};

TEST(MallverktygRubrikOchVarde, CaptionInCapitalsOverItsValue) {
    AttributedString t = mallverktyg::rubrikÖverVärde("Straße", rubrik, "Gatan 1", värde);
    EXPECT_EQ(t.text(), "STRASSE\u2029Gatan 1");
    ASSERT_EQ(t.runs().size(), 2u);
    EXPECT_EQ(t.runs()[0].attributes, rubrik);
    EXPECT_EQ(t.runs()[1].start, std::string("STRASSE\u2029").size());
    EXPECT_EQ(t.runs()[1].attributes, värde);

    // Facts without caption or value make no text; an empty value does.
    const Datalista data = {{"A", "1"}, {std::nullopt, "2"}, {"C", std::nullopt}, {"D", ""}};
    const auto texter = mallverktyg::rubrikerÖverVärden(data, rubrik, värde);
    ASSERT_EQ(texter.size(), 2u);
    EXPECT_EQ(texter[1].text(), "D\u2029");
}

TEST(MallverktygRubrikOchVarde, PaymentTermLineUnderTheAmountToPayOnInvoicesOnly) {
    auto bok = prov::bokföring();
    prov::Faktura faktura;
    faktura.språk_ = "en";
    FastMätare mätare;
    for (bool följesedel : {false, true}) {
        Fakturavy vy(faktura, *bok, följesedel, mätare);
        const auto objekt = mallverktyg::villkorOchAttBetala(vy, {.x = 264, .bredd = 280}, värde, rubrik, värde);
        if (följesedel) {
            EXPECT_TRUE(objekt.empty());
            continue;
        }
        ASSERT_EQ(objekt.size(), 2u);
        EXPECT_EQ(ram(objekt[0]), (Rect{264, 698, 280, 17}));
        EXPECT_NE(text(objekt[0])->text().find(" 30 days  \u2022  Due date 2026-12-31"), std::string::npos)
            << text(objekt[0])->text();
        EXPECT_EQ(ram(objekt[1]), (Rect{264, 679, 280, 21}));
        const AttributedString& attBetala = *text(objekt[1]);
        ASSERT_EQ(attBetala.runs().size(), 2u);
        EXPECT_EQ(attBetala.runs()[0].attributes, rubrik);
        EXPECT_EQ(attBetala.text()[attBetala.runs()[1].start - 1], ' ');
        EXPECT_NE(attBetala.text().find("125", attBetala.runs()[1].start), std::string::npos) << attBetala.text();
    }
}

}  // namespace

namespace {

// Rows of the fixed-width measurer in 10-point text: characters 5 wide,
// lines 12 high; at 70 %, 3.5 and 8.4. A frame 50 wide holds 10
// characters a line, at 70 % 14.
class Stapel : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;
    Fakturavy vy{faktura, *bok, false, mätare};

    static AttributedString t(const std::string& text) {
        return AttributedString(text, TextAttributes{.font = Font{"", 10}});
    }
    static std::vector<std::vector<AttributedString>> rader() {
        // Three lines and one; none; two lines.
        return {{t("aaaa bbbb cccc dddd eeee"), t("x")}, {}, {t("ffff gggg hhhh iiii")}};
    }
    mallverktyg::Stapel stapel(double fot) {
        return mallverktyg::stapladeRader(
            vy, rader(), {.x = 10, .överkant = 100, .bredd = 50, .avstånd = 4, .fot = fot, .kolumnsteg = 60});
    }
};

TEST_F(Stapel, EachRowAsTallAsItsTallestTextAtItsWidthTheNextBelowIt) {
    const auto s = stapel(std::numeric_limits<double>::infinity());
    ASSERT_EQ(s.objekt.size(), 3u);
    EXPECT_EQ(ram(s.objekt[0]), (Rect{10, 100, 50, 37}));
    EXPECT_EQ(ram(s.objekt[1]), (Rect{70, 100, 50, 37}));
    EXPECT_EQ(ram(s.objekt[2]), (Rect{10, 140, 50, 25}));
    EXPECT_DOUBLE_EQ(s.slut, 165);
    EXPECT_FALSE(s.avkortad);
}

// Ending at 150 takes 76 %, the largest whole percent with
// 100 + 36p + 4p + 24p + 1 <= 150, where the lines still wrap as at full
// size.
TEST_F(Stapel, AStackPastItsFootIsSetSmallerByOneFactor) {
    const auto s = stapel(150);
    ASSERT_EQ(s.objekt.size(), 3u);
    EXPECT_DOUBLE_EQ(text(s.objekt[0])->runs()[0].attributes.font->pointSize, 7.6);
    EXPECT_LE(s.slut, 150);
    EXPECT_NEAR(ram(s.objekt[2]).y, 100 + 3 * 12 * 0.76 + 4 * 0.76, 1e-9);
    EXPECT_FALSE(s.avkortad);
}

// At 70 % the rows take 16.8 each, the gap 2.8: the second row starts at
// 119.6. A foot at 130 leaves it room for one line, ending in an
// ellipsis; one at 127 for none, so it is left out and the first row gives
// up its last line instead.
TEST_F(Stapel, PastTheFootEvenAt70PercentTheCrossingRowIsCut) {
    const auto en = stapel(130);
    ASSERT_EQ(en.objekt.size(), 3u);
    EXPECT_TRUE(en.avkortad);
    EXPECT_EQ(text(en.objekt[0])->text(), "aaaa bbbb cccc dddd eeee");
    EXPECT_EQ(text(en.objekt[2])->text(), "ffff gggg hhh\u2026");
    EXPECT_NEAR(ram(en.objekt[2]).y, 119.6, 1e-9);
    EXPECT_NEAR(ram(en.objekt[2]).maxY(), 130, 1e-9);
    EXPECT_NEAR(en.slut, 130, 1e-9);

    const auto ingen = stapel(127);
    ASSERT_EQ(ingen.objekt.size(), 2u);
    EXPECT_TRUE(ingen.avkortad);
    EXPECT_EQ(text(ingen.objekt[0])->text(), "aaaa bbbb ccc\u2026");
    EXPECT_EQ(text(ingen.objekt[1])->text(), "x");
    EXPECT_LE(ingen.slut, 127);
}

}  // namespace
