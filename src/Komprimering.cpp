#include "Komprimering.h"

#include "Plattform/Lzfse.h"

#include <algorithm>
#include <cstring>

Bytes komprimerad(std::span<const uint8_t> data) { return lzfse::encode(data); }

std::optional<Bytes> dekomprimerad(std::span<const uint8_t> data, int64_t originalstorlek) {
    // A document body is never empty, so an empty result is as much a
    // failure as a damaged stream.
    if (originalstorlek <= 0) return std::nullopt;
    return lzfse::decode(data, size_t(originalstorlek));
}

bool avkodasTill(std::span<const uint8_t> komprimerat, std::span<const uint8_t> data) {
    try {
        lzfse::WindowedDecoder avkodare(komprimerat, data.size());
        ByteReader läsare(avkodare, data.size());
        constexpr size_t bit = size_t(1) << 16;
        for (size_t i = 0; i < data.size(); i += bit) {
            size_t n = std::min(bit, data.size() - i);
            if (std::memcmp(läsare.take(n).data(), data.data() + i, n) != 0) return false;
        }
        avkodare.finish();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
