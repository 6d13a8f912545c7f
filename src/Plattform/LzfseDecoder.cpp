// The stream decoder: walks the blocks, bounds every block by the input that
// holds it and by the output the caller expects, and hands the compressed
// kinds to their block decoders.
#include "Plattform/Lzfse.h"
#include "Plattform/LzfseBlockDecoders.h"
#include "Plattform/LzfseFormat.h"
#include "Plattform/LzfseHeader.h"

#include <algorithm>
#include <cstring>

namespace lzfse {
namespace {

// Most bytes one payload byte of an LZVN block can stand for (a two-byte
// large match gives 271). Bounds the room a block may claim before it is
// allocated.
constexpr uint64_t lzvnMaxExpansion = 136;

// Decodes a whole stream into at most `expectedSize` bytes; with `exact`,
// a stream of any other length is refused.
std::optional<Bytes> decodeStream(std::span<const uint8_t> in, size_t expectedSize, bool exact) {
    Bytes out;
    size_t ip = 0;

    // Makes room for a block of `size` bytes; false when it would pass the
    // expected size.
    auto grow = [&](uint64_t size) {
        if (size > expectedSize - out.size()) return false;
        size_t wanted = out.size() + size_t(size);
        if (wanted > out.capacity()) out.reserve(std::max(wanted, std::min(expectedSize, 2 * out.capacity())));
        out.resize(wanted);
        return true;
    };

    for (;;) {
        if (in.size() - ip < 4) return std::nullopt;
        const std::span<const uint8_t> block = in.subspan(ip);
        const uint32_t magic = load32(block.data());
        switch (magic) {
            case magicEnd:
                if (exact && out.size() != expectedSize) return std::nullopt;
                return out;

            case magicRaw: {
                if (block.size() < 8) return std::nullopt;
                uint32_t n = load32(block.data() + 4);
                if (n > block.size() - 8) return std::nullopt;
                size_t at = out.size();
                if (!grow(n)) return std::nullopt;
                if (n > 0) std::memcpy(out.data() + at, block.data() + 8, n);
                ip += 8 + size_t(n);
                break;
            }

            case magicLzvn: {
                if (block.size() < 12) return std::nullopt;
                uint32_t nRaw = load32(block.data() + 4), nPayload = load32(block.data() + 8);
                if (nPayload > block.size() - 12 || nRaw == 0) return std::nullopt;
                if (nRaw > uint64_t(nPayload) * lzvnMaxExpansion) return std::nullopt;
                size_t at = out.size();
                if (!grow(nRaw)) return std::nullopt;
                OutputWindow window{out.data(), at, out.size()};
                if (!decodeLzvnBlock(block.subspan(12, nPayload), window)) return std::nullopt;
                ip += 12 + size_t(nPayload);
                break;
            }

            case magicV1:
            case magicV2: {
                LzfseBlockHeader h;
                size_t headerSize = magic == magicV1 ? readV1Header(block, h) : readV2Header(block, h);
                if (headerSize == 0) return std::nullopt;
                uint64_t payloadSize = uint64_t(h.nLiteralPayloadBytes) + h.nLmdPayloadBytes;
                if (payloadSize > block.size() - headerSize) return std::nullopt;
                if (uint64_t(h.nRawBytes) > uint64_t(h.nLiterals) + uint64_t(h.nMatches) * maxM) return std::nullopt;
                size_t at = out.size();
                if (!grow(h.nRawBytes)) return std::nullopt;
                OutputWindow window{out.data(), at, out.size()};
                if (!decodeLzfseBlock(h, block.subspan(headerSize, size_t(payloadSize)), window)) return std::nullopt;
                ip += headerSize + size_t(payloadSize);
                break;
            }

            default:
                return std::nullopt;
        }
    }
}

}  // namespace

std::optional<Bytes> decode(std::span<const uint8_t> in, size_t expectedSize) {
    return decodeStream(in, expectedSize, true);
}

std::optional<Bytes> decodeUpTo(std::span<const uint8_t> in, size_t maxSize) {
    return decodeStream(in, maxSize, false);
}

}  // namespace lzfse
