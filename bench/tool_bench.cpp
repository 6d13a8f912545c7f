// The tool as a user runs it on the large document, one process per
// iteration: --latestEntry, and the import of 10 000 entries. Each reports
// its wall time against decompressing the body alone in this run
// (`vs_decompress`) and its peak memory against the body (`peak_vs_body`).
// Goals: --latestEntry at most 1.5 times the body; an import at most 2.5
// times the body and under half a second, saving a file no larger than
// before.
#include "Plattform/Filer.h"
#include "StortDokument.h"
#include "Verktygskorning.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

const fs::path& arbetsmapp() {
    static const bänk::Arbetsmapp mapp("kontobok-bench", [](const fs::path& p) {
        writeFileSafely((p / "stor.bok").string(), bänk::storFil());
        std::string json = bänk::tiotusenPoster();
        writeFileSafely((p / "import.json").string(), std::span(reinterpret_cast<const uint8_t*>(json.data()), json.size()));
    });
    return mapp.p;
}

bänk::Körning kör(const fs::path& dokument, const char* flagga, const fs::path& indata) {
    std::vector<std::string> argument = {dokument.string()};
    if (flagga) argument.push_back(flagga);
    return bänk::körVerktyget(argument, indata, {}, arbetsmapp() / "peak.txt");
}

void rapportera(benchmark::State& state, double sekunder, double toppbyte) {
    double n = double(state.iterations());
    state.counters["vs_decompress"] = sekunder / n / bänk::dekomprimeringstid();
    state.counters["peak_MiB"] = toppbyte / n / (1 << 20);
    state.counters["peak_vs_body"] = toppbyte / n / double(bänk::kroppslängd());
}

void LatestEntryJob(benchmark::State& state) {
    const fs::path dokument = arbetsmapp() / "stor.bok";
    double sekunder = 0, topp = 0;
    for (auto _ : state) {
        bänk::Körning k = kör(dokument, "--latestEntry", {});
        if (k.status != 0) state.SkipWithError("the tool failed");
        state.SetIterationTime(k.sekunder);
        sekunder += k.sekunder;
        topp += k.toppbyte;
    }
    rapportera(state, sekunder, topp);
}
BENCHMARK(LatestEntryJob)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2.0);

void ImportJob(benchmark::State& state) {
    const fs::path original = arbetsmapp() / "stor.bok", dokument = arbetsmapp() / "import.bok";
    double sekunder = 0, topp = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fs::copy_file(original, dokument, fs::copy_options::overwrite_existing);
        state.ResumeTiming();
        bänk::Körning k = kör(dokument, nullptr, arbetsmapp() / "import.json");
        if (k.status != 0) state.SkipWithError("the tool failed");
        state.SetIterationTime(k.sekunder);
        sekunder += k.sekunder;
        topp += k.toppbyte;
    }
    rapportera(state, sekunder, topp);
    state.counters["saved_bytes"] = double(fs::file_size(dokument));
}
BENCHMARK(ImportJob)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2.0);

}  // namespace
