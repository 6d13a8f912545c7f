#pragma once
// Typed-stream archives laid out byte by byte from the published stream
// rules, for the tests of the decoder and of the records that hold them.
#include "Plattform/Bytes.h"

#include <cctype>
#include <string>

namespace typedstreamprov {

inline Bytes hex(const std::string& text) {
    Bytes out;
    std::string digits;
    for (char c : text)
        if (std::isxdigit(static_cast<unsigned char>(c))) digits += c;
    for (size_t i = 0; i + 1 < digits.size(); i += 2) out.push_back(uint8_t(std::stoi(digits.substr(i, 2), nullptr, 16)));
    return out;
}

// NSColor, calibrated RGB (0.5, 0.25, 0, 1).
inline const Bytes rgbArchive = hex(
    "04 0B 73747265616D7479706564 81 E8 03 84 01 40 84 84 84 07 4E53436F6C6F72 00 84 84 08 4E534F626A656374 00 "
    "85 84 01 63 01 84 04 66666666 83 0000003F 83 0000803E 00 01 86");
// NSFont Helvetica 12.
inline const Bytes helveticaArchive = hex(
    "04 0B 73747265616D7479706564 81 E8 03 84 01 40 84 84 84 06 4E53466F6E74 1E 84 84 08 4E534F626A656374 00 85 "
    "84 01 69 1C 84 05 5B 32 38 63 5D 06000000 14000000 FFFE 4800 6500 6C00 7600 6500 7400 6900 6300 6100 "
    "84 01 66 0C 84 01 63 00 98 01 98 00 98 00 86");

}  // namespace typedstreamprov
