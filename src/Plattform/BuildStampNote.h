#pragma once
// The build's stamp in an ELF note of each file the tool loads or runs from
// its own directory (the invoice module, the judge of PDFs): owner
// "kontobok", type 1, the stamp as the description. The tool reads it from
// the file before any of the file's code runs (SharedObjectFile.h), so a
// file of another build, or another program in its place, is refused.
#include "Plattform/SharedObjectFile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace elf {

inline constexpr char stampOwner[] = "kontobok";
inline constexpr uint32_t stampType = 1;

// The note as the linker gathers it into a note segment: name and
// description each padded to four bytes. `N` counts the stamp's closing
// zero, which the note leaves out. Defined in a section named
// ".note.kontobok", marked used: nothing in the program refers to it.
template <size_t N>
struct StampNote {
    uint32_t ownerSize = sizeof stampOwner;
    uint32_t stampSize = N - 1;
    uint32_t type = stampType;
    char owner[(sizeof stampOwner + 3) / 4 * 4] = {};
    char stamp[(N - 1 + 3) / 4 * 4] = {};

    constexpr explicit StampNote(const char (&text)[N]) {
        for (size_t i = 0; i < sizeof stampOwner; ++i) owner[i] = stampOwner[i];
        for (size_t i = 0; i + 1 < N; ++i) stamp[i] = text[i];
    }
};

inline bool carriesStamp(const std::vector<Note>& notes, std::string_view stamp) {
    for (const Note& note : notes)
        if (note.owner == stampOwner && note.type == stampType && note.description == stamp) return true;
    return false;
}

}  // namespace elf
