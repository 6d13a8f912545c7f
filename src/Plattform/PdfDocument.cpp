#include "Plattform/PdfDocument.h"

#include "Plattform/PdfFirstPage.h"

namespace {

class PopplerDocumentPage : public PdfDocument, public CairoDrawable {
public:
    explicit PopplerDocumentPage(std::shared_ptr<const PdfFirstPage> page) : page_(std::move(page)) {}
    Rect cropBox() const override { return page_->cropBox(); }
    double mediaBoxHeight() const override { return page_->mediaBox().height; }
    void drawInto(cairo_t* cr, const Rect& frame) const override { page_->drawInto(cr, frame); }

private:
    std::shared_ptr<const PdfFirstPage> page_;
};

}  // namespace

std::shared_ptr<const PdfDocument> PdfDocument::fromBytes(std::span<const uint8_t> bytes) {
    auto page = PdfFirstPage::read(bytes);
    if (!page) return nullptr;
    return std::make_shared<PopplerDocumentPage>(std::move(page));
}
