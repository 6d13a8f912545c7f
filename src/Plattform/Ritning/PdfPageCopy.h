#pragma once
// Page 1 of a PDF taken out of its file on its own: a PDF of that one page
// holding its content, the resources it draws with and nothing else, its
// visible box as its media box. This is what a PDF we write takes in as a
// form wherever it shows a logo or background; the file it came from is
// not read again. What drawing the page costs is judged elsewhere
// (PdfDrawingJudge.h), but for its images' sizes. C++17 as well
// (QpdfMemory.h says why).
#include <cstddef>
#include <cstdint>
#include <string>

namespace pdfpagecopy {

// Its limits are in PdfObjectBounds.h.
enum class Outcome : uint8_t {
    copied,
    unreadable,       // no PDF that can be read, or its first page cannot be
    encrypted,        // with a user password or without one
    noPage,           // no page, or none with an area
    imageTooLarge,    // an image states more than largestImageSide pixels a side
    tooDeep,          // objects nested beyond pdfbounds::deepestNesting
    tooMany,          // more than pdfbounds::mostObjects objects
    contentTooLarge,  // joined content beyond pdfbounds::mostJoinedContent
    copyTooLarge,     // a copy larger than the file by more than pdfbounds::mostGrowth
    last = copyTooLarge,
};

struct Copy {
    Outcome outcome = Outcome::unreadable;
    // The page's visible box, lower left and size, y upward; its media
    // box's height.
    double x = 0, y = 0, width = 0, height = 0, mediaHeight = 0;
    std::string pdf;  // when copied
};

// Throws std::bad_alloc when memory runs out; a file that cannot be read
// is Outcome::unreadable.
Copy ofPageOne(const uint8_t* pdf, size_t size);

}  // namespace pdfpagecopy
