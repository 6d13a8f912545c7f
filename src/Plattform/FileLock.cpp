#include "Plattform/FileLock.h"

#include "Plattform/FileDescriptors.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace files;

namespace {

FileNotChangeableError notChangeable(const std::string& path, const std::string& why, int err) {
    return FileNotChangeableError("The file " + quotedName(path) + " couldn\u2019t be changed " + why, err, path, why);
}

}  // namespace

void refuseUnlessWritable(const std::string& path) {
    // Access to the file itself: the save replaces it through its
    // directory, but a file its user may not write must stay as it is.
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
        const int err = errno;
        if (err == EACCES || err == EPERM || err == EROFS)
            throw notChangeable(path, "because you don\u2019t have permission to write to it.", err);
        throw readError(path, err);
    }
}

LockedFile::LockedFile(const std::string& path, uint64_t limit, std::chrono::milliseconds wait,
                       const HeldFile* known) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        FileDescriptor fd = openRegularFile(path, limit);
        refuseUnlessWritable(path);
        while (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
            if (errno == EINTR) continue;
            if (errno != EWOULDBLOCK) throw readError(path, errno);
            if (std::chrono::steady_clock::now() >= deadline) {
                const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(wait).count();
                throw notChangeable(path,
                                    "because another run is changing it (waited " + std::to_string(seconds) +
                                        (seconds == 1 ? " second)." : " seconds)."),
                                    EWOULDBLOCK);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        // The holder may have replaced the file before letting go: then the
        // lock is on contents nobody will read again.
        struct stat held, current;
        if (::fstat(fd.get(), &held) != 0) throw readError(path, errno);
        if (::stat(path.c_str(), &current) == 0 && FileIdentity::of(held) == FileIdentity::of(current)) {
            identity_ = FileIdentity::of(held);
            // `known` is still open, so its inode is its own: the same one
            // here is the same file.
            knownVersion_ = known && FileVersion::of(held) == known->version();
            if (!knownVersion_) contents_ = readAll(fd.get(), limit, path);
            fd_ = fd.release();
            return;
        }
    }
}

LockedFile::~LockedFile() {
    if (fd_ >= 0) ::close(fd_);
}

LockedFile::LockedFile(LockedFile&& other) noexcept
    : fd_(other.fd_), contents_(std::move(other.contents_)), identity_(other.identity_),
      knownVersion_(other.knownVersion_) {
    other.fd_ = -1;
}

LockedFile& LockedFile::operator=(LockedFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = other.fd_;
        contents_ = std::move(other.contents_);
        identity_ = other.identity_;
        knownVersion_ = other.knownVersion_;
        other.fd_ = -1;
    }
    return *this;
}
