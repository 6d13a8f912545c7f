#pragma once
// A shared object checked from its file before the dynamic loader sees it.
// The loader trusts the file's program headers (it maps a segment that runs
// past the end of a file cut short, and the first touch of it is SIGBUS)
// and runs a library's constructors as it loads it; what must hold before
// any of that is read here with plain reads.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace elf {

// The file cannot be loaded into this process; what() says why, as a
// clause ("it is cut short: ...").
class NotLoadable : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A note of the file's note segments.
struct Note {
    std::string owner;
    uint32_t type = 0;
    std::string description;
};

// Checks that the regular file at `path` is an ELF shared object of this
// machine (class, byte order, architecture) whose every segment lies within
// the file, and gives the notes of its note segments. Throws NotLoadable,
// or FileError when the file cannot be opened or read.
std::vector<Note> notesOfLoadableSharedObject(const std::string& path);

}  // namespace elf
