#include "Exempel/Exempellogotyp.h"

#include <array>
#include <cmath>
#include <string_view>

namespace {

constexpr uint32_t bredd = 240, höjd = 96;

uint32_t crc32(const uint8_t* data, size_t n, uint32_t crc = 0) {
    crc = ~crc;
    for (size_t i = 0; i < n; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void storEndian(Bytes& ut, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) ut.push_back(uint8_t(v >> s));
}

void bit(Bytes& ut, std::string_view typ, const Bytes& data) {
    storEndian(ut, uint32_t(data.size()));
    Bytes kropp(typ.begin(), typ.end());
    kropp.insert(kropp.end(), data.begin(), data.end());
    ut.insert(ut.end(), kropp.begin(), kropp.end());
    storEndian(ut, crc32(kropp.data(), kropp.size()));
}

// The rows as a zlib stream of stored blocks: no compressor needed.
Bytes zlibLagrat(const Bytes& rått) {
    Bytes ut = {0x78, 0x01};
    for (size_t i = 0; i < rått.size() || i == 0;) {
        const size_t n = std::min<size_t>(65535, rått.size() - i);
        const bool sista = i + n == rått.size();
        ut.push_back(sista ? 1 : 0);
        ut.push_back(uint8_t(n)), ut.push_back(uint8_t(n >> 8));
        ut.push_back(uint8_t(~n)), ut.push_back(uint8_t(~n >> 8));
        ut.insert(ut.end(), rått.begin() + std::ptrdiff_t(i), rått.begin() + std::ptrdiff_t(i + n));
        i += n;
        if (sista) break;
    }
    uint32_t a = 1, b = 0;
    for (uint8_t c : rått) a = (a + c) % 65521, b = (b + a) % 65521;
    storEndian(ut, (b << 16) | a);
    return ut;
}

}  // namespace

Bytes exempellogotyp(uint64_t nummer) {
    static constexpr std::array<std::array<uint8_t, 3>, 5> färger = {
        {{0x1f, 0x4e, 0x8c}, {0xb0, 0x28, 0x2e}, {0x2e, 0x7d, 0x32}, {0x6a, 0x1b, 0x9a}, {0xe0, 0x8a, 0x00}}};
    const auto& färg = färger[nummer % färger.size()];
    const bool rund = nummer % 2 == 0;
    Bytes rader;
    rader.reserve((bredd * 4 + 1) * höjd);
    for (uint32_t y = 0; y < höjd; ++y) {
        rader.push_back(0);  // no filter
        for (uint32_t x = 0; x < bredd; ++x) {
            const double dx = x - 46.0, dy = y - 48.0;
            const bool märke = rund ? dx * dx + dy * dy <= 40.0 * 40.0 : std::abs(dx) + std::abs(dy) <= 44;
            const bool hål = märke && std::abs(dx) < 12 && std::abs(dy) < 12;
            const bool text = x >= 100 && x < 228 &&
                              ((y >= 24 && y < 40) || (y >= 48 && y < 58 && x < 200) || (y >= 64 && y < 72 && x < 180));
            if (märke && !hål)
                rader.insert(rader.end(), {färg[0], färg[1], färg[2], 255});
            else if (text)
                rader.insert(rader.end(), {0x33, 0x33, 0x33, 255});
            else
                rader.insert(rader.end(), {255, 255, 255, 0});
        }
    }
    Bytes png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    Bytes huvud;
    storEndian(huvud, bredd), storEndian(huvud, höjd);
    huvud.insert(huvud.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA, not interlaced
    bit(png, "IHDR", huvud);
    bit(png, "IDAT", zlibLagrat(rader));
    bit(png, "IEND", {});
    return png;
}
