#include "Plattform/Ritning/ImageHeaders.h"

#include <cstring>
#include <string_view>

namespace {

uint64_t big16(const uint8_t* p) { return uint64_t(p[0]) << 8 | p[1]; }
uint64_t big32(const uint8_t* p) { return big16(p) << 16 | big16(p + 2); }

}  // namespace

std::optional<ImageHeader> jpegHeader(const uint8_t* b, size_t size) {
    if (size < 2 || b[0] != 0xFF || b[1] != 0xD8) return std::nullopt;
    size_t i = 2;
    while (i + 4 <= size) {
        if (b[i] != 0xFF) return std::nullopt;
        const uint8_t marker = b[i + 1];
        if (marker == 0xFF) {  // fill byte
            ++i;
            continue;
        }
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (i + 10 > size) return std::nullopt;
            ImageHeader h;
            h.height = big16(&b[i + 5]);
            h.width = big16(&b[i + 7]);
            h.components = b[i + 9];
            h.wholeAtOnce = marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
            return h;
        }
        i += 2 + big16(&b[i + 2]);
    }
    return std::nullopt;
}

std::optional<ImageHeader> jpeg2000Header(const uint8_t* b, size_t size) {
    // Start of codestream, then the SIZ marker.
    std::string_view text(reinterpret_cast<const char*>(b), size);
    const size_t at = text.find("\xFF\x4F\xFF\x51");
    if (at == std::string_view::npos || at + 42 > size) return std::nullopt;
    ImageHeader h;
    h.width = big32(&b[at + 8]);
    h.height = big32(&b[at + 12]);
    h.components = big16(&b[at + 40]);
    h.wholeAtOnce = true;
    return h;
}

std::optional<ImageHeader> pngHeader(const uint8_t* b, size_t size) {
    // Signature, then IHDR's length and type, width, height, bit depth,
    // colour type, compression, filter and interlace method.
    if (size < 29 || std::memcmp(b, "\x89PNG\r\n\x1a\n", 8) != 0 || std::memcmp(&b[12], "IHDR", 4) != 0)
        return std::nullopt;
    ImageHeader h;
    h.width = big32(&b[16]);
    h.height = big32(&b[20]);
    h.components = 4;
    h.wholeAtOnce = b[28] != 0;
    return h;
}
