// What a ledger query costs as a whole process next to the least any
// program that reads the document costs: --latestEntry on the example
// document and a small C program that reads the same file and exits, run
// in turn, one pair per iteration. `vs_reading_file` is the median ratio of
// the two wall times. Goal: at most 3.
#include "Verktygskorning.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

const fs::path& exempeldokument() {
    static const bänk::Arbetsmapp mapp("kontobok-startup", [](const fs::path& p) {
        const std::string verktyg = (fs::path(KONTOBOK_BINARY).parent_path() / "make-example").string();
        bänk::körProgrammet({verktyg, (p / "exempel.bok").string()});
    });
    static const fs::path dokument = mapp.p / "exempel.bok";
    return dokument;
}

void LatestEntryVsReadingTheFile(benchmark::State& state) {
    const std::string dokument = exempeldokument().string();
    std::vector<double> kvoter;
    for (auto _ : state) {
        const bänk::Körning fråga = bänk::körProgrammet({KONTOBOK_BINARY, dokument, "--latestEntry"});
        const bänk::Körning läsning = bänk::körProgrammet({READ_FILE_BINARY, dokument});
        if (fråga.status != 0 || läsning.status != 0) state.SkipWithError("a run failed");
        state.SetIterationTime(fråga.sekunder);
        kvoter.push_back(fråga.sekunder / läsning.sekunder);
    }
    if (kvoter.empty()) return;
    std::nth_element(kvoter.begin(), kvoter.begin() + kvoter.size() / 2, kvoter.end());
    state.counters["vs_reading_file"] = kvoter[kvoter.size() / 2];
}
BENCHMARK(LatestEntryVsReadingTheFile)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2.0);

}  // namespace
