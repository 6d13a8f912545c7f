#pragma once
// Page 1 of a PDF document, to put under a page (a background) and to
// learn its boxes from. A document that cannot be read, is encrypted, has
// no page or is refused by the bounds of PdfFirstPage (or, from outside,
// by PdfDrawingJudge) is no document: the factories answer none, and
// fromBytes says why.
#include "Plattform/Geometry.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

class PdfDocument {
public:
    struct Read;
    virtual ~PdfDocument() = default;

    // A file from outside the program, read within fixed bounds, its page
    // judged by drawing it at its own size (PdfDrawingJudge.h).
    static Read fromBytes(std::span<const uint8_t> bytes);
    // A file built into the program.
    static std::shared_ptr<const PdfDocument> fromOwnBytes(std::span<const uint8_t> bytes);

    // Page 1's crop box, the visible page, unrotated, in points.
    virtual Rect cropBox() const = 0;
    // Page 1's media box height: stored frames measured from the foot of
    // the page are flipped with it.
    virtual double mediaBoxHeight() const = 0;

protected:
    PdfDocument() = default;
};

struct PdfDocument::Read {
    std::shared_ptr<const PdfDocument> document;
    // Why there is none, as a clause ("drawing it takes more than 3
    // seconds", "it is encrypted"), whenever there is none.
    std::optional<std::string> refusal;
};
