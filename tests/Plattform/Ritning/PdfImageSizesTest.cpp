// The one cost of drawing a page judged from its structure: an image that
// states more pixels a side than any image may have, in its dictionary or
// in the codestream its decoder reads, is refused before anything is
// drawn; one within the bound is left to the drawing.
#include "PdfVerktyg.h"

#include "Plattform/Ritning/PdfFirstPage.h"

#include <gtest/gtest.h>

using testhjalp::handmadePdf;
using testhjalp::imagePdf;
using testhjalp::jbig2PageInformation;

namespace {

const std::string tooLarge = "it holds an image of more than 16384 pixels a side";

std::optional<std::string> refusal(const std::vector<uint8_t>& pdf) { return PdfFirstPage::read(pdf).refusal; }

std::string image(int width, int height, const std::string& entries = "") {
    return pdfStröm("/Type /XObject /Subtype /Image /Width " + std::to_string(width) + " /Height " +
                        std::to_string(height) + " /ColorSpace /DeviceGray /BitsPerComponent 8 " + entries,
                    "\xFF");
}

// A page drawing the image object 5, and the objects after it.
std::vector<uint8_t> drawing(const std::vector<std::string>& objects) {
    return handmadePdf({{.mediaBox = "0 0 595 842", .content = "q 100 0 0 100 0 0 cm /Im Do Q",
                         .resources = "/XObject << /Im 5 0 R >>"}},
                       objects);
}

// A baseline JPEG frame header of this size in three components.
std::string jpegFrame(uint16_t width, uint16_t height) {
    return std::string("\xFF\xD8\xFF\xC0\x00\x11\x08", 7) + char(height >> 8) + char(height) + char(width >> 8) +
           char(width) + "\x03" + std::string("\x01\x11\x00\x02\x11\x00\x03\x11\x00", 9);
}

}  // namespace

TEST(PdfImageSizesCpu, AnImageIsRefusedBySizeItsDictionaryStates) {
    EXPECT_EQ(refusal(drawing({image(20000, 10)})), tooLarge);
    EXPECT_EQ(refusal(drawing({image(10, 16385)})), tooLarge);
    EXPECT_EQ(refusal(drawing({image(16384, 16384)})), std::nullopt);
    // As the soft mask of a small one, too.
    EXPECT_EQ(refusal(drawing({image(10, 10, "/SMask 6 0 R"), image(20000, 20000)})), tooLarge);
}

TEST(PdfImageSizesCpu, AnImageIsRefusedBySizeItsCodestreamStates) {
    const std::string jpeg = "/Filter /DCTDecode";
    auto withData = [](const std::string& entries, const std::string& data) {
        return drawing({pdfStröm("/Type /XObject /Subtype /Image /Width 10 /Height 10 /ColorSpace /DeviceRGB "
                                 "/BitsPerComponent 8 " + entries,
                                 data)});
    };
    EXPECT_EQ(refusal(withData(jpeg, jpegFrame(30000, 30000))), tooLarge);
    EXPECT_EQ(refusal(withData(jpeg, jpegFrame(100, 100))), std::nullopt);
    // One whose header cannot be found is left to the drawing.
    EXPECT_EQ(refusal(withData(jpeg, "no jpeg")), std::nullopt);
    // JPEG 2000, from the hostile files.
    for (const testhjalp::HostilePdf& hostile : testhjalp::hostilePdfs()) {
        if (hostile.name.find("JPEG") != std::string::npos) {
            EXPECT_EQ(refusal(hostile.pdf), tooLarge) << hostile.name;
        }
    }
}

TEST(PdfImageSizesCpu, AJbig2ImageIsRefusedByThePageItsSegmentsState) {
    // An image of 10 x 10 whose page information says 100 000 x 100 000:
    // in its data, in its globals (as an array of parameters too), or once
    // it has been deflated.
    const std::string hostile = jbig2PageInformation(100'000, 100'000), small = jbig2PageInformation(100, 100);
    EXPECT_EQ(refusal(imagePdf("/Filter /JBIG2Decode", small)), std::nullopt);
    EXPECT_EQ(refusal(imagePdf("/Filter /JBIG2Decode", hostile)), tooLarge);
    EXPECT_EQ(refusal(imagePdf("/Filter /JBIG2Decode /DecodeParms << /JBIG2Globals 6 0 R >>", small,
                               {pdfStröm("", hostile)})),
              tooLarge);
    EXPECT_EQ(refusal(imagePdf("/Filter [/FlateDecode /JBIG2Decode] /DecodeParms [null << /JBIG2Globals 6 0 R >>]",
                               testhjalp::deflated(small), {pdfStröm("", hostile)})),
              tooLarge);
    // A page of unknown height grows with its stripes and regions.
    EXPECT_EQ(refusal(imagePdf("/Filter /JBIG2Decode", jbig2PageInformation(100, 0xFFFFFFFF))), std::nullopt);
}

// Only what the page draws is in its copy: an image of the file that page
// 1 does not use is not judged.
TEST(PdfImageSizesCpu, ImagesPageOneDoesNotUseAreNotJudged) {
    EXPECT_EQ(refusal(handmadePdf({{.mediaBox = "0 0 595 842"}}, {image(20000, 20000)})), std::nullopt);
}
