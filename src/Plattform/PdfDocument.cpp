#include "Plattform/PdfDocument.h"

#include "Plattform/PdfFirstPage.h"
#include "Plattform/PdfUnderlay.h"

namespace {

class PopplerDocumentPage : public PdfDocument, public CairoDrawable {
public:
    // Whether the page can go under others as it is stored is asked here,
    // of backgrounds only: a PDF logo is always drawn.
    explicit PopplerDocumentPage(std::shared_ptr<const PdfFirstPage> page)
        : page_(std::move(page)), underlay_(pdfunderlay::fits(page_->bytes()) ? page_->bytes() : nullptr) {}
    Rect cropBox() const override { return page_->cropBox(); }
    double mediaBoxHeight() const override { return page_->mediaBox().height; }
    const std::shared_ptr<const std::vector<uint8_t>>& underlay() const override { return underlay_; }
    void drawInto(cairo_t* cr, const Rect& frame) const override { page_->drawInto(cr, frame); }

private:
    std::shared_ptr<const PdfFirstPage> page_;
    std::shared_ptr<const std::vector<uint8_t>> underlay_;
};

}  // namespace

std::shared_ptr<const PdfDocument> PdfDocument::fromBytes(std::span<const uint8_t> bytes) {
    auto page = PdfFirstPage::read(bytes).page;
    if (!page) return nullptr;
    return std::make_shared<PopplerDocumentPage>(std::move(page));
}
