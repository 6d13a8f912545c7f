// The document file through the tool: saves that fail and say why, who may
// change the file, imports that run at once, saves cut short by signals,
// the kinds and sizes of input read, and output that cannot be written.
#include "Exempel/Importexempel.h"
#include "Fillagring.h"
#include "Kommandorad/Importjobb.h"
#include "Modell/Affarskontakt.h"
#include "Modell/Rakenskapsar.h"
#include "Modell/Verifikation.h"
#include "Programkorning.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace testhjalp;

namespace {

const std::string kund = R"({"customers":[{"name":"Eva"}]})";

class Dokumentfil : public MedTillfälligKatalog {
protected:
    void SetUp() override {
        MedTillfälligKatalog::SetUp();
        dokumentfil = katalog / "exempel.bok";
        skrivFil(dokumentfil, importexempel::dokument()->dataMedMellansteg(versionSomSkrivs));
        före = läsFil(dokumentfil);
    }

    // Runs as another user are of a copy of the tool that user can reach,
    // wherever the build lies (an import and --latestEntry read nothing
    // beside the tool).
    Körning kontobok(const std::vector<std::string>& argument, const Körval& val) {
        if (!val.användare || *val.användare == ::geteuid()) return körKontobok(argument, val);
        const fs::path egen = katalog / "verktyg";
        return körProgram((fs::exists(egen) ? egen / "kontobok" : ensamtVerktyg(egen)).string(), argument, val);
    }
    Körning importera(const std::string& json, Körval val = {}) {
        val.indata = json;
        return kontobok({dokumentfil.string()}, val);
    }
    Körning senasteVerifikation(Körval val = {}) { return kontobok({dokumentfil.string(), "--latestEntry"}, val); }

    std::vector<std::string> filerIKatalogen() const {
        std::vector<std::string> namn;
        for (const auto& e : fs::directory_iterator(katalog)) namn.push_back(e.path().filename().string());
        std::sort(namn.begin(), namn.end());
        return namn;
    }

    fs::path dokumentfil;
    std::string före;
};

const std::string ändras = "The file \u201Cexempel.bok\u201D couldn\u2019t be changed because ";

// The disk fills up (a file-size limit stands in for it, and binds root
// too), or the directory takes no new file: the message says which, names
// the file, and the file stays as it was with nothing left beside it.
TEST_F(Dokumentfil, AFailedSaveSaysWhyAndLeavesTheFileAsItWas) {
    Körning full = importera(kund, {.filstorleksgräns = 512});
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(full.fel, "Unable to write output file!\n" + dokumentfil.string() + ": writing failed: File too large\n");
    EXPECT_EQ(full.ut, "Added customer Eva\n");
    EXPECT_TRUE(läsFil(dokumentfil) == före);
    EXPECT_EQ(filerIKatalogen(), std::vector<std::string>{"exempel.bok"});

    geTillVanligAnvändare(dokumentfil);
    ASSERT_EQ(::chmod(katalog.c_str(), 0555), 0);
    Körning låst = importera(kund, {.användare = vanligAnvändare()});
    EXPECT_EQ(låst.status, 1);
    EXPECT_EQ(låst.fel, "Unable to write output file!\n" + dokumentfil.string() +
                            ": no temporary file can be made beside it: Permission denied\n");
    EXPECT_TRUE(läsFil(dokumentfil) == före);
}

// A document whose name is as long as names get is saved like any other:
// the temporary file beside it keeps within the same limit.
TEST_F(Dokumentfil, ADocumentWithTheLongestNameIsSaved) {
    for (size_t längd : {235, 250, 255}) {
        const fs::path lång = katalog / (std::string(längd - 4, 'n') + ".bok");
        fs::copy_file(dokumentfil, lång);
        Körning u = körKontobok({lång.string()}, {.indata = kund});
        EXPECT_EQ(u.status, 0) << längd << ": " << u.fel;
        EXPECT_EQ(u.ut, "Added customer Eva\n");
        EXPECT_FALSE(läsFil(lång) == före) << längd;
        EXPECT_EQ(filerIKatalogen(), (std::vector<std::string>{"exempel.bok", lång.filename().string()}));
        fs::remove(lång);
    }
}

// A document its user may not write is not changed by an import, even
// though the directory would let a new file take its place; reading it
// stays possible.
TEST_F(Dokumentfil, AReadOnlyDocumentIsRefusedByTheImport) {
    geTillVanligAnvändare(dokumentfil);
    ASSERT_EQ(::chmod(dokumentfil.c_str(), 0444), 0);
    Körning u = importera(kund, {.användare = vanligAnvändare()});
    EXPECT_EQ(u.status, 1);
    EXPECT_EQ(u.fel, ändras + "you don\u2019t have permission to write to it.\n");
    EXPECT_EQ(u.ut, "");
    EXPECT_TRUE(läsFil(dokumentfil) == före);
    EXPECT_EQ(senasteVerifikation({.användare = vanligAnvändare()}).ut, "5\n");
}

// Twenty pairs of imports at once: each run either saved its entry or
// failed with status 1, and the document holds exactly the entries of the
// runs that succeeded, numbered as they said.
TEST_F(Dokumentfil, ImportsAtOnceLoseNoEntry) {
    std::vector<Startad> körningar;
    for (int i = 0; i < 40; ++i)
        körningar.push_back(startaKontobok(
            {dokumentfil.string()},
            {.indata = R"({"entries":[{"description":"Run )" + std::to_string(i) +
                       R"(","date":"2023-06-01","pending":false,"transactions":[{"account":1930,"amount":"1"},{"account":3001,"amount":"-1"}]}]})"}));
    std::set<std::string> sparade;
    for (int i = 0; i < 40; ++i) {
        Körning k = väntaPå(körningar[size_t(i)]);
        if (k.status == 0) {
            EXPECT_EQ(k.fel, "") << i;
            sparade.insert(k.ut);
        } else {
            EXPECT_EQ(k.status, 1) << i;
            EXPECT_EQ(k.fel, ändras + "another run is changing it (waited 5 seconds).\n") << i;
            EXPECT_EQ(k.ut, "") << i;
        }
    }
    std::string data = läsFil(dokumentfil);
    auto dok = Bokföring::från(Bytes(data.begin(), data.end()));
    std::set<std::string> iDokumentet;
    const auto& år = *dok->räkenskapsår[0];
    for (size_t i = 10; i < år.verifikationer.size(); ++i)
        iDokumentet.insert("Added entry " + std::to_string(*år.verifikationer[i]->nummer()) + " '" +
                           år.verifikationer[i]->namn.str() + "' to fiscal year 2023.\n");
    EXPECT_FALSE(sparade.empty());
    EXPECT_EQ(iDokumentet, sparade);
}

// A run that holds the document for changing keeps an import waiting only
// so long; the latest-entry job does not wait at all.
TEST_F(Dokumentfil, AnImportWaitsForTheLockOnlySoLong) {
    const int fd = ::open(dokumentfil.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    EXPECT_EQ(senasteVerifikation().ut, "5\n");
    Körning u = importera(kund);
    ::close(fd);
    EXPECT_EQ(u.status, 1);
    EXPECT_EQ(u.fel, ändras + "another run is changing it (waited 5 seconds).\n");
    EXPECT_TRUE(läsFil(dokumentfil) == före);
}

// An import waiting for its input holds no lock: another import of the
// same document runs meanwhile, and the waiting one, once its input is in,
// adds to the document as the other left it.
TEST_F(Dokumentfil, AnImportWaitingForItsInputHoldsUpNoOther) {
    Startad väntar = startaKontobok({dokumentfil.string()}, {.indataSenare = true});
    ASSERT_TRUE(väntaTillsIndataLäses(väntar));
    const Körning annan = importera(kund);
    EXPECT_EQ(annan.status, 0) << annan.fel;
    EXPECT_EQ(annan.ut, "Added customer Eva\n");
    skrivIndata(väntar, R"({"customers":[{"name":"Olle"}]})");
    const Körning sen = väntaPå(väntar);
    EXPECT_EQ(sen.status, 0) << sen.fel;
    EXPECT_EQ(sen.ut, "Added customer Olle\n");

    const std::string data = läsFil(dokumentfil);
    const auto dok = Bokföring::från(Bytes(data.begin(), data.end()));
    const size_t förut = importexempel::dokument()->kontakter.size();
    ASSERT_EQ(dok->kontakter.size(), förut + 2);
    EXPECT_EQ(dok->kontakter[förut]->namn, "Eva");
    EXPECT_EQ(dok->kontakter[förut + 1]->namn, "Olle");
}

// Whether the process `pid` holds a descriptor open on the file `fil` was
// (device and inode), gone from its name or not.
bool hållerÖppen(int pid, const struct stat& fil) {
    for (const auto& e : fs::directory_iterator("/proc/" + std::to_string(pid) + "/fd")) {
        struct stat st {};
        if (::stat(e.path().c_str(), &st) == 0 && st.st_dev == fil.st_dev && st.st_ino == fil.st_ino) return true;
    }
    return false;
}

// While an import waits for its input, another program renames a new
// document over it (or over the target of its link), writes one into the
// same file, or removes it: the import adds to the document that stands
// under the name once its input is in, or says that there is none. Until
// it has the lock it keeps the file it read open, so that no file saved
// meanwhile can take its inode and pass for the document read.
TEST_F(Dokumentfil, AnImportChangesTheDocumentAsItStandsOnceItsInputIsIn) {
    auto ny = importexempel::dokument();
    ny->räkenskapsår[0]->verifikationer.pop_back();
    const Bytes nytt = ny->dataMedMellansteg(versionSomSkrivs);
    const fs::path mål = katalog / "mål.bok";
    struct Fall {
        const char* namn;
        bool länk;     // the document's name is a symbolic link to mål.bok
        bool tasBort;  // the other program removes the file instead
        bool påPlats;  // it writes the new document into the file itself
    } fall[] = {{"renamed over", false, false, false},
                {"renamed over the link's target", true, false, false},
                {"written in place", false, false, true},
                {"removed", false, true, false}};
    for (const Fall& f : fall) {
        fs::remove(dokumentfil);
        fs::remove(mål);
        skrivFil(f.länk ? mål : dokumentfil, före);
        if (f.länk) fs::create_symlink(mål.filename(), dokumentfil);
        const fs::path ersatt = f.länk ? mål : dokumentfil;

        struct stat läst {};
        ASSERT_EQ(::stat(ersatt.c_str(), &läst), 0);
        Startad import = startaKontobok({dokumentfil.string()}, {.indataSenare = true});
        ASSERT_TRUE(väntaTillsIndataLäses(import)) << f.namn;
        if (f.tasBort) {
            fs::remove(ersatt);
        } else if (f.påPlats) {
            skrivFil(ersatt, nytt);
        } else {
            skrivFil(katalog / "nytt.bok", nytt);
            fs::rename(katalog / "nytt.bok", ersatt);
        }
        EXPECT_TRUE(hållerÖppen(import.pid, läst)) << f.namn;
        skrivIndata(import, kund);
        Körning u = väntaPå(import);

        if (f.tasBort) {
            EXPECT_EQ(u.status, 1) << f.namn;
            EXPECT_EQ(u.fel, "The file \u201Cexempel.bok\u201D couldn\u2019t be opened because there is no such "
                             "file.\n\tCould not read input .bok file.\n\n");
            EXPECT_EQ(u.ut, "");
            EXPECT_TRUE(filerIKatalogen().empty());
            continue;
        }
        EXPECT_EQ(u.status, 0) << f.namn << ": " << u.fel;
        EXPECT_EQ(u.ut, "Added customer Eva\n") << f.namn;
        const std::string data = läsFil(dokumentfil);
        const auto dok = Bokföring::från(Bytes(data.begin(), data.end()));
        EXPECT_EQ(dok->räkenskapsår[0]->verifikationer.size(), ny->räkenskapsår[0]->verifikationer.size()) << f.namn;
        EXPECT_EQ(dok->kontakter.back()->namn, "Eva") << f.namn;
        EXPECT_EQ(fs::is_symlink(dokumentfil), f.länk) << f.namn;
    }
}

// The import's status and output, run in a child, when `innan` runs after
// the document was read and before the save replaces it, `efter` just after
// it has, and `sedan` once the import has returned, before the child ends.
Körning sparaMedan(const fs::path& fil, const std::function<void()>& innan, const std::function<void()>& efter = {},
                   const std::function<void()>& sedan = {}) {
    const fs::path ut = fil.parent_path() / "ut.txt", fel = fil.parent_path() / "fel.txt";
    pid_t barn = ::fork();
    if (barn == 0) {
        std::freopen(ut.c_str(), "w", stdout);
        std::freopen(fel.c_str(), "w", stderr);
        std::string s = läsFil(fil);
        auto dok = Bokföring::från(Bytes(s.begin(), s.end()));
        struct stat läst {};
        if (::stat(fil.c_str(), &läst) != 0) std::_Exit(2);
        const int status = importeraOchSpara(
            *dok, Bytes(kund.begin(), kund.end()), fil.string(), FileIdentity::of(läst),
            [&](const std::string&) {
                innan();
                return true;
            },
            efter);
        if (sedan) sedan();
        std::fflush(stdout);
        std::fflush(stderr);
        std::_Exit(status);
    }
    int status = 0;
    ::waitpid(barn, &status, 0);
    Körning k{WIFEXITED(status) ? WEXITSTATUS(status) : -1, läsFil(ut), läsFil(fel)};
    fs::remove(ut);
    fs::remove(fel);
    return k;
}

// The save goes only over the file that was read: one that another program
// put under the name (or removed) since is left as it stands.
TEST_F(Dokumentfil, AnImportSavesOnlyOverTheFileItRead) {
    auto ny = importexempel::dokument();
    ny->räkenskapsår[0]->verifikationer.pop_back();
    const Bytes nytt = ny->dataMedMellansteg(versionSomSkrivs);
    for (bool tasBort : {false, true}) {
        skrivFil(dokumentfil, före);
        const Körning u = sparaMedan(dokumentfil, [&] {
            if (tasBort) {
                fs::remove(dokumentfil);
                return;
            }
            skrivFil(katalog / "nytt.bok", nytt);
            fs::rename(katalog / "nytt.bok", dokumentfil);
        });
        EXPECT_EQ(u.status, 1) << tasBort;
        EXPECT_EQ(u.fel, "Unable to write output file!\n" + dokumentfil.string() +
                             ": another program put a new file in its place, or removed it, after it was read; the "
                             "file now under its name is left as it is\n")
            << tasBort;
        if (tasBort)
            EXPECT_FALSE(fs::exists(dokumentfil));
        else
            EXPECT_TRUE(läsFil(dokumentfil) == std::string(nytt.begin(), nytt.end()));
        EXPECT_EQ(filerIKatalogen().size(), size_t(tasBort ? 0 : 1)) << tasBort;
    }
}

// Once the new document is in place the import is done, and the run says
// so: a signal that would end it, held back while the rename takes place or
// sent after it, ends it with status 0 and its lines, never with the
// document saved and a status that tells the user to import again.
TEST_F(Dokumentfil, ASignalOnceTheNewDocumentIsInPlaceEndsTheRunAsSaved) {
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGALRM}) {
        skrivFil(dokumentfil, före);
        const Körning u = sparaMedan(
            dokumentfil, [] {}, [signal] { ::raise(signal); },
            [] {
                for (int s : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) ::kill(::getpid(), s);
            });
        EXPECT_EQ(u.status, 0) << signal << ": " << u.fel;
        EXPECT_EQ(u.ut, "Added customer Eva\n") << signal;
        EXPECT_EQ(u.fel, "") << signal;
        const std::string data = läsFil(dokumentfil);
        EXPECT_EQ(Bokföring::från(Bytes(data.begin(), data.end()))->kontakter.back()->namn, "Eva") << signal;
        EXPECT_EQ(filerIKatalogen(), std::vector<std::string>{"exempel.bok"}) << signal;
    }
}

// Forks a run of the import that gets `signal` after the new document is
// written beside the old one and before it replaces it.
int avbrytSparandetMed(int signal, const fs::path& fil) {
    pid_t barn = ::fork();
    if (barn == 0) {
        std::freopen("/dev/null", "w", stdout);
        std::string s = läsFil(fil);
        auto dok = Bokföring::från(Bytes(s.begin(), s.end()));
        struct stat läst {};
        if (::stat(fil.c_str(), &läst) != 0) std::_Exit(2);
        importeraOchSpara(*dok, Bytes(kund.begin(), kund.end()), fil.string(), FileIdentity::of(läst),
                          [signal](const std::string&) {
                              ::raise(signal);
                              return true;
                          });
        std::_Exit(0);
    }
    int status = 0;
    ::waitpid(barn, &status, 0);
    return WIFSIGNALED(status) ? WTERMSIG(status) : -1;
}

// Interrupted saves leave the document whole. SIGINT, SIGTERM and SIGHUP
// take the temporary file with them; after SIGKILL it stays until a later
// save finds it more than a minute old.
TEST_F(Dokumentfil, InterruptedSavesLeaveTheDocumentAndNoTemporaryFileForLong) {
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        EXPECT_EQ(avbrytSparandetMed(signal, dokumentfil), signal);
        EXPECT_TRUE(läsFil(dokumentfil) == före) << signal;
        EXPECT_EQ(filerIKatalogen(), std::vector<std::string>{"exempel.bok"}) << signal;
    }

    EXPECT_EQ(avbrytSparandetMed(SIGKILL, dokumentfil), SIGKILL);
    EXPECT_TRUE(läsFil(dokumentfil) == före);
    std::vector<std::string> filer = filerIKatalogen();
    ASSERT_EQ(filer.size(), 2u);
    EXPECT_EQ(filer[0].substr(0, 22), ".exempel.bok.kontobok-");
    const fs::path gammal = katalog / filer[0];
    // Another kill, a minute later.
    const timespec förrMinuten[2] = {{::time(nullptr) - 61, 0}, {::time(nullptr) - 61, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, gammal.c_str(), förrMinuten, 0), 0);
    EXPECT_EQ(avbrytSparandetMed(SIGKILL, dokumentfil), SIGKILL);
    skrivFil(katalog / ".exempel.bok.kontobok", "not a temporary file of ours");
    ASSERT_EQ(::utimensat(AT_FDCWD, (katalog / ".exempel.bok.kontobok").c_str(), förrMinuten, 0), 0);

    EXPECT_EQ(importera(kund).status, 0);
    filer = filerIKatalogen();
    ASSERT_EQ(filer.size(), 3u);
    EXPECT_FALSE(fs::exists(gammal));
    EXPECT_EQ(filer[0], ".exempel.bok.kontobok");
    EXPECT_EQ(filer[1].substr(0, 22), ".exempel.bok.kontobok-");
}

// Only a regular file is read as a document, and none larger than 1 GiB;
// standard input is held to the same size. Neither kind of file is waited
// on nor read to its end.
TEST_F(Dokumentfil, OnlyRegularFilesOfAtMostOneGibibyteAreRead) {
    ASSERT_EQ(::mkfifo((katalog / "fifo.bok").c_str(), 0600), 0);
    const fs::path stor = katalog / "stor.bok";
    skrivFil(stor, "");
    fs::resize_file(stor, (uint64_t{1} << 30) + 1);
    const std::string kanInte = "\u201D couldn\u2019t be opened because ";
    const std::string lästesInte = "\n\tCould not read input .bok file.\n\n";
    struct Fall {
        std::vector<std::string> args;
        std::string fel;
    } fall[] = {
        {{(katalog / "fifo.bok").string(), "--latestEntry"}, "The file \u201Cfifo.bok" + kanInte + "it is not a regular file." + lästesInte},
        {{"/dev/zero", "--latestEntry"}, "The file \u201Czero" + kanInte + "it is not a regular file." + lästesInte},
        {{(katalog / "fifo.bok").string()}, "The file \u201Cfifo.bok" + kanInte + "it is not a regular file." + lästesInte},
        {{stor.string(), "--latestEntry"}, "The file \u201Cstor.bok" + kanInte + "it is larger than 1 GiB." + lästesInte},
    };
    for (const auto& f : fall) {
        Körning k = körKontobok(f.args);
        EXPECT_EQ(k.status, 1) << f.args[0];
        EXPECT_EQ(k.ut, "") << f.args[0];
        EXPECT_EQ(k.fel, f.fel) << f.args[0];
    }

    Körning stort = körKontobok({dokumentfil.string()}, {.indatafil = stor});
    EXPECT_EQ(stort.status, 1);
    EXPECT_EQ(stort.fel, "Input data is larger than 1 GiB.\n");
    EXPECT_TRUE(läsFil(dokumentfil) == före);
}

// Output that does not arrive is a failure: a full disk behind standard
// output, or a reader that has gone away (the tool piped into a program
// that has quit). An import whose progress lines are lost saves nothing.
TEST_F(Dokumentfil, OutputThatCannotBeWrittenIsAFailure) {
    const std::string full = "Unable to write to standard output: No space left on device.\n";
    const std::string bruten = "Unable to write to standard output: Broken pipe.\n";
    Körning k = senasteVerifikation({.utdata = Utdata::full});
    EXPECT_EQ(k.status, 1);
    EXPECT_EQ(k.fel, full);

    for (Utdata utdata : {Utdata::full, Utdata::stängdPipe}) {
        Körning u = importera(kund, {.utdata = utdata});
        EXPECT_EQ(u.status, 1);
        EXPECT_EQ(u.fel, utdata == Utdata::full ? full : bruten);
        EXPECT_TRUE(läsFil(dokumentfil) == före);
    }
}

}  // namespace
