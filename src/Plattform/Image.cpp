#include "Plattform/Image.h"

#include "Plattform/CairoDrawable.h"
#include "Plattform/PdfFirstPage.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <cmath>
#include <cstring>
#include <string_view>

namespace {

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

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

class PdfImage : public Image, public CairoDrawable {
public:
    explicit PdfImage(std::shared_ptr<const PdfFirstPage> page) : page_(std::move(page)) {}
    Size size() const override { return page_->cropBox().size(); }
    void drawInto(cairo_t* cr, const Rect& frame) const override { page_->drawInto(cr, frame); }

private:
    std::shared_ptr<const PdfFirstPage> page_;
};

// The gdk-pixbuf loader for the formats stored logos come in, told by
// their signature; no other loader (SVG, XPM, ...) is ever asked.
const char* rasterFormat(std::span<const uint8_t> b) {
    auto starts = [&](std::string_view s) {
        return b.size() >= s.size() && std::memcmp(b.data(), s.data(), s.size()) == 0;
    };
    if (starts("\x89PNG\r\n\x1a\n")) return "png";
    if (starts("\xff\xd8\xff")) return "jpeg";
    if (starts("GIF87a") || starts("GIF89a")) return "gif";
    if (starts(std::string_view("II*\0", 4)) || starts(std::string_view("MM\0*", 4))) return "tiff";
    return nullptr;
}

// Larger images are decoded scaled down to this many pixels: more than
// any page shows, and a crafted header cannot ask for gigabytes.
constexpr double mostPixels = 4096.0 * 4096.0;

void limitSize(GdkPixbufLoader* loader, int width, int height, gpointer) {
    double pixels = double(width) * double(height);
    if (pixels <= mostPixels) return;
    double f = std::sqrt(mostPixels / pixels);
    gdk_pixbuf_loader_set_size(loader, std::max(1, int(width * f)), std::max(1, int(height * f)));
}

struct PixbufInfo {
    int width = 0, height = 0;
};

void noteSize(GdkPixbufLoader*, int width, int height, gpointer data) {
    *static_cast<PixbufInfo*>(data) = {width, height};
}

// A premultiplied ARGB32 surface with the pixbuf's pixels.
Surface surfaceOf(GdkPixbuf* pixbuf) {
    int w = gdk_pixbuf_get_width(pixbuf), h = gdk_pixbuf_get_height(pixbuf);
    int channels = gdk_pixbuf_get_n_channels(pixbuf), rowstride = gdk_pixbuf_get_rowstride(pixbuf);
    bool alpha = gdk_pixbuf_get_has_alpha(pixbuf);
    if (gdk_pixbuf_get_bits_per_sample(pixbuf) != 8 || channels < (alpha ? 4 : 3)) return nullptr;
    Surface s(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h));
    if (cairo_surface_status(s.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
    cairo_surface_flush(s.get());
    const guint8* from = gdk_pixbuf_read_pixels(pixbuf);
    unsigned char* to = cairo_image_surface_get_data(s.get());
    int stride = cairo_image_surface_get_stride(s.get());
    for (int y = 0; y < h; ++y) {
        const guint8* p = from + size_t(y) * size_t(rowstride);
        auto* q = reinterpret_cast<uint32_t*>(to + size_t(y) * size_t(stride));
        for (int x = 0; x < w; ++x, p += channels) {
            uint32_t a = alpha ? p[3] : 255;
            auto pre = [a](uint32_t c) { return (c * a + 127) / 255; };
            q[x] = a << 24 | pre(p[0]) << 16 | pre(p[1]) << 8 | pre(p[2]);
        }
    }
    cairo_surface_mark_dirty(s.get());
    return s;
}

std::shared_ptr<const Image> rasterImage(std::span<const uint8_t> bytes) {
    const char* format = rasterFormat(bytes);
    if (!format) return nullptr;
    GdkPixbufLoader* loader = gdk_pixbuf_loader_new_with_type(format, nullptr);
    if (!loader) return nullptr;
    PixbufInfo natural;
    g_signal_connect(loader, "size-prepared", G_CALLBACK(noteSize), &natural);
    g_signal_connect(loader, "size-prepared", G_CALLBACK(limitSize), nullptr);
    bool read = gdk_pixbuf_loader_write(loader, bytes.data(), bytes.size(), nullptr);
    read = gdk_pixbuf_loader_close(loader, nullptr) && read;
    GdkPixbuf* pixbuf = read ? gdk_pixbuf_loader_get_pixbuf(loader) : nullptr;
    Surface surface;
    if (pixbuf) {
        // Photographs store how the camera was held; show them upright.
        GdkPixbuf* upright = gdk_pixbuf_apply_embedded_orientation(pixbuf);
        if (upright) {
            if (gdk_pixbuf_get_width(upright) != gdk_pixbuf_get_width(pixbuf))
                std::swap(natural.width, natural.height);
            surface = surfaceOf(upright);
            g_object_unref(upright);
        }
    }
    g_object_unref(loader);
    if (!surface || natural.width <= 0 || natural.height <= 0) return nullptr;
    return std::make_shared<PixelImage>(std::move(surface), Size{double(natural.width), double(natural.height)},
                                        CAIRO_FILTER_GOOD);
}

}  // namespace

std::shared_ptr<const Image> Image::fromBytes(std::span<const uint8_t> bytes) {
    if (looksLikePdf(bytes)) {
        auto page = PdfFirstPage::read(bytes);
        return page ? std::make_shared<PdfImage>(std::move(page)) : nullptr;
    }
    return rasterImage(bytes);
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
