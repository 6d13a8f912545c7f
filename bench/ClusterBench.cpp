// Texts that shape as one long cluster, or as a long run shaping looks
// past, as an import can plant them in an item's description. Target: the
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

}  // namespace
