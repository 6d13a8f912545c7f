#include "PdfVerktyg.h"
#include "Programkorning.h"

#include "Plattform/Ritning/Image.h"
#include "Plattform/Ritning/PdfDocument.h"
#include "Plattform/Ritning/PdfFirstPage.h"
#include "Plattform/Ritning/PdfWriter.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <iterator>

using testhjalp::handmadePdf;
using testhjalp::HandmadePage;
using testhjalp::PdfFil;

namespace {

std::vector<uint8_t> readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A background of our own: a text near its top left and a grey band.
std::vector<uint8_t> background(Size size) {
    PdfWriter writer({"", "", "", 0});
    Canvas& c = writer.beginPage(size);
    c.fill(BezierPath::rect({0, size.height - 100, size.width, 100}), Color::grey(0.8));
    c.drawText(AttributedString("Bakgrund", {std::nullopt, std::nullopt, Font{"GillSans", 14}}), {40, 30, 200, 20},
               TextDrawingMode::fromTopLeft);
    writer.endPage();
    return writer.finish();
}

std::vector<uint8_t> qpdf(const std::vector<uint8_t>& in, std::vector<std::string> arguments) {
    PdfFil source(in);
    std::filesystem::path out = source.path().string() + ".out.pdf";
    arguments.insert(arguments.begin(), source.path().string());
    arguments.push_back(out.string());
    testhjalp::Körning k = testhjalp::körProgram("qpdf", arguments);
    EXPECT_EQ(k.status, 0) << k.fel;
    std::vector<uint8_t> bytes = readFile(out);
    std::filesystem::remove(out);
    return bytes;
}

// A background read from outside the program, or none.
std::shared_ptr<const PdfDocument> backgroundOf(const std::vector<uint8_t>& bytes) {
    return PdfDocument::fromBytes(bytes).document;
}

// Page 1 of the document alone on a page of its crop box's size.
std::vector<uint8_t> onAPageOfItsOwn(const PdfDocument& document) {
    PdfWriter writer({"", "", "", 0});
    writer.beginPage(document.cropBox().size()).drawPdfPage(document);
    writer.endPage();
    return writer.finish();
}

}  // namespace

TEST(PdfDocumentCpu, BoxesOfPageOne) {
    auto letter = backgroundOf(background({612, 792}));
    ASSERT_TRUE(letter);
    EXPECT_EQ(letter->cropBox(), (Rect{0, 0, 612, 792}));
    EXPECT_EQ(letter->mediaBoxHeight(), 792);

    auto cropped = backgroundOf(handmadePdf({{.mediaBox = "0 0 600 800", .cropBox = "10 20 510 720"}}));
    ASSERT_TRUE(cropped);
    EXPECT_EQ(cropped->cropBox(), (Rect{10, 20, 500, 700}));
    EXPECT_EQ(cropped->mediaBoxHeight(), 800);

    // The boxes as stored, not turned by the page's rotation.
    auto turned = backgroundOf(handmadePdf({{.mediaBox = "0 0 842 595", .cropBox = "", .rotate = 90}, {}}));
    ASSERT_TRUE(turned);
    EXPECT_EQ(turned->cropBox(), (Rect{0, 0, 842, 595}));
    EXPECT_EQ(turned->mediaBoxHeight(), 595);
}

TEST(PdfDocumentCpu, UnreadableEncryptedOrEmptyIsNoDocument) {
    const std::vector<uint8_t> good = background({595, 842});
    ASSERT_TRUE(backgroundOf(good));
    std::vector<std::vector<uint8_t>> bad = {
        {},
        {good.begin(), good.begin() + good.size() / 3},
        std::vector<uint8_t>(good.size(), 'x'),
        handmadePdf({}),
        qpdf(good, {"--encrypt", "user", "owner", "256", "--"}),
        // Readable without a password, yet encrypted.
        qpdf(good, {"--encrypt", "", "owner", "256", "--"}),
        qpdf(good, {"--allow-weak-crypto", "--encrypt", "", "owner", "40", "--"}),
    };
    std::string header = "%PDF-1.7\n";
    bad.push_back({header.begin(), header.end()});
    for (size_t i = 0; i < bad.size(); ++i) EXPECT_FALSE(backgroundOf(bad[i])) << i;
    // As a logo, each says why it is left out.
    for (size_t i : {4, 5, 6}) EXPECT_EQ(PdfFirstPage::read(bad[i]).refusal, "it is encrypted") << i;
    EXPECT_EQ(PdfFirstPage::read(bad[2]).refusal, std::nullopt);  // no PDF at all: the caller says what it is
    EXPECT_EQ(PdfFirstPage::read(bad.back()).refusal, "it cannot be read as a PDF");
}

TEST(PdfDocumentCpu, DrawnUnderAPageItKeepsItsVectorsAndPlace) {
    auto document = backgroundOf(background({595, 842}));
    ASSERT_TRUE(document);
    PdfWriter writer({"", "", "", 0});
    Canvas& c = writer.beginPage(document->cropBox().size());
    c.drawPdfPage(*document);
    c.drawText(AttributedString("Faktura", {std::nullopt, std::nullopt, Font{"HelveticaNeue", 12}}),
               {40, 100, 200, 20}, TextDrawingMode::fromTopLeft);
    writer.endPage();
    PdfFil pdf(writer.finish());
    EXPECT_TRUE(pdf.passesQpdfCheck());
    auto words = pdf.words();
    EXPECT_NEAR(testhjalp::findWord(words, "Bakgrund").minX(), 40, 1.5);
    EXPECT_NEAR(testhjalp::findWord(words, "Bakgrund").minY(), 30, 1.5);
    // Upright: the band stays at the foot of the page.
    cairo_surface_t* page = pdf.render(1, 72);
    EXPECT_EQ(testhjalp::pixelAt(page, 300, 800), 0xCCCCCCu);
    EXPECT_EQ(testhjalp::pixelAt(page, 300, 400), 0xFFFFFFu);
    cairo_surface_destroy(page);
    // Text, not pixels: no image on the page, the background's face kept.
    EXPECT_TRUE(pdf.imageSizes().empty());
    std::set<std::string> faces;
    for (const auto& f : pdf.fonts()) faces.insert(f.namn);
    EXPECT_EQ(faces, (std::set<std::string>{"KontobokHumanist-Regular", "KontobokGrotesk-Regular"}));
}

TEST(PdfDocumentCpu, DrawnFromTheCropBoxsTopLeftTheWayRoundItIsStored) {
    struct Case {
        HandmadePage page;
        std::vector<Point> blue, white;  // pixels at 72 dpi
    };
    const std::string square = "0 0 1 rg 10 10 50 30 re f";
    // (10, 10)-(60, 40) with y up is (10, 260)-(60, 290) on a 300-point page,
    // whatever rotation a viewer would show the page in.
    const std::vector<Point> inside = {{15, 285}, {55, 265}}, outside = {{65, 275}, {15, 255}};
    std::vector<Case> cases;
    for (int rotate : {0, 90, 180, 270})
        cases.push_back({{.mediaBox = "0 0 400 300", .cropBox = "", .rotate = rotate, .content = square}, inside, outside});
    // A square at (100, 100)-(150, 150) of a page cropped to (50, 50)-(350,
    // 450): 50 from the crop's left, 450 - 150 = 300 from its top.
    cases.push_back({{.mediaBox = "0 0 600 800", .cropBox = "50 50 350 450", .content = "0 0 1 rg 100 100 50 50 re f"},
                     {{75, 325}},
                     {{45, 325}, {75, 295}, {75, 355}}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page.cropBox + " rotated " + std::to_string(c.page.rotate));
        auto document = backgroundOf(handmadePdf({c.page}));
        ASSERT_TRUE(document);
        cairo_surface_t* page = PdfFil(onAPageOfItsOwn(*document)).render(1, 72);
        for (Point p : c.blue) EXPECT_EQ(testhjalp::pixelAt(page, int(p.x), int(p.y)), 0x0000FFu) << p.x << "," << p.y;
        for (Point p : c.white) EXPECT_EQ(testhjalp::pixelAt(page, int(p.x), int(p.y)), 0xFFFFFFu) << p.x << "," << p.y;
        cairo_surface_destroy(page);
    }
}

TEST(PdfDocumentCpu, DrawnOnManyPagesItIsHeldOnce) {
    PdfWriter backgroundWriter({"", "", "", 0});
    Canvas& c = backgroundWriter.beginPage({595, 842});
    // Short strokes: a large file that costs its judge little to draw.
    for (int i = 0; i < 3000; ++i) {
        BezierPath line;
        line.moveTo({double(i % 595), double(i * 7 % 842)});
        line.lineTo({double(i % 595) + i % 5, double(i * 7 % 842) + i % 3});
        c.stroke(line, Color::grey(0.5));
    }
    backgroundWriter.endPage();
    auto document = backgroundOf(backgroundWriter.finish());
    ASSERT_TRUE(document);
    auto pdfOf = [&](int pages) {
        PdfWriter writer({"", "", "", 0});
        for (int i = 0; i < pages; ++i) {
            writer.beginPage({595, 842}).drawPdfPage(*document);
            writer.endPage();
        }
        return writer.finish();
    };
    const size_t one = pdfOf(1).size(), eleven = pdfOf(11).size();
    EXPECT_GT(one, 20'000u);
    // A page more refers to the background and holds nothing of it.
    EXPECT_LT((eleven - one) / 10, 1000u) << one << " bytes for one page, " << eleven << " for eleven";
}

TEST(PdfDocumentCpu, OneStatingAnImageTooLargeToDrawIsNoDocument) {
    // A page of a few hundred bytes that states an image of 20 000 x 20 000
    // pixels: drawing it would decode 1.6 GB. It is refused from the
    // image's dictionary, before anything is drawn.
    auto bytes = handmadePdf(
        {{.mediaBox = "0 0 595 842", .content = "q 595 0 0 842 0 0 cm /Im Do Q", .resources = "/XObject << /Im 5 0 R >>"}},
        {pdfStröm(
            "/Subtype /Image /Width 20000 /Height 20000 /ColorSpace /DeviceGray /BitsPerComponent 8", "\x80")});
    EXPECT_EQ(PdfDocument::fromBytes(bytes).refusal, "it holds an image of more than 16384 pixels a side");
    EXPECT_EQ(PdfFirstPage::read(bytes).refusal, "it holds an image of more than 16384 pixels a side");
    // What is merely unreadable is not too costly.
    EXPECT_EQ(PdfDocument::fromBytes(handmadePdf({})).refusal, "it has no page to show");
}

TEST(PdfDocumentCpu, ADamagedBackgroundGoesUnderThePageAsFarAsItCanBeRead) {
    // The square, then a character no hexadecimal stream may hold: a reader
    // draws the square and stops there.
    std::string hex;
    for (unsigned char c : std::string("0 0 1 rg 10 10 50 30 re f\n")) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02X", c);
        hex += pair;
    }
    auto document = backgroundOf(handmadePdf(
        {{.mediaBox = "0 0 200 100", .content = hex + " zz>", .contentEntries = "/Filter /ASCIIHexDecode"}}));
    ASSERT_TRUE(document);
    PdfFil pdf(onAPageOfItsOwn(*document));
    EXPECT_TRUE(pdf.passesQpdfCheck());
    cairo_surface_t* page = pdf.render(1, 72);
    EXPECT_EQ(testhjalp::pixelAt(page, 30, 70), 0x0000FFu);
    cairo_surface_destroy(page);
}

TEST(PdfDocumentCpu, PageOneIsFoundDownItsOwnBranchWithWhatItInherits) {
    // The root lists itself (a loop) and an empty node before the node of
    // page 1, which gives the crop box; the root gives the media box and the
    // resources: a form drawing a blue square at (100, 100)-(150, 150).
    const std::string square = "0 0 1 rg 100 100 50 50 re f";
    auto bytes = pdfAvObjekt(
        {"<< /Type /Catalog /Pages 2 0 R >>",
         "<< /Type /Pages /Kids [2 0 R 3 0 R 4 0 R] /Count 2 /MediaBox [0 0 400 300] "
         "/Resources << /XObject << /Sq 7 0 R >> >> >>",
         "<< /Type /Pages /Kids [] /Count 0 >>",
         "<< /Type /Pages /Parent 2 0 R /Kids [5 0 R 6 0 R] /Count 2 /CropBox [50 50 350 250] >>",
         "<< /Type /Page /Parent 4 0 R /Contents 8 0 R >>",
         "<< /Type /Page /Parent 4 0 R /MediaBox [0 0 10 10] /Contents 8 0 R >>",
         pdfStröm("/Type /XObject /Subtype /Form /BBox [0 0 400 300]", square),
         pdfStröm("", "/Sq Do")});
    auto document = backgroundOf(bytes);
    ASSERT_TRUE(document);
    EXPECT_EQ(document->cropBox(), (Rect{50, 50, 300, 200}));
    EXPECT_EQ(document->mediaBoxHeight(), 300);
    PdfFil pdf(onAPageOfItsOwn(*document));
    EXPECT_TRUE(pdf.passesQpdfCheck());
    // 50 from the crop box's left, 250 - 150 = 100 from its top.
    cairo_surface_t* page = pdf.render(1, 72);
    EXPECT_EQ(testhjalp::pixelAt(page, 75, 125), 0x0000FFu);
    EXPECT_EQ(testhjalp::pixelAt(page, 25, 125), 0xFFFFFFu);
    EXPECT_EQ(testhjalp::pixelAt(page, 75, 75), 0xFFFFFFu);
    cairo_surface_destroy(page);

    // A malformed crop box gives way to the media box, as readers have it.
    auto malformed = backgroundOf(handmadePdf({{.mediaBox = "0 0 595 842", .cropBox = "0 0 595"}}));
    ASSERT_TRUE(malformed);
    EXPECT_EQ(malformed->cropBox(), (Rect{0, 0, 595, 842}));
}

// Files made to exhaust a reader are refused by the bound they break,
// before anything follows them to their end.
TEST(PdfDocumentCpu, ObjectsNestedDeeperThanTheBoundAreRefused) {
    const std::string deep = "its objects are nested more than 100 levels deep";
    // 30 000 arrays, each referring to the next.
    EXPECT_EQ(PdfFirstPage::read(testhjalp::chainedArraysPdf(30000)).refusal, deep);
    EXPECT_TRUE(backgroundOf(testhjalp::chainedArraysPdf(60)));
    // A page tree of 150 levels.
    std::vector<std::string> tree = {"<< /Type /Catalog /Pages 2 0 R >>"};
    for (int level = 0; level < 150; ++level)
        tree.push_back("<< /Type /Pages /Kids [" + std::to_string(tree.size() + 2) + " 0 R] /Count 1 >>");
    tree.push_back("<< /Type /Page /MediaBox [0 0 200 100] >>");
    EXPECT_EQ(PdfFirstPage::read(pdfAvObjekt(tree)).refusal, deep);
    // Wide is no matter: 5000 objects side by side.
    std::string many;
    std::vector<std::string> objects;
    for (int i = 0; i < 5000; ++i) {
        many += std::to_string(5 + i) + " 0 R ";
        objects.push_back("<< /N " + std::to_string(i) + " >>");
    }
    EXPECT_TRUE(backgroundOf(handmadePdf({{.resources = "/Many [" + many + "]"}}, objects)));
}

TEST(PdfDocumentCpu, APageTooLargeToCopyIsRefused) {
    // 260 000 numbers in one array, more objects than a copy may hold.
    std::string numbers;
    for (int i = 0; i < 260'000; ++i) numbers += "0 ";
    EXPECT_EQ(PdfFirstPage::read(handmadePdf({{.resources = "/Many [" + numbers + "]"}})).refusal,
              "its first page holds more than 250000 objects");
    // 5 000 dictionaries packed in object streams: their copy, which holds
    // them uncompressed, would be far larger than the file.
    std::string references;
    std::vector<std::string> objects;
    for (int i = 0; i < 5'000; ++i) {
        references += std::to_string(5 + i) + " 0 R ";
        objects.push_back("<< /Name /Anything /Value " + std::to_string(i % 7) + " >>");
    }
    const std::vector<uint8_t> packed = qpdf(handmadePdf({{.resources = "/Many [" + references + "]"}}, objects),
                                             {"--object-streams=generate", "--compress-streams=y"});
    EXPECT_EQ(PdfFirstPage::read(packed).refusal, "its first page would take more room in the invoice than the whole file");
}

// Whatever the page paints, and however often it is shown, a PDF that
// shows it grows by no more than the file: the page goes in once, as it
// is stored, never drawn again.
TEST(PdfDocumentCpu, ALogoOrBackgroundAddsNoMoreThanItsFileWhateverItPaints) {
    // A mesh of 40 triangles painted 3 times (each painting would record
    // the whole mesh again), on a page whose crop box is malformed. Each
    // painting is clipped to a corner, which its judge draws quickly.
    std::string paintings;
    for (int i = 0; i < 3; ++i) paintings += "q 0 0 60 60 re W n /Sh sh Q\n";
    const std::vector<uint8_t> mesh = handmadePdf(
        {{.mediaBox = "0 0 595 842", .cropBox = "0 0 595", .content = paintings, .resources = "/Shading << /Sh 5 0 R >>"}},
        {pdfStröm(testhjalp::meshShadingEntries(), testhjalp::meshShadingData(40))});
    auto background = backgroundOf(mesh);
    auto logo = Image::fromBytes(mesh).image;
    ASSERT_TRUE(background);
    ASSERT_TRUE(logo);
    auto pdfOf = [&](bool withThem) {
        PdfWriter writer({"", "", "", 0});
        for (int i = 0; i < 3; ++i) {
            Canvas& c = writer.beginPage({595, 842});
            if (withThem) c.drawPdfPage(*background);
            c.drawText(AttributedString("Faktura", {std::nullopt, std::nullopt, Font{"HelveticaNeue", 12}}),
                       {40, 100, 200, 20}, TextDrawingMode::fromTopLeft);
            if (withThem) {
                c.drawImage(*logo, {40, 40, 100, 140});
                c.drawImage(*logo, {300, 40, 50, 70});
            }
            writer.endPage();
        }
        return writer.finish();
    };
    const std::vector<uint8_t> without = pdfOf(false), with = pdfOf(true);
    EXPECT_LE(with.size(), without.size() + mesh.size() + (64 << 10)) << mesh.size() << " bytes of file";
    // Held once, as stored (readers are slow to paint a mesh: only qpdf
    // reads this one back).
    const std::string text(with.begin(), with.end());
    EXPECT_EQ(text.find("/ShadingType 4"), text.rfind("/ShadingType 4"));
    EXPECT_NE(text.find("/ShadingType 4"), std::string::npos);
    EXPECT_TRUE(PdfFil(with).passesQpdfCheck());
}

// Twelve pages, each drawn on a page of its own: the stand-in of the
// eleventh and later is told from that of the second however their
// numbers read.
TEST(PdfDocumentCpu, ManyDifferentPagesInOneDocumentEachShowTheirOwn) {
    constexpr int count = 12;
    std::vector<std::shared_ptr<const PdfDocument>> documents;
    for (int i = 0; i < count; ++i) {
        // A blue band 10 (i + 1) points wide from the page's left edge.
        documents.push_back(backgroundOf(
            handmadePdf({{.mediaBox = "0 0 200 100", .content = "0 0 1 rg 0 0 " + std::to_string(10 * (i + 1)) + " 100 re f"}})));
        ASSERT_TRUE(documents.back()) << i;
    }
    PdfWriter writer({"", "", "", 0});
    for (int i = 0; i < count; ++i) {
        writer.beginPage({200, 100}).drawPdfPage(*documents[i]);
        writer.endPage();
    }
    const std::vector<uint8_t> bytes = writer.finish();
    PdfFil pdf(bytes);
    EXPECT_TRUE(pdf.passesQpdfCheck());
    EXPECT_EQ(pdf.info("Pages"), std::to_string(count));
    for (int i = 0; i < count; ++i) {
        cairo_surface_t* page = pdf.render(i + 1, 72);
        const int edge = 10 * (i + 1);
        EXPECT_EQ(testhjalp::pixelAt(page, edge - 5, 50), 0x0000FFu) << "page " << i + 1;
        EXPECT_EQ(testhjalp::pixelAt(page, edge + 5, 50), 0xFFFFFFu) << "page " << i + 1;
        cairo_surface_destroy(page);
    }
    // A form for each page, and no stand-in left.
    const std::string text(bytes.begin(), bytes.end());
    size_t forms = 0;
    for (size_t at = text.find("/Subtype /Form"); at != std::string::npos; at = text.find("/Subtype /Form", at + 1))
        ++forms;
    EXPECT_EQ(forms, size_t(count));
    EXPECT_EQ(text.find("/DCTDecode"), std::string::npos);
}
