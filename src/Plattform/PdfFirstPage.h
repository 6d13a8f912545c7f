#pragma once
// Page 1 of a PDF read with poppler: the document behind PdfDocument and
// behind PDF images (logos), drawn as vectors. The page is drawn once, the
// first time it is asked for, into a recording that every later drawing
// replays: a PDF that shows it on many pages holds it once. (The PDF
// writer puts a background under its pages without drawing it at all.)
#include "Plattform/CairoDrawable.h"
#include "Plattform/Geometry.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class PdfFirstPage : public CairoDrawable {
public:
    // What drawing a page may cost by pdfcost's estimate: a page beyond it
    // is refused rather than allowed to exhaust the machine.
    static constexpr uint64_t mostDrawingCost = uint64_t(256) << 20;

    struct Read;
    // The page, or why there is none.
    static Read read(std::span<const uint8_t> bytes);
    ~PdfFirstPage() override;

    Rect cropBox() const { return cropBox_; }
    Rect mediaBox() const { return mediaBox_; }
    // The file the page was read from.
    const std::shared_ptr<const std::vector<uint8_t>>& bytes() const { return bytes_; }
    // The crop box's contents, its top left at the frame's, scaled to it;
    // upright as stored, whatever the page's rotation for viewing says.
    void drawInto(cairo_t* cr, const Rect& frame) const override;

    struct Handles;

private:
    PdfFirstPage() = default;
    std::shared_ptr<const std::vector<uint8_t>> bytes_;
    std::unique_ptr<Handles> handles_;
    Rect cropBox_, mediaBox_;
    int rotation_ = 0;  // the page's /Rotate: 0, 90, 180 or 270
};

struct PdfFirstPage::Read {
    std::shared_ptr<const PdfFirstPage> page;
    // No page because drawing it would cost more than mostDrawingCost (not
    // because the bytes are no PDF, are encrypted or have no page).
    bool tooCostly = false;
};

// Whether the bytes look like a PDF: its header within the first kilobyte,
// where readers accept it.
bool looksLikePdf(std::span<const uint8_t> bytes);
