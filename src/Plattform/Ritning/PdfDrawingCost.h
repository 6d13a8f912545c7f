#pragma once
// What drawing page 1 of a PDF would cost, judged from the file's structure
// alone. A logo or background goes into the invoice as its page is stored
// and the invoice's reader draws it: the reader's viewer decodes every
// image the page uses, runs every operator of its content (a form once for
// each time it is used, a Type 3 glyph once for each character shown) and
// keeps what it draws; a few kilobytes can ask for gigabytes that way. The
// estimate adds up, in bytes, what those steps hold:
//   - every pixel of an image each time it is drawn (4 bytes; a JPEG or
//     JPEG 2000 image counts the size its own header gives when that is
//     larger than the one the PDF states),
//   - every byte of a mesh shading's data each time it is painted (16),
//   - every painting operator (a drawing step, about a kilobyte), every
//     other operator and every byte of text shown,
//   - the decoded size of every stream the page's resources hold (fonts,
//     colour profiles, functions, content), and the samples a sampled
//     function is given.
// The estimate is deterministic: the same file gives the same figure on
// every machine.
#include <cstdint>
#include <optional>

class QPDFObjectHandle;

namespace pdfcost {

// The estimate in bytes for a page of an open document, with the
// resources it has or inherits (annotations are not counted); none when
// the page cannot be read. Counting stops as soon as it passes `limit`:
// any figure above the limit only says "too much".
std::optional<uint64_t> ofPage(const QPDFObjectHandle& page, const QPDFObjectHandle& resources, uint64_t limit);

}  // namespace pdfcost
