#include "Plattform/Ritning/ImageHeaders.h"

#include <algorithm>
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

ImageHeader jbig2Header(const uint8_t* b, size_t size) {
    ImageHeader h;
    h.components = 1;
    auto atLeast = [&h](uint64_t width, uint64_t height) {
        h.width = std::max(h.width, width);
        h.height = std::max(h.height, height);
    };
    size_t i = 0;
    // A whole file starts with its ID string, flags and, unless unknown,
    // its number of pages.
    if (size >= 9 && std::memcmp(b, "\x97JB2\r\n\x1a\n", 8) == 0) i = (b[8] & 2) ? 9 : 13;
    // Each segment: its number, flags (the type in the low six bits), the
    // segments it refers to, its page, its data's length, its data.
    while (i + 6 <= size) {
        const uint64_t number = big32(&b[i]);
        const uint8_t flags = b[i + 4];
        size_t at = i + 5;
        uint64_t referred = b[at] >> 5;
        if (referred == 7) {
            if (at + 4 > size) break;
            referred = big32(&b[at]) & 0x1FFFFFFF;
            at += 4 + (referred + 8) / 8;
        } else {
            at += 1;
        }
        at += referred * (number <= 256 ? 1 : number <= 65536 ? 2 : 4) + ((flags & 0x40) ? 4 : 1);
        if (at + 4 > size) break;
        const uint64_t length = big32(&b[at]);
        at += 4;
        const int type = flags & 0x3F;
        if (type == 48 && at + 8 <= size) {
            // Page information; a height of all ones is not known yet, the
            // page grows with its stripes.
            const uint64_t height = big32(&b[at + 4]);
            atLeast(big32(&b[at]), height == 0xFFFFFFFF ? 0 : height);
        } else if (type == 50 && at + 4 <= size) {
            atLeast(0, big32(&b[at]) + 1);  // end of stripe: the last row
        } else if ((type == 6 || type == 7 || type == 22 || type == 23 || type == 36 || type == 38 || type == 39 ||
                    type == 40 || type == 42 || type == 43) &&
                   at + 16 <= size) {
            // A region: its width, height and place on the page.
            atLeast(big32(&b[at]) + big32(&b[at + 8]), big32(&b[at + 4]) + big32(&b[at + 12]));
        }
        // A region of unknown length ends where its data does; no segment
        // after it can be found without decoding it.
        if (length == 0xFFFFFFFF) break;
        i = at + length;
    }
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
