#pragma once
// Our LZFSE codec: reads every block kind of the stream format (raw, LZVN,
// LZFSE version 1 and 2) and writes LZFSE version 2 blocks, falling back to
// raw blocks where compression does not pay.
#include "Plattform/Lzfse/LzfseMemory.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>

namespace lzfse {

// Decodes a whole stream. Gives none when the stream is damaged, ends early,
// or does not decode to exactly `expectedSize` bytes; an intact stream of an
// empty input gives an empty block. Never reads outside `in` and never
// produces more than `expectedSize` bytes, whatever the input holds.
std::optional<Bytes> decode(std::span<const uint8_t> in, size_t expectedSize);

// Decodes a whole stream of unknown decoded length, up to `maxSize` bytes
// (for tools; documents always know their body length).
std::optional<Bytes> decodeUpTo(std::span<const uint8_t> in, size_t maxSize);

// Encodes `in` as a stream ending with the end marker. Never fails: parts
// that do not compress are stored in raw blocks, so the result is at most
// slightly larger than the input.
Bytes encode(std::span<const uint8_t> in);

class MatchTables;

// Encodes like `encode`, byte for byte, but keeps the match finder's
// tables (about 1.3 MB) from one input to the next instead of setting them
// up for each: for encoding many small inputs.
class Encoder {
public:
    Encoder();
    ~Encoder();
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;

    Bytes encode(std::span<const uint8_t> in);

private:
    std::unique_ptr<MatchTables> tables_;
};

// Encodes an input handed over a piece at a time to exactly the bytes that
// `encode` gives for the whole of it. Once the input is large enough to be
// worth it, it is parsed by several threads while the pieces still come,
// and only what later matches and the block being gathered may still reach
// back into is kept: a large input never stands in memory whole. A writer
// that runs far ahead of the parse waits for it.
class StreamEncoder {
public:
    struct Options {
        size_t segment = size_t(1) << 20;     // bytes a thread parses at a time
        unsigned threads = 0;                 // 0: one per processor
        size_t streamFrom = size_t(4) << 20;  // smaller inputs are encoded whole
        size_t largestInput = size_t(2) << 30;
    };
    StreamEncoder() : StreamEncoder(Options{}) {}
    explicit StreamEncoder(Options options);
    ~StreamEncoder();
    StreamEncoder(const StreamEncoder&) = delete;
    StreamEncoder& operator=(const StreamEncoder&) = delete;

    // Throws std::length_error past the largest input (or past the room
    // the process could reserve for it), and whatever stopped the encoding
    // on its threads.
    void write(std::span<const uint8_t> bytes);
    // The input bytes written so far.
    size_t size() const { return size_; }
    // The whole stream, end marker included. The encoder is spent after it.
    Bytes finish();

private:
    class Pipeline;
    Options options_;
    size_t size_ = 0;
    Bytes small_;  // the input until it is large enough to stream
    std::unique_ptr<Pipeline> pipeline_;
};

// Thrown by the windowed decoder for a damaged stream, or one that does not
// decode to the size it was opened with.
class DamagedStream : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Decodes a stream of a known decoded size a block at a time into a window
// that keeps only what later blocks may refer back to and what its reader
// has not taken yet: a large stream is read through a small buffer that
// stays in cache, and never stands in memory whole.
class WindowedDecoder {
public:
    // When blocks are decoded: as the reader needs them, or (for a large
    // stream) on a thread of their own ahead of the reader, so that
    // decoding and reading go on side by side.
    enum class Ahead { never, whenLarge, always };
    WindowedDecoder(std::span<const uint8_t> in, size_t size, Ahead ahead = Ahead::whenLarge);
    ~WindowedDecoder();

    // Throws DamagedStream once the blocks needed for the view fail.
    // The bytes from stream offset `offset` on, at least `need` of them, as
    // far as they are at hand; asked only forward, within the stream's size.
    std::span<const uint8_t> view(size_t offset, size_t need);
    // Decodes the blocks not yet read, to prove the whole stream sound and
    // of exactly the size given. Throws DamagedStream.
    void finish();
    // Bytes at the start of the input that the decoder will not read again.
    size_t inputDone() const;

    // The two ways of decoding: in step with the reader, or ahead of it.
    class Decoding;

private:
    std::unique_ptr<Decoding> decoding_;
};

}  // namespace lzfse
