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

// A shared object file opened once and checked through that descriptor,
// which the loader is then given by name: whatever another process puts
// under `path` afterwards (an upgrade renames a new file over it), what is
// loaded is the file that was checked.
class SharedObjectFile {
public:
    // Opens the regular file at `path` and checks that it is an ELF shared
    // object of this machine (class, byte order, architecture) whose every
    // segment lies within the file. Throws NotLoadable, or FileError when
    // the file cannot be opened or read.
    explicit SharedObjectFile(const std::string& path);
    ~SharedObjectFile();
    SharedObjectFile(const SharedObjectFile&) = delete;
    SharedObjectFile& operator=(const SharedObjectFile&) = delete;

    // The notes of its note segments.
    const std::vector<Note>& notes() const { return notes_; }

    // The name of the open descriptor under this process's own directory
    // of /proc, which opens the checked file itself and which other
    // processes of the user (debuggers, the sanitizers' symbolizer) can
    // open too, as long as the descriptor is open. The loader keeps the
    // name it is given as the object's name, so a module that stays loaded
    // keeps its file open to the end of the process (keepOpen).
    const std::string& loaderPath() const { return loaderPath_; }
    // The descriptor is never closed.
    void keepOpen() { fd_ = -1; }
    // The open descriptor (closed on exec): a program checked so (a
    // position-independent executable is a shared object too) is run from
    // it, not by its path.
    int descriptor() const { return fd_; }

private:
    int fd_ = -1;
    std::vector<Note> notes_;
    std::string loaderPath_;
};

}  // namespace elf
