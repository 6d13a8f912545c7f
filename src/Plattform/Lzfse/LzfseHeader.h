#pragma once
// The header of an LZFSE block, in its two stored forms: version 1 (plain
// fields) and version 2 (packed fields and coded frequency tables).
#include "Plattform/Lzfse/LzfseMemory.h"
#include "Plattform/Lzfse/LzfseFormat.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace lzfse {

struct LzfseBlockHeader {
    uint32_t nRawBytes = 0;
    uint32_t nLiterals = 0;
    uint32_t nMatches = 0;
    uint32_t nLiteralPayloadBytes = 0;
    uint32_t nLmdPayloadBytes = 0;
    int32_t literalBits = 0;
    int32_t lmdBits = 0;
    uint16_t literalState[4] = {};
    uint16_t lState = 0, mState = 0, dState = 0;
    uint16_t lFreq[lSymbols] = {};
    uint16_t mFreq[mSymbols] = {};
    uint16_t dFreq[dSymbols] = {};
    uint16_t literalFreq[literalSymbols] = {};
};

// Each reads the header at the start of `block` (magic included) and gives
// the header's size in bytes, or 0 when it is incomplete or malformed.
size_t readV1Header(std::span<const uint8_t> block, LzfseBlockHeader& h);
size_t readV2Header(std::span<const uint8_t> block, LzfseBlockHeader& h);

// Appends the header with its magic. Version 2 fields must fit their widths.
void writeV2Header(const LzfseBlockHeader& h, Bytes& out);
void writeV1Header(const LzfseBlockHeader& h, Bytes& out);

}  // namespace lzfse
