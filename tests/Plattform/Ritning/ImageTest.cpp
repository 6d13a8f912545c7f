#include "Bildprov.h"
#include "PdfVerktyg.h"
#include "Programkorning.h"
#include "Tidsbundna.h"
#include "Streckkodslasare.h"

#include "Plattform/Ritning/Image.h"
#include "Plattform/Ritning/PdfWriter.h"
#include "Plattform/Ritning/PngReader.h"
#include "Plattform/Ritning/QRGenerator.h"
#include "Plattform/Ritning/StoredImage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>

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

// A one-page PDF with the image drawn into `frame`.
std::vector<uint8_t> pdfWith(const Image& image, Size page, const Rect& frame) {
    PdfWriter writer({"", "", "", 0});
    writer.beginPage(page).drawImage(image, frame);
    writer.endPage();
    return writer.finish();
}

// Draws the image into `frame` of a 100 x 100 page rendered at 72 dpi.
cairo_surface_t* drawnAt(const Image& image, const Rect& frame) {
    return PdfFil(pdfWith(image, {100, 100}, frame)).render(1, 72);
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
        auto image = Image::fromBytes(redBlueImage(format)).image;
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
    auto image = Image::fromBytes(gif).image;
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
        EXPECT_FALSE(Image::fromBytes(bytes).image);
}

// The PDF logos here are read in this process: how they are drawn is the
// point, not their reading.
TEST(Image, PdfLogosStayVectors) {
    const testhjalp::IEgenProcess iEgenProcess;
    PdfWriter logoWriter({"", "", "", 0});
    logoWriter.beginPage({200, 50}).drawText(
        AttributedString("Ekbacken AB", {std::nullopt, std::nullopt, Font{"Baskerville-Bold", 20}}), {10, 10, 190, 30},
        TextDrawingMode::fromTopLeft);
    logoWriter.endPage();
    auto logo = Image::fromBytes(logoWriter.finish()).image;
    ASSERT_TRUE(logo);
    EXPECT_EQ(logo->size(), (Size{200, 50}));
    // Half size at (100, 100): the text is still text, in its own face.
    PdfFil pdf(pdfWith(*logo, {595, 842}, {100, 100, 100, 25}));
    auto words = pdf.words();
    ASSERT_EQ(words.size(), 2u);
    EXPECT_NEAR(words[0].ruta.minX(), 105, 1.5);
    EXPECT_NEAR(words[0].ruta.minY(), 105, 1.5);
    auto fonts = pdf.fonts();
    ASSERT_EQ(fonts.size(), 1u);
    EXPECT_EQ(fonts[0].namn, "KontobokTransitional-Bold");
    EXPECT_TRUE(pdf.passesQpdfCheck());
}

// A PDF logo is put in as stored, where the drawing placed a stand-in: it
// must show exactly where the same picture as pixels shows, turned, moved
// and clipped alike, on every page it is drawn on.
TEST(Image, APdfLogoShowsWhereTheSamePictureAsPixelsShows) {
    const testhjalp::IEgenProcess iEgenProcess;
    auto vectors = Image::fromBytes(redBluePdf()).image;
    auto pixels = Image::fromBytes(redBlueImage("png")).image;
    ASSERT_TRUE(vectors);
    ASSERT_TRUE(pixels);
    auto drawn = [](const Image& image) {
        PdfWriter writer({"", "", "", 0});
        for (int page = 0; page < 2; ++page) {
            Canvas& c = writer.beginPage({200, 200});
            c.save();
            c.clip({20, 20, 150, 110});
            c.concat(AffineTransform::translation(100, 10).rotated(0.5));
            c.drawImage(image, {0, 0, 120, 80});
            c.restore();
            writer.endPage();
        }
        return PdfFil(writer.finish()).render(2, 72);
    };
    cairo_surface_t* expected = drawn(*pixels);
    cairo_surface_t* actual = drawn(*vectors);
    // Where the pixels are clearly red, blue or white (not smoothed at an
    // edge), so is the logo.
    int compared = 0, differing = 0, coloured = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x) {
            const uint32_t want = pixelAt(expected, x, y);
            if (want != 0xFF0000u && want != 0x0000FFu && want != 0xFFFFFFu) continue;
            ++compared;
            coloured += want != 0xFFFFFFu;
            differing += !near(pixelAt(actual, x, y), want);
        }
    EXPECT_GT(coloured, 4000);
    EXPECT_LT(differing, compared / 100) << differing << " of " << compared;
    cairo_surface_destroy(expected);
    cairo_surface_destroy(actual);
}

TEST(Image, CodeModulesAreDrawnSharp) {
    std::optional<Bild> qr = qrkodsbild("Faktura 1042", 1);
    ASSERT_TRUE(qr);
    auto image = Image::fromModules(*qr);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), (Size{double(qr->bredd), double(qr->höjd)}));
    std::vector<uint8_t> bytes = pdfWith(*image, {300, 300}, {20, 20, 260, 260});
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

TEST(Image, OneTooLargeToReadIsRefusedWithTheReasonInEveryFormat) {
    using namespace bildprov;
    // A few bytes each, stating 20 000 x 20 000 pixels: no decoder is asked
    // for gigabytes, and no machine decides by what memory it has.
    for (const auto& bytes : {pngHuvud(20000, 20000), jpegHuvud(20000, 20000), tiffHuvud(20000, 20000),
                              gifHuvud(20000, 20000), pngHuvud(16385, 10)}) {
        Image::Read read = Image::fromBytes(bytes, Size{100, 100});
        EXPECT_FALSE(read.image);
        ASSERT_TRUE(read.refusal);
        EXPECT_NE(read.refusal->find("more than 16384 a side"), std::string::npos) << *read.refusal;
    }
    EXPECT_EQ(Image::fromBytes(pngHuvud(20000, 20000)).refusal, "it is 20000 x 20000 pixels, more than 16384 a side");
    // At the limit an image is read (these few bytes then give none, as any
    // image cut short does).
    EXPECT_EQ(Image::fromBytes(pngHuvud(16384, 16384)).refusal, "it cannot be read as a PNG image");
    EXPECT_EQ(Image::fromBytes(jpegHuvud(16384, 16384)).refusal, "it cannot be read as a JPEG image");
    // What only decodes whole is bounded by what that takes.
    for (const auto& bytes : {pngHuvud(8000, 8000, true), jpegHuvud(8000, 8000, true), tiffHuvud(8000, 8000),
                              gifHuvud(8000, 8000)})
        EXPECT_EQ(Image::fromBytes(bytes).refusal, "its 8000 x 8000 pixels are decoded whole, which takes more than 128 MiB");
}

TEST(Image, DecodedAtNoMoreThan300DpiOfItsFrame) {
    // 1000 x 500 pixels drawn 36 x 18 points need 150 x 75.
    auto halves = [](int x, int) { return x < 500 ? 0xFFFF0000u : 0xFF0000FFu; };
    const std::pair<std::string, std::vector<uint8_t>> images[] = {
        {"png", bildprov::png(1000, 500, halves)},
        {"interlaced png", bildprov::png(1000, 500, halves, true)},
        {"jpeg", bildprov::sparad("jpeg", 1000, 500, halves)},
        {"tiff", bildprov::sparad("tiff", 1000, 500, halves)}};
    for (const auto& [format, bytes] : images) {
        SCOPED_TRACE(format);
        auto image = Image::fromBytes(bytes, Size{36, 18}).image;
        ASSERT_TRUE(image);
        EXPECT_EQ(image->size(), (Size{1000, 500}));
        PdfFil pdf(pdfWith(*image, {100, 100}, {10, 10, 72, 36}));
        auto sizes = pdf.imageSizes();
        ASSERT_EQ(sizes.size(), 1u);
        EXPECT_GE(sizes[0].width, 150);
        EXPECT_LT(sizes[0].width, 300);
        EXPECT_NEAR(sizes[0].height / sizes[0].width, 0.5, 0.01);
        cairo_surface_t* page = pdf.render(1, 72);
        EXPECT_TRUE(near(pixelAt(page, 20, 28), 0xFF0000));
        EXPECT_TRUE(near(pixelAt(page, 72, 28), 0x0000FF));
        cairo_surface_destroy(page);
    }
    // Without a frame, at its own size.
    auto unframed = Image::fromBytes(images[0].second).image;
    ASSERT_TRUE(unframed);
    EXPECT_EQ(PdfFil(pdfWith(*unframed, {100, 100}, {10, 10, 72, 36})).imageSizes(), (std::vector<Size>{{1000, 500}}));
}

// A stored image gives each frame the pixels reading it for that frame
// gives, and frames that need as many share one decoding.
TEST(Image, AStoredImageIsDecodedOnceForFramesThatNeedAsManyPixels) {
    auto halves = [](int x, int) { return x < 500 ? 0xFFFF0000u : 0xFF0000FFu; };
    for (const char* format : {"png", "jpeg", "tiff"}) {
        SCOPED_TRACE(format);
        const std::vector<uint8_t> bytes = std::string(format) == "png" ? bildprov::png(1000, 500, halves)
                                                                        : bildprov::sparad(format, 1000, 500, halves);
        StoredImage stored(bytes);
        auto pixels = [](const Image& image) { return PdfFil(pdfWith(image, {100, 100}, {0, 0, 72, 36})).imageSizes(); };
        std::set<const Image*> decodings;
        for (std::optional<Size> frame : {std::optional<Size>(Size{36, 18}), std::optional<Size>(Size{37, 18}),
                                          std::optional<Size>(Size{72, 36}), std::optional<Size>()}) {
            auto image = stored.forFrame(frame).image;
            ASSERT_TRUE(image);
            EXPECT_EQ(pixels(*image), pixels(*Image::fromBytes(bytes, frame).image));
            decodings.insert(image.get());
        }
        EXPECT_EQ(decodings.size(), 3u);
    }
    const std::vector<uint8_t> none = {'n', 'o', 'n', 'e'};
    StoredImage stored(none);
    EXPECT_EQ(stored.forFrame(Size{36, 18}).refusal, "it is neither a PDF nor a PNG, JPEG, TIFF or GIF image");
    EXPECT_EQ(stored.forFrame(Size{72, 36}).refusal, "it is neither a PDF nor a PNG, JPEG, TIFF or GIF image");
}

TEST(Image, AReducedPixelIsTheAverageOfItsBox) {
    // Opaque red and clear columns by turns, three wide: a box of two holds
    // one of each, the last box only red.
    auto columns = [](int x, int) { return x % 2 == 0 ? 0xFFFF0000u : 0x00000000u; };
    for (bool interlaced : {false, true}) {
        SCOPED_TRACE(interlaced ? "interlaced" : "row by row");
        raster::Surface s = raster::readPng(bildprov::png(3, 2, columns, interlaced), 2);
        ASSERT_TRUE(s);
        ASSERT_EQ(cairo_image_surface_get_width(s.get()), 2);
        ASSERT_EQ(cairo_image_surface_get_height(s.get()), 1);
        const auto* row = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(s.get()));
        // Half-covered red, premultiplied.
        EXPECT_EQ(row[0], 0x80800000u);
        EXPECT_EQ(row[1], 0xFFFF0000u);
    }
}
