#pragma once
// Decoders of the compressed block kinds. Each appends one block's bytes to
// the output, which stays available for back-references of later blocks.
#include "Plattform/LzfseHeader.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace lzfse {

// The whole stream's output so far plus room for the block being decoded:
// the block writes data[pos .. end), and must fill it exactly.
struct OutputWindow {
    uint8_t* data;
    size_t pos;
    size_t end;
};

// `payload` is the LZVN instruction stream of one block.
bool decodeLzvnBlock(std::span<const uint8_t> payload, OutputWindow& out);

// `payloads` holds the literal payload followed by the LMD payload, with the
// sizes the header gives.
bool decodeLzfseBlock(const LzfseBlockHeader& h, std::span<const uint8_t> payloads, OutputWindow& out);

// Copies `length` bytes from `distance` back, byte by byte in effect, so an
// overlapping source repeats its pattern. The caller has checked both bounds.
inline void copyMatch(uint8_t* data, size_t pos, size_t end, size_t distance, size_t length) {
    uint8_t* dst = data + pos;
    const uint8_t* src = dst - distance;
    if (distance >= 8 && pos + length + 8 <= end) {
        // Eight bytes at a time; never reads bytes this copy has not yet
        // written because the source stays at least 8 bytes behind.
        for (size_t i = 0; i < length; i += 8) store64(dst + i, load64(src + i));
        return;
    }
    for (size_t i = 0; i < length; ++i) dst[i] = src[i];
}

}  // namespace lzfse
