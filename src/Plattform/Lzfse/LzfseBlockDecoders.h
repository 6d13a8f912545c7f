#pragma once
// Decoders of the compressed block kinds. Each appends one block's bytes to
// the output, which stays available for back-references of later blocks.
#include "Plattform/Lzfse/LzfseHeader.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>

namespace lzfse {

// The whole stream's output so far plus room for the block being decoded:
// the block writes data[pos .. end), and must fill it exactly.
struct OutputWindow {
    uint8_t* data;
    size_t pos;
    size_t end;
};

// How far past their end the wide copies below may write (and the literal
// copy read): a caller takes the fast path only when the block has this much
// room left beyond the bytes it copies. Later literals and matches overwrite
// what lands there, since a block must fill its room exactly.
inline constexpr size_t wideCopySlack = 32;

// `payload` is the LZVN instruction stream of one block.
bool decodeLzvnBlock(std::span<const uint8_t> payload, OutputWindow& out);

// One LZFSE block's symbols, decoded ahead of the copies that make its
// output: the literal bytes, with slack so that runs of them may be copied
// in whole words, and the (L, M, D) triplets with every repeated distance
// resolved. Kept from block to block; the room is taken at the first LZFSE
// block, so that a walk that never decodes one here takes none.
struct LzfseSymbols {
    struct Triplet {
        uint16_t literals;  // L, at most 315
        uint16_t match;     // M, at most 2359
        uint32_t distance;  // D, never 0 once resolved
    };
    static constexpr size_t literalSlack = wideCopySlack;

    void makeRoom() {
        if (literals) return;
        literals = std::make_unique_for_overwrite<uint8_t[]>(maxLiteralsPerBlock + literalSlack);
        triplets = std::make_unique_for_overwrite<Triplet[]>(maxMatchesPerBlock);
    }

    std::unique_ptr<uint8_t[]> literals;
    std::unique_ptr<Triplet[]> triplets;
    uint32_t nLiterals = 0;
    uint32_t nMatches = 0;
    size_t nRawBytes = 0;
};

// `payloads` holds the literal payload followed by the LMD payload, with the
// sizes the header gives. The two halves of decoding an LZFSE block: the
// entropy decoding, which needs no output, then the copies. Either is false
// when the block is damaged.
bool decodeLzfseSymbols(const LzfseBlockHeader& h, std::span<const uint8_t> payloads, LzfseSymbols& into);
bool copyLzfseSymbols(const LzfseSymbols& symbols, OutputWindow& out);

inline void copy16(uint8_t* dst, const uint8_t* src) { std::memcpy(dst, src, 16); }

// Most runs are shorter than one word, so the first goes unconditionally.
inline void copyLiterals(uint8_t* dst, const uint8_t* src, size_t length) {
    copy16(dst, src);
    for (size_t i = 16; i < length; i += 16) copy16(dst + i, src + i);
}

// Copies `length` bytes from `distance` back, byte by byte in effect, so an
// overlapping source repeats its pattern, in whole words. Each word reads
// only bytes the copy has already put down.
inline void copyMatchWide(uint8_t* dst, size_t distance, size_t length) {
    const uint8_t* src = dst - distance;
    if (distance >= 16) [[likely]] {
        copy16(dst, src);
        copy16(dst + 16, src + 16);
        for (size_t i = 32; i < length; i += 16) copy16(dst + i, src + i);
        return;
    }
    if (distance >= 8) {
        for (size_t i = 0; i < length; i += 8) store64(dst + i, load64(src + i));
        return;
    }
    // A pattern shorter than a word: one word holds it repeated from its
    // start, and goes down at every whole number of periods.
    static constexpr uint64_t repeat[8] = {0, 0x0101010101010101, 0x0001000100010001, 0x0001000001000001,
                                           0x0000000100000001, 0x0000010000000001, 0x0001000000000001,
                                           0x0100000000000001};
    const uint64_t pattern = load64(src) & ((uint64_t(1) << (8 * distance)) - 1);
    const uint64_t word = pattern * repeat[distance];
    const size_t stride = 8 - 8 % distance;
    for (size_t i = 0; i < length; i += stride) store64(dst + i, word);
}

// copyMatchWide where the block leaves room, else a byte at a time. The
// caller has checked that the source and `length` bytes at `pos` lie in the
// buffer.
inline void copyMatch(uint8_t* data, size_t pos, size_t end, size_t distance, size_t length) {
    if (end - pos >= length + wideCopySlack) return copyMatchWide(data + pos, distance, length);
    uint8_t* dst = data + pos;
    const uint8_t* src = dst - distance;
    for (size_t i = 0; i < length; ++i) dst[i] = src[i];
}

}  // namespace lzfse
