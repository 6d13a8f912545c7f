#include "Bildprov.h"

#include <gdk-pixbuf/gdk-pixbuf.h>
#include <png.h>

#include <csetjmp>

namespace bildprov {

namespace {

void tillVektor(png_structp png, png_bytep data, size_t längd) {
    auto* ut = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    ut->insert(ut->end(), data, data + längd);
}

void ingenting(png_structp) {}

void le16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void le32(std::vector<uint8_t>& b, uint32_t v) {
    le16(b, v & 0xFFFF);
    le16(b, v >> 16);
}

// Writes the header, then the rows when there are pixels.
std::vector<uint8_t> skrivPng(uint32_t bredd, uint32_t höjd, bool interlaced, const Färg* färg) {
    std::vector<uint8_t> ut;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    std::vector<std::vector<uint8_t>> rader;
    std::vector<png_bytep> pekare;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &ut, tillVektor, ingenting);
    png_set_IHDR(png, info, bredd, höjd, 8, PNG_COLOR_TYPE_RGB_ALPHA,
                 interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    if (färg) {
        rader.assign(höjd, std::vector<uint8_t>(4 * size_t(bredd)));
        for (uint32_t y = 0; y < höjd; ++y) {
            for (uint32_t x = 0; x < bredd; ++x) {
                const uint32_t v = (*färg)(int(x), int(y));
                uint8_t* p = &rader[y][4 * x];
                p[0] = uint8_t(v >> 16), p[1] = uint8_t(v >> 8), p[2] = uint8_t(v), p[3] = uint8_t(v >> 24);
            }
            pekare.push_back(rader[y].data());
        }
        png_write_image(png, pekare.data());
        png_write_end(png, nullptr);
    } else {
        png_write_flush(png);
    }
    png_destroy_write_struct(&png, &info);
    return ut;
}

}  // namespace

std::vector<uint8_t> png(int bredd, int höjd, const Färg& färg, bool interlaced) {
    return skrivPng(uint32_t(bredd), uint32_t(höjd), interlaced, &färg);
}

std::vector<uint8_t> pngHuvud(uint32_t bredd, uint32_t höjd, bool interlaced) {
    return skrivPng(bredd, höjd, interlaced, nullptr);
}

std::vector<uint8_t> sparad(const std::string& format, int bredd, int höjd, const Färg& färg) {
    GdkPixbuf* bild = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, bredd, höjd);
    guchar* pixlar = gdk_pixbuf_get_pixels(bild);
    const int steg = gdk_pixbuf_get_rowstride(bild);
    for (int y = 0; y < höjd; ++y)
        for (int x = 0; x < bredd; ++x) {
            const uint32_t v = färg(x, y);
            guchar* p = pixlar + y * steg + 3 * x;
            p[0] = guchar(v >> 16), p[1] = guchar(v >> 8), p[2] = guchar(v);
        }
    gchar* data = nullptr;
    gsize längd = 0;
    std::vector<uint8_t> ut;
    if (gdk_pixbuf_save_to_buffer(bild, &data, &längd, format.c_str(), nullptr, nullptr))
        ut.assign(reinterpret_cast<uint8_t*>(data), reinterpret_cast<uint8_t*>(data) + längd);
    g_free(data);
    g_object_unref(bild);
    return ut;
}

std::vector<uint8_t> jpegHuvud(uint16_t bredd, uint16_t höjd, bool progressiv) {
    // Start of image, then a frame header of three components.
    std::vector<uint8_t> b = {0xFF, 0xD8, 0xFF, uint8_t(progressiv ? 0xC2 : 0xC0), 0x00, 0x11, 0x08};
    b.push_back(uint8_t(höjd >> 8)), b.push_back(uint8_t(höjd));
    b.push_back(uint8_t(bredd >> 8)), b.push_back(uint8_t(bredd));
    b.push_back(3);
    for (uint8_t c = 1; c <= 3; ++c) b.insert(b.end(), {c, 0x11, 0x00});
    b.insert(b.end(), {0xFF, 0xD9});
    return b;
}

std::vector<uint8_t> tiffHuvud(uint32_t bredd, uint32_t höjd) {
    // One 8-bit grey strip, uncompressed; its data cut short.
    struct Post {
        uint16_t tagg, typ;
        uint32_t värde;
    };
    const Post poster[] = {{256, 4, bredd}, {257, 4, höjd}, {258, 3, 8}, {259, 3, 1}, {262, 3, 1},
                           {273, 4, 200},   {277, 3, 1},    {278, 4, höjd}, {279, 4, bredd * höjd}};
    std::vector<uint8_t> b = {'I', 'I', 42, 0};
    le32(b, 8);
    le16(b, uint16_t(std::size(poster)));
    for (const Post& p : poster) {
        le16(b, p.tagg), le16(b, p.typ), le32(b, 1);
        if (p.typ == 3) le16(b, uint16_t(p.värde)), le16(b, 0);
        else le32(b, p.värde);
    }
    le32(b, 0);
    b.resize(200, 0);
    b.resize(1200, 0x80);
    return b;
}

std::vector<uint8_t> gifHuvud(uint16_t bredd, uint16_t höjd) {
    std::vector<uint8_t> b = {'G', 'I', 'F', '8', '9', 'a'};
    le16(b, bredd), le16(b, höjd);
    b.insert(b.end(), {0x80, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, ','});
    le16(b, 0), le16(b, 0), le16(b, bredd), le16(b, höjd);
    b.insert(b.end(), {0, 2, 2, 0x4C, 0x01, 0, ';'});
    return b;
}

}  // namespace bildprov
