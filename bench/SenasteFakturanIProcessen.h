#pragma once
// The latest-invoice job run in this process as the tool runs it: the
// document written to a folder of its own, which is also TMPDIR while the
// job runs, and the result line sent to /dev/null. The view is linked in,
// so no module is loaded.
#include "Kommandorad/Fakturamodul.h"
#include "Kommandorad/Kommandorad.h"
#include "Plattform/Bytes.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>

namespace bänk {

// Runs the job once per iteration, `föreVarje` (when given) before each.
inline void körSenasteFakturan(benchmark::State& state, const Bytes& dokument,
                               const std::function<void()>& föreVarje = {}) {
    namespace fs = std::filesystem;
    användInlänkadFakturautskrift(&skrivFakturan);
    const fs::path katalog = fs::temp_directory_path() / ("kontobok-bench-" + std::to_string(::getpid()));
    fs::create_directories(katalog);
    const std::string fil = (katalog / "dokument.bok").string();
    std::ofstream(fil, std::ios::binary)
        .write(reinterpret_cast<const char*>(dokument.data()), std::streamsize(dokument.size()));
    const char* tmpdir = std::getenv("TMPDIR");
    const std::string sparadTmpdir = tmpdir ? tmpdir : "";
    ::setenv("TMPDIR", katalog.c_str(), 1);

    std::fflush(stdout);
    const int sparad = ::dup(1), tom = ::open("/dev/null", O_WRONLY);
    ::dup2(tom, 1);
    int status = 0;
    for (auto _ : state) {
        if (föreVarje) föreVarje();
        status |= kör({"kontobok", fil, "--latestInvoice"});
    }
    std::fflush(stdout);
    ::dup2(sparad, 1);
    ::close(sparad), ::close(tom);
    if (tmpdir) ::setenv("TMPDIR", sparadTmpdir.c_str(), 1);
    else ::unsetenv("TMPDIR");
    fs::remove_all(katalog);
    if (status != 0) state.SkipWithError("the job failed");
}

}  // namespace bänk
