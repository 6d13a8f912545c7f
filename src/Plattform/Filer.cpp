#include "Plattform/Filer.h"

#include "Plattform/FileDescriptors.h"
#include "Plattform/TemporaryFiles.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

namespace {

// The name users know the file by: its last path component.
std::string displayName(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    size_t slash = path.rfind('/');
    return slash == std::string::npos || path.size() == 1 ? path : path.substr(slash + 1);
}

FileError tooLarge(const std::string& path, uint64_t limit) {
    return FileError("The file " + quotedName(path) + " couldn\u2019t be opened because it is larger than " +
                         sizeText(limit) + ".",
                     EFBIG, path, "larger than " + sizeText(limit));
}

}  // namespace

std::string quotedName(const std::string& path) { return "\u201C" + displayName(path) + "\u201D"; }

FileError readError(const std::string& path, int err) {
    std::string file = "The file " + quotedName(path) + " couldn\u2019t be opened";
    switch (err) {
    case ENOENT:
        return FileError(file + " because there is no such file.", err, path, std::strerror(err));
    case EACCES:
    case EPERM:
        return FileError(file + " because you don\u2019t have permission to view it.", err, path, std::strerror(err));
    default:
        return FileError(file + ": " + std::strerror(err) + ".", err, path, std::strerror(err));
    }
}

namespace {

FileError notSaved(const std::string& path, const std::string& cause, int err) {
    return FileError("The file " + quotedName(path) + " couldn\u2019t be saved: " + cause + ".", err, path, cause);
}

// The system's words ("No such file or directory") add nothing to these.
FileError noFolderError(const std::string& path, const std::string& directory, int err) {
    return notSaved(path, "there is no folder " + directory, err);
}

}  // namespace

FileError writeError(const std::string& path, const std::string& step, int err) {
    return notSaved(path, err != 0 ? step + ": " + std::strerror(err) : step, err);
}

FileDescriptor openRegularFile(const std::string& path, uint64_t limit) {
    // Without O_NONBLOCK, opening a FIFO would wait for a writer.
    int raw;
    do raw = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    while (raw < 0 && errno == EINTR);
    if (raw < 0) throw readError(path, errno);
    FileDescriptor fd(raw);

    struct stat st;
    if (::fstat(fd.get(), &st) != 0) throw readError(path, errno);
    if (S_ISDIR(st.st_mode)) throw readError(path, EISDIR);
    if (!S_ISREG(st.st_mode))
        throw FileError("The file " + quotedName(path) + " couldn\u2019t be opened because it is not a regular file.",
                        0, path, "not a regular file");
    if (static_cast<uint64_t>(st.st_size) > limit) throw tooLarge(path, limit);
    int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) throw readError(path, errno);
    return fd;
}

Bytes readAll(int fd, uint64_t limit, const std::string& path) {
    Bytes contents;
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0 &&
        static_cast<uint64_t>(st.st_size) <= limit)
        contents.reserve(static_cast<size_t>(st.st_size));
    uint8_t buffer[1 << 16];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw readError(path, errno);
        }
        if (n == 0) break;
        // A file that grows while it is read is held to the same limit.
        if (static_cast<uint64_t>(n) > limit - contents.size()) throw tooLarge(path, limit);
        contents.insert(contents.end(), buffer, buffer + n);
    }
    return contents;
}

}  // namespace files

using namespace files;

namespace {

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

std::string sizeText(uint64_t bytes) {
    if (bytes != 0 && bytes % (uint64_t{1} << 30) == 0) return std::to_string(bytes >> 30) + " GiB";
    if (bytes != 0 && bytes % (uint64_t{1} << 20) == 0) return std::to_string(bytes >> 20) + " MiB";
    return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
}

FileIdentity FileIdentity::of(const struct stat& st) { return {st.st_dev, st.st_ino}; }

FileVersion FileVersion::of(const struct stat& st) {
    const auto nanoseconds = [](const timespec& t) { return int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec; };
    return {FileIdentity::of(st), int64_t(st.st_size), nanoseconds(st.st_mtim), nanoseconds(st.st_ctim)};
}

Bytes readWholeFile(const std::string& path, uint64_t limit) {
    FileDescriptor fd = openRegularFile(path, limit);
    return readAll(fd.get(), limit, path);
}

HeldFile::~HeldFile() {
    if (fd_ >= 0) ::close(fd_);
}

HeldFile::HeldFile(HeldFile&& other) noexcept : fd_(other.fd_), version_(other.version_) { other.fd_ = -1; }

HeldFile& HeldFile::operator=(HeldFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = other.fd_;
        version_ = other.version_;
        other.fd_ = -1;
    }
    return *this;
}

Bytes readWholeFile(const std::string& path, uint64_t limit, HeldFile& read) {
    FileDescriptor fd = openRegularFile(path, limit);
    struct stat st;
    if (::fstat(fd.get(), &st) != 0) throw readError(path, errno);
    Bytes contents = readAll(fd.get(), limit, path);
    read = HeldFile();
    read.version_ = FileVersion::of(st);
    read.fd_ = fd.release();
    return contents;
}

std::optional<Bytes> readToEnd(int fd, uint64_t limit, const std::string& name) {
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        // What is left from the current offset.
        off_t at = ::lseek(fd, 0, SEEK_CUR);
        if (at >= 0 && st.st_size > at && static_cast<uint64_t>(st.st_size - at) > limit) return std::nullopt;
    }
    try {
        return readAll(fd, limit, name);
    } catch (const FileError& e) {
        if (e.errnoValue == EFBIG) return std::nullopt;
        throw;
    }
}

namespace {

// A document keeps what it had (a symbolic link to it followed, its owner
// and permissions) and is forced to disk. A new file in a directory others
// share replaces whatever has its name and is not forced to disk (see
// writeNewFileSafely).
enum class Kind { document, newInSharedDirectory };

// Whether `name` (following links) still names the file `read`.
bool stillNames(const std::string& name, const FileIdentity& read) {
    struct stat st;
    return ::stat(name.c_str(), &st) == 0 && FileIdentity::of(st) == read;
}

void replaceFile(const std::string& path, std::span<const uint8_t> contents, const BeforeReplaceHook& beforeReplace,
                 Kind kind, const std::optional<FileIdentity>& onlyOver = std::nullopt,
                 const OnceReplaced& onceReplaced = {}) {
    const bool document = kind == Kind::document;
    const std::string target = document ? replaceTarget(path) : path;

    const std::string directory = directoryOf(target);
    struct stat original;
    bool exists = (document ? ::stat(target.c_str(), &original) : ::lstat(target.c_str(), &original)) == 0;
    if (!exists && errno == ENOTDIR) throw noFolderError(path, directory, errno);
    if (!exists && errno != ENOENT) throw writeError(path, "it cannot be examined", errno);
    if (exists && !S_ISREG(original.st_mode) && !(S_ISLNK(original.st_mode) && !document))
        throw writeError(path, "it is not a regular file", 0);
    // What stands there now is replaced, never consulted: its owner and
    // permissions may be anyone's.
    if (!document) exists = false;

    removeStaleTemporaryFiles(target);

    // Until it replaces the target or is removed, the temporary file goes
    // away with the process on SIGINT, SIGTERM and SIGHUP.
    TemporaryFile temporary(target);
    if (!temporary.created()) {
        if (temporary.error() == ENOENT || temporary.error() == ENOTDIR)
            throw noFolderError(path, directory, temporary.error());
        throw writeError(path, "no temporary file can be made beside it", temporary.error());
    }
    FileDescriptor fd(temporary.release());

    auto fail = [&](const std::string& step, int err) {
        temporary.remove();
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
    if (document && ::fsync(fd.get()) != 0) throw fail("writing to disk failed", errno);
    if (fd.close() != 0) throw fail("writing failed", errno);

    if (beforeReplace && !beforeReplace(temporary.path())) throw fail("the save was interrupted", 0);
    if (onlyOver && (!stillNames(path, *onlyOver) || (target != path && !stillNames(target, *onlyOver))))
        throw fail("another program put a new file in its place, or removed it, after it was read; the file now "
                   "under its name is left as it is",
                   0);

    if (!temporary.renameTo(target, onceReplaced.endingSignalsIgnored, onceReplaced.hook, onceReplaced.signalsCaught))
        throw fail("the new contents cannot replace the old", errno);

    // Make the rename itself durable; the new contents are in place either way.
    if (!document) return;
    int dir = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        (void)::fsync(dir);
        ::close(dir);
    }
}

}  // namespace

void writeFileSafely(const std::string& path, std::span<const uint8_t> contents, const BeforeReplaceHook& beforeReplace,
                     const std::optional<FileIdentity>& onlyOver, const OnceReplaced& onceReplaced) {
    replaceFile(path, contents, beforeReplace, Kind::document, onlyOver, onceReplaced);
}

void writeNewFileSafely(const std::string& path, std::span<const uint8_t> contents, const BeforeReplaceHook& beforeReplace,
                        const OnceReplaced& onceReplaced) {
    replaceFile(path, contents, beforeReplace, Kind::newInSharedDirectory, std::nullopt, onceReplaced);
}

namespace {

const char* temporaryDirectoryFromEnvironment() {
    const char* tmpdir = std::getenv("TMPDIR");
    return tmpdir && *tmpdir ? tmpdir : nullptr;
}

}  // namespace

std::optional<std::string> programDirectory() {
    char program[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", program, sizeof program - 1);
    if (n <= 0) return std::nullopt;
    std::string path(program, size_t(n));
    return path.erase(path.rfind('/') + 1);
}

std::string temporaryDirectory() {
    const char* tmpdir = temporaryDirectoryFromEnvironment();
    return tmpdir ? tmpdir : P_tmpdir;
}

std::string temporaryDirectorySentence() {
    if (const char* tmpdir = temporaryDirectoryFromEnvironment())
        return "The temporary directory is " + std::string(tmpdir) + ", as TMPDIR names it.";
    return "The temporary directory is " + std::string(P_tmpdir) + "; TMPDIR can name another.";
}
