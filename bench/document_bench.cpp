// Loading and saving the large document, in the process. Each figure is
// reported against decompressing the body alone in the same run
// (`vs_decompress`): loading should cost at most 1.5 times that. Memory is
// measured on the whole tool, in tool_bench.cpp.
#include "StortDokument.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using bänk::storFil;

// Runs `steg` once per iteration, timing only it, and reports the mean
// against the decompression time.
template <class Steg, class Städa>
void motDekomprimering(benchmark::State& state, Steg steg, Städa städa) {
    bänk::dekomprimeringstid();  // builds the document too, before any timing
    double summa = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        auto resultat = steg();
        double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(s);
        summa += s;
        benchmark::DoNotOptimize(resultat);
        städa(resultat);
    }
    state.counters["vs_decompress"] = summa / double(state.iterations()) / bänk::dekomprimeringstid();
}

void DecompressBody(benchmark::State& state) {
    motDekomprimering(state, [] { return läsBokfil(storFil()); }, [](Bokfil&) {});
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bänk::kroppslängd()));
}
BENCHMARK(DecompressBody)->Unit(benchmark::kMillisecond)->UseManualTime();

// Freeing the previous document is not loading, so it happens untimed.
void LoadDocument(benchmark::State& state) {
    motDekomprimering(state, [] { return Bokföring::från(storFil()); }, [](auto& bok) { bok.reset(); });
}
BENCHMARK(LoadDocument)->Unit(benchmark::kMillisecond)->UseManualTime();

// The body record alone, from bytes already decompressed.
void ReadBodyRecord(benchmark::State& state) {
    Bytes kropp = läsBokfil(storFil()).kropp;
    motDekomprimering(
        state,
        [&] {
            Inström ström(kropp);
            return std::make_unique<Bokföring>(ström);
        },
        [](auto& bok) { bok.reset(); });
}
BENCHMARK(ReadBodyRecord)->Unit(benchmark::kMillisecond)->UseManualTime();

void SaveDocument(benchmark::State& state) {
    auto bok = Bokföring::från(storFil());
    motDekomprimering(state, [&] { return bok->dataMedMellansteg(versionSomSkrivs); }, [](Bytes&) {});
}
BENCHMARK(SaveDocument)->Unit(benchmark::kMillisecond)->UseManualTime();

void LatestEntryQuery(benchmark::State& state) {
    auto bok = Bokföring::från(storFil());
    for (auto _ : state) benchmark::DoNotOptimize(bok->senasteVerifikationsnummer());
}
BENCHMARK(LatestEntryQuery)->Unit(benchmark::kMicrosecond);

}  // namespace
