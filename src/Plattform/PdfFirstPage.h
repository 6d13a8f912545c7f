#pragma once
// Page 1 of a PDF read with poppler: the document behind PdfDocument and
// behind PDF images (logos), drawn as vectors.
#include "Plattform/CairoDrawable.h"
#include "Plattform/Geometry.h"

#include <cstdint>
#include <memory>
#include <span>

class PdfFirstPage : public CairoDrawable {
public:
    // None when the bytes are no PDF poppler can read, the document is
    // encrypted, or it has no page.
    static std::shared_ptr<const PdfFirstPage> read(std::span<const uint8_t> bytes);
    ~PdfFirstPage() override;

    Rect cropBox() const { return cropBox_; }
    Rect mediaBox() const { return mediaBox_; }
    // The crop box's contents, its top left at the frame's, scaled to it;
    // upright as stored, whatever the page's rotation for viewing says.
    void drawInto(cairo_t* cr, const Rect& frame) const override;

    struct Handles;

private:
    PdfFirstPage() = default;
    std::unique_ptr<Handles> handles_;
    Rect cropBox_, mediaBox_;
    int rotation_ = 0;  // the page's /Rotate: 0, 90, 180 or 270
};

// Whether the bytes look like a PDF: its header within the first kilobyte,
// where readers accept it.
bool looksLikePdf(std::span<const uint8_t> bytes);
