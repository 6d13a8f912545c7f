// The latest-invoice job on the demo's document (200 entries, 12 sent
// invoices, the latest a few items long, as `make-example --entries 200`
// writes it), one process per run, against --latestEntry on the same
// document: the two in turn, so that both see the machine alike. A short
// invoice is mostly the start of the drawing side (its libraries, fonts and
// the invoice module), which --latestEntry no longer loads, and the start
// is what a bookkeeping program sending invoices one by one waits for.
// Goal: the invoice at most ten times --latestEntry (`vs_latest_entry`,
// medians; about 8.5 when the module came, twice when every job loaded
// the drawing libraries).
#include "Exempel/Exempelbokforing.h"
#include "Fillagring.h"
#include "Plattform/Filer.h"
#include "Verktygskorning.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path& arbetsmapp() {
    static const bänk::Arbetsmapp mapp("kontobok-bench-small", [](const fs::path& p) {
        Exempelval val;
        val.antalSkickadeFakturor = 12;
        writeFileSafely((p / "demo.bok").string(), byggExempelbokföring(val)->dataMedMellansteg(versionSomSkrivs));
    });
    return mapp.p;
}

// Seconds for one run of the tool with `flagga`, its output thrown away and
// the invoice's PDF written to the working directory; negative when it
// failed.
double kör(const char* flagga) {
    posix_spawn_file_actions_t åtgärder;
    posix_spawn_file_actions_init(&åtgärder);
    posix_spawn_file_actions_addopen(&åtgärder, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&åtgärder, 1, "/dev/null", O_WRONLY, 0);
    std::string program = KONTOBOK_BINARY, dokument = (arbetsmapp() / "demo.bok").string(), f = flagga;
    char* argv[] = {program.data(), dokument.data(), f.data(), nullptr};
    std::vector<std::string> miljö = {"TMPDIR=" + arbetsmapp().string()};
    for (char** e = environ; *e; ++e)
        if (std::string_view(*e).rfind("TMPDIR=", 0) != 0) miljö.emplace_back(*e);
    std::vector<char*> envp;
    for (auto& e : miljö) envp.push_back(e.data());
    envp.push_back(nullptr);
    double sekunder = -1;
    auto start = std::chrono::steady_clock::now();
    pid_t pid;
    if (posix_spawn(&pid, argv[0], &åtgärder, nullptr, argv, envp.data()) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
            sekunder = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    posix_spawn_file_actions_destroy(&åtgärder);
    return sekunder;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void SmallInvoiceJob(benchmark::State& state) {
    kör("--latestInvoice");  // the files the run reads, into the page cache
    std::vector<double> faktura, verifikation;
    for (auto _ : state) {
        double f = kör("--latestInvoice"), v = kör("--latestEntry");
        if (f < 0 || v < 0) state.SkipWithError("the tool failed");
        state.SetIterationTime(f);
        faktura.push_back(f);
        verifikation.push_back(v);
    }
    state.counters["latest_entry_ms"] = median(verifikation) * 1000;
    state.counters["vs_latest_entry"] = median(faktura) / median(verifikation);
}
BENCHMARK(SmallInvoiceJob)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2.0);

}  // namespace
