#include "Plattform/Ritning/Image.h"

#include "Plattform/Ritning/CairoDrawable.h"
#include "Plattform/Ritning/PdfDrawingJudge.h"
#include "Plattform/Ritning/PdfPageSource.h"
#include "Plattform/Ritning/RasterDecoding.h"

#include <cmath>
#include <cstring>

namespace {

using raster::Surface;

// Pixels in a cairo image surface, scaled into the frame. Photographs and
// logos are smoothed; the modules of a code are not, so they stay sharp.
class PixelImage : public Image, public CairoDrawable {
public:
    PixelImage(Surface surface, Size size, cairo_filter_t filter)
        : surface_(std::move(surface)), size_(size), filter_(filter) {}
    Size size() const override { return size_; }
    void drawInto(cairo_t* cr, const Rect& frame) const override {
        double w = cairo_image_surface_get_width(surface_.get()), h = cairo_image_surface_get_height(surface_.get());
        cairo_save(cr);
        cairo_translate(cr, frame.x, frame.y);
        cairo_scale(cr, frame.width / w, frame.height / h);
        cairo_set_source_surface(cr, surface_.get(), 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), filter_);
        cairo_rectangle(cr, 0, 0, w, h);
        cairo_fill(cr);
        cairo_restore(cr);
    }

private:
    Surface surface_;
    Size size_;
    cairo_filter_t filter_;
};

// Page 1 of a PDF, which a PDF we write takes in as it is stored.
class PdfImage : public Image, public PdfPageSource {
public:
    explicit PdfImage(std::shared_ptr<const PdfFirstPage> page) : page_(std::move(page)) {}
    Size size() const override { return page_->cropBox().size(); }
    const PdfFirstPage& pdfPage() const override { return *page_; }

private:
    std::shared_ptr<const PdfFirstPage> page_;
};

}  // namespace

Image::Read Image::fromBytes(std::span<const uint8_t> bytes, std::optional<Size> frame) {
    if (looksLikePdf(bytes)) {
        if (frame) return fromPdfPage(PdfFirstPage::read(bytes), std::span<const Size>(&*frame, 1));
        return fromPdfPage(PdfFirstPage::read(bytes), {});
    }
    raster::Decoded decoded = raster::decode(bytes, frame);
    if (!decoded.pixels)
        return {nullptr, decoded.refusal.value_or("it is neither a PDF nor a PNG, JPEG, TIFF or GIF image")};
    return {std::make_shared<PixelImage>(std::move(decoded.pixels), decoded.natural, CAIRO_FILTER_GOOD), std::nullopt};
}

Image::Read Image::fromPdfPage(PdfFirstPage::Read read, std::span<const Size> frames) {
    if (!read.page) return {nullptr, read.refusal};
    const double scale = pdfdrawing::largestScaleIn(read.page->cropBox().size(), frames);
    if (auto refused = pdfdrawing::refusal(*read.page, scale)) return {nullptr, std::move(refused)};
    return {std::make_shared<PdfImage>(std::move(read.page)), std::nullopt};
}

std::shared_ptr<const Image> Image::fromModules(Bild modules) {
    if (modules.bredd <= 0 || modules.höjd <= 0) return nullptr;
    Surface s(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, modules.bredd, modules.höjd));
    if (cairo_surface_status(s.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
    cairo_surface_flush(s.get());
    unsigned char* to = cairo_image_surface_get_data(s.get());
    int stride = cairo_image_surface_get_stride(s.get());
    for (int y = 0; y < modules.höjd; ++y)
        for (int x = 0; x < modules.bredd; ++x) {
            uint32_t v = modules.pixel(x, y);
            std::memcpy(to + size_t(y) * size_t(stride) + 4 * size_t(x), &v, 4);
        }
    cairo_surface_mark_dirty(s.get());
    return std::make_shared<PixelImage>(std::move(s), Size{double(modules.bredd), double(modules.höjd)},
                                        CAIRO_FILTER_NEAREST);
}
