#pragma once
// Whether a PDF holds an image that states more pixels a side than any
// image is allowed (largestImageSide): the one cost of drawing a page that
// is judged from its structure, as raster logos are judged from their
// headers. Its dictionary gives one size, and its codestream may give
// another, which is what its decoder makes room for: a JPEG's frame
// header, a JPEG 2000 codestream's SIZ, a JBIG2 stream's page information
// (its globals' too). Everything else a page costs is judged by drawing it
// (PdfDrawingJudge.h). C++17 as well (QpdfMemory.h says why).
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/QPDF.hh>

namespace pdfimages {

// Over every image object of the document: a copy of one page holds the
// images that page draws and no other.
bool anyTooLarge(QPDF& pdf);

}  // namespace pdfimages
