// kontobok-pdf-judge DPI MEMORY < page.pdf: the verdict on drawing the
// page (PdfJudge.h) as the exit status. Each renderer draws in a child of
// its own, side by side: each gets the processor time this program was
// started with and `MEMORY` bytes, as a reader would give the one it uses.
// As soon as one fails, the other is stopped.
#include "Plattform/AddressSpace.h"
#include "Plattform/Provritning/PdfJudge.h"
#include "Plattform/Provritning/Renderers.h"

#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <string>

namespace {

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

// The renderer drawing in a child process, its address space held to
// `memory` bytes beyond what this one maps now; -1 when it cannot start.
pid_t started(Renderer draw, std::string_view pdf, double dpi, uint64_t memory) {
    const pid_t parent = getpid();
    const uint64_t mapped = mappedNow();
    if (mapped == 0) return -1;
    const pid_t pid = fork();
    if (pid != 0) return pid;
    // It never outlives this process, which is killed when its own
    // deadline passes.
    if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != parent) _exit(pdfjudge::failed);
    const rlimit space{rlim_t(mapped + memory), rlim_t(mapped + memory)};
    if (setrlimit(RLIMIT_AS, &space) != 0) _exit(pdfjudge::failed);
    try {
        _exit(draw(pdf, dpi));
    } catch (const std::bad_alloc&) {
        _exit(pdfjudge::tooLarge);
    } catch (...) {
        _exit(pdfjudge::failed);
    }
}

// How a renderer's process ended, as a verdict.
Verdict verdict(int status) {
    if (WIFEXITED(status)) {
        switch (const int code = WEXITSTATUS(status)) {
            case pdfjudge::drawn:
            case pdfjudge::unreadable:
            case pdfjudge::tooSlow:
            case pdfjudge::tooLarge:
            case pdfjudge::failed: return Verdict(code);
            // A sanitizer's runtime ends the process so when an allocation fails.
            case 1: return pdfjudge::tooLarge;
            default: return pdfjudge::failed;
        }
    }
    switch (WTERMSIG(status)) {
        // The soft limit on processor time, then the hard one.
        case SIGXCPU:
        case SIGKILL: return pdfjudge::tooSlow;
        // poppler aborts when an allocation fails, as does the C++ runtime
        // on an exception nobody catches (std::bad_alloc).
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
        const pid_t pid = waitpid(-1, &status, 0);
        if (pid < 0 && errno == EINTR) {
            ++left;
            continue;
        }
        if (pid < 0) return pdfjudge::failed;
        for (pid_t& p : running)
            if (p == pid) p = -1;
        const Verdict v = verdict(status);
        if (v != pdfjudge::drawn && result == pdfjudge::drawn) result = v;
        // One refusal is the verdict: the other drawing need not finish.
        if (result != pdfjudge::drawn)
            for (const pid_t p : running)
                if (p > 0) kill(p, SIGKILL);
    }
    return result;
}
