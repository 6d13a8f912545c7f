// Text fitted to its frame by the text engine that draws it.
#include "Vyer/Faktura/Textpassning.h"

#include "Plattform/Ritning/PangoWatch.h"
#include "Plattform/Ritning/TextLayout.h"
#include "Plattform/Ritning/TextMeasurer.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

const TextMeasurer& motor = systemTextMeasurer();

AttributedString tabell(const std::string& text, LineBreakMode brytning) {
    ParagraphStyle stil;
    stil.lineBreakMode = brytning;
    TextAttributes a;
    a.font = Font{"Helvetica", 10};
    a.paragraphStyle = stil;
    return AttributedString(text, a);
}

// The widest line as it stands with no frame to cut it.
double hela(const AttributedString& text) {
    return motor.extent(text, Rect{}, TextDrawingMode::layoutManager).size.width;
}

TEST(Textpassning, ALineCutAtTheFramesEdgeIsSetSmallerUntilItIsWhole) {
    const std::string iban = "IBAN\tSE45 5000 0000 0583 9825 7466";
    const AttributedString text = tabell(iban, LineBreakMode::clipping);
    const double bred = hela(text);
    ASSERT_GT(bred, 100);
    const Size ram{bred * 0.85, 100};

    const PassadText passad = passadText(motor, text, ram);
    EXPECT_TRUE(passad.passar);
    EXPECT_LT(passad.skala, 0.86);
    EXPECT_GE(passad.skala, minstaTextskala);
    EXPECT_LE(hela(passad.text), ram.width + 0.5);

    // A frame the text fits leaves it as it is.
    const PassadText rymlig = passadText(motor, text, {bred + 2, 100});
    EXPECT_EQ(rymlig.skala, 1);
}

TEST(Textpassning, ACutLineTooWideEvenAt70PercentIsReportedSoItsTemplateMakesRoom) {
    const AttributedString text = tabell("IBAN\tSE45 5000 0000 0583 9825 7466", LineBreakMode::clipping);
    const PassadText passad = passadText(motor, text, {hela(text) * 0.5, 100});
    EXPECT_DOUBLE_EQ(passad.skala, minstaTextskala);
    EXPECT_FALSE(passad.passar);
}

}  // namespace

TEST(Textpassning, EachSizeTriedIsLaidOutOnlyAsFarAsTheFrameShows) {
    // A name of many lines was laid out whole at each size tried.
    std::string namn;
    for (int i = 0; i < 3000; ++i) namn += "a\n";
    const AttributedString text = tabell(namn, LineBreakMode::wordWrapping);
    const Size ram{240, 115};
    text::forgetLayouts();
    pangowatch::reset();
    const PassadText fast = passadText(motor, text, ram, TextDrawingMode::fromTopLeft, Ramhöjd::fast);
    EXPECT_LT(pangowatch::seen().texts, 200u);
    EXPECT_FALSE(fast.passar);
    EXPECT_EQ(fast.skala, minstaTextskala);
    // A frame that grows is told the whole height it must take.
    const PassadText växer = passadText(motor, text, ram, TextDrawingMode::fromTopLeft);
    EXPECT_EQ(växer.text, fast.text);
    EXPECT_EQ(växer.storlek.height, motor.boundingSize(växer.text, {ram.width, 0}).height);
    EXPECT_GT(växer.storlek.height, 3000 * 7.0);
}
