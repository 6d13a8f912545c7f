// Reading the German hyphenation dictionary, the largest the invoices use
// (78 000 lines, most of them whole compounds): every German invoice whose
// template hyphenates pays it once. Goal: under 100 ms (libhyphen's own
// loader, with its hash table of fixed size, takes about 2.4 s).
#include "Plattform/Ritning/HyphenationDictionary.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

void LoadGermanHyphenationDictionary(benchmark::State& state) {
    const char* path = "/usr/share/hyphen/hyph_de_DE.dic";
    if (!std::filesystem::exists(path)) return state.SkipWithError("hyphen-de is not installed");
    for (auto _ : state) {
        HyphenDict* dict = loadHyphenationDictionary(path);
        benchmark::DoNotOptimize(dict);
        hnj_hyphen_free(dict);
    }
}
BENCHMARK(LoadGermanHyphenationDictionary)->Unit(benchmark::kMillisecond);

}  // namespace
