#pragma once
// Pages of other PDFs put into a finished document where it shows images
// that stand for them. The drawing places a one-pixel image wherever a
// page goes, with its place, clip and transform; here each such image
// becomes a form holding the page as it is stored, its visible box mapped
// onto the image's unit square. The document thus holds each page once,
// however many pages show it, and nothing of it is drawn again. C++17 as
// well (QpdfMemory.h says why).
#include <cstdint>
#include <string>
#include <vector>

namespace pdfplacement {

struct Placement {
    // Found in the data of the images that stand for the page, and in
    // nothing else of the document (nor in another placement's marker).
    std::string marker;
    // The page alone, as PdfFirstPage::pdf() gives it.
    const std::string* page = nullptr;
};

// The document with every image that holds a marker replaced by its page.
// Throws std::exception when the document or a page cannot be read.
std::vector<uint8_t> apply(const std::vector<uint8_t>& document, const std::vector<Placement>& placements);

}  // namespace pdfplacement
