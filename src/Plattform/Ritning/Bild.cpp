#include "Plattform/Ritning/Bild.h"

#include <cairo.h>

#include <cstring>
#include <memory>

namespace {
struct YtaFrigörare {
    void operator()(cairo_surface_t* y) const { cairo_surface_destroy(y); }
};
using Yta = std::unique_ptr<cairo_surface_t, YtaFrigörare>;
}  // namespace

int Bild::radstegFör(int bredd, Format format) {
    // Grey rows follow the same alignment rule as cairo's 8-bit formats.
    return cairo_format_stride_for_width(format == Format::argb32 ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_A8,
                                         bredd);
}

Bild Bild::fylld(int bredd, int höjd, Format format, uint32_t färg) {
    Bild b;
    b.bredd = bredd;
    b.höjd = höjd;
    b.format = format;
    b.radsteg = radstegFör(bredd, format);
    b.pixlar.assign(size_t(b.radsteg) * size_t(höjd), 0);
    for (int y = 0; y < höjd; ++y)
        for (int x = 0; x < bredd; ++x) b.sättPixel(x, y, färg);
    return b;
}

void Bild::sättPixel(int x, int y, uint32_t färg) {
    uint8_t* rad = pixlar.data() + size_t(y) * size_t(radsteg);
    if (format == Format::grå8) {
        rad[x] = uint8_t(färg);
        return;
    }
    // Premultiply so a translucent colour is stored the way cairo reads it.
    uint32_t a = färg >> 24;
    auto kanal = [a](uint32_t c) { return (c * a + 127) / 255; };
    uint32_t v = a << 24 | kanal((färg >> 16) & 0xFF) << 16 | kanal((färg >> 8) & 0xFF) << 8 | kanal(färg & 0xFF);
    std::memcpy(rad + 4 * size_t(x), &v, 4);
}

uint32_t Bild::pixel(int x, int y) const {
    const uint8_t* rad = pixlar.data() + size_t(y) * size_t(radsteg);
    if (format == Format::grå8) {
        uint32_t g = rad[x];
        return 0xFF000000u | g << 16 | g << 8 | g;
    }
    uint32_t v;
    std::memcpy(&v, rad + 4 * size_t(x), 4);
    return v;
}

Bild Bild::varningsikon() {
    const int storlek = 64;
    Bild b = fylld(storlek, storlek, Format::argb32, 0x00000000);
    Yta yta(cairo_image_surface_create_for_data(b.pixlar.data(), CAIRO_FORMAT_ARGB32, b.bredd, b.höjd, b.radsteg));
    cairo_t* cr = cairo_create(yta.get());
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(cr, 32, 4);
    cairo_line_to(cr, 61, 58);
    cairo_line_to(cr, 3, 58);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, 1.0, 0.8, 0.0);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0.2, 0.2, 0.2);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_rectangle(cr, 29, 20, 6, 22);
    cairo_rectangle(cr, 29, 46, 6, 6);
    cairo_fill(cr);
    cairo_destroy(cr);
    cairo_surface_flush(yta.get());
    return b;
}

bool Bild::skrivPNG(const std::filesystem::path& fil) const {
    if (bredd <= 0 || höjd <= 0) return false;
    Yta yta;
    if (format == Format::argb32) {
        // cairo only reads the buffer here, but its interface takes it mutable.
        yta.reset(cairo_image_surface_create_for_data(const_cast<uint8_t*>(pixlar.data()), CAIRO_FORMAT_ARGB32,
                                                      bredd, höjd, radsteg));
    } else {
        // cairo has no grey format for PNG output; write grey as opaque RGB.
        yta.reset(cairo_image_surface_create(CAIRO_FORMAT_RGB24, bredd, höjd));
        if (cairo_surface_status(yta.get()) != CAIRO_STATUS_SUCCESS) return false;
        uint8_t* data = cairo_image_surface_get_data(yta.get());
        int steg = cairo_image_surface_get_stride(yta.get());
        for (int y = 0; y < höjd; ++y)
            for (int x = 0; x < bredd; ++x) {
                uint32_t v = pixel(x, y);
                std::memcpy(data + size_t(y) * size_t(steg) + 4 * size_t(x), &v, 4);
            }
        cairo_surface_mark_dirty(yta.get());
    }
    if (cairo_surface_status(yta.get()) != CAIRO_STATUS_SUCCESS) return false;
    return cairo_surface_write_to_png(yta.get(), fil.c_str()) == CAIRO_STATUS_SUCCESS;
}
