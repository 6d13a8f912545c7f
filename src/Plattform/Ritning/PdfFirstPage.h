#pragma once
// Page 1 of a PDF, as a PDF we write takes it in: the page alone, copied
// out of its file (pdfpagecopy) with the boxes it is shown by. Nothing of
// it is drawn here; the PDF writer puts the copy in wherever the page is
// drawn, as a form every page that shows it refers to. Whether drawing it
// costs its reader too much is judged at the size it is shown
// (PdfDrawingJudge.h).
//
// Reading a file costs what its structure asks of the PDF library, and a
// few kilobytes can ask for gigabytes. A file that comes from outside (a
// document, the command line) is therefore read in a child process held
// to memory and time limits (BoundedProcess.h); only the program's own
// files are read in this process.
#include "Plattform/Geometry.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

class PdfFirstPage {
public:
    enum class Source {
        outside,  // a user's file: read in a child process
        ours,     // built into the program: read here
    };
    struct Read;
    // The page, or why there is none.
    static Read read(std::span<const uint8_t> bytes, Source source = Source::outside);

    // The visible page (the crop box within the media box): its lower left
    // corner and size, y upward, unrotated.
    Rect cropBox() const { return cropBox_; }
    double mediaBoxHeight() const { return mediaBoxHeight_; }
    // A PDF of this one page: its media box the visible box above, its
    // content and the resources it draws with. Its /Rotate is not carried
    // over, nor its annotations: the page is placed as stored.
    const std::shared_ptr<const std::string>& pdf() const { return pdf_; }

private:
    PdfFirstPage() = default;
    std::shared_ptr<const std::string> pdf_;
    Rect cropBox_;
    double mediaBoxHeight_ = 0;
};

struct PdfFirstPage::Read {
    std::shared_ptr<const PdfFirstPage> page;
    // Why there is no page, as a clause: "its objects are nested more than
    // 100 levels deep", "it is encrypted", "it cannot be read as a PDF".
    // None when the bytes do not look like a PDF at all.
    std::optional<std::string> refusal;
};

// Whether the bytes look like a PDF: its header within the first kilobyte,
// where readers accept it.
bool looksLikePdf(std::span<const uint8_t> bytes);
