#pragma once
// Page 1 of a PDF document, read to draw under a page (a background) and
// to learn its boxes. A document that cannot be read, is encrypted or has
// no page is no document: the factories answer none.
#include "Plattform/Bytes.h"
#include "Plattform/Geometry.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class PdfDocument {
public:
    virtual ~PdfDocument() = default;

    static std::shared_ptr<const PdfDocument> fromBytes(std::span<const uint8_t> bytes);

    // Page 1's crop box, the visible page, unrotated, in points.
    virtual Rect cropBox() const = 0;
    // Page 1's media box height: stored frames measured from the foot of
    // the page are flipped with it.
    virtual double mediaBoxHeight() const = 0;
    // The file, when a PDF can hold page 1 as it is stored and put it under
    // its pages; none when the page must be drawn.
    virtual const std::shared_ptr<const std::vector<uint8_t>>& underlay() const = 0;

protected:
    PdfDocument() = default;
};
