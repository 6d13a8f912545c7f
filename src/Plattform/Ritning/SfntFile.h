#pragma once
// An OpenType or TrueType font file as its bytes: their big-endian numbers,
// the table directory, and the checksums its tables carry.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace fonts::sfnt {

inline uint16_t be16(const uint8_t* p) { return static_cast<uint16_t>(p[0] << 8 | p[1]); }
inline uint32_t be32(const uint8_t* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

// The largest font file read whole: the faces the font configuration names
// are a few hundred kilobytes.
inline constexpr uint64_t largestFile = uint64_t{32} << 20;

// The bytes added up as big-endian words, the last padded with zeros: a
// table's checksum.
uint32_t checksum(std::span<const uint8_t> bytes);

// The number of tables of an OpenType or TrueType font (not a collection)
// whose table directory and every table lie within the bytes; none for
// anything else.
std::optional<size_t> tableCount(std::span<const uint8_t> font);

}  // namespace fonts::sfnt
