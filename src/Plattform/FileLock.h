#pragma once
// A file held for changing: an exclusive advisory lock (flock) on the file
// itself from reading it until the process lets go, so that two processes
// that change the same file one after the other never both start from the
// same contents. Processes that only read the file take no lock and are
// never held up.
#include "Plattform/Bytes.h"
#include "Plattform/Filer.h"

#include <chrono>
#include <cstdint>
#include <string>

// Throws FileNotChangeableError when this user may not write the file at
// `path` (a write in place would be refused), and a readWholeFile error
// when it cannot be examined.
void refuseUnlessWritable(const std::string& path);

class LockedFile {
public:
    // Opens the regular file at `path` as readWholeFile does (its errors
    // are readWholeFile's), refuses one this user may not write
    // (refuseUnlessWritable), then waits at most `wait` for the lock
    // (FileNotChangeableError when another process keeps it). A file that
    // its holder replaced while this one waited is opened afresh, so the
    // contents read are the newest. When the file locked is still `known`,
    // a file the caller has read and holds open, it is not read again.
    LockedFile(const std::string& path, uint64_t limit, std::chrono::milliseconds wait,
               const HeldFile* known = nullptr);
    ~LockedFile();
    LockedFile(LockedFile&&) noexcept;
    LockedFile& operator=(LockedFile&&) noexcept;

    // Whether the file locked is the version the caller knew; its contents
    // were then not read.
    bool isKnownVersion() const { return knownVersion_; }
    // The contents read under the lock.
    const Bytes& contents() const { return contents_; }
    Bytes takeContents() { return std::move(contents_); }
    // The file that is locked and was read.
    const FileIdentity& identity() const { return identity_; }

private:
    int fd_ = -1;
    Bytes contents_;
    FileIdentity identity_;
    bool knownVersion_ = false;
};
