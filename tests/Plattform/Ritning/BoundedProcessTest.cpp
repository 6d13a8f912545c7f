// Work done in a child process held to limits: its answer comes back
// whole, and whatever breaks the child (an exception, a signal, memory,
// time, a long answer) gives none while this process goes on.
#include "Plattform/Ritning/BoundedProcess.h"

#include "Tidsbundna.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <future>
#include <stdexcept>
#include <thread>

namespace {

constexpr boundedprocess::Limits limits{.memory = 64 << 20, .seconds = 1, .answer = 4 << 20};

// Whether the process has ended (a zombie has), waiting up to ten seconds.
bool endsWithinTenSeconds(pid_t pid) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (;;) {
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string line;
        if (!std::getline(stat, line)) return true;
        const size_t name = line.rfind(')');
        if (name == std::string::npos || name + 2 >= line.size() || line[name + 2] == 'Z' || line[name + 2] == 'X')
            return true;
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// A pipe whose write end the child tells its id through.
struct Told {
    int ends[2] = {-1, -1};
    Told() { EXPECT_EQ(pipe(ends), 0); }
    ~Told() {
        close(ends[0]);
        if (ends[1] >= 0) close(ends[1]);
    }
    void tell() const {
        const pid_t me = getpid();
        if (write(ends[1], &me, sizeof me) != sizeof me) _exit(3);
    }
    pid_t heard() {
        close(ends[1]);
        ends[1] = -1;
        pid_t pid = -1;
        return read(ends[0], &pid, sizeof pid) == sizeof pid ? pid : -1;
    }
};

// The children here do nothing or never end: no time they take could
// change a verdict.
class BoundedProcess : public ::testing::Test {
    testhjalp::BarnUtanTidsdom utanTidsdom;
};

}  // namespace

TEST_F(BoundedProcess, TheChildsAnswerComesBackWholeAndItsChangesStayThere) {
    int changed = 0;
    std::string large(3 << 20, 'x');
    large[12345] = 'y';
    auto answer = boundedprocess::run(
        [&] {
            changed = 1;
            return large;
        },
        limits);
    ASSERT_TRUE(answer);
    EXPECT_TRUE(*answer == large);
    EXPECT_EQ(changed, 0);
    EXPECT_EQ(boundedprocess::run([] { return std::string(); }, limits), "");
}

TEST_F(BoundedProcess, AChildThatFailsOrPassesALimitGivesNone) {
    EXPECT_FALSE(boundedprocess::run([]() -> std::string { throw std::runtime_error("no"); }, limits));
    EXPECT_FALSE(boundedprocess::run([]() -> std::string { std::abort(); }, limits));
    // Memory beyond the limit: the allocation fails in the child (kept
    // where the compiler cannot leave it out).
    EXPECT_FALSE(boundedprocess::run(
        [] {
            static char* volatile kept;
            kept = new char[size_t(1) << 30];
            std::memset(kept, 1, size_t(1) << 30);
            return std::string(1, kept[size_t(1) << 29]);
        },
        limits));
    // Processor time beyond the limit.
    EXPECT_FALSE(boundedprocess::run(
        [] {
            volatile uint64_t n = 0;
            for (;;) n = n + 1;
            return std::string();
        },
        limits));
    // An answer longer than allowed.
    EXPECT_FALSE(boundedprocess::run([] { return std::string(limits.answer + 1, 'x'); }, limits));
}

// A program started with SIGCHLD ignored (the disposition survives exec)
// still learns how its child ended: a good answer is taken, and what a
// failed child wrote before it failed is none.
TEST_F(BoundedProcess, AProgramThatIgnoresItsChildrenStillLearnsHowTheyEnded) {
    struct sigaction ignore {}, before{};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ASSERT_EQ(sigaction(SIGCHLD, &ignore, &before), 0);
    const auto good = boundedprocess::run([] { return std::string("svar"); }, limits);
    const auto failed = boundedprocess::run([]() -> std::string { throw std::runtime_error("no"); }, limits);
    const auto aborted = boundedprocess::run([]() -> std::string { std::abort(); }, limits);
    struct sigaction after {};
    sigaction(SIGCHLD, &before, &after);
    EXPECT_EQ(good, std::optional<std::string>("svar"));
    EXPECT_FALSE(failed);
    EXPECT_FALSE(aborted);
    EXPECT_EQ(after.sa_handler, SIG_IGN);  // as the program had it
}

// A child that closes its end of the pipe and then stops, or sleeps, never
// exits by itself: it is killed at the wall guard and gives none. The two
// wait side by side.
TEST_F(BoundedProcess, AChildThatClosesItsPipeAndStopsIsKilledAtTheWallGuard) {
    Told told[2];
    std::future<std::optional<std::string>> answers[2];
    for (const bool stops : {true, false})
        answers[stops] = std::async(std::launch::async, [&told, stops] {
            return boundedprocess::run(
                [&told, stops]() -> std::string {
                    told[stops].tell();
                    close_range(3, ~0U, 0);
                    if (stops) raise(SIGSTOP);
                    for (;;) pause();
                },
                limits);
        });
    for (const bool stops : {true, false}) {
        SCOPED_TRACE(stops ? "stops" : "sleeps");
        // Within the guard and then some; a parent that hangs is let go by
        // killing the child here.
        const auto guard = std::chrono::seconds(boundedprocess::wallGuardSeconds(limits) + 5);
        if (answers[stops].wait_for(guard) != std::future_status::ready) {
            ADD_FAILURE() << "the parent still waits for its child";
            const pid_t pid = told[stops].heard();
            if (pid > 0) kill(pid, SIGKILL);
        }
        EXPECT_EQ(answers[stops].get(), std::nullopt);
    }
}

// A parent that dies while its child works takes the child with it: a
// child that sleeps forever is not left behind.
TEST_F(BoundedProcess, TheChildDoesNotOutliveItsParent) {
    Told told;
    const pid_t parent = fork();
    ASSERT_GE(parent, 0);
    if (parent == 0) {
        boundedprocess::run(
            [&]() -> std::string {
                told.tell();
                for (;;) pause();
            },
            {.memory = 64 << 20, .seconds = 60, .answer = 16});
        _exit(0);
    }
    const pid_t child = told.heard();
    ASSERT_GT(child, 0);
    kill(parent, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(parent, &status, 0), parent);
    const bool ended = endsWithinTenSeconds(child);
    EXPECT_TRUE(ended);
    if (!ended) kill(child, SIGKILL);
}

// A program's own SIGCHLD handler stays in place while a child runs, and
// is told when the child ends; the answer still comes back.
TEST_F(BoundedProcess, AHandlerOfTheProgramsOwnStaysInPlace) {
    static volatile sig_atomic_t told = 0;
    told = 0;
    struct sigaction handler {}, before{};
    handler.sa_handler = [](int) { told = told + 1; };
    sigemptyset(&handler.sa_mask);
    ASSERT_EQ(sigaction(SIGCHLD, &handler, &before), 0);
    const auto good = boundedprocess::run([] { return std::string("svar"); }, limits);
    // The signal is sent before the child can be waited for; it may reach
    // another thread a moment later.
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (told == 0 && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    struct sigaction after {};
    sigaction(SIGCHLD, &before, &after);
    EXPECT_EQ(good, std::optional<std::string>("svar"));
    EXPECT_GT(told, 0);
    EXPECT_EQ(after.sa_handler, handler.sa_handler);
}

// Another program run in the child: it reads what it is given, and how it
// ended comes back, be it its status, the signal that ended it (its
// processor time spent, however busy the machine, and even when this
// process ignores the signal), the wall guard (a program that sleeps), or
// that it cannot be executed. Run from an open file, it is that file.
TEST_F(BoundedProcess, AProgramRunInTheChildSaysHowItEnded) {
    using How = boundedprocess::Ending::How;
    auto shell = [](const std::string& script, std::string_view input = "") {
        return boundedprocess::runProgram("/bin/sh", {"-c", script}, input, limits);
    };
    auto ending = [](const boundedprocess::Ending& e) { return std::make_pair(e.how, e.code); };
    auto sleeper = std::async(std::launch::async, [&] { return ending(shell("exec sleep 600")); });
    EXPECT_EQ(ending(shell("exit 7")), std::make_pair(How::exited, 7));
    EXPECT_EQ(ending(shell("test \"$(cat)\" = svar", "svar")), std::make_pair(How::exited, 0));
    EXPECT_EQ(ending(shell("test \"$(cat)\" = svar", "annat")), std::make_pair(How::exited, 1));
    // Nothing of this process's files but its standard input goes with it.
    const int open = dup(STDIN_FILENO);
    EXPECT_EQ(ending(shell("test ! -e /proc/self/fd/" + std::to_string(open))), std::make_pair(How::exited, 0));
    close(open);
    struct sigaction ignore {}, before{};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ASSERT_EQ(sigaction(SIGXCPU, &ignore, &before), 0);
    const boundedprocess::Ending busy = shell("while :; do :; done");
    sigaction(SIGXCPU, &before, nullptr);
    EXPECT_EQ(ending(busy), std::make_pair(How::signalled, int(SIGXCPU)));
    EXPECT_EQ(ending(boundedprocess::runProgram("/nonexistent/program", {}, "", limits)),
              std::make_pair(How::exited, 127));
    const int sh = ::open("/bin/sh", O_RDONLY | O_CLOEXEC);
    ASSERT_GE(sh, 0);
    EXPECT_EQ(ending(boundedprocess::runProgram(sh, "sh", {"-c", "exit 9"}, "", limits)), std::make_pair(How::exited, 9));
    close(sh);
    EXPECT_EQ(sleeper.get(), std::make_pair(How::late, 0));
}

// What a program starts ends with it: its process group is killed once it
// has ended, and at the wall guard.
TEST_F(BoundedProcess, WhatAProgramStartsEndsWithIt) {
    const std::string told = "/tmp/kontobok-bounded-" + std::to_string(getpid());
    for (const bool late : {false, true}) {
        SCOPED_TRACE(late ? "killed at the guard" : "ended");
        const boundedprocess::Ending e = boundedprocess::runProgram(
            "/bin/sh", {"-c", "sleep 600 & echo $! > " + told + (late ? "; exec sleep 600" : "")}, "", limits);
        EXPECT_EQ(e.how, late ? boundedprocess::Ending::How::late : boundedprocess::Ending::How::exited);
        pid_t left = -1;
        std::ifstream(told) >> left;
        std::remove(told.c_str());
        ASSERT_GT(left, 0);
        const bool ended = endsWithinTenSeconds(left);
        EXPECT_TRUE(ended);
        if (!ended) kill(left, SIGKILL);
    }
}
