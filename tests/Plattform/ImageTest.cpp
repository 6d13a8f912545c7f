#include "PdfVerktyg.h"
#include "Programkorning.h"
#include "Streckkodslasare.h"

#include "Plattform/Image.h"
#include "Plattform/PdfWriter.h"
#include "Plattform/QRGenerator.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

using testhjalp::PdfFil;
using testhjalp::pixelAt;

namespace {

// A 30 x 20 point page, red on the left half, blue on the right.
std::vector<uint8_t> redBluePdf() {
    PdfWriter writer({"", "", "", 0});
    Canvas& c = writer.beginPage({30, 20});
    c.fill(BezierPath::rect({0, 0, 15, 20}), Color::rgb(1, 0, 0));
    c.fill(BezierPath::rect({15, 0, 15, 20}), Color::rgb(0, 0, 1));
    writer.endPage();
    return writer.finish();
}

// The page as an image file written by pdftoppm: 30 x 20 pixels.
std::vector<uint8_t> redBlueImage(const std::string& format) {
    PdfFil pdf(redBluePdf());
    std::filesystem::path prefix = pdf.path();
    prefix.replace_extension();
    testhjalp::Körning k =
        testhjalp::körProgram("pdftoppm", {"-r", "72", "-singlefile", "-" + format, pdf.path().string(), prefix.string()});
    EXPECT_EQ(k.status, 0) << k.fel;
    std::filesystem::path file = prefix.string() + (format == "jpeg" ? ".jpg" : format == "tiff" ? ".tif" : ".png");
    std::ifstream in(file, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    std::filesystem::remove(file);
    return bytes;
}

// Draws the image into `frame` of a 100 x 100 page rendered at 72 dpi.
cairo_surface_t* drawnAt(const Image& image, const Rect& frame) {
    PdfWriter writer({"", "", "", 0});
    writer.beginPage({100, 100}).drawImage(image, frame);
    writer.endPage();
    return PdfFil(writer.finish()).render(1, 72);
}

bool near(uint32_t colour, uint32_t expected) {
    for (int shift : {0, 8, 16})
        if (std::abs(int(colour >> shift & 0xFF) - int(expected >> shift & 0xFF)) > 40) return false;
    return true;
}

}  // namespace

TEST(Image, RasterFormatsReadWithTheirPixelSize) {
    for (const char* format : {"png", "jpeg", "tiff"}) {
        SCOPED_TRACE(format);
        auto image = Image::fromBytes(redBlueImage(format));
        ASSERT_TRUE(image);
        EXPECT_EQ(image->size(), (Size{30, 20}));
        cairo_surface_t* page = drawnAt(*image, {10, 10, 60, 40});
        EXPECT_TRUE(near(pixelAt(page, 25, 30), 0xFF0000));
        EXPECT_TRUE(near(pixelAt(page, 55, 30), 0x0000FF));
        EXPECT_EQ(pixelAt(page, 5, 30), 0xFFFFFFu);
        EXPECT_EQ(pixelAt(page, 75, 30), 0xFFFFFFu);
        cairo_surface_destroy(page);
    }
}

TEST(Image, Gif) {
    // One red pixel.
    const uint8_t gif[] = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0, 0, 0, 0, 0, ',', 0, 0,
                           0,   0,   1,   0,   1,   0,   0, 2, 2,    'D', 1, 0, ';'};
    auto image = Image::fromBytes(gif);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), (Size{1, 1}));
    cairo_surface_t* page = drawnAt(*image, {10, 10, 20, 20});
    EXPECT_EQ(pixelAt(page, 20, 20), 0xFF0000u);
    cairo_surface_destroy(page);
}

TEST(Image, BytesThatAreNoImageGiveNone) {
    std::vector<uint8_t> png = redBlueImage("png");
    std::vector<uint8_t> cut(png.begin(), png.begin() + png.size() / 2);
    const std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\"/>";
    const std::string xpm = "/* XPM */\nstatic char *x[] = {\"1 1 1 1\", \"a c #FF0000\", \"a\"};\n";
    for (std::span<const uint8_t> bytes :
         {std::span<const uint8_t>(), std::span<const uint8_t>(cut),
          std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(svg.data()), svg.size()),
          std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(xpm.data()), xpm.size())})
        EXPECT_FALSE(Image::fromBytes(bytes));
}

TEST(Image, PdfLogosStayVectors) {
    PdfWriter logoWriter({"", "", "", 0});
    logoWriter.beginPage({200, 50}).drawText(
        AttributedString("Ekbacken AB", {std::nullopt, std::nullopt, Font{"Baskerville-Bold", 20}}), {10, 10, 190, 30},
        TextDrawingMode::fromTopLeft);
    logoWriter.endPage();
    auto logo = Image::fromBytes(logoWriter.finish());
    ASSERT_TRUE(logo);
    EXPECT_EQ(logo->size(), (Size{200, 50}));
    // Half size at (100, 100): the text is still text, in its own face.
    PdfWriter writer({"", "", "", 0});
    writer.beginPage({595, 842}).drawImage(*logo, {100, 100, 100, 25});
    writer.endPage();
    PdfFil pdf(writer.finish());
    auto words = pdf.words();
    ASSERT_EQ(words.size(), 2u);
    EXPECT_NEAR(words[0].ruta.minX(), 105, 1.5);
    EXPECT_NEAR(words[0].ruta.minY(), 105, 1.5);
    auto fonts = pdf.fonts();
    ASSERT_EQ(fonts.size(), 1u);
    EXPECT_EQ(fonts[0].namn, "BaskervaldADFStd-Bold");
    EXPECT_TRUE(pdf.passesQpdfCheck());
}

TEST(Image, CodeModulesAreDrawnSharp) {
    std::optional<Bild> qr = qrkodsbild("Faktura 1042", 1);
    ASSERT_TRUE(qr);
    auto image = Image::fromModules(*qr);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), (Size{double(qr->bredd), double(qr->höjd)}));
    PdfWriter writer({"", "", "", 0});
    writer.beginPage({300, 300}).drawImage(*image, {20, 20, 260, 260});
    writer.endPage();
    std::vector<uint8_t> bytes = writer.finish();
    // Not smoothed: a reader is told not to interpolate.
    std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(text.find("/Interpolate true"), std::string::npos);
    PdfFil pdf(bytes);
    cairo_surface_t* page = pdf.render(1, 100);
    std::filesystem::path png = pdf.path().string() + ".png";
    cairo_surface_write_to_png(page, png.c_str());
    cairo_surface_destroy(page);
    EXPECT_EQ(testhjalp::avkodaFil(png), "Faktura 1042");
    std::filesystem::remove(png);
}
