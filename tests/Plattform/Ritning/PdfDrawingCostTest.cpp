// The cost of drawing a PDF page, judged from the file alone: small files
// that would make the renderer decode gigapixels or record millions of
// drawing steps are found out before anything is drawn.
#include "PdfVerktyg.h"
#include "Plattform/Ritning/PageOneCost.h"

#include "Plattform/Ritning/PdfWriter.h"

#include <gtest/gtest.h>

using testhjalp::costOfPageOne;
using testhjalp::handmadePdf;

namespace {

constexpr uint64_t MiB = 1 << 20;
constexpr uint64_t limit = 256 * MiB;

uint64_t cost(const std::vector<uint8_t>& pdf) {
    std::optional<uint64_t> c = costOfPageOne(pdf, limit);
    EXPECT_TRUE(c);
    return c.value_or(0);
}

std::string repeated(const std::string& text, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) s += text;
    return s;
}

const std::string stroke = "0 0 m 100 100 l S\n";

// One page (object 3, its content 4) using objects from 5 on.
std::vector<uint8_t> page(const std::string& content, const std::string& resources,
                          const std::vector<std::string>& more) {
    return handmadePdf({{.mediaBox = "0 0 595 842", .content = content, .resources = resources}}, more);
}

std::string image(int width, int height, const std::string& entries = "", const std::string& data = "\xFF") {
    return pdfStröm("/Type /XObject /Subtype /Image /Width " + std::to_string(width) + " /Height " +
                              std::to_string(height) + " /ColorSpace /DeviceGray /BitsPerComponent 8 " + entries,
                          data);
}

std::string form(const std::string& content, const std::string& resources = "") {
    return pdfStröm("/Type /XObject /Subtype /Form /BBox [0 0 100 100]" +
                              (resources.empty() ? "" : " /Resources << " + resources + " >>"),
                          content);
}

}  // namespace

TEST(PdfDrawingCost, AnOrdinaryPageCostsLittle) {
    PdfWriter writer({"", "", "", 0});
    Canvas& c = writer.beginPage({595, 842});
    for (int i = 0; i < 50; ++i) c.fill(BezierPath::rect({10.0 * i, 20, 5, 700}), Color::grey(0.8));
    c.drawText(AttributedString("Brevhuvud", {std::nullopt, std::nullopt, Font{"GillSans", 14}}), {40, 30, 200, 20},
               TextDrawingMode::fromTopLeft);
    writer.endPage();
    uint64_t c1 = cost(writer.finish());
    EXPECT_GT(c1, 50 * 1024u);  // fifty fills at least
    EXPECT_LT(c1, 2 * MiB);
}

TEST(PdfDrawingCost, ImagesCostTheirPixelsEachTimeTheyAreDrawn) {
    const std::string resources = "/XObject << /Im 5 0 R >>";
    const std::string drawn = "q 100 0 0 100 0 0 cm /Im Do Q\n";
    uint64_t once = cost(page(drawn, resources, {image(1000, 1000)}));
    EXPECT_GE(once, 4'000'000u);
    EXPECT_LT(once, 5'000'000u);
    EXPECT_GE(cost(page(repeated(drawn, 3), resources, {image(1000, 1000)})), 12'000'000u);
    // A few bytes stating 20 000 x 20 000 pixels.
    EXPECT_GT(cost(page(drawn, resources, {image(20000, 20000)})), limit);
    // Inline, and as the soft mask of a small one.
    EXPECT_GT(cost(page("BI /W 20000 /H 20000 /CS /G /BPC 8 ID \xFF EI", "", {})), limit);
    EXPECT_GT(cost(page(drawn, resources, {image(10, 10, "/SMask 6 0 R"), image(20000, 20000)})), limit);
}

TEST(PdfDrawingCost, AJpegCountsTheSizeItsOwnHeaderGives) {
    // Start of image, then a baseline frame header of 30 000 x 30 000 pixels
    // in three components, inside an image that states 10 x 10.
    const std::string jpeg = std::string("\xFF\xD8\xFF\xC0\x00\x11\x08\x75\x30\x75\x30\x03", 12) + std::string(9, '\x11');
    const std::string resources = "/XObject << /Im 5 0 R >>";
    EXPECT_GT(cost(page("/Im Do", resources, {image(10, 10, "/Filter /DCTDecode", jpeg)})), limit);
    // One whose header cannot be found cannot be judged.
    EXPECT_GT(cost(page("/Im Do", resources, {image(10, 10, "/Filter /DCTDecode", "no jpeg")})), limit);
}

TEST(PdfDrawingCost, EveryOperatorCountsEachTimeItRuns) {
    // 300 000 lines in one stream: a few megabytes of file.
    EXPECT_GT(cost(page(repeated(stroke, 300'000), "", {})), limit);
    // A form of 1000 lines is cheap once and too much drawn a thousand times.
    const std::string resources = "/XObject << /F 5 0 R >>";
    uint64_t once = cost(page("/F Do", resources, {form(repeated(stroke, 1000))}));
    EXPECT_GT(once, 1000 * 1024u);
    EXPECT_LT(once, 2 * MiB);
    EXPECT_GT(cost(page(repeated("/F Do\n", 1000), resources, {form(repeated(stroke, 1000))})), limit);
    // Forms in forms multiply: 100 x 100 x 100 lines from a file of a few
    // kilobytes.
    EXPECT_GT(cost(page(repeated("/A Do\n", 100), "/XObject << /A 5 0 R >>",
                        {form(repeated("/B Do\n", 100), "/XObject << /B 6 0 R >>"),
                         form(repeated("/C Do\n", 100), "/XObject << /C 7 0 R >>"), form(repeated(stroke, 100))})),
              limit);
    // So do the glyphs of a Type 3 font and the cells of a tiling pattern.
    const std::string type3 = "<< /Type /Font /Subtype /Type3 /FontBBox [0 0 1 1] /FontMatrix [0.001 0 0 0.001 0 0] "
                              "/CharProcs << /a 6 0 R >> /Encoding << /Differences [97 /a] >> /FirstChar 97 "
                              "/LastChar 97 /Widths [1000] >>";
    const std::string text = "BT /T 12 Tf (" + std::string(1000, 'a') + ") Tj ET";
    EXPECT_LT(cost(page("BT /T 12 Tf (a) Tj ET", "/Font << /T 5 0 R >>", {type3, form(repeated(stroke, 1000))})),
              2 * MiB);
    EXPECT_GT(cost(page(text, "/Font << /T 5 0 R >>", {type3, form(repeated(stroke, 1000))})), limit);
    const std::string pattern = pdfStröm(
        "/Type /Pattern /PatternType 1 /PaintType 1 /TilingType 1 /BBox [0 0 10 10] /XStep 10 /YStep 10 "
        "/Resources << >>",
        repeated(stroke, 1000));
    EXPECT_GT(cost(page("/Pattern cs /P scn\n" + repeated("0 0 10 10 re f\n", 1000), "/Pattern << /P 5 0 R >>",
                        {pattern})),
              limit);
}

TEST(PdfDrawingCost, AMeshCostsItsDataEachTimeItIsPainted) {
    // 20 000 triangles, 160 KB of data: a few megabytes painted once, and
    // held again for each painting, directly or as a shading pattern.
    const std::string mesh = pdfStröm(testhjalp::meshShadingEntries(), testhjalp::meshShadingData(20'000));
    const uint64_t once = cost(page("/Sh sh", "/Shading << /Sh 5 0 R >>", {mesh}));
    EXPECT_GT(once, 2 * MiB);
    EXPECT_LT(once, 4 * MiB);
    EXPECT_GT(cost(page(repeated("/Sh sh\n", 200), "/Shading << /Sh 5 0 R >>", {mesh})), limit);
    EXPECT_GT(cost(page("/Pattern cs /P scn\n" + repeated("0 0 10 10 re f\n", 200),
                        "/Pattern << /P << /PatternType 2 /Shading 5 0 R >> >>", {mesh})),
              limit);
}

TEST(PdfDrawingCost, AChainOfReferencesAsLongAsTheFileCostsNoStack) {
    // 50 000 arrays, each referring to the next, walked with no call per
    // link.
    const std::vector<uint8_t> chain = testhjalp::chainedArraysPdf(50'000);
    EXPECT_LT(cost(chain), 2 * MiB);
}

TEST(PdfDrawingCost, AFormThatDrawsItselfIsRefused) {
    EXPECT_GT(cost(page("/F Do", "/XObject << /F 5 0 R >>", {form("/F Do", "/XObject << /F 5 0 R >>")})), limit);
}

TEST(PdfDrawingCost, SampledFunctionsCountTheirSamples) {
    const std::string shading = "<< /ShadingType 1 /ColorSpace /DeviceRGB /Function 6 0 R >>";
    const std::string function =
        pdfStröm("/FunctionType 0 /Domain [0 1 0 1] /Range [0 1 0 1 0 1] /BitsPerSample 8 /Size [60000 60000]",
                       "\x00");
    EXPECT_GT(cost(page("/S sh", "/Shading << /S 5 0 R >>", {shading, function})), limit);
}

TEST(PdfDrawingCost, WhatCannotBeReadHasNoCost) {
    const std::string text = "%PDF-1.4\nno document here\n";
    EXPECT_FALSE(costOfPageOne({text.begin(), text.end()}, limit));
    EXPECT_FALSE(costOfPageOne({}, limit));
    EXPECT_FALSE(costOfPageOne(handmadePdf({}), limit));
}
