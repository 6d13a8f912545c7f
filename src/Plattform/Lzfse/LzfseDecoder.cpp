// The whole-stream decoder and the block walk it shares with the windowed
// decoder: every block is bounded by the input that holds it and by the
// output the caller expects before any room is made for it.
#include "Plattform/Lzfse/Lzfse.h"
#include "Plattform/Lzfse/LzfseBlockWalker.h"
#include "Plattform/Lzfse/LzfseFormat.h"
#include "Plattform/Lzfse/LzfseMemory.h"

#include <algorithm>
#include <cstring>

namespace lzfse {
namespace {

// Most bytes one payload byte of an LZVN block can stand for (a two-byte
// large match gives 271). Bounds the room a block may claim before it is
// allocated.
constexpr uint64_t lzvnMaxExpansion = 136;

// Room reserved up front for this many output bytes per input byte: enough
// for every document body, without believing a size no input could hold.
constexpr size_t usualExpansion = 32;

}  // namespace

BlockWalker::Next BlockWalker::next() {
    const std::span<const uint8_t> block = in_.subspan(ip_);
    if (block.size() < 4) return Next::damaged;
    magic_ = load32(block.data());
    uint64_t size = 0;
    switch (magic_) {
        case magicEnd:
            return Next::end;

        case magicRaw: {
            if (block.size() < 8) return Next::damaged;
            size = load32(block.data() + 4);
            if (size > block.size() - 8) return Next::damaged;
            payload_ = block.subspan(8, size_t(size));
            ip_ += 8 + size_t(size);
            break;
        }

        case magicLzvn: {
            if (block.size() < 12) return Next::damaged;
            size = load32(block.data() + 4);
            uint32_t nPayload = load32(block.data() + 8);
            if (nPayload > block.size() - 12 || size == 0) return Next::damaged;
            if (size > uint64_t(nPayload) * lzvnMaxExpansion) return Next::damaged;
            payload_ = block.subspan(12, nPayload);
            ip_ += 12 + size_t(nPayload);
            break;
        }

        case magicV1:
        case magicV2: {
            LzfseBlockHeader& h = header_;
            size_t headerSize = magic_ == magicV1 ? readV1Header(block, h) : readV2Header(block, h);
            if (headerSize == 0) return Next::damaged;
            uint64_t payloadSize = uint64_t(h.nLiteralPayloadBytes) + h.nLmdPayloadBytes;
            if (payloadSize > block.size() - headerSize) return Next::damaged;
            if (uint64_t(h.nRawBytes) > uint64_t(h.nLiterals) + uint64_t(h.nMatches) * maxM) return Next::damaged;
            size = h.nRawBytes;
            payload_ = block.subspan(headerSize, size_t(payloadSize));
            ip_ += headerSize + size_t(payloadSize);
            break;
        }

        default:
            return Next::damaged;
    }
    if (size > limit_ - produced_) return Next::damaged;
    size_ = size_t(size);
    produced_ += size_;
    return Next::block;
}

bool BlockWalker::decode(OutputWindow out) {
    switch (magic_) {
        case magicRaw:
            if (!payload_.empty()) std::memcpy(out.data + out.pos, payload_.data(), payload_.size());
            return true;
        case magicLzvn:
            return decodeLzvnBlock(payload_, out);
        default:
            return decodeLzfseSymbols(header_, payload_, symbols_) && copyLzfseSymbols(symbols_, out);
    }
}

namespace {

// Decodes a whole stream into at most `expectedSize` bytes; with `exact`,
// a stream of any other length is refused.
std::optional<Bytes> decodeStream(std::span<const uint8_t> in, size_t expectedSize, bool exact) {
    BlockWalker walker(in, expectedSize);
    Bytes out;
    // A large output is written whole and at once: huge pages spare most of
    // the page faults, which otherwise cost more than the decoding.
    auto reserve = [&out](size_t size) {
        out.reserve(size);
        adviseHugePages({out.data(), out.capacity()});
    };
    reserve(std::min(expectedSize, std::max(in.size(), size_t(4096)) * usualExpansion));
    for (;;) {
        switch (walker.next()) {
            case BlockWalker::Next::end:
                if (exact && out.size() != expectedSize) return std::nullopt;
                return out;
            case BlockWalker::Next::damaged:
                return std::nullopt;
            case BlockWalker::Next::block:
                break;
        }
        size_t at = out.size();
        size_t wanted = at + walker.blockSize();
        if (wanted > out.capacity()) reserve(std::max(wanted, std::min(expectedSize, 2 * out.capacity())));
        out.resize(wanted);
        if (!walker.decode({out.data(), at, wanted})) return std::nullopt;
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
