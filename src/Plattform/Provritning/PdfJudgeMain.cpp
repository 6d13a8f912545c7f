// kontobok-pdf-judge DPI MEMORY < page.pdf: the verdict on drawing the
// page (PdfJudge.h) as the exit status. Each renderer draws in a child of
// its own, side by side: each gets the processor time this program was
// started with (the limit is each process's own, and so is the time it is
// measured against) and may allocate `MEMORY` bytes beyond what it holds
// as it starts (CountedAllocation.h), as a reader would give the one it
// uses. As soon as one fails, the other is stopped.
#include "Plattform/BuildStampNote.h"
#include "Plattform/Provritning/CountedAllocation.h"
#include "Plattform/Provritning/PdfJudge.h"
#include "Plattform/Provritning/Renderers.h"

#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <new>
#include <string>

namespace {

#define KONTOBOK_STRING_I(x) #x
#define KONTOBOK_STRING(x) KONTOBOK_STRING_I(x)
constexpr char stamp[] = KONTOBOK_STRING(KONTOBOK_BUILD_STAMP);

// Read by the tool from this program's file before it runs it
// (Ritning/PdfDrawingJudge.cpp).
[[gnu::used, gnu::section(".note.kontobok")]] alignas(4) const elf::StampNote<sizeof stamp> stampNote(stamp);

#if defined(__SANITIZE_ADDRESS__)
#define KONTOBOK_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KONTOBOK_SANITIZED 1
#endif
#endif

using pdfjudge::Verdict;
using Renderer = Verdict (*)(std::string_view, double);

std::string standardInput() {
    std::string bytes;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return bytes;
        bytes.append(buffer, size_t(n));
    }
}

// The renderer drawing in a child process, which may allocate `memory`
// bytes beyond what it holds now; -1 when it cannot start.
pid_t started(Renderer draw, std::string_view pdf, double dpi, uint64_t memory) {
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid != 0) return pid;
    // It never outlives this process.
    if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != parent) _exit(pdfjudge::failed);
    pdfjudge::holdAllocationsTo(memory);
    try {
        _exit(draw(pdf, dpi));
    } catch (const std::bad_alloc&) {
        _exit(pdfjudge::tooLarge);
    } catch (...) {
        _exit(pdfjudge::failed);
    }
}

// The processor time each process may take: its soft limit, at which
// SIGXCPU ends it.
double processorLimit() {
    rlimit cpu{};
    if (getrlimit(RLIMIT_CPU, &cpu) != 0 || cpu.rlim_cur == RLIM_INFINITY)
        return std::numeric_limits<double>::infinity();
    return double(cpu.rlim_cur);
}

double seconds(const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; }

// How a renderer's process ended, after `used` seconds of processor time,
// as a verdict.
Verdict verdict(int status, double used) {
    if (WIFEXITED(status)) {
        switch (const int code = WEXITSTATUS(status)) {
            case pdfjudge::drawn:
            case pdfjudge::unreadable:
            case pdfjudge::tooSlow:
            case pdfjudge::tooLarge:
            case pdfjudge::failed: return Verdict(code);
#ifdef KONTOBOK_SANITIZED
            // The sanitizer's allocator ends the process so when an
            // allocation fails.
            case 1: return pdfjudge::tooLarge;
#endif
            default: return pdfjudge::failed;
        }
    }
    switch (WTERMSIG(status)) {
        // The limit on processor time: SIGXCPU at the soft limit; SIGKILL
        // at the hard one, a second later, where SIGXCPU is ignored. The
        // out-of-memory killer sends SIGKILL at any time, so a SIGKILL is
        // too slow only once the soft limit's time is spent. (The kernel
        // counts the limit in ticks, and the time taken, counted exactly,
        // may fall a tenth short of it: SIGXCPU is taken as it comes.)
        case SIGXCPU: return pdfjudge::tooSlow;
        case SIGKILL: return used >= processorLimit() ? pdfjudge::tooSlow : pdfjudge::killed;
        // poppler aborts when an allocation it is asked for is too large to
        // count, as does the C++ runtime on an exception nobody catches
        // (std::bad_alloc).
        case SIGABRT: return pdfjudge::tooLarge;
        default: return pdfjudge::failed;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return pdfjudge::failed;
    char* end = nullptr;
    const double dpi = std::strtod(argv[1], &end);
    if (*end != '\0' || !(dpi > 0)) return pdfjudge::failed;
    const uint64_t memory = std::strtoull(argv[2], &end, 10);
    if (*end != '\0') return pdfjudge::failed;
    const std::string pdf = standardInput();

    pid_t running[2] = {started(pdfjudge::drawnBySplash, pdf, dpi, memory),
                        started(pdfjudge::drawnByCairo, pdf, dpi, memory)};
    Verdict result = pdfjudge::drawn;
    for (const pid_t pid : running)
        if (pid < 0) result = pdfjudge::failed;
    for (int left = (running[0] > 0) + (running[1] > 0); left > 0; --left) {
        int status = 0;
        rusage usage{};
        const pid_t pid = wait4(-1, &status, 0, &usage);
        if (pid < 0 && errno == EINTR) {
            ++left;
            continue;
        }
        if (pid < 0) return pdfjudge::failed;
        for (pid_t& p : running)
            if (p == pid) p = -1;
        const Verdict v = verdict(status, seconds(usage.ru_utime) + seconds(usage.ru_stime));
        if (v != pdfjudge::drawn && result == pdfjudge::drawn) result = v;
        // One refusal is the verdict: the other drawing need not finish.
        if (result != pdfjudge::drawn)
            for (const pid_t p : running)
                if (p > 0) kill(p, SIGKILL);
    }
    return result;
}
