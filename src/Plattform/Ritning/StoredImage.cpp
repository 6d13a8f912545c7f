#include "Plattform/Ritning/StoredImage.h"

#include "Plattform/Ritning/PdfDrawingJudge.h"
#include "Plattform/Ritning/PdfFirstPage.h"
#include "Plattform/Ritning/PdfPageSource.h"
#include "Plattform/Ritning/RasterDecoding.h"

namespace {

std::span<const Size> alone(const std::optional<Size>& frame) {
    return frame ? std::span<const Size>(&*frame, 1) : std::span<const Size>();
}

}  // namespace

Image::Read StoredImage::forFrame(std::optional<Size> frame) {
    if (whole_) return judged(alone(frame));
    // A decoded image's size is its pixels, and with them the reduction
    // a frame asks for; the first decoding tells it.
    auto reduction = [&](const Image::Read& read) {
        const Size pixels = read.image->size();
        return raster::reduction(uint64_t(pixels.width), uint64_t(pixels.height), frame);
    };
    if (!byReduction_.empty()) {
        const uint64_t k = reduction(byReduction_.begin()->second);
        if (auto known = byReduction_.find(k); known != byReduction_.end()) return known->second;
    }
    Image::Read read = Image::fromBytes(bytes_, frame);
    // What the first read finds holds for every frame: a PDF's page, or
    // that the bytes give no image.
    if (byReduction_.empty() && (!read.image || looksLikePdf(bytes_))) {
        whole_ = read;
        if (read.image) judgedScale_ = pdfdrawing::scaleInFrame(read.image->size(), frame);
        return read;
    }
    if (read.image) byReduction_.emplace(reduction(read), read);
    return read;
}

void StoredImage::forFrames(std::span<const Size> frames) {
    if (frames.empty()) return;
    if (whole_) {
        judged(frames);
    } else if (byReduction_.empty() && looksLikePdf(bytes_)) {
        whole_ = Image::fromPdfPage(PdfFirstPage::read(bytes_), frames);
        if (whole_->image) judgedScale_ = pdfdrawing::largestScaleIn(whole_->image->size(), frames);
    }
}

Image::Read StoredImage::judged(std::span<const Size> frames) {
    if (!whole_->image) return *whole_;
    // A page judged at one size is judged again for a frame that shows it
    // larger: what drawing it costs grows with its size.
    const double s = pdfdrawing::largestScaleIn(whole_->image->size(), frames);
    if (s <= judgedScale_) return *whole_;
    const auto* page = dynamic_cast<const PdfPageSource*>(whole_->image.get());
    if (!page) return *whole_;
    if (auto refused = pdfdrawing::refusal(page->pdfPage(), s)) whole_ = Image::Read{nullptr, std::move(refused)};
    else judgedScale_ = s;
    return *whole_;
}
