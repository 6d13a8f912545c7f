#pragma once
// Byte blocks and the bounded memory streams that the document body is
// written to and read from. These know nothing of records; the record
// primitives live in Strommar.h.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

using Bytes = std::vector<uint8_t>;

// Thrown when a reader is asked for more bytes than remain, or when stored
// bytes break the encoding (a negative length, invalid UTF-8, ...).
class FormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where a reader gets the bytes past its current view: a stream decoded a
// piece at a time, so that the whole never needs to be in memory at once.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // The bytes from stream offset `offset` on, at least `need` of them, as
    // far as they are at hand. The reader asks only within the stream's
    // size and never goes back, so the source may drop what lies before
    // `offset`; the view stays valid until the next call.
    virtual std::span<const uint8_t> view(size_t offset, size_t need) = 0;
};

// Where a writer hands its bytes on, a piece at a time, instead of keeping
// them: a large stream need not stand in memory whole.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    // The next bytes of the stream; the span is valid during the call only.
    virtual void write(std::span<const uint8_t> bytes) = 0;
};

class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes), size_(bytes.size()) {}
    // Reads `size` bytes that `source` hands over piece by piece.
    ByteReader(ByteSource& source, size_t size) : size_(size), source_(&source) {}

    size_t position() const { return offset_ + pos_; }
    size_t remaining() const { return size_ - position(); }
    bool atEnd() const { return position() == size_; }

    // The reads are inline: documents hold millions of them.
    std::span<const uint8_t> take(size_t count) {
        if (count > bytes_.size() - pos_) [[unlikely]] fetch(count);
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
    // Makes `count` bytes from the position on available in the view, or
    // throws when the stream has fewer left.
    void fetch(size_t count);
    [[noreturn]] void throwShort(size_t count) const;

    std::span<const uint8_t> bytes_;  // the view, starting at stream offset offset_
    size_t pos_ = 0;                  // within the view
    size_t offset_ = 0;
    size_t size_;
    ByteSource* source_ = nullptr;
};

class ByteWriter {
public:
    ByteWriter() = default;
    // A writer that hands what it writes on to `sink` whenever about `piece`
    // bytes have gathered, keeping no more than that; flush() hands on the
    // rest. Its bytes() are only what it has not handed on yet.
    ByteWriter(ByteSink& sink, size_t piece) : sink_(&sink), piece_(piece) {}

    // Makes room for `total` bytes in all, so that a writer whose size is
    // known roughly grows its block once. Room that is never written is
    // never touched, so a generous guess costs no memory.
    void reserve(size_t total) {
        if (total > out_.capacity()) out_.reserve(total);
    }

    // The writes are inline, like the reads: a document body is millions
    // of them. The block is kept ahead of what was written (`used_`), so a
    // write is a copy, and trimmed when it is handed out.
    void append(std::span<const uint8_t> bytes) {
        if (!bytes.empty()) std::memcpy(room(bytes.size()), bytes.data(), bytes.size());
    }
    void u8(uint8_t v) { *room(1) = v; }
    void u32(uint32_t v);
    void i64(int64_t v) {
        auto u = static_cast<uint64_t>(v);
        uint8_t* b = room(8);
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(b, &u, 8);
        } else {
            for (int i = 0; i < 8; ++i) b[i] = uint8_t(u >> (8 * i));
        }
    }
    void f64(double v);

    const Bytes& bytes() const {
        out_.resize(used_);
        return out_;
    }
    Bytes take() {
        out_.resize(used_);
        used_ = 0;
        return std::move(out_);
    }
    // Every byte written so far, handed on or not.
    size_t written() const { return handedOn_ + used_; }
    // Hands what has gathered on to the sink.
    void flush();

private:
    uint8_t* room(size_t count) {
        if (out_.size() - used_ < count) [[unlikely]] grow(count);
        uint8_t* at = out_.data() + used_;
        used_ += count;
        return at;
    }
    void grow(size_t count);

    mutable Bytes out_;
    size_t used_ = 0;
    ByteSink* sink_ = nullptr;
    size_t piece_ = 0;
    size_t handedOn_ = 0;
};

// True when every byte is below 0x80. Inline and branch-light: most stored
// texts are short and ASCII, and a large ledger checks millions of them.
inline bool isAscii(std::span<const uint8_t> bytes) {
    const uint8_t* p = bytes.data();
    const size_t n = bytes.size();
    auto word = [](const uint8_t* at, auto w) {
        std::memcpy(&w, at, sizeof w);
        return w;
    };
    if (n >= 8) {
        // Whole words, and a last one that may overlap the one before.
        uint64_t seen = word(p + n - 8, uint64_t());
        for (size_t i = 0; i + 8 <= n; i += 8) seen |= word(p + i, uint64_t());
        return !(seen & 0x8080808080808080ULL);
    }
    if (n >= 4) return !((word(p, uint32_t()) | word(p + n - 4, uint32_t())) & 0x80808080U);
    uint8_t seen = 0;
    for (size_t i = 0; i < n; ++i) seen |= p[i];
    return seen < 0x80;
}

inline bool isAscii(std::string_view text) {
    return isAscii(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

// The check of bytes that are not all ASCII; use isValidUtf8.
bool isValidMixedUtf8(std::span<const uint8_t> bytes);

// True when the bytes are well-formed UTF-8 (no overlongs, no surrogates).
inline bool isValidUtf8(std::span<const uint8_t> bytes) { return isAscii(bytes) || isValidMixedUtf8(bytes); }

// Writes code point `c` (at most 0x10FFFF) as UTF-8 at `out` and gives the
// number of bytes written, 1 to 4.
inline size_t writeUtf8(uint8_t* out, uint32_t c) {
    if (c < 0x80) {
        out[0] = static_cast<uint8_t>(c);
        return 1;
    }
    if (c < 0x800) {
        out[0] = static_cast<uint8_t>(0xC0 | (c >> 6));
        out[1] = static_cast<uint8_t>(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        out[0] = static_cast<uint8_t>(0xE0 | (c >> 12));
        out[1] = static_cast<uint8_t>(0x80 | ((c >> 6) & 0x3F));
        out[2] = static_cast<uint8_t>(0x80 | (c & 0x3F));
        return 3;
    }
    out[0] = static_cast<uint8_t>(0xF0 | (c >> 18));
    out[1] = static_cast<uint8_t>(0x80 | ((c >> 12) & 0x3F));
    out[2] = static_cast<uint8_t>(0x80 | ((c >> 6) & 0x3F));
    out[3] = static_cast<uint8_t>(0x80 | (c & 0x3F));
    return 4;
}

// Appends code point `c` as UTF-8 to `out` (Bytes or std::string).
template <class Text>
void appendUtf8(Text& out, uint32_t c) {
    uint8_t b[4];
    out.insert(out.end(), b, b + writeUtf8(b, c));
}

// UTF-16 of the given byte order as UTF-8; nothing for an odd number of
// bytes or a surrogate without its partner.
std::optional<Bytes> utf16ToUtf8(std::span<const uint8_t> utf16, bool bigEndian);
