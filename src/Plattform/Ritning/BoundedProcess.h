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
    // Processor time, the child's own, never the clock's: other processes
    // on the machine take none of it. A virtual machine's host that takes
    // the processor away is another matter: that time counts as the
    // child's own, and a busy host may refuse work a quiet one allows.
    int seconds = 0;
    // The longest answer accepted.
    size_t answer = 0;
};

// The wall clock guards only against a child that sleeps or hangs: one
// that has not ended (answered, for `run`) this many times its processor
// time after it started is killed then.
inline constexpr int wallGuardShare = 10;
inline int wallGuardSeconds(const Limits& limits) { return wallGuardShare * limits.seconds; }

// What `work` returns, computed in a child process; none when the child
// throws, is ended by a signal, passes a limit, or cannot be started.
std::optional<std::string> run(const std::function<std::string()>& work, const Limits& limits);

// How a program run in a child ended.
struct Ending {
    enum class How {
        exited,      // with `code` as its status
        signalled,   // by signal `code` (SIGXCPU: its processor time ran out)
        late,        // killed when the wall guard (wallGuardSeconds) passed
        notStarted,  // no child could be made
    };
    How how = How::notStarted;
    int code = 0;
};

// Runs `program` (a path) with `arguments` in a child held to `limits`
// (the answer limit aside), with `input` as its standard input and its
// output thrown away. A program that cannot be executed exits with status
// 127. Between the fork and the exec the child makes system calls alone,
// so it is sound whatever the threads of this process hold. Its processor
// limit ends it with SIGXCPU whatever this process does with that signal.
// It runs in a process group of its own, killed whole once the program
// has ended or the wall guard passes: nothing it starts outlives it. It is
// told the memory it may take and keeps to it itself (the judge counts what
// its renderers allocate); its address space is held only as a backstop,
// to four times allowedMemory beyond what this process maps.
Ending runProgram(const std::string& program, const std::vector<std::string>& arguments, std::string_view input,
                  const Limits& limits);
// The same for the program in the open file `program` (checked from that
// file, so that what runs is what was checked), named `name` to itself.
Ending runProgram(int program, const std::string& name, const std::vector<std::string>& arguments,
                  std::string_view input, const Limits& limits);

// The memory the child is allowed beyond what it maps as it starts:
// `limits.memory`, more in a sanitizer build, whose allocator keeps freed
// memory aside for a while and maps shadow memory beside it.
uint64_t allowedMemory(const Limits& limits);
// The processor time the child is allowed: `limits.seconds`, twice that in
// a sanitizer build, whose children run at about half speed.
int allowedSeconds(const Limits& limits);

// How many children this process has started: a test counts by it how
// often a file was read.
uint64_t childrenStarted();
// The processor time those children took, with that of the children they
// waited for (a judge's renderers), once each has ended: a test holds it
// against their limit.
double childrenProcessorSeconds();

// Runs the work in this process from now on, without limits (or in
// children again, given false): for fuzz targets, whose fuzzer sees only
// the code run in its own process and holds it to limits of its own, and
// for tests of what is laid out around artwork, not of its reading.
// Programs are not run then.
void runInThisProcess(bool inThisProcess = true);
bool runsInThisProcess();

}  // namespace boundedprocess
