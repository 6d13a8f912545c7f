// The stream encoder: a lazy hash-chain parse of the whole input into
// triplets, cut into LZFSE blocks at the block limits. A block that would
// not be smaller than its bytes stored raw is stored raw instead; matches
// still reach back into it from later blocks.
#include "Plattform/Lzfse.h"
#include "Plattform/LzfseBlockEncoder.h"
#include "Plattform/LzfseFormat.h"
#include "Plattform/LzfseMatchFinder.h"

#include <algorithm>
#include <vector>

namespace lzfse {
namespace {

void putU32(Bytes& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

void appendRawBlock(std::span<const uint8_t> bytes, Bytes& out) {
    putU32(out, magicRaw);
    putU32(out, uint32_t(bytes.size()));
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
        uint32_t piece = uint32_t(std::min<size_t>(length, maxM));
        push(uint32_t(literalCount), piece, distance, literals);
        for (length -= piece; length > 0; length -= piece) {
            piece = uint32_t(std::min<size_t>(length, maxM));
            push(0, piece, distance, nullptr);
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

Bytes encode(std::span<const uint8_t> in) {
    Bytes out;
    out.reserve(in.size() / 2 + 64);
    if (in.empty()) {
        appendRawBlock(in, out);
    } else {
        MatchFinder finder(in);
        BlockAssembler blocks(in, out);
        const size_t n = in.size();
        size_t pos = 0, literalStart = 0;
        while (pos + MatchFinder::minLength <= n) {
            Match match = finder.longest(pos);
            finder.insert(pos);
            if (match.length == 0) {
                ++pos;
                continue;
            }
            // Lazy step: a longer match one byte later is worth a literal.
            while (pos + 1 + MatchFinder::minLength <= n) {
                Match next = finder.longest(pos + 1);
                if (next.length <= match.length) break;
                match = next;
                finder.insert(++pos);
            }
            blocks.add(literalStart, pos - literalStart, match.length, match.distance);
            for (size_t p = pos + 1; p < pos + match.length; ++p) finder.insert(p);
            pos += match.length;
            literalStart = pos;
        }
        blocks.add(literalStart, n - literalStart, 0, 0);
        blocks.finish();
    }
    putU32(out, magicEnd);
    return out;
}

}  // namespace lzfse
