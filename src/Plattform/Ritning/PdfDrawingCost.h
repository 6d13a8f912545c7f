#pragma once
// What drawing page 1 of a PDF would cost, judged from the file's structure
// alone. A logo or background goes into the invoice as its page is stored
// and the invoice's reader draws it: the reader's viewer decodes every
// image the page uses, runs every operator of its content (a form once for
// each time it is used, a Type 3 glyph once for each character shown) and
// keeps what it draws; a few kilobytes can ask for gigabytes, or hours,
// that way. The estimate adds up, in bytes, what those steps hold and the
// work they take (a kilobyte stands for a drawing step):
//   - every pixel of an image each time it is drawn (4 bytes), at the
//     largest size any layer states: its dictionary, a JPEG's frame
//     header, a JPEG 2000 codestream's SIZ, a JBIG2 stream's page
//     information (its globals' too),
//   - every vertex and triangle of a mesh shading, every patch, as many
//     as its data holds at the bits per flag, coordinate and component it
//     states, each time it is painted,
//   - a function evaluated for each pixel of the page: a function
//     shading's, and a PostScript program anywhere in a shading, by its
//     operators,
//   - every cell a tiling pattern paints over the page, for each painting
//     operator that may fill with it,
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
// resources it has or inherits (annotations are not counted) and the area
// it shows in square points (a fill covers no more); none when the page
// cannot be read. Counting stops as soon as it passes `limit`: any figure
// above the limit only says "too much".
std::optional<uint64_t> ofPage(const QPDFObjectHandle& page, const QPDFObjectHandle& resources, double area,
                               uint64_t limit);

}  // namespace pdfcost
