#pragma once
// Whole-file reading and a crash-safe replace of a file's contents.
#include "Plattform/Bytes.h"

#include <functional>
#include <span>
#include <stdexcept>
#include <string>

// A file that could not be read or written. `what()` is a sentence for the
// user naming the file by its last path component; `errnoValue` is 0 when
// the failure came from no system call.
class FileError : public std::runtime_error {
public:
    FileError(const std::string& description, int errnoValue) : std::runtime_error(description), errnoValue(errnoValue) {}
    int errnoValue;
};

// Everything in the file at `path` (relative paths from the current
// directory). Throws FileError.
Bytes readWholeFile(const std::string& path);

// Called after the new contents are on disk in the temporary file and
// before it replaces the target; returning false aborts the save. For tests.
using BeforeReplaceHook = std::function<bool(const std::string& temporaryPath)>;

// Replaces the contents of the file at `path` so that at every moment the
// file holds either its old or its new contents in full: the bytes go to a
// temporary file in the same directory, are synced, and the temporary file
// is renamed over the target. A symbolic link is followed and its target
// replaced (the link stays); the target's permission bits, and its owner
// where the process may set it, are kept. A missing file is created with
// the default permissions. On failure the temporary file is removed, the
// old contents are untouched, and FileError is thrown.
void writeFileSafely(const std::string& path, std::span<const uint8_t> contents,
                     const BeforeReplaceHook& beforeReplace = {});

// Writes the file at `path` as writeFileSafely does, for a directory others
// share, such as the temporary directory: whatever stands at `path` is
// replaced as a name (a symbolic link there is never followed) and the
// file gets the default permissions.
void writeNewFileSafely(const std::string& path, std::span<const uint8_t> contents,
                        const BeforeReplaceHook& beforeReplace = {});

// The directory for temporary files: TMPDIR when it is set and not empty,
// else the system's default.
std::string temporaryDirectory();
