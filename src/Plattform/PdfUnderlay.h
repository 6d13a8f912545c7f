#pragma once
// Page 1 of another PDF put under pages of a finished document as one form
// that each of those pages refers to: the other page is neither drawn nor
// copied again for a page more. Its crop box's lower left goes to the
// page's lower left, upright as stored (its /Rotate is not applied); its
// annotations are not carried over, and of a damaged content stream what
// can be decoded.
#include <cstdint>
#include <memory>
#include <vector>

namespace pdfunderlay {

struct Underlay {
    std::shared_ptr<const std::vector<uint8_t>> pdf;
    std::vector<int> pages;  // from 0, in the document
};

// The document with the underlays in place. Throws std::exception when
// the document or an underlay cannot be read.
std::vector<uint8_t> apply(const std::vector<uint8_t>& document, const std::vector<Underlay>& underlays);

// Whether page 1 of `pdf` can be put under a page this way (tried on a page
// of our own).
bool fits(const std::shared_ptr<const std::vector<uint8_t>>& pdf);

}  // namespace pdfunderlay
