// Importing 10 000 entries into the large document, in the process: the
// import alone, and the whole job from the file's bytes to the bytes it
// writes back, reported against decompressing the body alone in the same
// run (`vs_decompress`). The tool as a process is in tool_bench.cpp, but for
// the import's peak memory on hostile inputs, below.
#include "Kommandorad/JsonImport.h"
#include "Kommandorad/JsonLasare.h"
#include "Plattform/Filer.h"
#include "StortDokument.h"
#include "Upprepat.h"
#include "Verktygskorning.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

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

// The tool's peak memory on the inputs that make the most of the fewest
// bytes, refused and accepted, against the bound every import keeps: 8
// times its input plus 64 MiB (`peak_vs_bound` at most 1). One process per
// input, measured by /usr/bin/time, on a small ledger with every kind of
// record (cost centres for tags, a default article, customers).
namespace minne {

namespace fs = std::filesystem;

std::string utf16(std::string_view ascii) {
    std::string t = "\xFF\xFE";
    for (char c : ascii) {
        t += c;
        t += '\0';
    }
    return t;
}

std::string fakturorOchKunderVidGränserna() {
    const std::string taggar = upprepat("", "P1", "", 100, " ");
    const std::string faktura = R"({"recipient":"1","date":"2026-03-01","tags":")" + taggar + R"(","items":[)" +
                                upprepat("", "{}", "", 10) + "]}";
    return upprepat(R"({"customers":[)", R"({"name":""})", "]", 10'000) + "," +
           upprepat(R"("invoices":[)", faktura, "]}", 1'000);
}

struct Form {
    const char* namn;
    std::function<std::string()> text;
};

const std::vector<Form>& former() {
    static const std::vector<Form> f = {
        {"empty_entries_10M", [] { return upprepat(R"({"entries":[)", "{}", "]}", 10'000'000); }},
        {"numbers", [] { return upprepat("[", "0", "]", 15'000'000); }},
        {"empty_strings", [] { return upprepat("[", R"("")", "]", 10'000'000); }},
        {"one_key_again", [] { return upprepat("{", R"("":0)", "}", 6'000'000); }},
        {"deep_nesting", [] { return upprepat("[", std::string(511, '[') + std::string(511, ']'), "]", 30'000); }},
        {"escapes", [] { return upprepat(R"([")", R"(\u00e5)", R"("])", 5'000'000, ""); }},
        {"utf16_empty_entries", [] { return utf16(upprepat(R"({"entries":[)", "{}", "]}", 5'000'000)); }},
        {"rows", [] {
             return upprepat(R"({"entries":[{"description":"","date":"2026-01-01","transactions":[)",
                             R"({"account":1930,"amount":"0"})", "]}]}", 1'000'000);
         }},
        {"entries", [] {
             return upprepat(R"({"entries":[)",
                             R"({"description":"","date":"2026-01-01","pending":false,"transactions":[)"
                             R"({"account":1930,"amount":"1"},{"account":3001,"amount":"-1"}]})",
                             "]}", 300'000);
         }},
        {"tags", [] {
             return upprepat(R"({"entries":[{"description":"","date":"2026-01-01","transactions":[)",
                             R"({"account":1930,"amount":"0","tags":")" + upprepat("", "P1", "", 100, " ") + R"("})",
                             "]}]}", 100'000);
         }},
        {"customers_invoices_items_at_limits", fakturorOchKunderVidGränserna},
    };
    return f;
}

const fs::path& arbetsmapp() {
    static const bänk::Arbetsmapp mapp("kontobok-import-minne", [](const fs::path& p) {
        Exempelval val;
        val.antalVerifikationer = 6;
        val.antalKontakter = 5;
        val.antalSkickadeFakturor = 3;
        val.allaPostformer = true;
        writeFileSafely((p / "liten.bok").string(), byggExempelbokföring(val)->dataMedMellansteg(versionSomSkrivs));
    });
    return mapp.p;
}

void ImportensToppminne(benchmark::State& state, const Form& form) {
    const fs::path indata = arbetsmapp() / (std::string(form.namn) + ".json");
    if (!fs::exists(indata)) {
        const std::string text = form.text();
        writeFileSafely(indata.string(), std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    }
    const double storlek = double(fs::file_size(indata));
    const double gräns = 8 * storlek + 64.0 * (1 << 20);
    double topp = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fs::copy_file(arbetsmapp() / "liten.bok", arbetsmapp() / "import.bok", fs::copy_options::overwrite_existing);
        state.ResumeTiming();
        bänk::Körning k = bänk::körVerktyget({(arbetsmapp() / "import.bok").string()}, indata, {},
                                             arbetsmapp() / "peak.txt", true);
        state.SetIterationTime(k.sekunder);
        topp = std::max(topp, k.toppbyte);
    }
    state.counters["input_MiB"] = storlek / (1 << 20);
    state.counters["peak_MiB"] = topp / (1 << 20);
    state.counters["peak_vs_bound"] = topp / gräns;
}

const int registrerade = [] {
    for (const Form& f : former())
        benchmark::RegisterBenchmark((std::string("ImportPeakMemory/") + f.namn).c_str(),
                                     [&f](benchmark::State& s) { ImportensToppminne(s, f); })
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(1);
    return 0;
}();

}  // namespace minne

}  // namespace
