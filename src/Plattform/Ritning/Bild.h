#pragma once
// A raster image held in memory in a pixel layout cairo uses directly, so
// the layout engine can wrap the pixels in an image surface without
// converting them.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

struct Bild {
    enum class Format {
        argb32,  // 32-bit native-endian ARGB, premultiplied alpha (cairo ARGB32)
        grå8,    // 8-bit grey, 0 black and 255 white
    };

    int bredd = 0;
    int höjd = 0;
    Format format = Format::argb32;
    int radsteg = 0;  // bytes from one row to the next, cairo-compatible
    std::vector<uint8_t> pixlar;

    // An opaque image filled with one colour (0xAARRGGBB; grey uses its
    // low byte).
    static Bild fylld(int bredd, int höjd, Format format, uint32_t färg);

    // The stride cairo expects for a row of `bredd` pixels.
    static int radstegFör(int bredd, Format format);

    void sättPixel(int x, int y, uint32_t färg);
    // The pixel as 0xAARRGGBB (grey is returned as opaque grey).
    uint32_t pixel(int x, int y) const;

    // The placeholder shown where an image could not be made: a warning
    // triangle with an exclamation mark.
    static Bild varningsikon();

    // Writes the image as PNG; false when the file cannot be written.
    bool skrivPNG(const std::filesystem::path& fil) const;
};
