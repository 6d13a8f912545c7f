// libFuzzer target for the LZFSE decoder alone. The first two bytes give
// the size to expect (little-endian, so at most 64 KiB and every run stays
// fast); the rest is the stream. A stream decodes to none or to exactly
// the size asked for, and agrees with the decoder that is not told the
// size, and with the windowed decoder read a piece at a time, in step and
// on a thread of its own.
#include "Plattform/Lzfse/Lzfse.h"

#include <algorithm>
#include <cstdlib>

using lzfse::Bytes;

namespace {

std::optional<Bytes> windowed(std::span<const uint8_t> stream, size_t size, lzfse::WindowedDecoder::Ahead ahead) {
    try {
        lzfse::WindowedDecoder decoder(stream, size, ahead);
        Bytes out;
        while (out.size() < size) {
            const size_t n = std::min<size_t>(4093, size - out.size());
            auto piece = decoder.view(out.size(), n).first(n);
            out.insert(out.end(), piece.begin(), piece.end());
        }
        decoder.finish();
        return out;
    } catch (const lzfse::DamagedStream&) {
        return std::nullopt;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const size_t expected = size_t(data[0]) | size_t(data[1]) << 8;
    std::span<const uint8_t> stream(data + 2, size - 2);

    auto decoded = lzfse::decode(stream, expected);
    auto upTo = lzfse::decodeUpTo(stream, 0xFFFF);
    if (decoded && (decoded->size() != expected || !upTo || *upTo != *decoded)) std::abort();
    if (upTo && upTo->size() == expected && !decoded) std::abort();
    for (auto ahead : {lzfse::WindowedDecoder::Ahead::never, lzfse::WindowedDecoder::Ahead::always})
        if (windowed(stream, expected, ahead) != decoded) std::abort();
    return 0;
}
