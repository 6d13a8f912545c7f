#pragma once
// Whole-file reading and a crash-safe replace of a file's contents.
#include "Plattform/Bytes.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>

// A file that could not be read or written. `what()` is a sentence for the
// user naming the file by its last path component; `errnoValue` is 0 when
// the failure came from no system call. `path` is the path as given and
// `cause` what failed, without the file's name ("writing failed: No space
// left on device").
class FileError : public std::runtime_error {
public:
    FileError(const std::string& description, int errnoValue, std::string path = {}, std::string cause = {})
        : std::runtime_error(description), errnoValue(errnoValue), path(std::move(path)), cause(std::move(cause)) {}
    int errnoValue;
    std::string path;
    std::string cause;
};

// A file that can be read but not changed now: it is read-only to this
// user, or another process holds it locked for changing.
class FileNotChangeableError : public FileError {
public:
    using FileError::FileError;
};

inline constexpr uint64_t noSizeLimit = std::numeric_limits<uint64_t>::max();

// Everything in the regular file at `path` (relative paths from the current
// directory); anything else (a directory, a device, a FIFO) is refused
// without waiting on it, as is a file of more than `limit` bytes. Throws
// FileError.
Bytes readWholeFile(const std::string& path, uint64_t limit = noSizeLimit);

// Everything that can be read from `fd` up to its end; none when it holds
// more than `limit` bytes (found without reading when `fd` is a regular
// file). Throws FileError naming `name` when a read fails.
std::optional<Bytes> readToEnd(int fd, uint64_t limit, const std::string& name);

// "1 GiB", "512 bytes": a size limit as messages give it.
std::string sizeText(uint64_t bytes);

struct stat;

// Which file a name stands for: the device and inode of the file itself.
struct FileIdentity {
    uint64_t device = 0;
    uint64_t inode = 0;
    static FileIdentity of(const struct stat& st);
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// What tells one state of a file from another without reading it: which
// file it is, its size, and when its contents and its status last changed
// (the kernel sets the latter on every write; no user can set it back).
struct FileVersion {
    FileIdentity identity;
    int64_t size = 0;
    int64_t modifiedNanoseconds = 0;
    int64_t changedNanoseconds = 0;
    static FileVersion of(const struct stat& st);
    friend bool operator==(const FileVersion&, const FileVersion&) = default;
};

// A file that was read, kept open: as long as it is, its inode cannot pass
// to another file, so a file found later under its name with its `version`
// (device, inode, size and times) is the file that was read, unchanged.
class HeldFile {
public:
    HeldFile() = default;
    ~HeldFile();
    HeldFile(HeldFile&& other) noexcept;
    HeldFile& operator=(HeldFile&& other) noexcept;
    // As the file stood when it was opened.
    const FileVersion& version() const { return version_; }

private:
    friend Bytes readWholeFile(const std::string& path, uint64_t limit, HeldFile& read);
    int fd_ = -1;
    FileVersion version_;
};

// readWholeFile, which also keeps the file that was read open in `read`.
Bytes readWholeFile(const std::string& path, uint64_t limit, HeldFile& read);

// Called after the new contents are on disk in the temporary file and
// before it replaces the target; returning false aborts the save. For tests.
using BeforeReplaceHook = std::function<bool(const std::string& temporaryPath)>;

class EndingSignalsCaught;

// What follows once the new contents have replaced the old.
struct OnceReplaced {
    // The save is the last step of the process's work that counts, and the
    // process must get to report it: from the rename on, the signals that
    // would end it (SIGINT, SIGTERM, SIGHUP, SIGQUIT, ...) are ignored, one
    // that arrived during the rename included.
    bool endingSignalsIgnored = false;
    // The file counts only once the process has named it to its caller:
    // from the rename on, those signals are caught here, one that arrived
    // during the rename included, for the process to act on.
    EndingSignalsCaught* signalsCaught = nullptr;
    // Runs just after the rename, those signals still held back (tests).
    std::function<void()> hook;
};

// Replaces the contents of the file at `path` so that at every moment the
// file holds either its old or its new contents in full: the bytes go to a
// temporary file in the same directory, are synced, and the temporary file
// is renamed over the target. A symbolic link is followed and its target
// replaced (the link stays); the target's permission bits, and its owner
// where the process may set it, are kept. A hard-linked target gets a new
// file: its other names keep the old contents. A missing file is created
// with the default permissions. On failure the temporary file is removed,
// the old contents are untouched, and FileError is thrown.
//
// The temporary file is named ".NAME.kontobok-XXXXXX" beside the target.
// SIGINT, SIGTERM or SIGHUP during the save removes it before the signal
// takes its course; one left by a process that died otherwise (SIGKILL, a
// crash, a power cut) is removed by a later save of the same file once it
// is more than a minute old.
//
// With `onlyOver`, the file that was read: just before the rename, `path`
// (and the target of its link) must still name that file. When another
// program has put a new file in its place, or removed it, the save fails as
// above and whatever now stands under the name is left as it is.
void writeFileSafely(const std::string& path, std::span<const uint8_t> contents,
                     const BeforeReplaceHook& beforeReplace = {},
                     const std::optional<FileIdentity>& onlyOver = std::nullopt,
                     const OnceReplaced& onceReplaced = {});

// Writes the file at `path` as writeFileSafely does, for a directory others
// share, such as the temporary directory: whatever stands at `path` is
// replaced as a name (a symbolic link there is never followed) and the
// file gets the default permissions. It is not forced to disk: such a file
// is read from memory by whoever takes it next, and the rename alone keeps
// a reader from seeing it half written.
void writeNewFileSafely(const std::string& path, std::span<const uint8_t> contents,
                        const BeforeReplaceHook& beforeReplace = {}, const OnceReplaced& onceReplaced = {});

// The directory of the running program's file, with its closing '/', where
// what the program is built with stands beside it (its invoice module, its
// judge, its faces); none when the system does not tell it.
std::optional<std::string> programDirectory();

// The directory for temporary files: TMPDIR when it is set and not empty,
// else the system's default.
std::string temporaryDirectory();
// A sentence for a message about a file there: which directory that is
// and that TMPDIR chooses it.
std::string temporaryDirectorySentence();
