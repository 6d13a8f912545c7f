// The parse found in segments by several threads must be the one parse,
// match for match, whatever the cuts: the saved bytes do not depend on how
// many processors the machine has.
#include "Plattform/LzfseFormat.h"
#include "Plattform/LzfseMatchFinder.h"
#include "LzfseTestData.h"

#include <gtest/gtest.h>

using namespace lzfsetest;

namespace {

std::vector<lzfse::ParsedMatch> oneParse(const Bytes& in) {
    std::vector<lzfse::ParsedMatch> matches;
    lzfse::parseMatches(in, lzfse::maxD, [&](size_t, size_t, size_t length, uint32_t distance) {
        if (length > 0) matches.push_back({0, uint32_t(length), distance});
    });
    // The starts follow from the literal counts; recompute them the same way.
    size_t at = 0;
    size_t i = 0;
    lzfse::parseMatches(in, lzfse::maxD, [&](size_t, size_t literals, size_t length, uint32_t) {
        at += literals;
        if (length > 0) matches[i++].start = at;
        at += length;
    });
    return matches;
}

bool same(const std::vector<lzfse::ParsedMatch>& a, const std::vector<lzfse::ParsedMatch>& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](const auto& x, const auto& y) {
               return x.start == y.start && x.length == y.length && x.distance == y.distance;
           });
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
                EXPECT_TRUE(same(lzfse::parseMatchesInSegments(input, lzfse::maxD, segment, threads), expected))
                    << segment << " " << threads;
            }
        }
    }
}
