#include "PdfVerktyg.h"
#include "Programkorning.h"

#include "Plattform/Ritning/PdfWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>

using testhjalp::PdfFil;
using testhjalp::pixelAt;

namespace {

const TextAttributes plain{std::nullopt, std::nullopt, Font{"HelveticaNeue", 12}};

std::vector<uint8_t> twoPages(std::optional<std::time_t> date) {
    PdfWriter writer({"Invoice #1042", "Åsa Öberg", "Kontobok 1.0", date});
    writer.beginPage({595, 842}).drawText(AttributedString("Sida 1", plain), {50, 50, 200, 20},
                                          TextDrawingMode::fromTopLeft);
    writer.endPage();
    writer.beginPage({842, 595}).drawText(AttributedString("Sida 2", plain), {50, 50, 200, 20},
                                          TextDrawingMode::fromTopLeft);
    writer.endPage();
    return writer.finish();
}

// A page of 100 x 100 points drawn by `draw`, rendered at 72 dpi (a
// pixel per point).
cairo_surface_t* rendered(const std::function<void(Canvas&)>& draw) {
    PdfWriter writer({"", "", "", 0});
    draw(writer.beginPage({100, 100}));
    writer.endPage();
    return PdfFil(writer.finish()).render(1, 72);
}

constexpr uint32_t white = 0xFFFFFF, black = 0x000000;

}  // namespace

TEST(PdfWriter, PagesAtTheirSizesWithTheDocumentAttributes) {
    PdfFil pdf(twoPages(1700000000));
    EXPECT_TRUE(pdf.passesQpdfCheck());
    EXPECT_EQ(pdf.info("Pages"), "2");
    EXPECT_EQ(pdf.info("Title"), "Invoice #1042");
    EXPECT_EQ(pdf.info("Author"), "Åsa Öberg");
    EXPECT_EQ(pdf.info("Creator"), "Kontobok 1.0");
    auto sizes = testhjalp::körProgram("pdfinfo", {"-f", "1", "-l", "2", pdf.path().string()}).ut;
    EXPECT_NE(sizes.find("Page    1 size:  595 x 842 pts"), std::string::npos) << sizes;
    EXPECT_NE(sizes.find("Page    2 size:  842 x 595 pts"), std::string::npos) << sizes;
    auto iso = testhjalp::körProgram("pdfinfo", {"-isodates", pdf.path().string()}).ut;
    EXPECT_NE(iso.find("2023-11-14T22:13:20"), std::string::npos) << iso;
    auto words = pdf.words();
    ASSERT_EQ(words.size(), 4u);
    EXPECT_EQ(words[1].text + words[3].text, "12");
}

TEST(PdfWriter, APinnedDateGivesTheSameBytes) {
    EXPECT_EQ(twoPages(1700000000), twoPages(1700000000));
    ::setenv("SOURCE_DATE_EPOCH", "1600000000", 1);
    std::vector<uint8_t> first = twoPages(std::nullopt), second = twoPages(std::nullopt);
    ::unsetenv("SOURCE_DATE_EPOCH");
    EXPECT_EQ(first, second);
    auto iso = testhjalp::körProgram("pdfinfo", {"-isodates", PdfFil(first).path().string()}).ut;
    EXPECT_NE(iso.find("2020-09-13T12:26:40"), std::string::npos) << iso;
}

TEST(PdfWriter, NoPageOrNoSizeIsAnError) {
    EXPECT_THROW(PdfWriter({"", "", "", 0}).finish(), PdfError);
    for (Size bad : {Size{0, 842}, Size{595, -1}, Size{NAN, 842}, Size{595, INFINITY}})
        EXPECT_THROW(PdfWriter({"", "", "", 0}).beginPage(bad), PdfError);
    PdfWriter writer({"", "", "", 0});
    EXPECT_THROW(writer.endPage(), PdfError);
}

TEST(PdfWriter, MapsThatWouldSpoilThePageAreRefused) {
    PdfWriter writer({"", "", "", 0});
    Canvas& c = writer.beginPage({595, 842});
    for (AffineTransform bad : {AffineTransform::scale(0, 1), AffineTransform{NAN, 0, 0, 1, 0, 0},
                                AffineTransform::translation(INFINITY, 0), AffineTransform{1, 2, 2, 4, 0, 0}}) {
        c.save();
        EXPECT_FALSE(c.concat(bad));
        c.restore();
    }
    // Two maps that are each fine but together are not.
    c.save();
    EXPECT_TRUE(c.concat(AffineTransform::scale(1e-100, 1e-100)));
    EXPECT_FALSE(c.concat(AffineTransform::scale(1e-120, 1e-120)));
    c.restore();
    c.restore();  // one too many: ignored
    c.save();
    c.clip({NAN, 0, 10, 10});
    c.restore();
    BezierPath broken;
    broken.moveTo({0, 0});
    broken.lineTo({NAN, 5});
    c.fill(broken, Color::black());
    broken.lineWidth = -1;
    c.stroke(BezierPath::rect({0, 0, 10, 10}), Color::black());
    c.drawText(AttributedString("Syns", plain), {50, 50, 100, 20}, TextDrawingMode::fromTopLeft);
    writer.endPage();
    PdfFil pdf(writer.finish());
    EXPECT_TRUE(pdf.passesQpdfCheck());
    auto words = pdf.words();
    ASSERT_EQ(words.size(), 1u);
    EXPECT_EQ(words[0].text, "Syns");
}

TEST(Canvas, TransformsApplyTheNewStepFirst) {
    // Rotating a quarter turn clockwise on the page, then moving: the
    // 40 x 10 bar at the origin stands upright with its top left at
    // (60, 20) (y runs down the page).
    cairo_surface_t* page = rendered([](Canvas& c) {
        c.concat(AffineTransform::translation(70, 20).rotated(std::numbers::pi / 2));
        c.fill(BezierPath::rect({0, 0, 40, 10}), Color::black());
    });
    EXPECT_EQ(pixelAt(page, 65, 40), black);
    EXPECT_EQ(pixelAt(page, 75, 40), white);
    EXPECT_EQ(pixelAt(page, 65, 15), white);
    EXPECT_EQ(pixelAt(page, 65, 65), white);
    cairo_surface_destroy(page);
}

TEST(Canvas, StrokesUseThePathsOwnWidthAndDash) {
    cairo_surface_t* page = rendered([](Canvas& c) {
        BezierPath thin;
        thin.moveTo({10, 20.5});
        thin.lineTo({90, 20.5});
        c.stroke(thin, Color::black());  // 1 point unless told otherwise
        BezierPath thick;
        thick.moveTo({10, 50});
        thick.lineTo({90, 50});
        thick.lineWidth = 10;
        c.stroke(thick, Color::black());
        BezierPath dashed;
        dashed.moveTo({10, 80});
        dashed.lineTo({90, 80});
        dashed.lineWidth = 4;
        dashed.dashPattern = {10, 10};
        c.stroke(dashed, Color::rgb(1, 0, 0));
    });
    EXPECT_EQ(pixelAt(page, 50, 20), black);
    EXPECT_EQ(pixelAt(page, 50, 19), white);
    EXPECT_EQ(pixelAt(page, 50, 22), white);
    EXPECT_EQ(pixelAt(page, 50, 46), black);
    EXPECT_EQ(pixelAt(page, 50, 53), black);
    EXPECT_EQ(pixelAt(page, 50, 56), white);
    EXPECT_EQ(pixelAt(page, 15, 80), 0xFF0000u);
    EXPECT_EQ(pixelAt(page, 25, 80), white);
    EXPECT_EQ(pixelAt(page, 35, 80), 0xFF0000u);
    cairo_surface_destroy(page);
}

TEST(Canvas, RoundedRectanglesAndClipping) {
    cairo_surface_t* page = rendered([](Canvas& c) {
        c.fill(BezierPath::roundedRect({10, 10, 80, 30}, 10, 10), Color::rgb(0, 0, 1));
        c.save();
        c.clip({10, 60, 40, 30});
        c.fill(BezierPath::rect({0, 50, 100, 50}), Color::grey(0.5));
        c.restore();
    });
    EXPECT_EQ(pixelAt(page, 11, 11), white);  // the corner is round
    EXPECT_EQ(pixelAt(page, 50, 11), 0x0000FFu);
    EXPECT_EQ(pixelAt(page, 20, 70), 0x808080u);
    EXPECT_EQ(pixelAt(page, 60, 70), white);  // outside the clip
    EXPECT_EQ(pixelAt(page, 20, 55), white);
    cairo_surface_destroy(page);
}
