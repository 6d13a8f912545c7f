// Loading and saving a large document: 100 000 entries over two fiscal
// years, built with the example builder. Loading should cost at most about
// 2.5 times decompressing the body alone.
#include "Exempel/Exempelbokforing.h"
#include "Fillagring.h"

#include <benchmark/benchmark.h>

namespace {
const Bytes& storFil() {
    static const Bytes fil = [] {
        Exempelval val;
        val.antalVerifikationer = 100000;
        val.antalKontakter = 500;
        return byggExempelbokföring(val)->dataMedMellansteg(versionSomSkrivs);
    }();
    return fil;
}

void DecompressBody(benchmark::State& state) {
    const Bytes& fil = storFil();
    for (auto _ : state) benchmark::DoNotOptimize(läsBokfil(fil));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(läsBokfil(fil).kropp.size()));
}
BENCHMARK(DecompressBody)->Unit(benchmark::kMillisecond);

// Freeing the previous document is not loading, so it happens untimed.
void LoadDocument(benchmark::State& state) {
    const Bytes& fil = storFil();
    for (auto _ : state) {
        auto bok = Bokföring::från(fil);
        benchmark::DoNotOptimize(bok.get());
        state.PauseTiming();
        bok.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(LoadDocument)->Unit(benchmark::kMillisecond);

// The body record alone, from bytes already decompressed.
void ReadBodyRecord(benchmark::State& state) {
    Bytes kropp = läsBokfil(storFil()).kropp;
    for (auto _ : state) {
        Inström ström(kropp);
        auto bok = std::make_unique<Bokföring>(ström);
        benchmark::DoNotOptimize(bok.get());
        state.PauseTiming();
        bok.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(ReadBodyRecord)->Unit(benchmark::kMillisecond);

void SaveDocument(benchmark::State& state) {
    auto bok = Bokföring::från(storFil());
    for (auto _ : state) benchmark::DoNotOptimize(bok->dataMedMellansteg(versionSomSkrivs));
}
BENCHMARK(SaveDocument)->Unit(benchmark::kMillisecond);

void LatestEntryQuery(benchmark::State& state) {
    auto bok = Bokföring::från(storFil());
    for (auto _ : state) benchmark::DoNotOptimize(bok->senasteVerifikationsnummer());
}
BENCHMARK(LatestEntryQuery)->Unit(benchmark::kMicrosecond);
}  // namespace
