// A completed face is drawn only from the file the build made: a change
// anywhere in it, or of its length, is refused, and refused again when the
// face is asked for again in the same run, until the file is mended. The
// file accepted is read once into a copy nobody can change, which the font
// libraries open by name, under a file size limit too where its hard limit
// allows.
#include "Plattform/Ritning/CompletedFaceFile.h"
#include "Plattform/Ritning/FontConfiguration.h"
#include "Plattform/Filer.h"
#include "Programkorning.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <functional>
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

const fonts::CompletedFace& face = fonts::completedFaces.front();

Bytes byggd() { return readWholeFile(std::string(KONTOBOK_FACES) + "/" + std::string(face.file)); }

// What `prov` returns (or the message it throws), run in a child, where
// the limits it sets, the calls it forbids and the copy it makes stay.
// Its one thread takes no lock, which another thread may have held.
std::string iBarn(const std::function<std::string()>& prov) {
    int rör[2];
    if (pipe(rör) != 0) return "no pipe";
    const pid_t barn = fork();
    if (barn == 0) {
        std::string svar;
        try {
            svar = prov();
        } catch (const std::exception& e) {
            svar = e.what();
        }
        // Up to PIPE_BUF bytes, one write arrives whole.
        _exit(write(rör[1], svar.data(), std::min<size_t>(svar.size(), PIPE_BUF)) < 0);
    }
    close(rör[1]);
    int status = 0;
    waitpid(barn, &status, 0);
    char svar[PIPE_BUF];
    const ssize_t n = read(rör[0], svar, sizeof svar);
    close(rör[0]);
    return WIFEXITED(status) ? std::string(svar, static_cast<size_t>(std::max<ssize_t>(n, 0))) : "the child died";
}

// Every later memfd_create of this process fails with `fel`, as under a
// sandbox that refuses memory files; false where no filter can be put in.
// The process makes only its own architecture's calls.
bool utanMinnesfiler(int fel) {
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_memfd_create, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | static_cast<uint32_t>(fel)),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    const sock_fprog program{static_cast<unsigned short>(std::size(filter)), filter};
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

TEST_F(CompletedFaceFile, OnlyTheFileTheBuildMadeIsReadAndItsCopyCannotChange) {
    std::lock_guard lock(fonts::fontLock());
    const Bytes byggd = ::byggd();
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
        // No refusal is kept: the file mended is accepted.
        skrivFil(fil, byggd);
        EXPECT_EQ(vägran(fil, face), "accepted") << "change " << i;
    }
    const std::string saknad = (katalog / "saknad").string();
    EXPECT_EQ(vägran(saknad, face), "The font file " + saknad + " is missing; build or install kontobok again.");
    skrivFil(saknad, byggd);
    EXPECT_EQ(vägran(saknad, face), "accepted");

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

// The copy counts against the file size limit: a soft limit below the
// face's size is raised to the hard one while the copy is made, so the
// libraries still read what was checked, not the file replaced since, and
// the limit is as it was afterwards. Under a hard limit that low the face
// is still drawn, its bytes checked as read, from the file itself.
TEST_F(CompletedFaceFile, UnderAFileSizeLimitTheLibrariesGetTheCopyWhereTheHardLimitAllows) {
    rlimit nu{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &nu), 0);
    if (nu.rlim_max < face.size) GTEST_SKIP() << "the tests run under a hard file size limit below a face's size";
    const std::string fil = (katalog / "byggd").string(), annan = (katalog / "annan").string();
    for (const rlim_t hård : {nu.rlim_max, rlim_t(4096)}) {
        skrivFil(fil, byggd());
        skrivFil(annan, std::string("not a face"));
        const std::string svar = iBarn([&] {
            const rlimit gräns{4096, hård};
            if (setrlimit(RLIMIT_FSIZE, &gräns) != 0) return std::string("no limit");
            const fonts::CheckedFaceFile& kopia = fonts::checkedFaceFile(fil, face);
            const bool kontrollerad = Bytes(kopia.bytes().begin(), kopia.bytes().end()) == byggd();
            std::filesystem::rename(annan, fil);
            rlimit efter{};
            getrlimit(RLIMIT_FSIZE, &efter);
            return kopia.path + (kontrollerad ? " checked" : " unchecked") +
                   (readWholeFile(kopia.path) == byggd() ? ", drawn as checked" : ", drawn from the new file") +
                   (efter.rlim_cur == 4096 && efter.rlim_max == hård ? "" : ", the limit changed");
        });
        if (hård == 4096)
            EXPECT_EQ(svar, fil + " checked, drawn from the new file");
        else
            EXPECT_TRUE(svar.starts_with("/proc/self/fd/") && svar.ends_with(" checked, drawn as checked")) << svar;
    }
}

// A sandbox that refuses memory files: the file is readable, and the
// message says it is the copy that cannot be made, and why.
TEST_F(CompletedFaceFile, ACopyTheSystemRefusesSaysSo) {
    const std::string fil = (katalog / "byggd").string();
    skrivFil(fil, byggd());
    for (const int fel : {ENOSYS, EACCES}) {
        const std::string svar = iBarn([&] { return utanMinnesfiler(fel) ? vägran(fil, face) : "no filter"; });
        if (svar == "no filter") GTEST_SKIP() << "no seccomp filter can be put in here";
        EXPECT_EQ(svar, "The private in-memory copy of the font file " + fil + " cannot be made: " +
                            std::strerror(fel) + ".");
    }
}

}  // namespace
