#pragma once
// A completed face's file read once, found to be the very file the build
// made (its size and SHA-256, known from the build), and kept sealed in
// memory: fontconfig, pango (HarfBuzz) and cairo each open a font by its
// file name, so they are given a name under /proc/self/fd that opens the
// sealed copy. What is drawn is then what was checked, whatever happens to
// the file afterwards, and the file is read once a run. A file size limit
// (ulimit -f) below the face's size, which the copy counts against, is
// raised to its hard limit while the copy is made; only a hard limit below
// it leaves the libraries the file itself (see `path`).
#include "Plattform/Ritning/FontFiles.h"
#include "Plattform/Bytes.h"

#include <cstdint>
#include <span>
#include <string>

namespace fonts {

struct CheckedFaceFile {
    // The name the libraries open the copy by; /proc shows the memory file
    // it stands for under the file's own name ("/memfd:NAME"). Under a hard
    // file size limit below the face's size, the file's own path: its bytes
    // were checked as they were read, but the libraries read it again, and
    // a file replaced in between is drawn unchecked.
    std::string path;
    std::span<const uint8_t> mapped;  // the memory file, mapped read-only
    Bytes held;                       // or, where there is none, the bytes read

    std::span<const uint8_t> bytes() const { return held.empty() ? mapped : std::span<const uint8_t>(held); }
};

// The completed face's file at `path`, checked and copied the first time
// it is asked for and kept for the life of the process. A file refused is
// checked again when it is asked for again. Throws FaceFileError when it
// is missing, cannot be read, is not the file the build made, or when its
// private copy cannot be made (a sandbox refusing memory files). The
// caller holds fontLock().
const CheckedFaceFile& checkedFaceFile(const std::string& path, const CompletedFace& face);

}  // namespace fonts
