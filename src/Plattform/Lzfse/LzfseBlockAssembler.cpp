#include "Plattform/Lzfse/LzfseBlockAssembler.h"

#include "Plattform/Lzfse/LzfseFormat.h"

#include <algorithm>

namespace lzfse {

void appendRawBlock(std::span<const uint8_t> bytes, Bytes& out) {
    appendLe32(out, magicRaw);
    appendLe32(out, uint32_t(bytes.size()));
    out.insert(out.end(), bytes.begin(), bytes.end());
}

void BlockAssembler::add(size_t literalStart, size_t literalCount, size_t length, uint32_t distance) {
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

// `distance` 0 marks a literal-only triplet, whose distance is free: it
// repeats the previous one (coded in no bits) or, opening a block, takes 1,
// which is valid because the triplet has literals.
void BlockAssembler::push(uint32_t l, uint32_t m, uint32_t distance, const uint8_t* literals) {
    if (triplets_.size() + 1 > encoderMaxMatches || literals_.size() + l > encoderMaxLiterals) flush();
    if (distance == 0) distance = triplets_.empty() ? 1 : triplets_.back().d;
    triplets_.push_back({l, m, distance});
    literals_.insert(literals_.end(), literals, literals + l);
    blockEnd_ += size_t(l) + m;
}

void BlockAssembler::flush() {
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

}  // namespace lzfse
