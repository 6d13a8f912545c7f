#pragma once
// Collects the parse's triplets into LZFSE blocks and writes each block when
// it is full. A block that would not be smaller than its bytes stored raw
// is stored raw instead; matches still reach back into it from later blocks.
#include "Plattform/Lzfse/LzfseMemory.h"
#include "Plattform/Lzfse/LzfseBlockEncoder.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace lzfse {

class BlockAssembler {
public:
    // `in` is the whole input, or room that holds it as far as it is added.
    BlockAssembler(std::span<const uint8_t> in, Bytes& out) : in_(in), out_(out) {}

    // The first input position the pending block may still read (a raw
    // block takes its bytes from the input).
    size_t pendingFrom() const { return blockStart_; }

    // The literals in[literalStart, +literalCount), then a match of `length`
    // bytes at `distance` (length 0: literals only).
    void add(size_t literalStart, size_t literalCount, size_t length, uint32_t distance);

    void finish() { flush(); }

private:
    void push(uint32_t l, uint32_t m, uint32_t distance, const uint8_t* literals);
    void flush();

    std::span<const uint8_t> in_;
    Bytes& out_;
    std::vector<Triplet> triplets_;
    Bytes literals_;
    size_t blockStart_ = 0, blockEnd_ = 0;  // the input positions the pending block covers
};

void appendRawBlock(std::span<const uint8_t> bytes, Bytes& out);

}  // namespace lzfse
