// Shared objects written by hand: what the loader would trust in a file
// that no linker wrote is refused from the file, and the notes are read as
// the loader lays them out.
#include "Plattform/ElfOfThisMachine.h"
#include "Plattform/SharedObjectFile.h"
#include "Programkorning.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

namespace {

using elf::Header;
using elf::ProgramHeader;

// A note as a linker writes it, name and description padded to `align`.
std::string not_(const std::string& ägare, uint32_t typ, const std::string& text, size_t align = 4) {
    const auto utfyllt = [align](std::string s) { return s.append((align - s.size() % align) % align, '\0'); };
    std::string bytes(12, '\0');
    const uint32_t fält[3] = {uint32_t(ägare.size() + 1), uint32_t(text.size()), typ};
    std::memcpy(bytes.data(), fält, sizeof fält);
    return utfyllt(utfyllt(bytes + ägare + '\0') + text);
}

// The bytes of a shared object of this machine: its header, two program
// headers (one loadable segment over the whole file, one note segment),
// and its notes.
struct Handskrivet {
    Header huvud{};
    ProgramHeader segment[2]{};
    std::string noter;

    explicit Handskrivet(std::string noterna, size_t align = 4) : noter(std::move(noterna)) {
        std::memcpy(huvud.e_ident, ELFMAG, SELFMAG);
        huvud.e_ident[EI_CLASS] = elf::thisClass;
        huvud.e_ident[EI_DATA] = elf::thisByteOrder;
        huvud.e_ident[EI_VERSION] = EV_CURRENT;
        huvud.e_type = ET_DYN;
        huvud.e_machine = elf::thisMachine;
        huvud.e_version = EV_CURRENT;
        huvud.e_phoff = sizeof huvud;
        huvud.e_phentsize = sizeof(ProgramHeader);
        huvud.e_phnum = 2;
        huvud.e_ehsize = sizeof huvud;
        segment[0].p_type = PT_LOAD;
        segment[0].p_filesz = sizeof huvud + sizeof segment + noter.size();
        segment[1].p_type = PT_NOTE;
        segment[1].p_offset = sizeof huvud + sizeof segment;
        segment[1].p_filesz = noter.size();
        segment[1].p_align = align;
    }

    std::string bytes() const {
        std::string b(reinterpret_cast<const char*>(&huvud), sizeof huvud);
        b.append(reinterpret_cast<const char*>(segment), sizeof segment);
        return b + noter;
    }
};

class SharedObjectFile : public testhjalp::MedTillfälligKatalog {
protected:
    std::vector<elf::Note> noter(const Handskrivet& fil) {
        const auto sökväg = katalog / "bibliotek.so";
        testhjalp::skrivFil(sökväg, fil.bytes());
        return elf::SharedObjectFile(sökväg.string()).notes();
    }
    // What is wrong with `fil`, or "" when nothing is.
    std::string fel(const Handskrivet& fil) {
        try {
            noter(fil);
            return "";
        } catch (const elf::NotLoadable& e) {
            return e.what();
        }
    }
};

TEST_F(SharedObjectFile, NotesAreReadWhateverTheirSegmentsAlignment) {
    for (size_t align : {4, 8}) {
        SCOPED_TRACE(align);
        // The first note ends at byte 42: the second starts at 44 in a
        // segment aligned to 4, at 48 in one aligned to 8.
        const auto lästa = noter(Handskrivet(not_("kontobok", 1, "b0123456789abcdefg", align) +
                                             not_("GNU", 5, std::string(8, 'p'), align), align));
        ASSERT_EQ(lästa.size(), 2u);
        EXPECT_EQ(lästa[0].owner, "kontobok");
        EXPECT_EQ(lästa[0].type, 1u);
        EXPECT_EQ(lästa[0].description, "b0123456789abcdefg");
        EXPECT_EQ(lästa[1].owner, "GNU");
        EXPECT_EQ(lästa[1].description, std::string(8, 'p'));
    }
}

// Sizes and offsets as a hostile file gives them: sums that wrap around,
// counts far past any a linker writes, a note longer than its segment.
TEST_F(SharedObjectFile, WhatALinkerNeverWritesIsRefused) {
    const Handskrivet hel(not_("kontobok", 1, "stamp"));
    ASSERT_EQ(fel(hel), "");

    Handskrivet omslag = hel;
    omslag.segment[0].p_offset = std::numeric_limits<decltype(omslag.segment[0].p_offset)>::max() - 15;
    EXPECT_NE(fel(omslag).find("cut short: segment 0"), std::string::npos) << fel(omslag);

    Handskrivet bortom = hel;
    bortom.segment[0].p_filesz += 1;
    EXPECT_NE(fel(bortom).find("cut short: segment 0"), std::string::npos) << fel(bortom);

    Handskrivet mångaHuvuden = hel;
    mångaHuvuden.huvud.e_phnum = 65535;
    EXPECT_NE(fel(mångaHuvuden).find("program headers"), std::string::npos) << fel(mångaHuvuden);

    Handskrivet långNot(not_("kontobok", 1, "stamp"));
    långNot.noter[4] = char(0xff), långNot.noter[7] = char(0x7f);  // n_descsz
    EXPECT_NE(fel(långNot).find("runs past the end of its segment"), std::string::npos) << fel(långNot);

    Handskrivet ingetAttLadda = hel;
    ingetAttLadda.segment[0].p_type = PT_DYNAMIC;
    EXPECT_NE(fel(ingetAttLadda).find("no segment to load"), std::string::npos) << fel(ingetAttLadda);
}

}  // namespace
