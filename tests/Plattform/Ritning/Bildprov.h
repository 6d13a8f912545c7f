#pragma once
// Raster images made for tests: real ones of any size and colour in each
// format we read, and files of a few bytes that only state a size.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace bildprov {

// 0xAARRGGBB of the pixel at (x, y), not premultiplied.
using Färg = std::function<uint32_t(int x, int y)>;

// An image written by libpng; interlaced (Adam7) on request.
std::vector<uint8_t> png(int bredd, int höjd, const Färg& färg, bool interlaced = false);
// An image written by gdk-pixbuf as "png", "jpeg" or "tiff" (opaque).
std::vector<uint8_t> sparad(const std::string& format, int bredd, int höjd, const Färg& färg);

// Only the header of an image of that size, and a few bytes: a PNG (as
// interlaced if asked), a JPEG (progressive if asked), a TIFF or a GIF.
std::vector<uint8_t> pngHuvud(uint32_t bredd, uint32_t höjd, bool interlaced = false);
std::vector<uint8_t> jpegHuvud(uint16_t bredd, uint16_t höjd, bool progressiv = false);
std::vector<uint8_t> tiffHuvud(uint32_t bredd, uint32_t höjd);
std::vector<uint8_t> gifHuvud(uint16_t bredd, uint16_t höjd);

}  // namespace bildprov
