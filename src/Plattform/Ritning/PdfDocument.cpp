#include "Plattform/Ritning/PdfDocument.h"

#include "Plattform/Ritning/PdfDrawingJudge.h"
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

}  // namespace

PdfDocument::Read PdfDocument::fromBytes(std::span<const uint8_t> bytes) {
    PdfFirstPage::Read read = PdfFirstPage::read(bytes);
    if (!read.page) return {nullptr, read.refusal.value_or("it is not a PDF")};
    if (auto refused = pdfdrawing::refusal(*read.page, 1)) return {nullptr, std::move(refused)};
    return {std::make_shared<FirstPageDocument>(std::move(read.page)), std::nullopt};
}

std::shared_ptr<const PdfDocument> PdfDocument::fromOwnBytes(std::span<const uint8_t> bytes) {
    auto page = PdfFirstPage::read(bytes, PdfFirstPage::Source::ours).page;
    if (!page) return nullptr;
    return std::make_shared<FirstPageDocument>(std::move(page));
}
