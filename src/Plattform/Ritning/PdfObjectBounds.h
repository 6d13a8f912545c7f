#pragma once
// Every limit on reading a PDF we did not write (a logo or background),
// named here once: the bounds every walk over its objects keeps whatever
// the file holds (page trees, resources, forms in forms), what its page
// may ask of the invoice's reader and what its copy may take. Real files
// stay within a few levels and some thousands of objects; a file past
// these is refused, not followed. C++17 as well, for the code built with
// qpdf (PdfDrawingCost.cpp says why).
#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace pdfbounds {

// What the process that reads the file (PdfFirstPage.cpp) may take: the
// invoice and the run around it stay well within half a gigabyte and ten
// seconds, a logo and a background included.
constexpr uint64_t mostReadingMemory = uint64_t(256) << 20;
constexpr int mostReadingSeconds = 3;
// Levels of objects in objects (arrays, dictionaries, references) below
// the page or its resources.
constexpr int deepestNesting = 100;
// Objects a page's copy may hold, counting those within others.
constexpr size_t mostObjects = 250'000;
// Content run within content while the page is drawn: forms in forms,
// patterns, Type 3 glyphs, soft masks. Each level may repeat the one
// below, so this is far fewer than deepestNesting.
constexpr int deepestDrawing = 32;
// What the reader of the page may be asked to hold and compute by
// pdfcost's estimate: a page beyond it is refused rather than allowed to
// exhaust the machine of whoever opens the invoice.
constexpr uint64_t mostDrawingCost = uint64_t(256) << 20;
// How much of an image's data is searched for the size its own header
// (JPEG frame, JPEG 2000 SIZ, JBIG2 page information) gives, and how much
// of a JBIG2 image's globals.
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
