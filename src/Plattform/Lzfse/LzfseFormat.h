#pragma once
// Fixed parameters of the LZFSE stream format shared by decoder and encoder.
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

namespace lzfse {

constexpr uint32_t magicEnd = 0x24787662;   // "bvx$"
constexpr uint32_t magicRaw = 0x2D787662;   // "bvx-"
constexpr uint32_t magicLzvn = 0x6E787662;  // "bvxn"
constexpr uint32_t magicV1 = 0x31787662;    // "bvx1"
constexpr uint32_t magicV2 = 0x32787662;    // "bvx2"

constexpr int literalStates = 1024, lStates = 64, mStates = 64, dStates = 256;
constexpr int literalSymbols = 256, lSymbols = 20, mSymbols = 20, dSymbols = 64;

constexpr uint32_t maxLiteralsPerBlock = 40000;
constexpr uint32_t maxMatchesPerBlock = 10000;
constexpr uint32_t maxL = 315, maxM = 2359, maxD = 262139;
// The farthest any block refers back into earlier output (LZVN distances
// stop at 65535).
constexpr size_t maxHistory = 262144;

constexpr size_t v1HeaderSize = 772;
constexpr size_t v2FixedHeaderSize = 32;

// Value ranges of the L, M and D symbols: symbol s stands for
// base[s] .. base[s] + 2^extra[s] - 1.
inline constexpr uint8_t lExtraBits[lSymbols] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 3, 5, 8};
inline constexpr int32_t lBase[lSymbols] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 20, 28, 60};
inline constexpr uint8_t mExtraBits[mSymbols] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 5, 8, 11};
inline constexpr int32_t mBase[mSymbols] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 24, 56, 312};

struct DistanceTables {
    uint8_t extra[dSymbols];
    int32_t base[dSymbols];
};
constexpr DistanceTables makeDistanceTables() {
    DistanceTables t{};
    for (int s = 0; s < dSymbols; ++s) {
        t.extra[s] = uint8_t(s / 4);
        t.base[s] = (4 + s % 4) * (1 << (s / 4)) - 4;
    }
    return t;
}
inline constexpr DistanceTables distanceTables = makeDistanceTables();
inline constexpr const uint8_t* dExtraBits = distanceTables.extra;
inline constexpr const int32_t* dBase = distanceTables.base;

inline int lSymbol(uint32_t v) { return v < 16 ? int(v) : v < 20 ? 16 : v < 28 ? 17 : v < 60 ? 18 : 19; }
inline int mSymbol(uint32_t v) { return v < 16 ? int(v) : v < 24 ? 16 : v < 56 ? 17 : v < 312 ? 18 : 19; }
inline int dSymbol(uint32_t v) {
    int g = std::bit_width(v + 4) - 3;
    return 4 * g + int((v + 4) >> g) - 4;
}

inline uint32_t load32(const uint8_t* p) {
    uint32_t v;
    std::memcpy(&v, p, 4);
    return v;  // the formats are little-endian and so is every target we build for
}
inline uint64_t load64(const uint8_t* p) {
    uint64_t v;
    std::memcpy(&v, p, 8);
    return v;
}
inline void store64(uint8_t* p, uint64_t v) { std::memcpy(p, &v, 8); }
inline void appendLe32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

}  // namespace lzfse
