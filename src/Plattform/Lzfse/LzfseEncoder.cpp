// The stream encoder: a lazy hash-chain parse of the whole input into
// triplets, cut into LZFSE blocks at the block limits; small inputs may go
// in one LZVN block instead, whichever is shorter.
#include "Plattform/Lzfse/Lzfse.h"
#include "Plattform/Lzfse/LzfseBlockAssembler.h"
#include "Plattform/Lzfse/LzfseFormat.h"
#include "Plattform/Lzfse/LzfseLzvnEncoder.h"
#include "Plattform/Lzfse/LzfseMatchFinder.h"

#include <algorithm>
#include <thread>
#include <vector>

namespace lzfse {
namespace {

// Inputs below this size also try a single LZVN block.
constexpr size_t lzvnInputLimit = 16384;

// Inputs from this size on are parsed by several threads, in segments of at
// least this size (each segment first replays the window before it).
constexpr size_t segmentedInputLimit = size_t(4) << 20;
constexpr size_t smallestSegment = size_t(1) << 20;

}  // namespace

Encoder::Encoder() : tables_(std::make_unique<MatchTables>()) {}
Encoder::~Encoder() = default;

Bytes encode(std::span<const uint8_t> in) { return Encoder().encode(in); }

Bytes Encoder::encode(std::span<const uint8_t> in) {
    Bytes out;
    out.reserve(in.size() / 2 + 64);
    if (in.empty()) {
        appendRawBlock(in, out);
    } else {
        BlockAssembler blocks(in, out);
        auto add = [&](size_t literalStart, size_t literalCount, size_t length, uint32_t distance) {
            blocks.add(literalStart, literalCount, length, distance);
        };
        if (in.size() >= segmentedInputLimit) {
            // The same matches as the parse below, found several at a time.
            unsigned threads = std::max(1u, std::thread::hardware_concurrency());
            // Several segments a thread, so that the few parsed ahead of the
            // join hold a small share of the matches.
            size_t segment = std::max(smallestSegment, in.size() / (4 * size_t(threads)) + 1);
            parseMatchesInSegments(in, maxD, segment, threads, add);
        } else {
            parseMatches(in, maxD, *tables_, add);
        }
        blocks.finish();
    }
    appendLe32(out, magicEnd);

    // An LZFSE block's tables cost more than LZVN saves on small inputs.
    if (in.size() >= 8 && in.size() < lzvnInputLimit) {
        Bytes lzvn;
        encodeLzvnBlock(in, lzvn, *tables_);
        appendLe32(lzvn, magicEnd);
        if (lzvn.size() < out.size()) return lzvn;
    }
    return out;
}

}  // namespace lzfse
