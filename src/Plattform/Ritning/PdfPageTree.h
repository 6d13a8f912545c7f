#pragma once
// Page 1 of a PDF, found by walking the page tree from the document's root
// down its first branches, with the attributes a page inherits from the
// nodes above it, and its boxes as a reader takes them. The walk keeps its
// path on a stack of its own, no deeper than pdfbounds::deepestNesting, and
// reads only the nodes before page 1: a document of 200 000 pages costs
// what its first page costs. C++17 as well (QpdfMemory.h says why).
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <optional>

namespace pdfpagetree {

struct FirstPage {
    QPDFObjectHandle page;
    // Given by the page, else by the nearest node above it that gives it;
    // null when none does.
    QPDFObjectHandle resources, mediaBox, cropBox;
};

// Page 1, or none when the document has no page. Throws pdfbounds::TooDeep
// for a tree deeper than the bound, and what qpdf throws for a document it
// cannot read.
std::optional<FirstPage> firstPage(QPDF& pdf);

// A box as PDF gives it: lower left and upper right, y upward.
struct Box {
    double llx = 0, lly = 0, urx = 0, ury = 0;
    double width() const { return urx - llx; }
    double height() const { return ury - lly; }
};

// The media box, as US Letter when the page has none that is a rectangle
// (as readers do); none when it has no area.
std::optional<Box> mediaBox(const FirstPage& page);
// What a reader shows: the crop box within the media box, the media box
// when the crop box is missing or no rectangle; none when that leaves no
// area.
std::optional<Box> visibleBox(const FirstPage& page);

}  // namespace pdfpagetree
