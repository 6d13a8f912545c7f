#include "Komprimering.h"

#include "Plattform/Lzfse.h"

Bytes komprimerad(std::span<const uint8_t> data) { return lzfse::encode(data); }

std::optional<Bytes> dekomprimerad(std::span<const uint8_t> data, int64_t originalstorlek) {
    // A document body is never empty, so an empty result is as much a
    // failure as a damaged stream.
    if (originalstorlek <= 0) return std::nullopt;
    return lzfse::decode(data, size_t(originalstorlek));
}
