// Importing 10 000 entries into the large document, in the process: the
// import alone, and the whole job from the file's bytes to the bytes it
// writes back, reported against decompressing the body alone in the same
// run (`vs_decompress`). The tool as a process is in tool_bench.cpp, but for
// the import's time and peak memory on large and hostile inputs, below.
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

// The import through the tool, one process per run under /usr/bin/time,
// against the bound every import keeps: its peak is at most the peak of
// loading and saving the document it produces, plus 8 times its input plus
// 64 MiB. Each run is followed by an empty import (`{}`) of the document it
// left, whose peak is that of loading and saving it (`result_peak_MiB`);
// `peak_vs_bound` is at most 1. A refused input leaves the document as it
// was, so its result is the document it started from.
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

struct Form {
    const char* namn;
    std::function<std::string()> text;
};

// The shapes that make the most of the fewest bytes, refused and accepted,
// on a small ledger with every kind of record (cost centres for tags, a
// default article, customers): the JSON store's worst shapes, and the
// records that take the most memory in the document for their few bytes.
const std::vector<Form>& tätaFormer() {
    static const std::vector<Form> f = {
        {"empty_entries_10M", [] { return upprepat(R"({"entries":[)", "{}", "]}", 10'000'000); }},
        {"numbers", [] { return upprepat("[", "0", "]", 15'000'000); }},
        {"empty_strings", [] { return upprepat("[", R"("")", "]", 10'000'000); }},
        {"one_key_again", [] { return upprepat("{", R"("":0)", "}", 6'000'000); }},
        {"deep_nesting", [] { return upprepat("[", std::string(511, '[') + std::string(511, ']'), "]", 30'000); }},
        {"escapes", [] { return upprepat(R"([")", R"(\u00e5)", R"("])", 5'000'000, ""); }},
        {"utf16_empty_entries", [] { return utf16(upprepat(R"({"entries":[)", "{}", "]}", 5'000'000)); }},
        {"long_numbers", [] { return upprepat(R"({"entries":[)", "{\"n\":" + std::string(1'000'000, '9') + "}", "]}", 100); }},
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
        {"customers", [] { return upprepat(R"({"customers":[)", R"({"name":""})", "]}", 200'000); }},
        {"invoices", [] {
             return upprepat(R"({"invoices":[)", R"({"recipient":"1","date":"2026-03-01","items":[]})", "]}", 50'000);
         }},
        {"items", [] {
             return upprepat(R"({"invoices":[{"recipient":"1","date":"2026-03-01","items":[)", "{}", "]}]}", 200'000);
         }},
        {"invoice_tags", [] {
             return upprepat(R"({"invoices":[{"recipient":"1","date":"2026-03-01","tags":")", "P1",
                             R"(","items":[{}]}]})", 1'000'000, " ");
         }},
    };
    return f;
}

// The runs the import's speed is set against, on the document `make-example
// --entries 200` writes (24 customers, products 1 to 4, 12 sent invoices):
// 20 000 invoices within 10 s, 50 000 customers within 5 s, 100 000 entries
// as fast as before, and one invoice of 20 000 items.
const std::vector<Form>& storaImporter() {
    static const std::vector<Form> f = {
        {"invoices_20000", [] {
             return upprepat(R"({"invoices":[)",
                             R"({"recipient":"3","date":"2026-03-20","items":[{"product":"1","quantity":"2"},)"
                             R"({"product":"2"}]})",
                             "]}", 20'000);
         }},
        {"customers_50000", [] {
             std::string t = R"({"customers":[)";
             for (int i = 0; i < 50'000; ++i)
                 t += (i ? "," : "") + std::string(R"({"name":"Kund )") + std::to_string(i) + R"(","city":"Uppsala"})";
             return t + "]}";
         }},
        {"entries_100000", [] {
             return upprepat(R"({"entries":[)",
                             R"({"description":"Kontorsmaterial","date":"2026-03-14","pending":false,"transactions":[)"
                             R"({"account":1930,"amount":"100"},{"account":3001,"amount":"-100"}]})",
                             "]}", 100'000);
         }},
        {"one_invoice_20000_items", [] {
             return upprepat(R"({"invoices":[{"recipient":"3","date":"2026-03-20","items":[)",
                             R"({"product":"1","quantity":"1"})", "]}]}", 20'000);
         }},
    };
    return f;
}

const fs::path& arbetsmapp() {
    static const bänk::Arbetsmapp mapp("kontobok-import-minne", [](const fs::path& p) {
        Exempelval liten;
        liten.antalVerifikationer = 6;
        liten.antalKontakter = 5;
        liten.antalSkickadeFakturor = 3;
        liten.allaPostformer = true;
        writeFileSafely((p / "liten.bok").string(), byggExempelbokföring(liten)->dataMedMellansteg(versionSomSkrivs));
        Exempelval exempel;
        exempel.antalSkickadeFakturor = 12;
        writeFileSafely((p / "exempel.bok").string(), byggExempelbokföring(exempel)->dataMedMellansteg(versionSomSkrivs));
        const std::string tom = "{}";
        writeFileSafely((p / "tom.json").string(), std::span(reinterpret_cast<const uint8_t*>(tom.data()), tom.size()));
    });
    return mapp.p;
}

void ImportensToppminne(benchmark::State& state, const Form& form, const char* dokument) {
    const fs::path indata = arbetsmapp() / (std::string(form.namn) + ".json");
    if (!fs::exists(indata)) {
        const std::string text = form.text();
        writeFileSafely(indata.string(), std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    }
    const fs::path import = arbetsmapp() / "import.bok", mått = arbetsmapp() / "peak.txt";
    const double storlek = double(fs::file_size(indata));
    double topp = 0, resultatetsTopp = 0, kvot = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fs::copy_file(arbetsmapp() / dokument, import, fs::copy_options::overwrite_existing);
        state.ResumeTiming();
        bänk::Körning k = bänk::körVerktyget({import.string()}, indata, {}, mått, true);
        state.SetIterationTime(k.sekunder);
        state.PauseTiming();
        bänk::Körning tom = bänk::körVerktyget({import.string()}, arbetsmapp() / "tom.json", {}, mått, true);
        if (tom.status != 0) state.SkipWithError("the document the import left does not load and save");
        state.ResumeTiming();
        topp = std::max(topp, k.toppbyte);
        resultatetsTopp = std::max(resultatetsTopp, tom.toppbyte);
        kvot = std::max(kvot, k.toppbyte / (tom.toppbyte + 8 * storlek + 64.0 * (1 << 20)));
    }
    state.counters["input_MiB"] = storlek / (1 << 20);
    state.counters["peak_MiB"] = topp / (1 << 20);
    state.counters["result_peak_MiB"] = resultatetsTopp / (1 << 20);
    state.counters["peak_vs_bound"] = kvot;
}

const int registrerade = [] {
    for (const Form& f : tätaFormer())
        benchmark::RegisterBenchmark((std::string("ImportPeakMemory/") + f.namn).c_str(),
                                     [&f](benchmark::State& s) { ImportensToppminne(s, f, "liten.bok"); })
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(1);
    for (const Form& f : storaImporter())
        benchmark::RegisterBenchmark((std::string("ImportPeakMemory/") + f.namn).c_str(),
                                     [&f](benchmark::State& s) { ImportensToppminne(s, f, "exempel.bok"); })
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(1);
    return 0;
}();

}  // namespace minne

}  // namespace
