#include "Plattform/Ritning/PngReader.h"

#include "Plattform/Ritning/ImageHeaders.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <vector>

namespace {

struct Source {
    std::span<const uint8_t> bytes;
    size_t at = 0;
};

void readFromSource(png_structp png, png_bytep out, size_t length) {
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (length > source->bytes.size() - source->at) png_error(png, "the image ends early");
    std::memcpy(out, source->bytes.data() + source->at, length);
    source->at += length;
}

// Below main nothing writes to standard error; a damaged image is handled
// by giving none.
void noWarning(png_structp, png_const_charp) {}
void noMessage(png_structp png, png_const_charp) { png_longjmp(png, 1); }

// The sums of one row of boxes: premultiplied red, green and blue, and
// alpha, for each pixel of the reduced image.
class Boxes {
public:
    Boxes(uint64_t width, uint64_t reduction)
        : width_(width), k_(reduction), sums_(4 * ((width + reduction - 1) / reduction), 0) {}

    // One row of the image at its stored size, as 8-bit RGBA, not
    // premultiplied.
    void add(const uint8_t* rgba) {
        uint64_t* s = sums_.data();
        for (uint64_t x = 0; x < width_; x += k_, s += 4) {
            uint64_t r = 0, g = 0, b = 0, alpha = 0;
            for (const uint8_t* end = rgba + 4 * std::min(k_, width_ - x); rgba != end; rgba += 4) {
                const uint32_t a = rgba[3];
                r += rgba[0] * a;
                g += rgba[1] * a;
                b += rgba[2] * a;
                alpha += a;
            }
            s[0] += r, s[1] += g, s[2] += b, s[3] += alpha;
        }
    }

    // The averages of boxes `rows` high into one row of the surface.
    void emit(uint32_t* out, uint64_t rows) {
        for (size_t i = 0; i < sums_.size() / 4; ++i) {
            const uint64_t columns = std::min(k_, width_ - i * k_), n = columns * rows;
            const uint64_t* s = &sums_[4 * i];
            auto colour = [&](uint64_t sum) { return uint32_t((sum + 255 * n / 2) / (255 * n)); };
            const uint32_t a = uint32_t((s[3] + n / 2) / n);
            out[i] = a << 24 | colour(s[0]) << 16 | colour(s[1]) << 8 | colour(s[2]);
        }
        std::fill(sums_.begin(), sums_.end(), 0);
    }

private:
    uint64_t width_, k_;
    std::vector<uint64_t> sums_;
};

// What decode() fills; it lives outside decode's frame, which libpng may
// leave by a long jump.
struct Work {
    std::vector<uint8_t> pixels;  // one row, or every row of an interlaced image
    std::vector<png_bytep> rows;
    std::unique_ptr<Boxes> boxes;
    raster::Surface out;
};

bool decode(png_structp png, png_infop info, uint64_t k, Work& w) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_user_limits(png, largestImageSide, largestImageSide);
    png_read_info(png, info);
    // Every kind of PNG as 8-bit RGBA.
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const uint64_t width = png_get_image_width(png, info), height = png_get_image_height(png, info);
    const size_t rowBytes = png_get_rowbytes(png, info);
    if (width == 0 || height == 0 || rowBytes != 4 * width) return false;

    const uint64_t outWidth = (width + k - 1) / k, outHeight = (height + k - 1) / k;
    w.out.reset(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, int(outWidth), int(outHeight)));
    if (cairo_surface_status(w.out.get()) != CAIRO_STATUS_SUCCESS) return false;
    cairo_surface_flush(w.out.get());
    unsigned char* out = cairo_image_surface_get_data(w.out.get());
    const int stride = cairo_image_surface_get_stride(w.out.get());
    w.boxes = std::make_unique<Boxes>(width, k);

    auto row = [&](uint64_t y) -> uint8_t* { return passes > 1 ? w.pixels.data() + y * rowBytes : w.pixels.data(); };
    if (passes > 1) {
        w.pixels.resize(rowBytes * height);
        w.rows.resize(height);
        for (uint64_t y = 0; y < height; ++y) w.rows[y] = row(y);
        png_read_image(png, w.rows.data());
    } else {
        w.pixels.resize(rowBytes);
    }
    for (uint64_t y = 0; y < height; ++y) {
        if (passes == 1) png_read_row(png, w.pixels.data(), nullptr);
        w.boxes->add(row(y));
        if ((y + 1) % k == 0 || y + 1 == height)
            w.boxes->emit(reinterpret_cast<uint32_t*>(out + (y / k) * uint64_t(stride)), y % k + 1);
    }
    cairo_surface_mark_dirty(w.out.get());
    return true;
}

}  // namespace

raster::Surface raster::readPng(std::span<const uint8_t> bytes, uint64_t reduction) {
    if (reduction == 0) return nullptr;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, noMessage, noWarning);
    if (!png) return nullptr;
    png_infop info = png_create_info_struct(png);
    Source source{bytes};
    Work work;
    bool read = false;
    if (info) {
        png_set_read_fn(png, &source, readFromSource);
        read = decode(png, info, reduction, work);
    }
    png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    return read ? std::move(work.out) : nullptr;
}
