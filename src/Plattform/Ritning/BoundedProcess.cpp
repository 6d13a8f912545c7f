#include "Plattform/Ritning/BoundedProcess.h"

#include "Plattform/AddressSpace.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/poll.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

std::atomic<bool> inThisProcess{false};
std::atomic<uint64_t> started{0};

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

bool writeAll(int fd, std::string_view bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += size_t(n);
    }
    return true;
}

// Sets the child's limits: no core file, its processor time, and its
// address space `mapped` bytes and the memory allowed. System calls only.
void held(const boundedprocess::Limits& limits, uint64_t mapped) {
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    const rlimit cpu{rlim_t(limits.seconds), rlim_t(limits.seconds) + 1};
    setrlimit(RLIMIT_CPU, &cpu);
    const rlim_t most = rlim_t(mapped + boundedprocess::allowedMemory(limits));
    const rlimit space{most, most};
    setrlimit(RLIMIT_AS, &space);
}

// In the child: limits set, the work done, its answer written; never
// returns. Nothing of this process's exit (static destructors, buffered
// output, files it would remove) runs twice.
[[noreturn]] void child(int answer, pid_t parent, const std::function<std::string()>& work,
                        const boundedprocess::Limits& limits) {
    // The child never outlives this process: it is killed when the thread
    // that started it ends, and ends at once when this process ended
    // before it could ask for that.
    if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != parent) _exit(1);
    // The library may report on standard error, and a failed child must
    // not print; no core file either.
    const int nowhere = open("/dev/null", O_RDWR);
    if (nowhere >= 0) {
        dup2(nowhere, STDOUT_FILENO);
        dup2(nowhere, STDERR_FILENO);
    }
    const uint64_t mapped = mappedNow();
    if (mapped == 0) _exit(1);
    held(limits, mapped);
    try {
        _exit(writeAll(answer, work()) ? 0 : 1);
    } catch (...) {
        _exit(1);
    }
}

// Reads the child's answer until it closes its end, the answer grows past
// the limit or the deadline passes.
std::optional<std::string> readAnswer(int fd, const boundedprocess::Limits& limits, Clock::time_point deadline) {
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

// How the child ended, waited for until the deadline: none when it was
// killed then (one that closed its end of the pipe and then stops or
// sleeps instead of exiting is killed too), or when it was reaped by
// someone else. Its end is learnt by polling, in steps from a tenth of a
// millisecond (a child that answered is about to exit) up to ten.
std::optional<int> waitedFor(pid_t pid, Clock::time_point deadline) {
    auto step = std::chrono::microseconds(100);
    for (;;) {
        int status = 0;
        const pid_t waited = waitpid(pid, &status, WNOHANG);
        if (waited == pid) return status;
        // Reaped by someone else (a handler of SIGCHLD): how it ended is
        // not known, and its id may already be another process's.
        if (waited < 0 && errno != EINTR) return std::nullopt;
        const Clock::time_point now = Clock::now();
        if (now >= deadline) break;
        std::this_thread::sleep_for(std::min<Clock::duration>(step, deadline - now));
        step = std::min(step * 2, std::chrono::microseconds(10'000));
    }
    // Not yet ended, so the id is still its own; a stopped process is
    // killed too.
    kill(pid, SIGKILL);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return std::nullopt;
}

// Whether the child ended by exiting with status 0 before the deadline.
bool endedWell(pid_t pid, Clock::time_point deadline) {
    const std::optional<int> status = waitedFor(pid, deadline);
    return status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0;
}

// A program started with SIGCHLD ignored (the setting survives exec), or
// that asked for its children not to be kept once they end
// (SA_NOCLDWAIT), has them reaped unseen, and how one ended is never
// known: while a child runs, that is undone. A handler of its own stays in
// place; anything else about SIGCHLD is left as it is.
class ChildrenAwaited {
public:
    ChildrenAwaited() {
        struct sigaction now {};
        if (sigaction(SIGCHLD, nullptr, &now) != 0) return;
        const bool ignored = !(now.sa_flags & SA_SIGINFO) && now.sa_handler == SIG_IGN;
        if (!ignored && !(now.sa_flags & SA_NOCLDWAIT)) {
            awaited_ = true;
            return;
        }
        struct sigaction kept = now;
        kept.sa_flags &= ~SA_NOCLDWAIT;
        if (ignored) kept.sa_handler = SIG_DFL;
        if (sigaction(SIGCHLD, &kept, nullptr) != 0) return;
        before_ = now;
        changed_ = awaited_ = true;
    }
    ~ChildrenAwaited() {
        if (changed_) sigaction(SIGCHLD, &before_, nullptr);
    }
    ChildrenAwaited(const ChildrenAwaited&) = delete;
    ChildrenAwaited& operator=(const ChildrenAwaited&) = delete;

    // Whether how a child ends can be learnt.
    bool awaited() const { return awaited_; }

private:
    struct sigaction before_ {};
    bool changed_ = false;
    bool awaited_ = false;
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
    const ChildrenAwaited children;
    if (!children.awaited()) return std::nullopt;
    // Processor time is the limit; a second more allows for a busy
    // machine, and a child that waits instead of working is not waited
    // for longer, neither for its answer nor for its end.
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(limits.seconds + 1);
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) return std::nullopt;
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        close(ends[0]);
        child(ends[1], parent, work, limits);
    }
    close(ends[1]);
    if (pid < 0) {
        close(ends[0]);
        return std::nullopt;
    }
    ++started;
    std::optional<std::string> answer = readAnswer(ends[0], limits, deadline);
    close(ends[0]);
    // Late or talking too much: it is ended at once, and only it, by the
    // id it was started with.
    if (!answer) kill(pid, SIGKILL);
    // A child that has not said it finished well may have written a
    // partial answer.
    if (!endedWell(pid, deadline)) return std::nullopt;
    return answer;
}

boundedprocess::Ending boundedprocess::runProgram(const std::string& program, const std::vector<std::string>& arguments,
                                                  std::string_view input, const Limits& limits) {
    using How = Ending::How;
    if (inThisProcess) return {};
    const ChildrenAwaited children;
    if (!children.awaited()) return {};
    // Everything the child needs is made before the fork: between the fork
    // and the exec it makes system calls alone.
    std::vector<std::string> words = {program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    const int in = memfd_create("input", MFD_CLOEXEC);
    if (in < 0) return {};
    if (!writeAll(in, input) || lseek(in, 0, SEEK_SET) != 0) {
        close(in);
        return {};
    }
    const int nowhere = open("/dev/null", O_WRONLY | O_CLOEXEC);
    const uint64_t mapped = mappedNow();
    if (nowhere < 0 || mapped == 0) {
        close(in);
        if (nowhere >= 0) close(nowhere);
        return {};
    }
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(limits.seconds + 1);
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != parent) _exit(127);
        if (dup2(in, STDIN_FILENO) < 0 || dup2(nowhere, STDOUT_FILENO) < 0 || dup2(nowhere, STDERR_FILENO) < 0)
            _exit(127);
        // Nothing else of this process's files (the document, its lock)
        // goes with the program.
        close_range(3, ~0U, 0);
        held(limits, mapped);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(in);
    close(nowhere);
    if (pid < 0) return {};
    ++started;
    const std::optional<int> status = waitedFor(pid, deadline);
    // Killed at the deadline, or (when the program's own handler of
    // SIGCHLD reaped it) ended unseen: either way it did not finish.
    if (!status) return {How::late, 0};
    if (WIFEXITED(*status)) return {How::exited, WEXITSTATUS(*status)};
    return {How::signalled, WTERMSIG(*status)};
}

uint64_t boundedprocess::allowedMemory(const Limits& limits) { return limits.memory * sanitizerShare; }

uint64_t boundedprocess::childrenStarted() { return started; }

void boundedprocess::runInThisProcess() { inThisProcess = true; }

bool boundedprocess::runsInThisProcess() { return inThisProcess; }
