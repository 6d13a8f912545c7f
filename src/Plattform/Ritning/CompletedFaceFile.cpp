#include "Plattform/Ritning/CompletedFaceFile.h"

#include "Plattform/Filer.h"

#include <nettle/sha2.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <optional>

namespace fonts {
namespace {

const std::string again = "; build or install kontobok again.";

FaceFileError unreadable(const std::string& path, int error) {
    return FaceFileError("The font file " + path + " cannot be read: " + std::strerror(error) + ".");
}

FaceFileError notTheBuilds(const std::string& path) {
    return FaceFileError("The font file " + path + " is not the file this build made" + again);
}

// A sandbox may refuse memory files (ENOSYS, EACCES): the file itself is
// readable, so say that it is the copy that failed.
FaceFileError noCopy(const std::string& path, int error) {
    return FaceFileError("The private in-memory copy of the font file " + path +
                         " cannot be made: " + std::strerror(error) + ".");
}

struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) close(fd);
    }
};

// The soft file size limit raised to the hard one while it lives.
class FileSizeLimitRaised {
public:
    explicit FileSizeLimitRaised(const rlimit& limit) : before_(limit) {
        const rlimit hard{limit.rlim_max, limit.rlim_max};
        raised_ = setrlimit(RLIMIT_FSIZE, &hard) == 0;
    }
    ~FileSizeLimitRaised() {
        if (raised_) setrlimit(RLIMIT_FSIZE, &before_);
    }
    FileSizeLimitRaised(const FileSizeLimitRaised&) = delete;
    FileSizeLimitRaised& operator=(const FileSizeLimitRaised&) = delete;
    bool raised() const { return raised_; }

private:
    rlimit before_;
    bool raised_;
};

// Nettle's, which qpdf's crypto already loads: it uses the processor's
// SHA instructions where there are any, four times GLib's speed here.
std::string sha256(std::span<const uint8_t> bytes) {
    sha256_ctx sum;
    sha256_init(&sum);
    sha256_update(&sum, bytes.size(), bytes.data());
    uint8_t digest[SHA256_DIGEST_SIZE];
    sha256_digest(&sum, SHA256_DIGEST_SIZE, digest);
    static constexpr char hex[] = "0123456789abcdef";
    std::string out;
    for (const uint8_t b : digest) out += {hex[b >> 4], hex[b & 15]};
    return out;
}

// The bytes checked as they are read; the libraries read the file again.
CheckedFaceFile checkedAsRead(int fd, const std::string& path, const CompletedFace& face) {
    std::optional<Bytes> read;
    try {
        read = readToEnd(fd, face.size, path);
    } catch (const FileError& e) {
        throw FaceFileError("The font file " + path + " cannot be read: " + e.what());
    }
    if (!read || read->size() != face.size || sha256(*read) != face.sha256) throw notTheBuilds(path);
    return {path, {}, std::move(*read)};
}

// The file's bytes in a memory file sealed against any change, before they
// are hashed: what the hash vouches for is what every reader gets. No more
// than the build's size is read of any file.
CheckedFaceFile checkedCopy(const std::string& path, const CompletedFace& face) {
    const Descriptor file{open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (file.fd < 0 && errno != ENOENT && errno != ENOTDIR) throw unreadable(path, errno);
    struct stat st {};
    if (file.fd < 0 || fstat(file.fd, &st) != 0 || !S_ISREG(st.st_mode))
        throw FaceFileError("The font file " + path + " is missing" + again);
    if (static_cast<uint64_t>(st.st_size) != face.size || face.size == 0) throw notTheBuilds(path);
    // A memory file counts against the file size limit (ulimit -f): below
    // the face's size the soft limit is raised to the hard one until the
    // copy is made. Under a hard limit below it too no memory file can hold
    // the face, and the libraries read the file after its bytes were
    // checked: a file replaced in between is drawn unchecked.
    rlimit limit{};
    std::optional<FileSizeLimitRaised> raised;
    if (getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur < face.size) {
        if (limit.rlim_max >= face.size) raised.emplace(limit);
        if (!raised || !raised->raised()) return checkedAsRead(file.fd, path, face);
    }

    Descriptor copy{memfd_create(std::string(face.file).c_str(), MFD_CLOEXEC | MFD_ALLOW_SEALING)};
    if (copy.fd < 0) throw noCopy(path, errno);
    for (off_t at = 0; static_cast<uint64_t>(at) < face.size;) {
        const ssize_t n = sendfile(copy.fd, file.fd, &at, face.size - static_cast<uint64_t>(at));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw unreadable(path, errno);
        if (n == 0) throw notTheBuilds(path);  // cut short since it was measured
    }
    raised.reset();
    if (fcntl(copy.fd, F_ADD_SEALS, F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_WRITE | F_SEAL_SEAL) != 0)
        throw noCopy(path, errno);
    void* mapped = mmap(nullptr, face.size, PROT_READ, MAP_SHARED, copy.fd, 0);
    if (mapped == MAP_FAILED) throw noCopy(path, errno);
    const std::span<const uint8_t> bytes(static_cast<const uint8_t*>(mapped), face.size);
    if (sha256(bytes) != face.sha256) {
        munmap(mapped, face.size);
        throw notTheBuilds(path);
    }
    // Without /proc no library could open the copy.
    std::string name = "/proc/self/fd/" + std::to_string(copy.fd);
    if (access(name.c_str(), R_OK) != 0) {
        const int error = errno;
        munmap(mapped, face.size);
        throw FaceFileError("The font file " + path + " cannot be read through " + name + ": " +
                            std::strerror(error) + ".");
    }
    copy.fd = -1;  // open for the life of the process, as its name is
    return {std::move(name), bytes, {}};
}

}  // namespace

const CheckedFaceFile& checkedFaceFile(const std::string& path, const CompletedFace& face) {
    static auto* checked = new std::map<std::string, CheckedFaceFile>;
    if (auto it = checked->find(path); it != checked->end()) return it->second;
    return checked->emplace(path, checkedCopy(path, face)).first->second;
}

}  // namespace fonts
