// A completed face is drawn only from the file the build made: a change
// anywhere in it, or of its length, is refused, and refused again when the
// face is asked for again in the same run. The file accepted is read once
// into a copy nobody can change, which the font libraries open by name.
#include "Plattform/Ritning/CompletedFaceFile.h"
#include "Plattform/Ritning/FontConfiguration.h"
#include "Plattform/Filer.h"
#include "Programkorning.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <mutex>

using namespace testhjalp;

namespace {

class CompletedFaceFile : public MedTillfälligKatalog {};

std::string vägran(const std::string& fil, const fonts::CompletedFace& face) {
    try {
        fonts::checkedFaceFile(fil, face);
    } catch (const fonts::FaceFileError& e) {
        return e.what();
    }
    return "accepted";
}

TEST_F(CompletedFaceFile, OnlyTheFileTheBuildMadeIsReadAndItsCopyCannotChange) {
    std::lock_guard lock(fonts::fontLock());
    const fonts::CompletedFace& face = fonts::completedFaces.front();
    const Bytes byggd = readWholeFile(std::string(KONTOBOK_FACES) + "/" + std::string(face.file));
    // One byte changed at points spread over the file, its first and last
    // among them; a byte fewer; a byte more.
    std::vector<Bytes> ändrade;
    for (size_t i = 0; i <= 16; ++i) {
        ändrade.push_back(byggd);
        ändrade.back()[(byggd.size() - 1) * i / 16] ^= 0x01;
    }
    ändrade.emplace_back(byggd.begin(), byggd.end() - 1);
    ändrade.push_back(byggd);
    ändrade.back().push_back(0);
    for (size_t i = 0; i < ändrade.size(); ++i) {
        const std::string fil = (katalog / ("ändrad" + std::to_string(i))).string();
        skrivFil(fil, ändrade[i]);
        for (int gång = 1; gång <= 2; ++gång)
            EXPECT_EQ(vägran(fil, face),
                      "The font file " + fil + " is not the file this build made; build or install kontobok again.")
                << "change " << i << ", asked for " << gång << " times";
    }
    const std::string saknad = (katalog / "saknad").string();
    EXPECT_EQ(vägran(saknad, face), "The font file " + saknad + " is missing; build or install kontobok again.");

    const std::string fil = (katalog / "byggd").string();
    skrivFil(fil, byggd);
    const fonts::CheckedFaceFile& kopia = fonts::checkedFaceFile(fil, face);
    EXPECT_EQ(Bytes(kopia.bytes().begin(), kopia.bytes().end()), byggd);
    EXPECT_EQ(readWholeFile(kopia.path), byggd);
    // Read once: the file changed afterwards changes nothing drawn.
    std::filesystem::resize_file(fil, 0);
    EXPECT_EQ(&fonts::checkedFaceFile(fil, face), &kopia);
    const int skrivbar = open(kopia.path.c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(skrivbar, 0);
    EXPECT_EQ(write(skrivbar, "x", 1), -1);
    EXPECT_EQ(ftruncate(skrivbar, 0), -1);
    close(skrivbar);
    EXPECT_EQ(readWholeFile(kopia.path), byggd);
}

}  // namespace
