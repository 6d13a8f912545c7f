#pragma once
// Finds earlier occurrences of the bytes at a position: hash chains over
// 4-byte prefixes, limited to the distances an LZFSE block can express.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace lzfse {

struct Match {
    uint32_t length = 0;  // 0: none found
    uint32_t distance = 0;
};

class MatchFinder {
public:
    static constexpr uint32_t minLength = 4;
    // Positions kept for candidates; above the largest distance.
    static constexpr size_t window = size_t(1) << 18;

    MatchFinder(std::span<const uint8_t> input, uint32_t maxDistance);

    // Records `pos` as a match candidate for later positions. Positions
    // must be inserted in increasing order.
    void insert(size_t pos);

    // The longest match for `pos` among the candidates inserted so far,
    // or length 0 when none reaches minLength.
    Match longest(size_t pos) const;

private:
    static constexpr int hashBits = 16;
    static constexpr int chainDepth = 16;
    static constexpr size_t maxLength = size_t(1) << 16;  // longer runs continue in the next match
    static constexpr uint32_t goodEnough = 128;  // stop searching once a match is this long

    uint32_t hash(size_t pos) const;

    std::span<const uint8_t> in_;
    uint32_t maxDistance_;
    std::vector<int32_t> head_;
    std::vector<int32_t> previous_;  // per position modulo the window: the previous one with its hash
};

// Parses the whole input into literal runs each followed by a match (lazy
// matching one byte ahead). Calls emit(literalStart, literalCount, length,
// distance) per match, and once at the end with the last literals and length
// 0. Distances stay within `maxDistance`.
using ParseEmit = std::function<void(size_t literalStart, size_t literalCount, size_t length, uint32_t distance)>;
void parseMatches(std::span<const uint8_t> in, uint32_t maxDistance, const ParseEmit& emit);

// The same calls as parseMatches, exactly, with the matches found by several
// threads at once: the input is cut into segments of about `segmentSize`
// bytes, each parsed on its own from its start, and the parses are joined
// where the one coming from before reaches a position the next one also
// stood at.
void parseMatchesInSegments(std::span<const uint8_t> in, uint32_t maxDistance, size_t segmentSize, unsigned threads,
                            const ParseEmit& emit);

}  // namespace lzfse
