#include "Plattform/Ritning/PdfDocument.h"

#include "Plattform/Ritning/PdfPageSource.h"

namespace {

class FirstPageDocument : public PdfDocument, public PdfPageSource {
public:
    explicit FirstPageDocument(std::shared_ptr<const PdfFirstPage> page) : page_(std::move(page)) {}
    Rect cropBox() const override { return page_->cropBox(); }
    double mediaBoxHeight() const override { return page_->mediaBoxHeight(); }
    const PdfFirstPage& pdfPage() const override { return *page_; }

private:
    std::shared_ptr<const PdfFirstPage> page_;
};

std::shared_ptr<const PdfDocument> document(std::span<const uint8_t> bytes, PdfFirstPage::Source source) {
    auto page = PdfFirstPage::read(bytes, source).page;
    if (!page) return nullptr;
    return std::make_shared<FirstPageDocument>(std::move(page));
}

}  // namespace

std::shared_ptr<const PdfDocument> PdfDocument::fromBytes(std::span<const uint8_t> bytes) {
    return document(bytes, PdfFirstPage::Source::outside);
}

std::shared_ptr<const PdfDocument> PdfDocument::fromOwnBytes(std::span<const uint8_t> bytes) {
    return document(bytes, PdfFirstPage::Source::ours);
}
