// Importing 10 000 entries into the large document, in the process: the
// import alone, and the whole job from the file's bytes to the bytes it
// writes back, reported against decompressing the body alone in the same
// run (`vs_decompress`). The tool as a process is in tool_bench.cpp.
#include "Kommandorad/JsonImport.h"
#include "Kommandorad/JsonLasare.h"
#include "StortDokument.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

Bytes tiotusenPoster() {
    std::string s = bänk::tiotusenPoster();
    return Bytes(s.begin(), s.end());
}

void Importera(benchmark::State& state) {
    auto dok = Bokföring::från(bänk::storFil());
    const Bytes json = tiotusenPoster();
    for (auto _ : state) {
        auto värde = läsJson(json);
        auto resultat = importera(värde->rot(), *dok, [](std::string_view) {});
        benchmark::DoNotOptimize(resultat.verifikationer.data());
    }
}
BENCHMARK(Importera)->Unit(benchmark::kMillisecond);

void HelaImportjobbet(benchmark::State& state) {
    const Bytes json = tiotusenPoster();
    bänk::dekomprimeringstid();  // builds the document too, before any timing
    double summa = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        auto dok = Bokföring::från(bänk::storFil());
        auto värde = läsJson(json);
        läggTillImporten(*dok, importera(värde->rot(), *dok, [](std::string_view) {}));
        värde.reset();
        Bytes ut = dok->dataMedMellansteg(versionSomSkrivs);
        double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(s);
        summa += s;
        benchmark::DoNotOptimize(ut.data());
        state.counters["saved_bytes"] = double(ut.size());
    }
    state.counters["vs_decompress"] = summa / double(state.iterations()) / bänk::dekomprimeringstid();
}
BENCHMARK(HelaImportjobbet)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace
