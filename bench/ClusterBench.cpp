// Texts that shape as one long cluster, as a long run shaping looks past,
// or as many clusters of a few characters each, as an import can plant
// them in an item's description. Target: the
// cost per character (the time per item processed) stays flat from 1 000
// to 1 000 000 characters for every kind, measured and drawn as the
// invoice does; the fitted complexity should read N. Unbounded, one
// letter under 100 000 accents took a minute.

#include "LangaTexter.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// `length` characters: `first` once, then `repeated` over and over.
std::string text(const std::string& first, const std::string& repeated, size_t length, size_t perRepeat) {
    std::string s = first;
    for (size_t n = first.empty() ? 0 : 1; n < length; n += perRepeat) s += repeated;
    return s;
}

void LayOut(benchmark::State& state, const std::string& first, const std::string& repeated, size_t perRepeat) {
    const size_t length = static_cast<size_t>(state.range(0));
    TextAttributes a;
    a.font = Font{"HelveticaNeue", 9};
    const AttributedString s(text(first, repeated, length, perRepeat), a);
    bänk::mätOchRita(state, s, length);
}

BENCHMARK_CAPTURE(LayOut, LetterAndAccents, "a", "\u0301", 1)->Apply(bänk::längder);
BENCHMARK_CAPTURE(LayOut, ZeroWidthJoiners, "a", "\u200D", 1)->Apply(bänk::längder);
BENCHMARK_CAPTURE(LayOut, NoBreakSpaceAndHebrewPoints, "\u00A0", "\u05B0", 1)->Apply(bänk::längder);
BENCHMARK_CAPTURE(LayOut, ZeroWidthSpaceAndMark, "", "\u200B\u05B0", 2)->Apply(bänk::längder);
BENCHMARK_CAPTURE(LayOut, LineSeparatorAndMark, "", "\u2028\u0301", 2)->Apply(bänk::längder);
BENCHMARK_CAPTURE(LayOut, EmojiJoinedByJoiners, "\U0001F468", "\u200D\U0001F469", 2)->Apply(bänk::längder);
// For comparison: one Latin word of the same length.
BENCHMARK_CAPTURE(LayOut, LatinWord, "", "k", 1)->Apply(bänk::längder);

// Clusters of a few characters each, over and over: in one unbroken word,
// which the engine breaks into lines itself, and in words of eight
// clusters, which pango breaks. A word of such clusters was once kept in
// one piece, and every window of it reached 64 KiB: 100 000 code points
// took a minute through the tool.
void Clusters(benchmark::State& state, const std::string& cluster, size_t perCluster, bool inWords) {
    const size_t length = static_cast<size_t>(state.range(0));
    TextAttributes a;
    a.font = Font{"HelveticaNeue", 9};
    std::string s;
    for (size_t n = 0, inWord = 0; n < length; n += perCluster) {
        s += cluster;
        if (inWords && ++inWord % 8 == 0) s += ' ', ++n;
    }
    bänk::mätOchRita(state, AttributedString(s, a), length);
}

#define CLUSTERS(name, cluster, perCluster)                                                              \
    BENCHMARK_CAPTURE(Clusters, name##InOneWord, cluster, perCluster, false)->Apply(bänk::längder); \
    BENCHMARK_CAPTURE(Clusters, name##InWords, cluster, perCluster, true)->Apply(bänk::längder)

CLUSTERS(LetterAndTwoAccents, "a\u0301\u0323", 3);
CLUSTERS(Flags, "\U0001F1F8\U0001F1EA", 2);
CLUSTERS(EmojiAndSkinTone, "\U0001F44D\U0001F3FD", 2);
CLUSTERS(HangulJamo, "\u1100\u1161\u11A8", 3);
CLUSTERS(DevanagariConsonantAndVirama, "\u0915\u094D", 2);
CLUSTERS(Tamil, "\u0BA4\u0BAE\u0BBF\u0BB4\u0BCD", 5);

}  // namespace
