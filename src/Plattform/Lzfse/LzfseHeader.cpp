#include "Plattform/Lzfse/LzfseHeader.h"

namespace lzfse {
namespace {

// Frequencies in the order the version 2 header codes them.
template <typename F>
void forEachFrequency(F visit, LzfseBlockHeader& h) {
    for (auto& f : h.lFreq) visit(f);
    for (auto& f : h.mFreq) visit(f);
    for (auto& f : h.dFreq) visit(f);
    for (auto& f : h.literalFreq) visit(f);
}

uint16_t le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

void put16(Bytes& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}
void put64(Bytes& out, uint64_t v) {
    for (int i = 0; i < 8; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

// The variable-length code of one frequency value: (code, length in bits).
std::pair<uint32_t, int> frequencyCode(uint32_t v) {
    static constexpr uint8_t smallCodes[8] = {0, 2, 1, 5, 3, 11, 19, 27};
    static constexpr uint8_t smallLengths[8] = {2, 2, 3, 3, 5, 5, 5, 5};
    if (v < 8) return {smallCodes[v], smallLengths[v]};
    if (v < 24) return {7 + ((v - 8) << 4), 8};
    return {15 + ((v - 24) << 4), 14};
}

}  // namespace

size_t readV1Header(std::span<const uint8_t> block, LzfseBlockHeader& h) {
    if (block.size() < v1HeaderSize) return 0;
    const uint8_t* p = block.data();
    h.nRawBytes = load32(p + 4);
    h.nLiterals = load32(p + 12);
    h.nMatches = load32(p + 16);
    h.nLiteralPayloadBytes = load32(p + 20);
    h.nLmdPayloadBytes = load32(p + 24);
    h.literalBits = int32_t(load32(p + 28));
    for (int i = 0; i < 4; ++i) h.literalState[i] = le16(p + 32 + 2 * i);
    h.lmdBits = int32_t(load32(p + 40));
    h.lState = le16(p + 44);
    h.mState = le16(p + 46);
    h.dState = le16(p + 48);
    const uint8_t* f = p + 50;
    forEachFrequency([&](uint16_t& v) { v = le16(f), f += 2; }, h);
    return v1HeaderSize;
}

size_t readV2Header(std::span<const uint8_t> block, LzfseBlockHeader& h) {
    if (block.size() < v2FixedHeaderSize) return 0;
    const uint8_t* p = block.data();
    auto field = [](uint64_t word, int first, int width) { return uint32_t((word >> first) & ((uint64_t(1) << width) - 1)); };
    uint64_t a = load64(p + 8), b = load64(p + 16), c = load64(p + 24);
    h.nRawBytes = load32(p + 4);
    h.nLiterals = field(a, 0, 20);
    h.nLiteralPayloadBytes = field(a, 20, 20);
    h.nMatches = field(a, 40, 20);
    h.literalBits = int32_t(field(a, 60, 3)) - 7;
    for (int i = 0; i < 4; ++i) h.literalState[i] = uint16_t(field(b, 10 * i, 10));
    h.nLmdPayloadBytes = field(b, 40, 20);
    h.lmdBits = int32_t(field(b, 60, 3)) - 7;
    uint32_t headerSize = field(c, 0, 32);
    h.lState = uint16_t(field(c, 32, 10));
    h.mState = uint16_t(field(c, 42, 10));
    h.dState = uint16_t(field(c, 52, 10));

    if (headerSize < v2FixedHeaderSize || headerSize > block.size()) return 0;
    if (headerSize == v2FixedHeaderSize) {
        forEachFrequency([](uint16_t& v) { v = 0; }, h);
        return headerSize;
    }
    // The codes are read from a little bit buffer refilled byte by byte; a
    // code never needs bits beyond the header's end.
    const uint8_t* src = p + v2FixedHeaderSize;
    const uint8_t* end = p + headerSize;
    uint32_t acc = 0;
    int avail = 0;
    bool ok = true;
    forEachFrequency(
        [&](uint16_t& v) {
            while (avail <= 24 && src < end) {
                acc |= uint32_t(*src++) << avail;
                avail += 8;
            }
            int len;
            if ((acc & 1) == 0) len = 2, v = uint16_t((acc >> 1) & 1);
            else if ((acc & 2) == 0) len = 3, v = uint16_t(2 + ((acc >> 2) & 1));
            else if ((acc & 4) == 0) len = 5, v = uint16_t(4 + ((acc >> 3) & 3));
            else if ((acc & 8) == 0) len = 8, v = uint16_t(8 + ((acc >> 4) & 15));
            else len = 14, v = uint16_t(24 + ((acc >> 4) & 1023));
            if (len > avail) {
                ok = false;
                len = avail;
            }
            acc >>= len;
            avail -= len;
        },
        h);
    // The codes must end inside the last header byte.
    if (!ok || src != end || avail >= 8) return 0;
    return headerSize;
}

void writeV2Header(const LzfseBlockHeader& header, Bytes& out) {
    LzfseBlockHeader h = header;
    Bytes tables;
    uint64_t acc = 0;
    int count = 0;
    forEachFrequency(
        [&](uint16_t& v) {
            auto [code, len] = frequencyCode(v);
            acc |= uint64_t(code) << count;
            count += len;
            while (count >= 8) {
                tables.push_back(uint8_t(acc));
                acc >>= 8;
                count -= 8;
            }
        },
        h);
    if (count > 0) tables.push_back(uint8_t(acc));

    uint64_t a = uint64_t(h.nLiterals) | uint64_t(h.nLiteralPayloadBytes) << 20 | uint64_t(h.nMatches) << 40 |
                 uint64_t(h.literalBits + 7) << 60;
    uint64_t b = uint64_t(h.literalState[0]) | uint64_t(h.literalState[1]) << 10 |
                 uint64_t(h.literalState[2]) << 20 | uint64_t(h.literalState[3]) << 30 |
                 uint64_t(h.nLmdPayloadBytes) << 40 | uint64_t(h.lmdBits + 7) << 60;
    uint64_t c = uint64_t(v2FixedHeaderSize + tables.size()) | uint64_t(h.lState) << 32 | uint64_t(h.mState) << 42 |
                 uint64_t(h.dState) << 52;
    appendLe32(out, magicV2);
    appendLe32(out, h.nRawBytes);
    put64(out, a);
    put64(out, b);
    put64(out, c);
    out.insert(out.end(), tables.begin(), tables.end());
}

void writeV1Header(const LzfseBlockHeader& header, Bytes& out) {
    LzfseBlockHeader h = header;
    appendLe32(out, magicV1);
    appendLe32(out, h.nRawBytes);
    appendLe32(out, h.nLiteralPayloadBytes + h.nLmdPayloadBytes);
    appendLe32(out, h.nLiterals);
    appendLe32(out, h.nMatches);
    appendLe32(out, h.nLiteralPayloadBytes);
    appendLe32(out, h.nLmdPayloadBytes);
    appendLe32(out, uint32_t(h.literalBits));
    for (auto s : h.literalState) put16(out, s);
    appendLe32(out, uint32_t(h.lmdBits));
    put16(out, h.lState);
    put16(out, h.mState);
    put16(out, h.dState);
    forEachFrequency([&](uint16_t& v) { put16(out, v); }, h);
    put16(out, 0);
}

}  // namespace lzfse
