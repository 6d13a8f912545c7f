#pragma once
// What the file functions share: an owned descriptor, the user's sentences
// for failures, and opening a regular file for reading. Only the file
// functions' own sources include this.
#include "Plattform/Filer.h"

#include <cstdint>
#include <string>
#include <unistd.h>

namespace files {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        if (this != &other) {
            if (fd_ >= 0) ::close(fd_);
            fd_ = other.fd_;
            other.fd_ = -1;
        }
        return *this;
    }
    int get() const { return fd_; }
    // The descriptor, now the caller's to close.
    int release() {
        int fd = fd_;
        fd_ = -1;
        return fd;
    }
    // Closes now so that a failing close (delayed write errors) is seen.
    int close() {
        int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

// The file's last path component in curly quotes, as messages name it.
std::string quotedName(const std::string& path);

FileError readError(const std::string& path, int err);
FileError writeError(const std::string& path, const std::string& step, int err);

// Opens the regular file at `path` for reading without blocking on a FIFO
// or device, and refuses it when it holds more than `limit` bytes.
FileDescriptor openRegularFile(const std::string& path, uint64_t limit);

// Reads `fd` to its end; more than `limit` bytes is an error for `path`.
Bytes readAll(int fd, uint64_t limit, const std::string& path);

}  // namespace files
