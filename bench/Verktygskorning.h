#pragma once
// The tool run as a user runs it, one process, under /usr/bin/time for its
// peak memory: a child of this process would count this process's memory
// too, a child of time's does not. Needs /usr/bin/time (Debian's `time`).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace bänk {

// A benchmark's working folder, made on first use with what `fyll` puts in
// it and removed when the benchmarks end.
struct Arbetsmapp {
    std::filesystem::path p;
    Arbetsmapp(const std::string& namn, const std::function<void(const std::filesystem::path&)>& fyll = {})
        : p(std::filesystem::temp_directory_path() / (namn + "-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(p);
        if (fyll) fyll(p);
    }
    ~Arbetsmapp() {
        std::error_code ignorerat;
        std::filesystem::remove_all(p, ignorerat);
    }
};

struct Körning {
    double sekunder = 0;
    double toppbyte = 0;
    int status = -1;
};

// The peak in bytes /usr/bin/time -f %M wrote into `mått`. The figure is
// the last word: time puts a line about a failed command's status before
// it.
inline double toppEnligtTime(const std::filesystem::path& mått) {
    std::ifstream in(mått);
    std::string ord, sista;
    while (in >> ord) sista = ord;
    return std::strtod(sista.c_str(), nullptr) * 1024;
}

// Runs the tool with `argument` after its own path, standard input from
// `indata` (or nothing) and its output thrown away (its standard error too
// when `utanFel`), with the environment variables `miljö` ("NAME=value")
// added; `mått` is a file for time's figure, `fel` (when given) one for
// its standard error.
inline Körning körVerktyget(const std::vector<std::string>& argument, const std::filesystem::path& indata,
                            const std::vector<std::string>& miljö, const std::filesystem::path& mått,
                            bool utanFel = false, const std::filesystem::path& fel = {}) {
    posix_spawn_file_actions_t åtgärder;
    posix_spawn_file_actions_init(&åtgärder);
    posix_spawn_file_actions_addopen(&åtgärder, 0, indata.empty() ? "/dev/null" : indata.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&åtgärder, 1, "/dev/null", O_WRONLY, 0);
    if (utanFel) posix_spawn_file_actions_addopen(&åtgärder, 2, "/dev/null", O_WRONLY, 0);
    else if (!fel.empty()) posix_spawn_file_actions_addopen(&åtgärder, 2, fel.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> ord = {"/usr/bin/time", "-f", "%M", "-o", mått.string(), KONTOBOK_BINARY};
    ord.insert(ord.end(), argument.begin(), argument.end());
    std::vector<char*> argv;
    for (auto& o : ord) argv.push_back(o.data());
    argv.push_back(nullptr);
    std::vector<std::string> allt = miljö;
    std::vector<char*> envp;
    for (auto& m : allt) envp.push_back(m.data());
    for (char** e = environ; *e; ++e) envp.push_back(*e);
    envp.push_back(nullptr);
    Körning k;
    auto start = std::chrono::steady_clock::now();
    pid_t pid;
    if (posix_spawn(&pid, argv[0], &åtgärder, nullptr, argv.data(), envp.data()) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        k.sekunder = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        k.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        k.toppbyte = toppEnligtTime(mått);
    }
    posix_spawn_file_actions_destroy(&åtgärder);
    return k;
}

// Runs `argv` (a path and its arguments) as it is, standard input from
// `indata` (or nothing), output thrown away; the time is the whole
// process's, from its start to its end.
inline Körning körProgrammet(std::vector<std::string> argv, const std::filesystem::path& indata = {}) {
    posix_spawn_file_actions_t åtgärder;
    posix_spawn_file_actions_init(&åtgärder);
    posix_spawn_file_actions_addopen(&åtgärder, 0, indata.empty() ? "/dev/null" : indata.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&åtgärder, 1, "/dev/null", O_WRONLY, 0);
    std::vector<char*> ord;
    for (auto& o : argv) ord.push_back(o.data());
    ord.push_back(nullptr);
    Körning k;
    auto start = std::chrono::steady_clock::now();
    pid_t pid;
    if (posix_spawn(&pid, ord[0], &åtgärder, nullptr, ord.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        k.sekunder = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        k.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&åtgärder);
    return k;
}

// The latest-invoice job on `dokument` once an iteration, its PDF written
// into `ut`, each run expected to end with `status` (any, when none is
// given: then `accepted` says whether the last run ended with status 0
// and nothing on standard error, no warning); the time is the whole
// process's, and the highest peak is reported as `peak_MiB`.
inline void senasteFakturanIVerktyget(benchmark::State& state, const std::filesystem::path& dokument,
                                      const std::filesystem::path& ut, std::optional<int> status) {
    double topp = 0;
    bool godtagen = false;
    const std::filesystem::path fel = ut.parent_path() / "fel.txt";
    for (auto _ : state) {
        Körning k = körVerktyget({dokument.string(), "--latestInvoice"}, {}, {"TMPDIR=" + ut.string()},
                                 ut.parent_path() / "peak.txt", false, fel);
        if (status && k.status != *status) state.SkipWithError("the tool ended with another status");
        state.SetIterationTime(k.sekunder);
        topp = std::max(topp, k.toppbyte);
        godtagen = k.status == 0 && std::filesystem::file_size(fel) == 0;
    }
    state.counters["peak_MiB"] = topp / (1 << 20);
    if (!status) state.counters["accepted"] = godtagen;
}

}  // namespace bänk
