#include "Plattform/Ritning/RasterDecoding.h"

#include "Plattform/Ritning/ImageHeaders.h"
#include "Plattform/Ritning/PngReader.h"
#include "Plattform/Ritning/Saturating.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <cmath>
#include <cstring>
#include <string_view>

namespace {

using raster::Decoded;
using raster::Surface;

enum class Format { png, jpeg, gif, tiff };

// Told by the signature; no other loader (SVG, XPM, ...) is ever asked.
std::optional<Format> formatOf(std::span<const uint8_t> b) {
    auto starts = [&](std::string_view s) {
        return b.size() >= s.size() && std::memcmp(b.data(), s.data(), s.size()) == 0;
    };
    if (starts("\x89PNG\r\n\x1a\n")) return Format::png;
    if (starts("\xff\xd8\xff")) return Format::jpeg;
    if (starts("GIF87a") || starts("GIF89a")) return Format::gif;
    if (starts(std::string_view("II*\0", 4)) || starts(std::string_view("MM\0*", 4))) return Format::tiff;
    return std::nullopt;
}

// The format's name as users know it.
const char* formatName(Format f) {
    switch (f) {
        case Format::png: return "PNG";
        case Format::jpeg: return "JPEG";
        case Format::gif: return "GIF";
        case Format::tiff: return "TIFF";
    }
    return "";
}

const char* loaderName(Format f) {
    switch (f) {
        case Format::png: return "png";
        case Format::jpeg: return "jpeg";
        case Format::gif: return "gif";
        case Format::tiff: return "tiff";
    }
    return "";
}

std::string pixels(uint64_t width, uint64_t height) {
    return std::to_string(width) + " x " + std::to_string(height) + " pixels";
}

// Why an image of this size is refused, if it is. `whole` is what
// decoding it whole takes, or 0 when it is decoded row by row.
std::optional<std::string> refusal(uint64_t width, uint64_t height, uint64_t whole) {
    if (width > largestImageSide || height > largestImageSide)
        return "it is " + pixels(width, height) + ", more than " + std::to_string(largestImageSide) + " a side";
    if (whole > raster::mostMemoryDecodedWhole)
        return "its " + pixels(width, height) + " are decoded whole, which takes more than " +
               std::to_string(raster::mostMemoryDecodedWhole >> 20) + " MiB";
    return std::nullopt;
}

using saturating::times;

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

// What the loader is told once it knows the image's size.
struct Plan {
    Format format = Format::png;
    std::optional<Size> frame = std::nullopt;
    uint64_t width = 0, height = 0;
    std::optional<std::string> refused = std::nullopt;
};

void plan(GdkPixbufLoader* loader, int width, int height, gpointer data) {
    auto* p = static_cast<Plan*>(data);
    p->width = uint64_t(std::max(width, 0));
    p->height = uint64_t(std::max(height, 0));
    // TIFF and GIF are decoded whole at their own size and scaled after; a
    // JPEG is decoded scaled down (and judged by its header before).
    const bool whole = p->format == Format::tiff || p->format == Format::gif;
    p->refused = refusal(p->width, p->height, whole ? times(times(p->width, p->height), 4) : 0);
    if (p->refused || p->width == 0 || p->height == 0) {
        // Stops the loader before it decodes anything.
        gdk_pixbuf_loader_set_size(loader, 0, 0);
        return;
    }
    const uint64_t k = raster::reduction(p->width, p->height, p->frame);
    if (k > 1) gdk_pixbuf_loader_set_size(loader, int((p->width + k - 1) / k), int((p->height + k - 1) / k));
}

Decoded withGdkPixbuf(std::span<const uint8_t> bytes, Format format, std::optional<Size> frame) {
    Plan p{format, frame};
    if (format == Format::jpeg) {
        // Judged by its frame header, read here: the loader tells the size
        // only once it has the header up to the scan. A progressive JPEG
        // keeps every coefficient of the whole image (two bytes a sample)
        // while it is decoded, even scaled down.
        const std::optional<ImageHeader> h = jpegHeader(bytes.data(), bytes.size());
        if (!h) return {};
        const uint64_t whole = h->wholeAtOnce ? times(times(times(h->width, h->height), h->components), 2) : 0;
        if (auto why = refusal(h->width, h->height, whole)) return {.pixels = nullptr, .natural = {}, .refusal = why};
    }
    GdkPixbufLoader* loader = gdk_pixbuf_loader_new_with_type(loaderName(format), nullptr);
    if (!loader) return {};
    g_signal_connect(loader, "size-prepared", G_CALLBACK(plan), &p);
    bool read = gdk_pixbuf_loader_write(loader, bytes.data(), bytes.size(), nullptr);
    read = gdk_pixbuf_loader_close(loader, nullptr) && read;
    GdkPixbuf* pixbuf = read && !p.refused ? gdk_pixbuf_loader_get_pixbuf(loader) : nullptr;
    Decoded d;
    d.refusal = p.refused;
    if (pixbuf && p.width > 0 && p.height > 0) {
        // Photographs store how the camera was held; show them upright.
        const char* orientation = gdk_pixbuf_get_option(pixbuf, "orientation");
        const bool turned = orientation && orientation[0] >= '5' && orientation[0] <= '8' && !orientation[1];
        d.natural = turned ? Size{double(p.height), double(p.width)} : Size{double(p.width), double(p.height)};
        if (GdkPixbuf* upright = gdk_pixbuf_apply_embedded_orientation(pixbuf)) {
            d.pixels = surfaceOf(upright);
            g_object_unref(upright);
        }
    }
    g_object_unref(loader);
    return d;
}

}  // namespace

uint64_t raster::reduction(uint64_t width, uint64_t height, std::optional<Size> frame) {
    if (width == 0 || height == 0) return 1;
    uint64_t k = 1;
    if (frame && std::isfinite(frame->width) && std::isfinite(frame->height) && frame->width > 0 &&
        frame->height > 0) {
        const double w = double(width), h = double(height);
        // Image pixels to a point when fitted into the frame, the larger of
        // the two ways round (a photograph may be turned upright).
        const double scale = std::max(std::min(frame->width / w, frame->height / h),
                                      std::min(frame->width / h, frame->height / w));
        const double needed = scale * pixelsPerPoint;
        if (needed < 1) k = uint64_t(std::min(std::floor(1 / needed), double(std::max(width, height))));
    }
    k = std::max(k, uint64_t(std::sqrt(double(width) * double(height) / double(mostDecodedPixels))));
    auto decoded = [&](uint64_t r) { return ((width + r - 1) / r) * ((height + r - 1) / r); };
    while (decoded(k) > mostDecodedPixels) ++k;
    return k;
}

namespace {

Decoded withLibpng(std::span<const uint8_t> bytes, std::optional<Size> frame) {
    const std::optional<ImageHeader> h = pngHeader(bytes.data(), bytes.size());
    if (!h || h->width == 0 || h->height == 0) return {};
    if (auto why = refusal(h->width, h->height, h->wholeAtOnce ? times(times(h->width, h->height), 4) : 0))
        return {.pixels = nullptr, .natural = {}, .refusal = why};
    Surface pixels = raster::readPng(bytes, raster::reduction(h->width, h->height, frame));
    if (!pixels) return {};
    return {std::move(pixels), Size{double(h->width), double(h->height)}, std::nullopt};
}

}  // namespace

Decoded raster::decode(std::span<const uint8_t> bytes, std::optional<Size> frame) {
    const std::optional<Format> format = formatOf(bytes);
    if (!format) return {};
    Decoded d = *format == Format::png ? withLibpng(bytes, frame) : withGdkPixbuf(bytes, *format, frame);
    if (!d.pixels && !d.refusal) d.refusal = std::string("it cannot be read as a ") + formatName(*format) + " image";
    return d;
}
