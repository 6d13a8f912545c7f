// Work done in a child process held to limits: its answer comes back
// whole, and whatever breaks the child (an exception, a signal, memory,
// time, a long answer) gives none while this process goes on.
#include "Plattform/Ritning/BoundedProcess.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace {

constexpr boundedprocess::Limits limits{.memory = 64 << 20, .seconds = 1, .answer = 4 << 20};

}  // namespace

TEST(BoundedProcess, TheChildsAnswerComesBackWholeAndItsChangesStayThere) {
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

TEST(BoundedProcess, AChildThatFailsOrPassesALimitGivesNone) {
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
TEST(BoundedProcess, AProgramThatIgnoresItsChildrenStillLearnsHowTheyEnded) {
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
