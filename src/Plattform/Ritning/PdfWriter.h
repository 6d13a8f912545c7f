#pragma once
// Writes pages drawn on a Canvas as one PDF document in memory, text kept
// as text with its fonts embedded. A PDF page drawn on a page (a logo, a
// background) is not drawn: the document holds it once, as it is stored
// (pdfplacement), and every page that shows it refers to it.
#include "Plattform/Ritning/Canvas.h"
#include "Plattform/Geometry.h"

#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// The drawing library failed; nothing usable was written.
class PdfError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class PdfWriter {
public:
    struct Metadata {
        std::string title;
        std::string author;
        std::string creator;
        // None: now, or SOURCE_DATE_EPOCH when that is set.
        std::optional<std::time_t> creationDate;
    };

    explicit PdfWriter(Metadata metadata);
    ~PdfWriter();
    PdfWriter(const PdfWriter&) = delete;
    PdfWriter& operator=(const PdfWriter&) = delete;

    // A new page of that size; the canvas lives until endPage().
    Canvas& beginPage(Size size);
    // Throws PdfError when drawing the page failed.
    void endPage();
    // The document; throws PdfError when there is no page or it failed.
    std::vector<uint8_t> finish();

private:
    struct State;
    std::unique_ptr<State> state_;
};
