#pragma once
// Work on bytes we did not make (a PDF a user put in a document) done in a
// child process held to memory and time limits: whatever the bytes ask of
// the library that reads them, the child fails alone and this process
// goes on with the answer "none". The child runs a function of this
// program, or another program started in it.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace boundedprocess {

struct Limits {
    // Memory the child may take beyond what it shares with this process.
    uint64_t memory = 0;
    // Processor time; the child is waited for (its answer and its end) a
    // second longer at most, and killed then.
    int seconds = 0;
    // The longest answer accepted.
    size_t answer = 0;
};

// What `work` returns, computed in a child process; none when the child
// throws, is ended by a signal, passes a limit, or cannot be started.
std::optional<std::string> run(const std::function<std::string()>& work, const Limits& limits);

// How a program run in a child ended.
struct Ending {
    enum class How {
        exited,      // with `code` as its status
        signalled,   // by signal `code` (SIGXCPU: its processor time ran out)
        late,        // killed when the deadline (its processor time and a second) passed
        notStarted,  // no child could be made
    };
    How how = How::notStarted;
    int code = 0;
};

// Runs `program` (a path) with `arguments` in a child held to `limits`
// (the answer limit aside), with `input` as its standard input and its
// output thrown away. A program that cannot be executed exits with status
// 127. Between the fork and the exec the child makes system calls alone,
// so it is sound whatever the threads of this process hold. The limit on
// memory is set against what this process maps; the program maps far less
// as it starts, so one that is to keep to `limits.memory` sets its own
// limit too (allowedMemory).
Ending runProgram(const std::string& program, const std::vector<std::string>& arguments, std::string_view input,
                  const Limits& limits);

// The memory the child is allowed beyond what it maps as it starts:
// `limits.memory`, more in a sanitizer build, whose allocator keeps freed
// memory aside for a while and maps shadow memory beside it.
uint64_t allowedMemory(const Limits& limits);

// How many children this process has started: a test counts by it how
// often a file was read.
uint64_t childrenStarted();

// Runs the work in this process from now on, without limits: for fuzz
// targets, whose fuzzer sees only the code run in its own process and
// holds it to limits of its own. Programs are not run then.
void runInThisProcess();
bool runsInThisProcess();

}  // namespace boundedprocess
