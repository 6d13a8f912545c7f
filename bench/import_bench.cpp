// Importing 10 000 entries into a document of 100 000 entries: the import
// alone, and the whole job as the tool runs it from the file's bytes to the
// bytes it writes back.
#include "Exempel/Exempelbokforing.h"
#include "Fillagring.h"
#include "Kommandorad/JsonImport.h"
#include "Kommandorad/JsonLasare.h"

#include <benchmark/benchmark.h>

namespace {

Bytes tiotusenPoster() {
    std::string s = R"({"entries":[)";
    for (int i = 0; i < 10'000; ++i) {
        if (i) s += ',';
        s += R"({"description":"Försäljning )" + std::to_string(i) + R"(","date":")" + std::string(i % 2 ? "2025-" : "2026-") +
             (i % 12 < 9 ? "0" : "") + std::to_string(i % 12 + 1) + R"(-15","pending":)" + (i % 10 ? "false" : "true") +
             R"(,"transactions":[{"account":1930,"amount":"1250.50","tags":"P1"},{"account":3001,"amount":"-1000.40"},)"
             R"({"account":2610,"amount":"-250.10"}]})";
    }
    s += "]}";
    return Bytes(s.begin(), s.end());
}

void Importera(benchmark::State& state) {
    auto dok = byggExempelbokföring({.antalVerifikationer = 100'000});
    const Bytes json = tiotusenPoster();
    for (auto _ : state) {
        auto värde = läsJson(json);
        auto resultat = importera(*värde, *dok, [](std::string_view) {});
        benchmark::DoNotOptimize(resultat.verifikationer.data());
    }
}
BENCHMARK(Importera)->Unit(benchmark::kMillisecond);

void HelaImportjobbet(benchmark::State& state) {
    const Bytes fil = byggExempelbokföring({.antalVerifikationer = 100'000})->dataMedMellansteg(versionSomSkrivs);
    const Bytes json = tiotusenPoster();
    for (auto _ : state) {
        auto dok = Bokföring::från(fil);
        auto värde = läsJson(json);
        läggTillImporten(*dok, importera(*värde, *dok, [](std::string_view) {}));
        Bytes ut = dok->dataMedMellansteg(versionSomSkrivs);
        benchmark::DoNotOptimize(ut.data());
    }
}
BENCHMARK(HelaImportjobbet)->Unit(benchmark::kMillisecond);

}  // namespace
