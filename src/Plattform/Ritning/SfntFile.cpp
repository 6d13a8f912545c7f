#include "Plattform/Ritning/SfntFile.h"

namespace fonts::sfnt {

uint32_t checksum(std::span<const uint8_t> bytes) {
    uint32_t sum = 0;
    for (size_t i = 0; i < bytes.size(); i += 4) {
        uint8_t word[4] = {};
        for (size_t k = 0; k < 4 && i + k < bytes.size(); ++k) word[k] = bytes[i + k];
        sum += be32(word);
    }
    return sum;
}

std::optional<size_t> tableCount(std::span<const uint8_t> font) {
    // TrueType outlines, by either tag, or CFF ones.
    constexpr uint32_t trueType = 0x00010000, apple = 0x74727565, cff = 0x4F54544F;
    if (font.size() < 12) return std::nullopt;
    if (const uint32_t version = be32(font.data()); version != trueType && version != apple && version != cff)
        return std::nullopt;
    const size_t tables = be16(font.data() + 4);
    if (12 + 16 * tables > font.size()) return std::nullopt;
    for (size_t i = 0; i < tables; ++i) {
        const uint8_t* entry = font.data() + 12 + 16 * i;
        if (uint64_t{be32(entry + 8)} + be32(entry + 12) > font.size()) return std::nullopt;
    }
    return tables;
}

}  // namespace fonts::sfnt
