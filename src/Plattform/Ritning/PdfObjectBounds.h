#pragma once
// Every limit on reading a PDF we did not write (a logo or background),
// named here once: what the child processes that read it and draw it may
// take, the bounds every walk over its objects keeps whatever the file
// holds (page trees, resources, forms in forms) and what its copy may
// take. Real files stay within a few levels and some thousands of objects;
// a file past these is refused, not followed. C++17 as well (QpdfMemory.h
// says why).
#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace pdfbounds {

// What each child process may take: the one that reads the file and
// copies its page out (PdfFirstPage.cpp), and each of the two that draw
// the page as its readers will (PdfDrawingJudge.cpp). A page whose drawing
// takes more is refused: an invoice holding it would not be drawn by its
// reader within half a gigabyte and ten seconds.
constexpr uint64_t mostChildMemory = uint64_t(256) << 20;
constexpr int mostChildSeconds = 3;
// The resolution a page is drawn at to be judged, at the size it is shown:
// twice the 72 dots an inch a viewer starts at.
constexpr double judgedDpi = 144;
// Levels of objects in objects (arrays, dictionaries, references) below
// the page or its resources.
constexpr int deepestNesting = 100;
// Objects a page's copy may hold, counting those within others.
constexpr size_t mostObjects = 250'000;
// How much of an image's data is searched for the size its own header
// (JPEG frame, JPEG 2000 SIZ, JBIG2 page information) gives, and how much
// of a JBIG2 image's globals (PdfImageSizes.cpp).
constexpr uint64_t headerSearched = uint64_t(1) << 20;
// A page drawn by several content streams gets them joined into one,
// decoded and compressed again; no more than this, decoded.
constexpr uint64_t mostJoinedContent = uint64_t(32) << 20;
// The copy may be larger than the file by no more than this: a copy holds
// its objects uncompressed, and a document that takes it in may number
// them with longer numbers.
constexpr size_t mostGrowth = size_t(64) << 10;

// Thrown by a walk that would go deeper than deepestNesting.
struct TooDeep : std::runtime_error {
    TooDeep() : std::runtime_error("nested too deep") {}
};
// Thrown by a copy that would hold more than mostObjects.
struct TooMany : std::runtime_error {
    TooMany() : std::runtime_error("too many objects") {}
};

}  // namespace pdfbounds
