#pragma once
// Byte blocks and the bounded memory streams that the document body is
// written to and read from. These know nothing of records; the record
// primitives live in Strommar.h.
#include <cstddef>
#include <cstdint>
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

    std::span<const uint8_t> take(size_t count);
    uint8_t u8();
    uint32_t u32();
    int64_t i64();
    double f64();

private:
    std::span<const uint8_t> bytes_;
    size_t pos_ = 0;
};

class ByteWriter {
public:
    void append(std::span<const uint8_t> bytes) { out_.insert(out_.end(), bytes.begin(), bytes.end()); }
    void u8(uint8_t v) { out_.push_back(v); }
    void u32(uint32_t v);
    void i64(int64_t v);
    void f64(double v);

    const Bytes& bytes() const { return out_; }
    Bytes take() { return std::move(out_); }

private:
    Bytes out_;
};

// True when the bytes are well-formed UTF-8 (no overlongs, no surrogates).
bool isValidUtf8(std::span<const uint8_t> bytes);
