// Glyphs no face has: drawn in one batch a line, still as a frame with the
// code point in it, and read back from the PDF as the characters.
#include "PdfVerktyg.h"
#include "Programkorning.h"

#include "Plattform/Ritning/PdfWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

using testhjalp::PdfFil;

namespace {

// Tamil TA: a character none of our faces has.
const std::string missing = "\u0BA4";

std::string repeated(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

// The text on one line of a small page, at (10, 10).
std::vector<uint8_t> pdfWithLine(const std::string& text, Size page = {595, 100}) {
    PdfWriter writer({"", "", "", 0});
    Canvas& c = writer.beginPage(page);
    TextAttributes a{{}, std::nullopt, Font{"HelveticaNeue", 10}};
    c.drawText(AttributedString(text, a), {10, 10, 100000, 30}, TextDrawingMode::fromTopLeft);
    writer.endPage();
    return writer.finish();
}

// The PDF text objects (BT operators) of the file, its streams decompressed.
int textObjects(const PdfFil& pdf) {
    std::filesystem::path plain = pdf.path().string() + ".qdf";
    testhjalp::Körning k =
        testhjalp::körProgram("qpdf", {"--qdf", "--object-streams=disable", pdf.path().string(), plain.string()});
    EXPECT_EQ(k.status, 0) << k.fel;
    std::stringstream content;
    content << std::ifstream(plain, std::ios::binary).rdbuf();
    std::filesystem::remove(plain);
    const std::string s = content.str();
    static const std::regex bt("(^|\\s)BT(\\s|$)");
    return static_cast<int>(std::distance(std::sregex_iterator(s.begin(), s.end(), bt), std::sregex_iterator()));
}

}  // namespace

TEST(MissingGlyphs, ALineOfThemIsAFixedNumberOfTextObjects) {
    const int few = textObjects(PdfFil(pdfWithLine("a" + repeated(missing, 3) + "b")));
    const int many = textObjects(PdfFil(pdfWithLine("a" + repeated(missing, 300) + "b")));
    EXPECT_GE(few, 1);
    EXPECT_EQ(many, few);
}

TEST(MissingGlyphs, ReadBackAsTheCharacters) {
    const std::string text = "x" + missing + "\U00010348y";
    std::string all;
    for (const pdfkontroll::Ord& w : PdfFil(pdfWithLine(text)).words()) all += w.text;
    EXPECT_EQ(all, text);
}

TEST(MissingGlyphs, EachIsStillAFrameWithItsCodeInside) {
    // At 600 dpi the frame's sides, a pad of about 1/4 pt thick, are dark
    // columns taller than any digit; between them is the ink of the digits.
    constexpr int boxes = 3, dpi = 600;
    PdfFil pdf(pdfWithLine(repeated(missing, boxes), {60, 40}));
    cairo_surface_t* page = pdf.render(1, dpi);
    ASSERT_EQ(cairo_surface_status(page), CAIRO_STATUS_SUCCESS);
    const int width = cairo_image_surface_get_width(page), height = cairo_image_surface_get_height(page);
    auto dark = [&](int x, int y) { return (testhjalp::pixelAt(page, x, y) & 0xFF) < 128; };
    std::vector<int> longestRun(width, 0);
    for (int x = 0; x < width; ++x)
        for (int y = 0, run = 0; y < height; ++y) {
            run = dark(x, y) ? run + 1 : 0;
            longestRun[x] = std::max(longestRun[x], run);
        }
    const int tallest = *std::max_element(longestRun.begin(), longestRun.end());
    ASSERT_GT(tallest, dpi / 72 * 4);  // a frame some 7 pt tall
    std::vector<std::pair<int, int>> sides;  // first and last column of each
    for (int x = 0; x < width; ++x) {
        if (longestRun[x] < tallest * 3 / 4) continue;
        if (!sides.empty() && sides.back().second == x - 1)
            sides.back().second = x;
        else
            sides.push_back({x, x});
    }
    ASSERT_EQ(sides.size(), 2u * boxes);
    for (int b = 0; b < boxes; ++b) {
        // Rows dark all across are the frame's top and bottom.
        const int from = sides[2 * b].second + 1, to = sides[2 * b + 1].first;
        int ink = 0;
        for (int y = 0; y < height; ++y) {
            int row = 0;
            for (int x = from; x < to; ++x) row += dark(x, y);
            if (row < (to - from) * 3 / 4) ink += row;
        }
        EXPECT_GT(ink, (to - from) * 2) << "box " << b << " holds no digits";
    }
    cairo_surface_destroy(page);
}

TEST(MissingGlyphs, OnlyThoseOnThePageAreWritten) {
    // A line of them cut off at the page's edge, as a long name in a
    // truncated field whose width is past what pango can measure: what
    // lies beside the page is left out, as it is of ordinary glyphs.
    const size_t few = pdfWithLine(repeated(missing, 3), {60, 40}).size();
    const size_t many = pdfWithLine(repeated(missing, 20000), {60, 40}).size();
    EXPECT_LT(many, few + 4096);
}
