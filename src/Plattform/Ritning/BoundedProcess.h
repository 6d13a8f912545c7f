#pragma once
// Work on bytes we did not make (a PDF a user put in a document) done in a
// child process held to memory and time limits: whatever the bytes ask of
// the library that reads them, the child fails alone and this process
// goes on with the answer "none".
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

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

// How many children this process has started: a test counts by it how
// often a file was read.
uint64_t childrenStarted();

// Runs the work in this process from now on, without limits: for fuzz
// targets, whose fuzzer sees only the code run in its own process and
// holds it to limits of its own.
void runInThisProcess();

}  // namespace boundedprocess
