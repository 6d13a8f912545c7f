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
    // Inline, too; a small one is cheap.
    EXPECT_GT(cost(page("BI /W 10 /H 10 /CS /G /BPC 8 /F /DCT ID " + jpeg + " EI", "", {})), limit);
    EXPECT_GT(cost(page("BI /W 10 /H 10 /CS /G /BPC 8 /F [/AHx /DCT] ID 4e6f EI", "", {})), limit);
    const std::string small = std::string("\xFF\xD8\xFF\xC0\x00\x11\x08\x00\x0A\x00\x0A\x03", 12) + std::string(9, '\x11');
    EXPECT_LT(cost(page("BI /W 10 /H 10 /CS /G /BPC 8 /F /DCT ID " + small + " EI", "", {})), 2 * MiB);
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

TEST(PdfDrawingCost, AMeshCostsEachTriangleEachTimeItIsPainted) {
    // 500 triangles, 4 KB of data: each triangle filled (a reader takes
    // a few milliseconds for one across half the page) and its vertices held
    // again for each painting, directly or as a shading pattern.
    const std::string mesh = pdfStröm(testhjalp::meshShadingEntries(), testhjalp::meshShadingData(500));
    const uint64_t once = cost(page("/Sh sh", "/Shading << /Sh 5 0 R >>", {mesh}));
    EXPECT_GT(once, 500 * 256 * 1024u);
    EXPECT_LT(once, 140 * MiB);
    EXPECT_GT(cost(page(repeated("/Sh sh\n", 5), "/Shading << /Sh 5 0 R >>", {mesh})), limit);
    EXPECT_GT(cost(page("/Pattern cs /P scn\n" + repeated("0 0 10 10 re f\n", 5),
                        "/Pattern << /P << /PatternType 2 /Shading 5 0 R >> >>", {mesh})),
              limit);
    // 20 000 triangles painted once: 160 KB.
    EXPECT_GT(cost(testhjalp::meshPdf(testhjalp::meshShadingEntries(), testhjalp::meshShadingData(20'000))), limit);
}

TEST(PdfDrawingCost, AMeshCountsItsVerticesAsItsBitsPackThem) {
    // The same 5 KB of data: 640 vertices of 64 bits, or 8 192 of five (a
    // 2-bit flag, 1-bit coordinates and grey), a free-form mesh or a
    // lattice.
    const std::string data(5 * 1024, '\x21');
    const std::string oneBit = "/ColorSpace /DeviceGray /BitsPerCoordinate 1 /BitsPerComponent 1 "
                               "/Decode [0 595 0 842 0 1]";
    EXPECT_LT(cost(testhjalp::meshPdf(testhjalp::meshShadingEntries(), data)), limit);
    EXPECT_GT(cost(testhjalp::meshPdf("/ShadingType 4 /BitsPerFlag 2 " + oneBit, data)), limit);
    EXPECT_GT(cost(testhjalp::meshPdf("/ShadingType 5 /VerticesPerRow 2 " + oneBit, data)), limit);
    // Patches, each held in 2 560 bytes and as much work as a triangle,
    // counted at their smallest: 20 bits for one that shares an edge with
    // the one before. 1 KB holds 409, 20 KB 8 192.
    const std::string coons = "/ShadingType 6 /BitsPerFlag 2 " + oneBit;
    const uint64_t patches = cost(testhjalp::meshPdf(coons, data.substr(0, 1024)));
    EXPECT_GT(patches, 409 * 256 * 1024u);
    EXPECT_LT(patches, 500 * 256 * 1024u);
    EXPECT_GT(cost(testhjalp::meshPdf(coons, std::string(20 * 1024, '\x21'))), limit);
    // A function gives one value a vertex whatever the colour space.
    EXPECT_GT(cost(testhjalp::meshPdf("/ShadingType 4 /BitsPerFlag 2 /ColorSpace /DeviceRGB /Function 6 0 R "
                                      "/BitsPerCoordinate 1 /BitsPerComponent 1 /Decode [0 595 0 842 0 1]",
                                      data)),
              limit);
}

TEST(PdfDrawingCost, EveryHostilePdfIsRefusedAndTheSameKindsWithinTheBoundAreNot) {
    for (const testhjalp::HostilePdf& hostile : testhjalp::hostilePdfs()) {
        SCOPED_TRACE(hostile.name);
        EXPECT_GT(cost(hostile.pdf), limit);
    }
    for (const testhjalp::HostilePdf& near : testhjalp::nearTheBoundPdfs()) {
        SCOPED_TRACE(near.name);
        EXPECT_LT(cost(near.pdf), limit);
        EXPECT_GT(cost(near.pdf), limit / 2);
    }
}

TEST(PdfDrawingCost, AnImageCountsTheLargestSizeAnyLayerStates) {
    using testhjalp::imagePdf;
    using testhjalp::jbig2PageInformation;
    // A JBIG2 image of 10 x 10 whose page information says 100 000 x
    // 100 000: in its data, in its globals (as an array of parameters
    // too), or once it has been deflated.
    const std::string hostile = jbig2PageInformation(100'000, 100'000), small = jbig2PageInformation(100, 100);
    EXPECT_LT(cost(imagePdf("/Filter /JBIG2Decode", small)), 2 * MiB);
    EXPECT_GT(cost(imagePdf("/Filter /JBIG2Decode", hostile)), limit);
    EXPECT_GT(cost(imagePdf("/Filter /JBIG2Decode /DecodeParms << /JBIG2Globals 6 0 R >>", small,
                            {pdfStröm("", hostile)})),
              limit);
    EXPECT_GT(cost(imagePdf("/Filter [/FlateDecode /JBIG2Decode] /DecodeParms [null << /JBIG2Globals 6 0 R >>]",
                            testhjalp::deflated(small), {pdfStröm("", hostile)})),
              limit);
    // A page of unknown height grows with its stripes and regions.
    const std::string striped = jbig2PageInformation(100, 0xFFFFFFFF);
    EXPECT_LT(cost(imagePdf("/Filter /JBIG2Decode", striped)), 2 * MiB);
    // A JPEG 2000 codestream of 30 000 x 30 000 in an image of 10 x 10.
    for (const testhjalp::HostilePdf& hostile : testhjalp::hostilePdfs()) {
        if (hostile.name.find("JPEG 2000") != std::string::npos) {
            EXPECT_GT(cost(hostile.pdf), limit);
        }
    }
}

TEST(PdfDrawingCost, ATilingPatternCostsTheCellsItPaintsOverThePage) {
    // One fill of the page: cells of 5 pt are a few thousand, of 0.01 pt
    // five billion.
    EXPECT_LT(cost(testhjalp::tilingPdf(5)), 2 * MiB);
    EXPECT_GT(cost(testhjalp::tilingPdf(0.01)), limit);
    // Cells of 0.5 pt: two million, once; each fill paints them again.
    EXPECT_LT(cost(testhjalp::tilingPdf(0.5)), limit);
    const std::string cell = pdfStröm("/Type /Pattern /PatternType 1 /PaintType 1 /TilingType 1 /BBox [0 0 1 1] "
                                      "/XStep 0.5 /YStep 0.5 /Resources << >>",
                                      "0 0 0.2 0.2 re f");
    const std::string fills = repeated("0 0 595 842 re f\n", 10);
    EXPECT_GT(cost(page("/Pattern cs /P scn\n" + fills, "/Pattern << /P 5 0 R >>", {cell})), limit);
    // Fills in another colour paint no cell; the graphics state stack
    // keeps the pattern.
    EXPECT_LT(cost(page("/Pattern cs /P scn 0 0 1 1 re f 0 g\n" + fills, "/Pattern << /P 5 0 R >>", {cell})), limit);
    EXPECT_GT(cost(page("/Pattern cs /P scn q 0 g Q\n" + fills, "/Pattern << /P 5 0 R >>", {cell})), limit);
    // A matrix that makes the cells larger on the page makes them fewer.
    const std::string scaled = pdfStröm("/Type /Pattern /PatternType 1 /PaintType 1 /TilingType 1 /BBox [0 0 1 1] "
                                        "/XStep 0.5 /YStep 0.5 /Matrix [20 0 0 20 0 0] /Resources << >>",
                                        "0 0 0.2 0.2 re f");
    EXPECT_LT(cost(page("/Pattern cs /P scn\n" + fills, "/Pattern << /P 5 0 R >>", {scaled})), 10 * MiB);
}

TEST(PdfDrawingCost, AFunctionCostsItsStepsForEveryPixel) {
    // A function shading over the page whose PostScript function runs 100
    // operators, or 200 000.
    EXPECT_LT(cost(testhjalp::functionShadingPdf(100)), limit);
    EXPECT_GT(cost(testhjalp::functionShadingPdf(200'000)), limit);
    // The same program in an axial shading.
    const std::string code = "{ " + repeated("dup pop ", 100'000) + "dup dup }";
    const std::string axial = "<< /ShadingType 2 /ColorSpace /DeviceRGB /Coords [0 0 595 0] /Function 6 0 R >>";
    const std::string program = pdfStröm("/FunctionType 4 /Domain [0 1] /Range [0 1 0 1 0 1]", code);
    EXPECT_GT(cost(page("/S sh", "/Shading << /S 5 0 R >>", {axial, program})), limit);
    // A stitching function runs one of its parts.
    const std::string stitched = "<< /FunctionType 3 /Domain [0 1] /Bounds [0.5] /Encode [0 1 0 1] "
                                 "/Functions [7 0 R 7 0 R] >>";
    EXPECT_GT(cost(page("/S sh", "/Shading << /S 5 0 R >>",
                        {"<< /ShadingType 1 /ColorSpace /DeviceRGB /Function 6 0 R >>", stitched, program})),
              limit);    // Stitching functions that each use the next a thousand times, forty
    // deep, are counted once each.
    std::vector<std::string> chain = {"<< /ShadingType 1 /ColorSpace /DeviceRGB /Function 6 0 R >>"};
    for (int i = 0; i < 40; ++i)
        chain.push_back("<< /FunctionType 3 /Domain [0 1] /Functions [" + repeated(std::to_string(7 + i) + " 0 R ", 1000) +
                        "] >>");
    chain.push_back("<< /FunctionType 2 /Domain [0 1] /N 1 >>");
    EXPECT_LT(cost(page("/S sh", "/Shading << /S 5 0 R >>", chain)), limit);
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
