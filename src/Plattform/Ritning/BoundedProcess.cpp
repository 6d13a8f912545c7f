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
std::atomic<uint64_t> childMicroseconds{0};

// AddressSanitizer keeps freed memory aside for a while and maps shadow
// memory beside it: the same work takes several times the address space,
// and about twice the processor time (a judge of ordinary artwork 1.7 to
// 2.6 s against 0.3 to 1.6 s).
#if defined(__SANITIZE_ADDRESS__)
constexpr bool sanitized = true;
#elif defined(__has_feature)
constexpr bool sanitized = __has_feature(address_sanitizer);
#else
constexpr bool sanitized = false;
#endif
constexpr uint64_t sanitizerShare = sanitized ? 4 : 1;
constexpr int sanitizerTimeShare = sanitized ? 2 : 1;

// Reaps `pid` as waitpid does, adding the processor time it and the
// children it waited for took to childMicroseconds.
pid_t reaped(pid_t pid, int& status, int options) {
    rusage usage{};
    const pid_t waited = wait4(pid, &status, options, &usage);
    if (waited == pid) {
        const auto microseconds = [](const timeval& t) { return uint64_t(t.tv_sec) * 1'000'000 + uint64_t(t.tv_usec); };
        childMicroseconds += microseconds(usage.ru_utime) + microseconds(usage.ru_stime);
    }
    return waited;
}

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

// A program run in a child keeps to its memory itself; its address space
// is held to this many times that, against what escapes its count.
constexpr uint64_t backstopShare = 4;

// Sets the child's limits: no core file, its processor time, and its
// address space `space` bytes. System calls only.
void held(const boundedprocess::Limits& limits, uint64_t space) {
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    const auto seconds = rlim_t(boundedprocess::allowedSeconds(limits));
    const rlimit cpu{seconds, seconds + 1};
    setrlimit(RLIMIT_CPU, &cpu);
    const rlimit most{rlim_t(space), rlim_t(space)};
    setrlimit(RLIMIT_AS, &most);
}

// When the wall guard of a child started now passes.
Clock::time_point wallGuard(const boundedprocess::Limits& limits) {
    return Clock::now() + std::chrono::seconds(boundedprocess::wallGuardSeconds(limits));
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
    held(limits, mapped + boundedprocess::allowedMemory(limits));
    try {
        _exit(writeAll(answer, work()) ? 0 : 1);
    } catch (...) {
        _exit(1);
    }
}

// Reads the child's answer until it closes its end, the answer grows past
// the limit or the wall guard passes.
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

// How the child ended, waited for until the wall guard: none when it was
// killed then (one that closed its end of the pipe and then stops or
// sleeps instead of exiting is killed too), or when it was reaped by
// someone else. Its end is learnt by polling, in steps from a tenth of a
// millisecond (a child that answered is about to exit) up to ten.
std::optional<int> waitedFor(pid_t pid, Clock::time_point deadline) {
    auto step = std::chrono::microseconds(100);
    for (;;) {
        int status = 0;
        const pid_t waited = reaped(pid, status, WNOHANG);
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
    while (reaped(pid, status, 0) < 0 && errno == EINTR) {
    }
    return std::nullopt;
}

// Whether the child ended by exiting with status 0 before the wall guard.
bool endedWell(pid_t pid, Clock::time_point deadline) {
    const std::optional<int> status = waitedFor(pid, deadline);
    return status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0;
}

// How a program that leads its own process group ended, waited for until
// the wall guard as waitedFor waits. Once it has ended, and before it is
// reaped (its id, the group's, stays its own until then), whatever is left
// of its group is killed; at the guard the group is killed whole, the
// program with it. None when it was killed so, or reaped by someone else.
std::optional<boundedprocess::Ending> groupWaitedFor(pid_t pid, Clock::time_point deadline) {
    using How = boundedprocess::Ending::How;
    auto step = std::chrono::microseconds(100);
    bool ended = false;
    for (;;) {
        siginfo_t info{};
        const int waited = waitid(P_PID, id_t(pid), &info, WEXITED | WNOHANG | WNOWAIT);
        if (waited == 0 && info.si_pid == pid) {
            ended = true;
            break;
        }
        if (waited < 0 && errno != EINTR) return std::nullopt;
        const Clock::time_point now = Clock::now();
        if (now >= deadline) break;
        std::this_thread::sleep_for(std::min<Clock::duration>(step, deadline - now));
        step = std::min(step * 2, std::chrono::microseconds(10'000));
    }
    kill(-pid, SIGKILL);
    // Killed by its id too, in case it has not yet made its group.
    if (!ended) kill(pid, SIGKILL);
    int status = 0;
    while (reaped(pid, status, 0) < 0)
        if (errno != EINTR) return std::nullopt;
    if (!ended) return std::nullopt;
    if (WIFEXITED(status)) return boundedprocess::Ending{How::exited, WEXITSTATUS(status)};
    return boundedprocess::Ending{How::signalled, WTERMSIG(status)};
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

// runProgram: the program in the open file `file`, or at the path `name`
// when `file` is negative.
boundedprocess::Ending programRun(int file, const std::string& name, const std::vector<std::string>& arguments,
                                  std::string_view input, const boundedprocess::Limits& limits) {
    using How = boundedprocess::Ending::How;
    if (inThisProcess) return {};
    const ChildrenAwaited children;
    if (!children.awaited()) return {};
    // Everything the child needs is made before the fork: between the fork
    // and the exec it makes system calls alone.
    std::vector<std::string> words = {name};
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
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    sigset_t xcpu;
    sigemptyset(&xcpu);
    sigaddset(&xcpu, SIGXCPU);
    const Clock::time_point deadline = wallGuard(limits);
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != parent) _exit(127);
        // Kept above the standard three, which are replaced next.
        const int program = file < 0 ? -1 : fcntl(file, F_DUPFD_CLOEXEC, 3);
        if (file >= 0 && program < 0) _exit(127);
        if (dup2(in, STDIN_FILENO) < 0 || dup2(nowhere, STDOUT_FILENO) < 0 || dup2(nowhere, STDERR_FILENO) < 0)
            _exit(127);
        // Nothing else of this process's files (the document, its lock)
        // goes with the program.
        if (program < 0) {
            close_range(3, ~0U, 0);
        } else {
            if (program > 3) close_range(3, unsigned(program) - 1, 0);
            close_range(unsigned(program) + 1, ~0U, 0);
        }
        held(limits, mapped + backstopShare * boundedprocess::allowedMemory(limits));
        setpgid(0, 0);
        // Its processor limit ends it, though this process may ignore or
        // block SIGXCPU (both survive the exec).
        sigaction(SIGXCPU, &byDefault, nullptr);
        sigprocmask(SIG_UNBLOCK, &xcpu, nullptr);
        if (program < 0) execv(argv[0], argv.data());
        else execveat(program, "", argv.data(), environ, AT_EMPTY_PATH);
        _exit(127);
    }
    close(in);
    close(nowhere);
    if (pid < 0) return {};
    // Its group is made here too, so that it is there to kill at once.
    setpgid(pid, pid);
    ++started;
    const std::optional<boundedprocess::Ending> ending = groupWaitedFor(pid, deadline);
    // Killed at the wall guard, or (when the program's own handler of
    // SIGCHLD reaped it) ended unseen: either way it did not finish.
    return ending ? *ending : boundedprocess::Ending{How::late, 0};
}

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
    // Processor time is the limit; a child that waits instead of working
    // is not waited for past the wall guard, neither for its answer nor
    // for its end.
    const Clock::time_point deadline = wallGuard(limits);
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
    return programRun(-1, program, arguments, input, limits);
}

boundedprocess::Ending boundedprocess::runProgram(int program, const std::string& name,
                                                  const std::vector<std::string>& arguments, std::string_view input,
                                                  const Limits& limits) {
    return programRun(program, name, arguments, input, limits);
}

uint64_t boundedprocess::allowedMemory(const Limits& limits) { return limits.memory * sanitizerShare; }

int boundedprocess::allowedSeconds(const Limits& limits) { return limits.seconds * sanitizerTimeShare; }

uint64_t boundedprocess::childrenStarted() { return started; }

double boundedprocess::childrenProcessorSeconds() { return double(childMicroseconds) / 1e6; }

void boundedprocess::runInThisProcess(bool yes) { inThisProcess = yes; }

bool boundedprocess::runsInThisProcess() { return inThisProcess; }
