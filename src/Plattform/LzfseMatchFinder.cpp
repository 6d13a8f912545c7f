#include "Plattform/LzfseMatchFinder.h"

#include "Plattform/LzfseFormat.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace lzfse {

int64_t MatchTables::begin(size_t size) {
    if (head.empty() || int64_t(size) > std::numeric_limits<int32_t>::max() - nextBase_) {
        head.assign(size_t(1) << hashBits, -1);
        previous.assign(windowSize, -1);
        nextBase_ = 0;
    }
    int64_t base = nextBase_;
    nextBase_ += int64_t(size);
    return base;
}

MatchFinder::MatchFinder(std::span<const uint8_t> input, uint32_t maxDistance, MatchTables& tables)
    : in_(input), maxDistance_(std::min(maxDistance, maxD)), tables_(tables), base_(tables.begin(input.size())) {}

uint32_t MatchFinder::hash(size_t pos) const { return (load32(in_.data() + pos) * 2654435761u) >> (32 - hashBits); }

void MatchFinder::insert(size_t pos) {
    if (pos + 4 > in_.size()) return;
    uint32_t h = hash(pos);
    tables_.previous[pos & (windowSize - 1)] = tables_.head[h];
    tables_.head[h] = int32_t(base_ + int64_t(pos));
}

namespace {

// Length of the common prefix of a and b, at most `limit` bytes (>= 4, the
// first four known equal).
size_t matchLength(const uint8_t* a, const uint8_t* b, size_t limit) {
    size_t len = 4;
    while (len + 8 <= limit) {
        uint64_t diff = load64(a + len) ^ load64(b + len);
        if (diff != 0) return len + size_t(std::countr_zero(diff) >> 3);
        len += 8;
    }
    while (len < limit && a[len] == b[len]) ++len;
    return len;
}

}  // namespace

Match MatchFinder::longest(size_t pos) const {
    Match best;
    const size_t n = in_.size();
    if (pos + minLength > n) return best;
    const uint8_t* data = in_.data();
    const uint8_t* here = data + pos;
    const uint32_t first4 = load32(here);
    const size_t limit = std::min(n - pos, maxLength);
    // Relative to this input: what earlier inputs stored is negative.
    int64_t candidate = tables_.head[hash(pos)] - base_;
    for (int depth = 0; depth < chainDepth && candidate >= 0; ++depth) {
        size_t c = size_t(candidate);
        if (c >= pos || pos - c > maxDistance_) break;
        const uint8_t* there = data + c;
        // Cheap rejection: the candidate must beat the best so far at its end
        // byte and share the first four bytes.
        if (load32(there) == first4 && (best.length == 0 || (best.length < limit && there[best.length] == here[best.length]))) {
            size_t len = matchLength(here, there, limit);
            if (len > best.length) {
                best.length = uint32_t(len);
                best.distance = uint32_t(pos - c);
                if (len >= goodEnough) break;
            }
        }
        int64_t next = tables_.previous[c & (windowSize - 1)] - base_;
        if (next >= candidate) break;  // the slot was reused by a newer position
        candidate = next;
    }
    return best;
}

void parseMatches(std::span<const uint8_t> in, uint32_t maxDistance, MatchTables& tables, const ParseEmit& emit) {
    MatchFinder finder(in, maxDistance, tables);
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
        emit(literalStart, pos - literalStart, match.length, match.distance);
        for (size_t p = pos + 1; p < pos + match.length; ++p) finder.insert(p);
        pos += match.length;
        literalStart = pos;
    }
    emit(literalStart, n - literalStart, 0, 0);
}

}  // namespace lzfse
