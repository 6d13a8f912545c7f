// The parse found in segments by several threads must be the one parse,
// match for match, whatever the cuts: the saved bytes do not depend on how
// many processors the machine has.
#include "Plattform/Lzfse/LzfseFormat.h"
#include "Plattform/Lzfse/LzfseMatchFinder.h"
#include "LzfseTestData.h"

#include <gtest/gtest.h>

using namespace lzfsetest;

namespace {

struct Call {
    size_t literalStart, literalCount, length;
    uint32_t distance;
    bool operator==(const Call&) const = default;
};

std::vector<Call> oneParse(const Bytes& in) {
    std::vector<Call> calls;
    lzfse::MatchTables tables;
    lzfse::parseMatches(in, lzfse::maxD, tables,
                        [&](size_t a, size_t b, size_t c, uint32_t d) { calls.push_back({a, b, c, d}); });
    return calls;
}

std::vector<Call> segmentedParse(const Bytes& in, size_t segment, unsigned threads) {
    std::vector<Call> calls;
    lzfse::parseMatchesInSegments(in, lzfse::maxD, segment, threads,
                                  [&](size_t a, size_t b, size_t c, uint32_t d) { calls.push_back({a, b, c, d}); });
    return calls;
}

}  // namespace

TEST(LzfseMatchFinder, SegmentedParseIsTheOneParse) {
    Bytes mixed = readFile(vectorDir() / "s13-mixed-4m.bin");
    mixed.resize(1'200'000);
    Bytes runs(300'000, 0x41);  // matches longer than the smaller segments
    Bytes tail = randomBytes(50'000, 3);
    runs.insert(runs.end(), tail.begin(), tail.end());
    const std::pair<const char*, Bytes> inputs[] = {
        {"mixed", mixed}, {"runs", runs}, {"random", randomBytes(600'000, 11)}, {"tiny", bytesOf("abcabcabcabc")}};
    for (const auto& [name, input] : inputs) {
        SCOPED_TRACE(name);
        auto expected = oneParse(input);
        for (size_t segment : {size_t(20'000), size_t(70'001), size_t(1) << 20}) {
            for (unsigned threads : {1u, 4u}) {
                EXPECT_TRUE(segmentedParse(input, segment, threads) == expected) << segment << " " << threads;
            }
        }
    }
}

// A failure while the parse is joined (the block writer running out of
// memory, say) reaches the caller; the threads still parsing ahead are
// stopped and joined, not left running or waiting.
TEST(LzfseMatchFinder, SegmentedParseStopsItsThreadsWhenTheJoinFails) {
    Bytes input = readFile(vectorDir() / "s13-mixed-4m.bin");
    input.resize(600'000);
    for (size_t failAt : {size_t(0), size_t(3), size_t(4000)}) {
        size_t calls = 0;
        EXPECT_THROW(lzfse::parseMatchesInSegments(input, lzfse::maxD, 10'000, 4,
                                                   [&](size_t, size_t, size_t, uint32_t) {
                                                       if (calls++ == failAt) throw std::runtime_error("full");
                                                   }),
                     std::runtime_error)
            << failAt;
    }
}
