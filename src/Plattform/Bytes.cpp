#include "Plattform/Bytes.h"

#include <bit>
#include <cstring>

std::span<const uint8_t> ByteReader::take(size_t count) {
    if (count > remaining())
        throw FormatError("unexpected end of data: " + std::to_string(count) + " bytes wanted at offset " +
                          std::to_string(pos_) + ", " + std::to_string(remaining()) + " left");
    auto part = bytes_.subspan(pos_, count);
    pos_ += count;
    return part;
}

uint8_t ByteReader::u8() { return take(1)[0]; }

uint32_t ByteReader::u32() {
    auto b = take(4);
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

int64_t ByteReader::i64() {
    auto b = take(8);
    uint64_t v = 0;
    for (int i = 7; i >= 0; --i) v = v << 8 | b[i];
    return static_cast<int64_t>(v);
}

double ByteReader::f64() { return std::bit_cast<double>(i64()); }

void ByteWriter::u32(uint32_t v) {
    for (int i = 0; i < 4; ++i) out_.push_back(uint8_t(v >> (8 * i)));
}

void ByteWriter::i64(int64_t value) {
    auto v = static_cast<uint64_t>(value);
    for (int i = 0; i < 8; ++i) out_.push_back(uint8_t(v >> (8 * i)));
}

void ByteWriter::f64(double v) { i64(std::bit_cast<int64_t>(v)); }

bool isValidUtf8(std::span<const uint8_t> s) {
    size_t i = 0, n = s.size();
    while (i < n) {
        uint8_t c = s[i];
        if (c < 0x80) { ++i; continue; }
        size_t len;
        uint32_t cp;
        if ((c & 0xE0) == 0xC0) { len = 2; cp = c & 0x1F; }
        else if ((c & 0xF0) == 0xE0) { len = 3; cp = c & 0x0F; }
        else if ((c & 0xF8) == 0xF0) { len = 4; cp = c & 0x07; }
        else return false;
        if (i + len > n) return false;
        for (size_t k = 1; k < len; ++k) {
            if ((s[i + k] & 0xC0) != 0x80) return false;
            cp = cp << 6 | (s[i + k] & 0x3F);
        }
        if ((len == 2 && cp < 0x80) || (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000)) return false;
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += len;
    }
    return true;
}
