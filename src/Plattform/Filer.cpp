#include "Plattform/Filer.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The name users know the file by: its last path component.
std::string displayName(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    size_t slash = path.rfind('/');
    return slash == std::string::npos || path.size() == 1 ? path : path.substr(slash + 1);
}

std::string quoted(const std::string& path) { return "\u201C" + displayName(path) + "\u201D"; }

FileError readError(const std::string& path, int err) {
    std::string file = "The file " + quoted(path) + " couldn\u2019t be opened";
    switch (err) {
    case ENOENT:
        return FileError(file + " because there is no such file.", err);
    case EACCES:
    case EPERM:
        return FileError(file + " because you don\u2019t have permission to view it.", err);
    default:
        return FileError(file + ": " + std::strerror(err) + ".", err);
    }
}

FileError writeError(const std::string& path, const std::string& step, int err) {
    std::string text = "The file " + quoted(path) + " couldn\u2019t be saved: " + step;
    if (err != 0) text += std::string(": ") + std::strerror(err);
    return FileError(text + ".", err);
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    // Closes now so that a failing close (delayed write errors) is seen.
    int close() {
        int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::span<const uint8_t> bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

// The file that a save must replace: the final target of a symbolic link,
// so that the link itself survives the rename.
std::string replaceTarget(const std::string& path) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved) throw writeError(path, "its symbolic link cannot be followed", errno);
    std::string target(resolved);
    std::free(resolved);
    return target;
}

std::string directoryOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

Bytes readWholeFile(const std::string& path) {
    int raw;
    do raw = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    while (raw < 0 && errno == EINTR);
    if (raw < 0) throw readError(path, errno);
    FileDescriptor fd(raw);

    struct stat st;
    if (::fstat(fd.get(), &st) != 0) throw readError(path, errno);
    if (S_ISDIR(st.st_mode)) throw readError(path, EISDIR);

    Bytes contents;
    if (S_ISREG(st.st_mode) && st.st_size > 0) contents.reserve(static_cast<size_t>(st.st_size));
    uint8_t buffer[1 << 16];
    for (;;) {
        ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw readError(path, errno);
        }
        if (n == 0) break;
        contents.insert(contents.end(), buffer, buffer + n);
    }
    return contents;
}

namespace {

enum class Existing { keepAndFollowLink, replaceName };

void replaceFile(const std::string& path, std::span<const uint8_t> contents, const BeforeReplaceHook& beforeReplace,
                 Existing existing) {
    const bool follow = existing == Existing::keepAndFollowLink;
    const std::string target = follow ? replaceTarget(path) : path;

    struct stat original;
    bool exists = (follow ? ::stat(target.c_str(), &original) : ::lstat(target.c_str(), &original)) == 0;
    if (!exists && errno != ENOENT) throw writeError(path, "it cannot be examined", errno);
    if (exists && !S_ISREG(original.st_mode) && !(S_ISLNK(original.st_mode) && !follow))
        throw writeError(path, "it is not a regular file", 0);
    // What stands there now is replaced, never consulted: its owner and
    // permissions may be anyone's.
    if (!follow) exists = false;

    const std::string directory = directoryOf(target);
    std::string temporary = target + ".XXXXXX";
    // A hidden name keeps the half-written file out of sight of file browsers.
    size_t nameStart = target.rfind('/') == std::string::npos ? 0 : target.rfind('/') + 1;
    temporary.insert(nameStart, ".");

    int raw = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (raw < 0) throw writeError(path, "no temporary file can be made beside it", errno);
    FileDescriptor fd(raw);

    auto fail = [&](const std::string& step, int err) {
        ::unlink(temporary.c_str());
        return writeError(path, step, err);
    };

    if (exists) {
        // Keep who may read the ledger. The owner can be set only by a
        // privileged process; a save by the owner keeps it anyway.
        if (original.st_uid != ::geteuid() || original.st_gid != ::getegid())
            (void)::fchown(fd.get(), original.st_uid, original.st_gid);
        if (::fchmod(fd.get(), original.st_mode & 07777) != 0) throw fail("its permissions cannot be kept", errno);
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(fd.get(), 0666 & ~mask) != 0) throw fail("the new file's permissions cannot be set", errno);
    }

    if (!writeAll(fd.get(), contents)) throw fail("writing failed", errno);
    if (::fsync(fd.get()) != 0) throw fail("writing to disk failed", errno);
    if (fd.close() != 0) throw fail("writing failed", errno);

    if (beforeReplace && !beforeReplace(temporary)) throw fail("the save was interrupted", 0);

    if (::rename(temporary.c_str(), target.c_str()) != 0) throw fail("the new contents cannot replace the old", errno);

    // Make the rename itself durable; the new contents are in place either way.
    int dir = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        (void)::fsync(dir);
        ::close(dir);
    }
}

}  // namespace

void writeFileSafely(const std::string& path, std::span<const uint8_t> contents, const BeforeReplaceHook& beforeReplace) {
    replaceFile(path, contents, beforeReplace, Existing::keepAndFollowLink);
}

void writeNewFileSafely(const std::string& path, std::span<const uint8_t> contents, const BeforeReplaceHook& beforeReplace) {
    replaceFile(path, contents, beforeReplace, Existing::replaceName);
}

std::string temporaryDirectory() {
    const char* tmpdir = std::getenv("TMPDIR");
    if (tmpdir && *tmpdir) return tmpdir;
    return P_tmpdir;
}
