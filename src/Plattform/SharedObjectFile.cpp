#include "Plattform/SharedObjectFile.h"

#include "Plattform/ElfOfThisMachine.h"
#include "Plattform/FileDescriptors.h"

#include <elf.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace elf {

namespace {

// A linker writes about a dozen program headers and a few small notes.
constexpr uint16_t mostProgramHeaders = 64;
constexpr uint64_t mostNoteBytes = 64 * 1024;

// Exactly `size` bytes at `offset`, which the caller has found within the file.
void readAt(int fd, const std::string& path, void* into, size_t size, uint64_t offset) {
    auto* at = static_cast<unsigned char*>(into);
    while (size > 0) {
        const ssize_t n = ::pread(fd, at, size, off_t(offset));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw files::readError(path, errno);
        if (n == 0) throw NotLoadable("it was cut short while it was read");
        at += n, offset += uint64_t(n), size -= size_t(n);
    }
}

std::string hex(uint64_t n) {
    char text[19];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(n));
    return text;
}

// Whether `size` bytes from `offset` lie within a file of `fileSize` bytes.
bool within(uint64_t offset, uint64_t size, uint64_t fileSize) {
    return offset <= fileSize && size <= fileSize - offset;
}

// The notes of one segment, each name and description padded to
// `alignment` (4, or 8 for a segment so aligned) from the note's start.
void readNotes(const std::vector<unsigned char>& bytes, uint64_t alignment, std::vector<Note>& notes) {
    const auto padded = [alignment](uint64_t n) { return (n + alignment - 1) & ~(alignment - 1); };
    uint64_t at = 0;
    while (at < bytes.size()) {
        NoteHeader header;
        if (bytes.size() - at < sizeof header) throw NotLoadable("a note segment ends inside a note");
        std::memcpy(&header, bytes.data() + at, sizeof header);
        const uint64_t name = at + sizeof header, description = at + padded(sizeof header + header.n_namesz);
        if (!within(name, header.n_namesz, bytes.size()) || !within(description, header.n_descsz, bytes.size()))
            throw NotLoadable("a note runs past the end of its segment");
        Note note;
        note.owner.assign(reinterpret_cast<const char*>(bytes.data() + name), header.n_namesz);
        while (!note.owner.empty() && note.owner.back() == '\0') note.owner.pop_back();
        note.type = header.n_type;
        note.description.assign(reinterpret_cast<const char*>(bytes.data() + description), header.n_descsz);
        notes.push_back(std::move(note));
        at = padded(description + header.n_descsz);
    }
}

// This process's own directory of /proc, named by its number as /proc
// counts processes (it may count them in another namespace than getpid),
// so that other processes find the same directory.
std::string ownProcDirectory() {
    char number[32];
    const ssize_t n = ::readlink("/proc/self", number, sizeof number - 1);
    if (n <= 0) throw NotLoadable("it cannot be named for the loader: /proc/self cannot be read");
    return "/proc/" + std::string(number, size_t(n));
}

// The checks on the open file `fd`; gives its notes.
std::vector<Note> notesOfLoadableSharedObject(int fd, const std::string& path) {
    struct stat st;
    if (::fstat(fd, &st) != 0) throw files::readError(path, errno);
    const uint64_t fileSize = uint64_t(st.st_size);

    Header header;
    if (fileSize < sizeof header) throw NotLoadable("it is too short for an ELF file (" + sizeText(fileSize) + ")");
    readAt(fd, path, &header, sizeof header, 0);
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0) throw NotLoadable("it is not an ELF file");
    if (header.e_ident[EI_CLASS] != thisClass)
        throw NotLoadable(std::string("it is an ELF file of ") + (wide ? "32" : "64") + "-bit code, not " +
                          (wide ? "64" : "32") + "-bit");
    if (header.e_ident[EI_DATA] != thisByteOrder) throw NotLoadable("its byte order is not this machine's");
    if (header.e_type != ET_DYN) throw NotLoadable("it is an ELF file but not a shared object");
    if (header.e_machine != thisMachine)
        throw NotLoadable("it is a shared object for another architecture (ELF machine " +
                          std::to_string(header.e_machine) + ")");
    if (header.e_phentsize != sizeof(ProgramHeader) || header.e_phnum == 0 || header.e_phnum > mostProgramHeaders)
        throw NotLoadable("its program headers are not of a shared object this machine loads");
    if (!within(header.e_phoff, uint64_t(header.e_phnum) * sizeof(ProgramHeader), fileSize))
        throw NotLoadable("it is cut short: its program headers lie past its end");

    std::vector<ProgramHeader> segments(header.e_phnum);
    readAt(fd, path, segments.data(), segments.size() * sizeof(ProgramHeader), header.e_phoff);
    std::vector<Note> notes;
    bool loadable = false;
    for (size_t i = 0; i < segments.size(); ++i) {
        const ProgramHeader& segment = segments[i];
        loadable = loadable || segment.p_type == PT_LOAD;
        // The loader maps every loadable segment from the file; the others
        // lie within those or are read as they stand.
        if (!within(segment.p_offset, segment.p_filesz, fileSize))
            throw NotLoadable("it is cut short: segment " + std::to_string(i) + " (bytes " + hex(segment.p_offset) +
                              " to " + hex(uint64_t(segment.p_offset) + segment.p_filesz) +
                              ") lies past its end (" + sizeText(fileSize) + ")");
        if (segment.p_type != PT_NOTE) continue;
        if (segment.p_filesz > mostNoteBytes)
            throw NotLoadable("its notes take more than " + sizeText(mostNoteBytes));
        std::vector<unsigned char> bytes(segment.p_filesz);
        readAt(fd, path, bytes.data(), bytes.size(), segment.p_offset);
        readNotes(bytes, segment.p_align == 8 ? 8 : 4, notes);
    }
    if (!loadable) throw NotLoadable("it has no segment to load");
    return notes;
}

}  // namespace

SharedObjectFile::SharedObjectFile(const std::string& path) {
    fd_ = files::openRegularFile(path, noSizeLimit).release();
    try {
        notes_ = notesOfLoadableSharedObject(fd_, path);
        loaderPath_ = ownProcDirectory() + "/fd/" + std::to_string(fd_);
    } catch (...) {
        ::close(fd_);
        throw;
    }
}

SharedObjectFile::~SharedObjectFile() {
    if (fd_ >= 0) ::close(fd_);
}

}  // namespace elf
