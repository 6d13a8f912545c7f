// The stream encoder: a lazy hash-chain parse of the whole input into
// triplets, cut into LZFSE blocks at the block limits; small inputs may go
// in one LZVN block instead, whichever is shorter. A block that would
// not be smaller than its bytes stored raw is stored raw instead; matches
// still reach back into it from later blocks.
#include "Plattform/Lzfse.h"
#include "Plattform/LzfseBlockEncoder.h"
#include "Plattform/LzfseFormat.h"
#include "Plattform/LzfseLzvnEncoder.h"
#include "Plattform/LzfseMatchFinder.h"

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

void appendRawBlock(std::span<const uint8_t> bytes, Bytes& out) {
    appendLe32(out, magicRaw);
    appendLe32(out, uint32_t(bytes.size()));
    out.insert(out.end(), bytes.begin(), bytes.end());
}

// Collects triplets into blocks and writes each block when it is full.
class BlockAssembler {
public:
    BlockAssembler(std::span<const uint8_t> in, Bytes& out) : in_(in), out_(out) {}

    // The literals in[literalStart, +literalCount), then a match of `length`
    // bytes at `distance` (length 0: literals only).
    void add(size_t literalStart, size_t literalCount, size_t length, uint32_t distance) {
        const uint8_t* literals = in_.data() + literalStart;
        while (literalCount > maxL) {
            push(maxL, 0, 0, literals);
            literals += maxL;
            literalCount -= maxL;
        }
        if (length == 0) {
            if (literalCount > 0) push(uint32_t(literalCount), 0, 0, literals);
            return;
        }
        uint32_t chunk = uint32_t(std::min<size_t>(length, maxM));
        push(uint32_t(literalCount), chunk, distance, literals);
        for (length -= chunk; length > 0; length -= chunk) {
            chunk = uint32_t(std::min<size_t>(length, maxM));
            push(0, chunk, distance, nullptr);
        }
    }

    void finish() { flush(); }

private:
    // `distance` 0 marks a literal-only triplet, whose distance is free: it
    // repeats the previous one (coded in no bits) or, opening a block, takes
    // 1, which is valid because the triplet has literals.
    void push(uint32_t l, uint32_t m, uint32_t distance, const uint8_t* literals) {
        if (triplets_.size() + 1 > encoderMaxMatches || literals_.size() + l > encoderMaxLiterals) flush();
        if (distance == 0) distance = triplets_.empty() ? 1 : triplets_.back().d;
        triplets_.push_back({l, m, distance});
        literals_.insert(literals_.end(), literals, literals + l);
        blockEnd_ += size_t(l) + m;
    }

    void flush() {
        if (triplets_.empty()) return;
        Bytes block;
        encodeLzfseBlock(triplets_, literals_, block);
        auto raw = in_.subspan(blockStart_, blockEnd_ - blockStart_);
        if (block.size() < raw.size() + 8)
            out_.insert(out_.end(), block.begin(), block.end());
        else
            appendRawBlock(raw, out_);
        triplets_.clear();
        literals_.clear();
        blockStart_ = blockEnd_;
    }

    std::span<const uint8_t> in_;
    Bytes& out_;
    std::vector<Triplet> triplets_;
    Bytes literals_;
    size_t blockStart_ = 0, blockEnd_ = 0;  // the input bytes the pending block covers
};

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
