#pragma once
// Walks the blocks of a stream: reads each block's header, bounds the block
// by the input that holds it and by the output still allowed, and decodes it
// into room its caller provides. Shared by the whole-stream decoder and the
// windowed one, which differ only in where the output goes.
#include "Plattform/Lzfse/LzfseBlockDecoders.h"
#include "Plattform/Lzfse/LzfseHeader.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace lzfse {

class BlockWalker {
public:
    // At most `limit` bytes of output in all.
    BlockWalker(std::span<const uint8_t> in, size_t limit) : in_(in), limit_(limit) {}

    enum class Next { block, end, damaged };
    // Reads the next block's header. On `block`, blockSize() is what the
    // block decodes to, already checked against the limit.
    Next next();
    size_t blockSize() const { return size_; }
    // Decodes the block `next` announced into out.data[out.pos, out.end),
    // which must be blockSize() bytes; bytes before out.pos are the output
    // so far (at least the last `maxHistory` of it). False when damaged.
    bool decode(OutputWindow out);
    // Bytes of output announced so far, the current block's included.
    size_t produced() const { return produced_; }
    // Bytes of input up to the end of the block `next` announced: the walk
    // never reads them again.
    size_t consumed() const { return ip_; }

private:
    std::span<const uint8_t> in_;
    size_t ip_ = 0;
    size_t limit_;
    size_t produced_ = 0;
    uint32_t magic_ = 0;
    size_t size_ = 0;
    std::span<const uint8_t> payload_;
    LzfseBlockHeader header_;
    LzfseSymbols symbols_;
};

}  // namespace lzfse
