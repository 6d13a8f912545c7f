#pragma once
// Writes one LZFSE version 2 block from a parsed list of triplets.
#include "Plattform/Lzfse/LzfseMemory.h"

#include <cstdint>
#include <span>

namespace lzfse {

// L literal bytes, then M bytes copied from D back (D >= 1, counted in the
// whole output). Values within the format's limits.
struct Triplet {
    uint32_t l;
    uint32_t m;
    uint32_t d;
};

// Block limits of our encoder, a little inside the format's so that the
// literal count rounded up to a multiple of 4 still fits.
constexpr uint32_t encoderMaxMatches = 9992;
constexpr uint32_t encoderMaxLiterals = 39984;

// Appends a `bvx2` block. `literals` are the bytes the triplets' L parts take
// in order; the block decodes to the sum of L + M.
void encodeLzfseBlock(std::span<const Triplet> triplets, std::span<const uint8_t> literals, Bytes& out);

}  // namespace lzfse
