#include "Plattform/Bytes.h"

#include <algorithm>
#include <bit>
#include <cstring>

void ByteReader::fetch(size_t count) {
    if (count > remaining() || !source_) throwShort(count);
    offset_ += pos_;
    pos_ = 0;
    bytes_ = source_->view(offset_, count);
    if (bytes_.size() < count) throwShort(count);
}

void ByteReader::throwShort(size_t count) const {
    throw FormatError("unexpected end of data: " + std::to_string(count) + " bytes wanted at offset " +
                      std::to_string(position()) + ", " + std::to_string(remaining()) + " left");
}

uint32_t ByteReader::u32() {
    auto b = take(4);
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

double ByteReader::f64() { return std::bit_cast<double>(i64()); }

void ByteWriter::u32(uint32_t v) {
    uint8_t* b = room(4);
    for (int i = 0; i < 4; ++i) b[i] = uint8_t(v >> (8 * i));
}

void ByteWriter::flush() {
    if (!sink_ || used_ == 0) return;
    sink_->write({out_.data(), used_});
    handedOn_ += used_;
    used_ = 0;
}

void ByteWriter::grow(size_t count) {
    if (sink_) {
        flush();
        // The block is reused piece after piece; only a single write larger
        // than a piece makes it grow.
        if (out_.size() < std::max(count, piece_)) out_.resize(std::max(count, piece_));
        return;
    }
    const size_t needed = used_ + count;
    // Inside the reserved room the block is lengthened a step at a time.
    if (needed <= out_.capacity()) {
        out_.resize(std::min(out_.capacity(), std::max(needed, out_.size() + (size_t(1) << 16))));
        return;
    }
    out_.resize(std::max(needed, std::max<size_t>(2 * out_.size(), 256)));
}

void ByteWriter::f64(double v) { i64(std::bit_cast<int64_t>(v)); }

bool isValidMixedUtf8(std::span<const uint8_t> s) {
    size_t i = 0, n = s.size();
    while (i < n) {
        // Most stored text is ASCII: skip it eight bytes at a time.
        while (i + 8 <= n) {
            uint64_t w;
            std::memcpy(&w, s.data() + i, 8);
            if (w & 0x8080808080808080ULL) break;
            i += 8;
        }
        if (i >= n) break;
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

std::optional<Bytes> utf16ToUtf8(std::span<const uint8_t> d, bool bigEndian) {
    if (d.size() % 2 != 0) return std::nullopt;
    Bytes out;
    // Room for the most it can take (three bytes for two), so the text is
    // never moved while it grows; pages it does not fill are never touched.
    out.reserve(d.size() / 2 * 3);
    auto unit = [&](size_t i) -> uint32_t {
        return bigEndian ? (uint32_t(d[i]) << 8 | d[i + 1]) : (uint32_t(d[i + 1]) << 8 | d[i]);
    };
    for (size_t i = 0; i < d.size(); i += 2) {
        uint32_t c = unit(i);
        if (c >= 0xDC00 && c <= 0xDFFF) return std::nullopt;
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 4 > d.size()) return std::nullopt;
            const uint32_t low = unit(i + 2);
            if (low < 0xDC00 || low > 0xDFFF) return std::nullopt;
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        appendUtf8(out, c);
    }
    return out;
}
