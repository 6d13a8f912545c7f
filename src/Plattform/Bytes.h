#pragma once
// Byte blocks and the bounded memory streams that the document body is
// written to and read from. These know nothing of records; the record
// primitives live in Strommar.h.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// Thrown when a reader is asked for more bytes than remain, or when stored
// bytes break the encoding (a negative length, invalid UTF-8, ...).
class FormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    size_t position() const { return pos_; }
    size_t remaining() const { return bytes_.size() - pos_; }
    bool atEnd() const { return pos_ == bytes_.size(); }

    // The reads are inline: documents hold millions of them.
    std::span<const uint8_t> take(size_t count) {
        if (count > remaining()) throwShort(count);
        auto part = bytes_.subspan(pos_, count);
        pos_ += count;
        return part;
    }
    uint8_t u8() { return take(1)[0]; }
    uint32_t u32();
    int64_t i64() {
        const uint8_t* b = take(8).data();
        uint64_t v = 0;
        if constexpr (std::endian::native == std::endian::little) {
            // One load: the compiler does not fold the byte loop into one.
            std::memcpy(&v, b, 8);
        } else {
            for (int i = 7; i >= 0; --i) v = v << 8 | b[i];
        }
        return static_cast<int64_t>(v);
    }
    double f64();

private:
    [[noreturn]] void throwShort(size_t count) const;

    std::span<const uint8_t> bytes_;
    size_t pos_ = 0;
};

class ByteWriter {
public:
    void append(std::span<const uint8_t> bytes) { out_.insert(out_.end(), bytes.begin(), bytes.end()); }
    void u8(uint8_t v) { out_.push_back(v); }
    void u32(uint32_t v);
    void i64(int64_t v) {
        auto u = static_cast<uint64_t>(v);
        uint8_t b[8];
        for (int i = 0; i < 8; ++i) b[i] = uint8_t(u >> (8 * i));
        out_.insert(out_.end(), b, b + 8);
    }
    void f64(double v);

    const Bytes& bytes() const { return out_; }
    Bytes take() { return std::move(out_); }

private:
    Bytes out_;
};

// True when the bytes are well-formed UTF-8 (no overlongs, no surrogates).
bool isValidUtf8(std::span<const uint8_t> bytes);
