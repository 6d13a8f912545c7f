#include "Plattform/Ritning/BoundedProcess.h"

#include <fcntl.h>
#include <sys/poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

std::atomic<bool> inThisProcess{false};

// AddressSanitizer keeps freed memory aside for a while and maps shadow
// memory beside it: the same work takes several times the address space.
#if defined(__SANITIZE_ADDRESS__)
constexpr uint64_t sanitizerShare = 4;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr uint64_t sanitizerShare = 4;
#else
constexpr uint64_t sanitizerShare = 1;
#endif
#else
constexpr uint64_t sanitizerShare = 1;
#endif

// The address space the process maps now, in bytes (0 when unknown).
uint64_t mappedNow() {
    FILE* statm = std::fopen("/proc/self/statm", "r");
    if (!statm) return 0;
    unsigned long long pages = 0;
    const bool read = std::fscanf(statm, "%llu", &pages) == 1;
    std::fclose(statm);
    return read ? pages * uint64_t(sysconf(_SC_PAGESIZE)) : 0;
}

bool writeAll(int fd, const std::string& bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += size_t(n);
    }
    return true;
}

// In the child: limits set, the work done, its answer written; never
// returns. Nothing of this process's exit (static destructors, buffered
// output, files it would remove) runs twice.
[[noreturn]] void child(int answer, const std::function<std::string()>& work, const boundedprocess::Limits& limits) {
    // The library may report on standard error, and a failed child must
    // not print; no core file either.
    const int nowhere = open("/dev/null", O_RDWR);
    if (nowhere >= 0) {
        dup2(nowhere, STDOUT_FILENO);
        dup2(nowhere, STDERR_FILENO);
    }
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    const rlimit cpu{rlim_t(limits.seconds), rlim_t(limits.seconds) + 1};
    setrlimit(RLIMIT_CPU, &cpu);
    if (const uint64_t mapped = mappedNow(); mapped > 0) {
        const rlim_t most = rlim_t(mapped + limits.memory * sanitizerShare);
        const rlimit space{most, most};
        setrlimit(RLIMIT_AS, &space);
    } else {
        _exit(1);
    }
    try {
        _exit(writeAll(answer, work()) ? 0 : 1);
    } catch (...) {
        _exit(1);
    }
}

// Reads the child's answer until it closes its end, the answer grows past
// the limit or the deadline passes.
std::optional<std::string> readAnswer(int fd, const boundedprocess::Limits& limits) {
    using Clock = std::chrono::steady_clock;
    // Processor time is the limit; a second more allows for a busy
    // machine, and a child that waits instead of working is not waited
    // for longer.
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(limits.seconds + 1);
    std::string answer;
    char buffer[1 << 16];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return std::nullopt;
        pollfd p{fd, POLLIN, 0};
        const int ready = poll(&p, 1, int(left));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) return std::nullopt;
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) return answer;
        if (size_t(n) > limits.answer - answer.size()) return std::nullopt;
        answer.append(buffer, size_t(n));
    }
}

// A program started with SIGCHLD ignored (the setting survives exec) has
// its children reaped unseen, and how one ended is never known: while a
// child runs, the default is put back.
class ChildrenAwaited {
public:
    ChildrenAwaited() {
        struct sigaction standard {};
        standard.sa_handler = SIG_DFL;
        sigemptyset(&standard.sa_mask);
        sigaction(SIGCHLD, &standard, &before_);
    }
    ~ChildrenAwaited() { sigaction(SIGCHLD, &before_, nullptr); }
    ChildrenAwaited(const ChildrenAwaited&) = delete;
    ChildrenAwaited& operator=(const ChildrenAwaited&) = delete;

private:
    struct sigaction before_ {};
};

}  // namespace

std::optional<std::string> boundedprocess::run(const std::function<std::string()>& work, const Limits& limits) {
    if (inThisProcess) {
        try {
            std::string answer = work();
            if (answer.size() > limits.answer) return std::nullopt;
            return answer;
        } catch (...) {
            return std::nullopt;
        }
    }
    const ChildrenAwaited awaited;
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) return std::nullopt;
    const pid_t pid = fork();
    if (pid == 0) {
        close(ends[0]);
        child(ends[1], work, limits);
    }
    close(ends[1]);
    if (pid < 0) {
        close(ends[0]);
        return std::nullopt;
    }
    std::optional<std::string> answer = readAnswer(ends[0], limits);
    close(ends[0]);
    // Done, late or talking too much: it is ended either way, and only it,
    // by the id it was started with.
    if (!answer) kill(pid, SIGKILL);
    // A child whose end is not known (waitpid failed) has not said it
    // finished well: its answer may be partial.
    int status = 0;
    pid_t waited;
    while ((waited = waitpid(pid, &status, 0)) < 0 && errno == EINTR) {
    }
    if (waited != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return answer;
}

void boundedprocess::runInThisProcess() { inThisProcess = true; }
