#pragma once
// What drawing page 1 of a PDF would cost, judged from the file's structure
// before anything is drawn. A renderer (poppler for a PDF logo, the reader's
// viewer for a background put under the invoice as it is) decodes every
// image a page uses, runs every operator of its content (a form once for
// each time it is used, a Type 3 glyph once for each character shown) and,
// recording it, keeps what it draws; a few kilobytes can ask for gigabytes
// that way. The estimate adds up, in bytes, what those steps hold:
//   - every pixel of an image each time it is drawn (4 bytes; a JPEG or
//     JPEG 2000 image counts the size its own header gives when that is
//     larger than the one the PDF states),
//   - every painting operator (a recorded drawing step, about a kilobyte),
//     every other operator and every byte of text shown,
//   - the decoded size of every stream the page's resources hold (fonts,
//     colour profiles, functions, content), and the samples a sampled
//     function is given.
// The estimate is deterministic: the same file gives the same figure on
// every machine.
#include <cstddef>
#include <cstdint>
#include <optional>

namespace pdfcost {

// The estimate in bytes for the `size` bytes at `pdf`, or none when they
// cannot be read, are encrypted or have no page. Counting stops as soon as
// it passes `limit`: any figure above the limit only says "too much".
std::optional<uint64_t> ofPageOne(const uint8_t* pdf, size_t size, uint64_t limit);

}  // namespace pdfcost
