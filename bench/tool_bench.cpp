// The tool as a user runs it on the large document, one process per
// iteration: --latestEntry, and the import of 10 000 entries. Each reports
// its wall time against decompressing the body alone in this run
// (`vs_decompress`) and its peak memory against the body (`peak_vs_body`).
// Goals: --latestEntry at most 1.5 times the body; an import at most 2.5
// times the body and under half a second, saving a file no larger than
// before. Needs /usr/bin/time (Debian's `time`).
#include "Plattform/Filer.h"
#include "StortDokument.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Made on first use and removed when the benchmarks end.
struct Arbetsmapp {
    fs::path p = fs::temp_directory_path() / ("kontobok-bench-" + std::to_string(getpid()));
    Arbetsmapp() {
        fs::create_directories(p);
        writeFileSafely((p / "stor.bok").string(), bänk::storFil());
        std::string json = bänk::tiotusenPoster();
        writeFileSafely((p / "import.json").string(), std::span(reinterpret_cast<const uint8_t*>(json.data()), json.size()));
    }
    ~Arbetsmapp() {
        std::error_code ignorerat;
        fs::remove_all(p, ignorerat);
    }
};

const fs::path& arbetsmapp() {
    static const Arbetsmapp mapp;
    return mapp.p;
}

struct Körning {
    double sekunder = 0;
    double toppbyte = 0;
    int status = -1;
};

// Runs the tool on `dokument` with its standard input from `indata` (or
// nothing) and its output thrown away, under /usr/bin/time for its peak
// memory: a child of this process would count this process's memory too,
// a child of time's does not.
Körning kör(const fs::path& dokument, const char* flagga, const fs::path& indata) {
    posix_spawn_file_actions_t åtgärder;
    posix_spawn_file_actions_init(&åtgärder);
    posix_spawn_file_actions_addopen(&åtgärder, 0, indata.empty() ? "/dev/null" : indata.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&åtgärder, 1, "/dev/null", O_WRONLY, 0);
    const fs::path mått = arbetsmapp() / "peak.txt";
    std::vector<std::string> ord = {"/usr/bin/time", "-f", "%M", "-o", mått.string(), KONTOBOK_BINARY, dokument.string()};
    if (flagga) ord.push_back(flagga);
    std::vector<char*> argv;
    for (auto& o : ord) argv.push_back(o.data());
    argv.push_back(nullptr);
    Körning k;
    auto start = std::chrono::steady_clock::now();
    pid_t pid;
    if (posix_spawn(&pid, argv[0], &åtgärder, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        k.sekunder = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        k.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::ifstream in(mått);
        double kibibyte = 0;
        in >> kibibyte;
        k.toppbyte = kibibyte * 1024;
    }
    posix_spawn_file_actions_destroy(&åtgärder);
    return k;
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
        Körning k = kör(dokument, "--latestEntry", {});
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
        Körning k = kör(dokument, nullptr, arbetsmapp() / "import.json");
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
