#pragma once
// Our LZFSE codec: reads every block kind of the stream format (raw, LZVN,
// LZFSE version 1 and 2) and writes LZFSE version 2 blocks, falling back to
// raw blocks where compression does not pay.
#include "Plattform/Bytes.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

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

}  // namespace lzfse
