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

// The hash heads and chains of the match finder, kept from one input to
// the next by an Encoder. A position is stored plus the base of the input
// that inserted it, and every input gets a base past all earlier ones, so
// what earlier inputs left reads as empty: the tables are filled once, and
// again only when the stored values would run out.
class MatchTables {
public:
    static constexpr int hashBits = 16;
    static constexpr size_t windowSize = size_t(1) << 18;  // above the largest distance

    // Makes the tables ready for an input of `size` bytes (below 2^31) and
    // gives the base its positions are stored with.
    int64_t begin(size_t size);

    std::vector<int32_t> head;
    std::vector<int32_t> previous;  // per position modulo the window: the previous one with its hash

private:
    int64_t nextBase_ = 0;
};

class MatchFinder {
public:
    static constexpr uint32_t minLength = 4;
    static constexpr size_t maxLength = size_t(1) << 16;  // longer runs continue in the next match

    MatchFinder(std::span<const uint8_t> input, uint32_t maxDistance, MatchTables& tables);

    // Records `pos` as a match candidate for later positions. Positions
    // must be inserted in increasing order.
    void insert(size_t pos);

    // The longest match for `pos` among the candidates inserted so far,
    // or length 0 when none reaches minLength.
    Match longest(size_t pos) const;

private:
    static constexpr int hashBits = MatchTables::hashBits;
    static constexpr size_t windowSize = MatchTables::windowSize;
    static constexpr int chainDepth = 16;
    static constexpr uint32_t goodEnough = 128;  // stop searching once a match is this long

    uint32_t hash(size_t pos) const;

    std::span<const uint8_t> in_;
    uint32_t maxDistance_;
    MatchTables& tables_;
    int64_t base_;
};

// Parses the whole input into literal runs each followed by a match (lazy
// matching one byte ahead). Calls emit(literalStart, literalCount, length,
// distance) per match, and once at the end with the last literals and length
// 0. Distances stay within `maxDistance`.
using ParseEmit = std::function<void(size_t literalStart, size_t literalCount, size_t length, uint32_t distance)>;
void parseMatches(std::span<const uint8_t> in, uint32_t maxDistance, MatchTables& tables, const ParseEmit& emit);

// The same calls as parseMatches, exactly, with the matches found by several
// threads at once: the input is cut into segments of about `segmentSize`
// bytes, each parsed on its own from its start (with tables of its own),
// and the parses are joined where the one coming from before reaches a
// position the next one also stood at.
void parseMatchesInSegments(std::span<const uint8_t> in, uint32_t maxDistance, size_t segmentSize, unsigned threads,
                            const ParseEmit& emit);

// How far past the position it stands at a parse may read: a run of lazy
// steps, each to a longer match, then the longest match. Parsing up to a
// position p in bytes that reach at least p + parseLookahead gives what
// parsing the whole input would, however much more input follows.
constexpr size_t parseLookahead = 2 * MatchFinder::maxLength + 64;

// Where a parse in segments gets its input: bytes that come over time and,
// once in, stay where they are until the parse is done with them.
class ParseInput {
public:
    virtual ~ParseInput() = default;
    // Waits until at least `need` bytes are in or the input has ended, and
    // gives the bytes in now (all of them, once it has ended). May throw to
    // stop the parse.
    virtual std::span<const uint8_t> await(size_t need) = 0;
    // The parse is stopping: waits now and later should throw rather than
    // wait on.
    virtual void abandon() = 0;
};

// The matches of the parse of the whole input, as parseMatchesInSegments
// finds them: calls found(start, length, distance) per match while the
// input is still coming, and joined(end) after each segment is joined
// (from then on the parse reads no byte before end minus the window).
// Gives the position the parse stands at when the input has ended.
using FoundMatch = std::function<void(size_t start, uint32_t length, uint32_t distance)>;
size_t parseInSegments(ParseInput& input, uint32_t maxDistance, size_t segmentSize, unsigned threads,
                       const FoundMatch& found, const std::function<void(size_t joinedTo)>& joined);

}  // namespace lzfse
