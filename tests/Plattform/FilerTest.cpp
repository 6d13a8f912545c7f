#include "Plattform/Filer.h"
#include "Programkorning.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class Filer : public testhjalp::MedTillfälligKatalog {
protected:
    std::string sökväg(const std::string& namn) const { return (katalog / namn).string(); }

    void skriv(const std::string& namn, const std::string& innehåll) const {
        std::ofstream(sökväg(namn), std::ios::binary) << innehåll;
    }

    std::string innehåll(const std::string& namn) const {
        Bytes b = readWholeFile(sökväg(namn));
        return std::string(b.begin(), b.end());
    }

    static Bytes bytes(std::string_view s) { return Bytes(s.begin(), s.end()); }

    std::vector<std::string> namnIKatalogen() const {
        std::vector<std::string> namn;
        for (const auto& e : fs::directory_iterator(katalog)) namn.push_back(e.path().filename().string());
        std::sort(namn.begin(), namn.end());
        return namn;
    }

    static mode_t rättigheter(const std::string& s) {
        struct stat st;
        EXPECT_EQ(::stat(s.c_str(), &st), 0);
        return st.st_mode & 07777;
    }

};

std::string felText(const std::function<void()>& f) {
    try {
        f();
    } catch (const FileError& e) {
        return e.what();
    }
    return "(no error)";
}

}  // namespace

TEST_F(Filer, ReadingNamesTheFileTheWayUsersSeeIt) {
    skriv("a.bok", std::string("x\0y", 3));
    EXPECT_EQ(innehåll("a.bok"), std::string("x\0y", 3));
    EXPECT_EQ(felText([&] { readWholeFile(sökväg("saknas.bok")); }),
              "The file \u201Csaknas.bok\u201D couldn\u2019t be opened because there is no such file.");
    EXPECT_EQ(felText([&] { readWholeFile(katalog.string() + "/"); }),
              "The file \u201C" + katalog.filename().string() + "\u201D couldn\u2019t be opened: Is a directory.");
    EXPECT_EQ(felText([&] { readWholeFile(""); }),
              "The file \u201C\u201D couldn\u2019t be opened because there is no such file.");
    try {
        readWholeFile(sökväg("saknas/inne.bok"));
        FAIL();
    } catch (const FileError& e) {
        EXPECT_EQ(e.errnoValue, ENOENT);
    }
}

TEST_F(Filer, SafeSaveReplacesContentsAndKeepsPermissions) {
    skriv("a.bok", "gammalt innehåll som är längre");
    ASSERT_EQ(::chmod(sökväg("a.bok").c_str(), 0640), 0);
    writeFileSafely(sökväg("a.bok"), bytes("nytt"));
    EXPECT_EQ(innehåll("a.bok"), "nytt");
    EXPECT_EQ(rättigheter(sökväg("a.bok")), 0640u);
    EXPECT_EQ(namnIKatalogen(), std::vector<std::string>{"a.bok"});

    // A file that does not exist yet is created with the usual permissions.
    mode_t mask = ::umask(022);
    writeFileSafely(sökväg("ny.bok"), bytes("första"));
    ::umask(mask);
    EXPECT_EQ(innehåll("ny.bok"), "första");
    EXPECT_EQ(rättigheter(sökväg("ny.bok")), 0644u);
}

TEST_F(Filer, SafeSaveThroughASymbolicLinkReplacesTheTargetAndKeepsTheLink) {
    fs::create_directory(katalog / "mål");
    skriv("mål/a.bok", "gammalt");
    ASSERT_EQ(::chmod(sökväg("mål/a.bok").c_str(), 0600), 0);
    fs::create_symlink("mål/a.bok", katalog / "länk.bok");

    writeFileSafely(sökväg("länk.bok"), bytes("nytt"));
    EXPECT_TRUE(fs::is_symlink(katalog / "länk.bok"));
    EXPECT_EQ(innehåll("mål/a.bok"), "nytt");
    EXPECT_EQ(rättigheter(sökväg("mål/a.bok")), 0600u);
    EXPECT_EQ(namnIKatalogen(), (std::vector<std::string>{"länk.bok", "mål"}));
    EXPECT_EQ(fs::directory_iterator(katalog / "mål")->path().filename(), "a.bok");
}

// A save given the file that was read goes over that file only. Another
// program that puts a new file under the name meanwhile (or under the
// target of its link), or removes it, fails the save: the name is left as
// it stands, with no temporary file beside it.
TEST_F(Filer, ASaveGivenTheFileReadGoesOverThatFileOnly) {
    auto identitet = [&](const std::string& namn) {
        struct stat st {};
        EXPECT_EQ(::stat(sökväg(namn).c_str(), &st), 0);
        return FileIdentity::of(st);
    };
    fs::create_symlink("mål.bok", katalog / "länk.bok");
    struct Fall {
        const char* namn;
        const char* ersatt;  // the name under which another file appears
        bool tasBort;
    } fall[] = {{"a.bok", "a.bok", false}, {"länk.bok", "mål.bok", false}, {"a.bok", "a.bok", true}};
    for (const Fall& f : fall) {
        skriv("a.bok", "läst");
        skriv("mål.bok", "läst");
        const FileIdentity läst = identitet(f.namn);
        writeFileSafely(sökväg(f.namn), bytes("sparat"), {}, läst);
        EXPECT_EQ(innehåll(f.namn), "sparat") << f.namn;

        const FileIdentity igen = identitet(f.namn);
        auto annatProgram = [&](const std::string&) {
            if (f.tasBort) {
                fs::remove(katalog / f.ersatt);
            } else {
                skriv("ny", "ett annat programs");
                fs::rename(katalog / "ny", katalog / f.ersatt);
            }
            return true;
        };
        const std::string fel = felText([&] { writeFileSafely(sökväg(f.namn), bytes("igen"), annatProgram, igen); });
        EXPECT_NE(fel.find("another program put a new file in its place, or removed it"), std::string::npos) << fel;
        if (f.tasBort)
            EXPECT_FALSE(fs::exists(katalog / f.ersatt));
        else
            EXPECT_EQ(innehåll(f.namn), "ett annat programs") << f.namn;
        EXPECT_EQ(namnIKatalogen().size(), f.tasBort ? 2u : 3u) << f.namn;
    }
}

// The rename that makes a save safe gives the saved name a new file: a
// hard link elsewhere keeps the old contents (the README says so).
TEST_F(Filer, SafeSaveGivesAHardLinkedNameANewFile) {
    skriv("a.bok", "gammalt");
    fs::create_hard_link(katalog / "a.bok", katalog / "kopia.bok");
    writeFileSafely(sökväg("a.bok"), bytes("nytt"));
    EXPECT_EQ(innehåll("a.bok"), "nytt");
    EXPECT_EQ(innehåll("kopia.bok"), "gammalt");
    EXPECT_EQ(fs::hard_link_count(katalog / "a.bok"), 1u);
}

// In a shared directory a link someone planted must not redirect the write.
TEST_F(Filer, NewFileInASharedDirectoryReplacesALinkWithoutFollowingIt) {
    fs::create_directory(katalog / "mål");
    skriv("mål/a.txt", "annans");
    ASSERT_EQ(::chmod(sökväg("mål/a.txt").c_str(), 0600), 0);
    fs::create_symlink("mål/a.txt", katalog / "faktura.pdf");
    skriv("gammal.pdf", "gammal");
    ASSERT_EQ(::chmod(sökväg("gammal.pdf").c_str(), 0600), 0);
    const mode_t mask = ::umask(022);

    writeNewFileSafely(sökväg("faktura.pdf"), bytes("pdf"));
    writeNewFileSafely(sökväg("gammal.pdf"), bytes("ny"));
    ::umask(mask);
    EXPECT_FALSE(fs::is_symlink(katalog / "faktura.pdf"));
    EXPECT_EQ(innehåll("faktura.pdf"), "pdf");
    EXPECT_EQ(innehåll("mål/a.txt"), "annans");
    EXPECT_EQ(innehåll("gammal.pdf"), "ny");
    EXPECT_EQ(rättigheter(sökväg("gammal.pdf")), 0644u);
    EXPECT_EQ(namnIKatalogen(), (std::vector<std::string>{"faktura.pdf", "gammal.pdf", "mål"}));

    fs::create_directory(katalog / "katalog.pdf");
    EXPECT_NE(felText([&] { writeNewFileSafely(sökväg("katalog.pdf"), bytes("x")); }).find("not a regular file"),
              std::string::npos);
}

TEST(TemporaryDirectory, IsTmpdirWhenSetElseTheSystemDefault) {
    const char* före = std::getenv("TMPDIR");
    const std::string sparad = före ? före : "";
    ::setenv("TMPDIR", "/var/tmp/egen", 1);
    EXPECT_EQ(temporaryDirectory(), "/var/tmp/egen");
    ::setenv("TMPDIR", "", 1);
    EXPECT_EQ(temporaryDirectory(), "/tmp");
    ::unsetenv("TMPDIR");
    EXPECT_EQ(temporaryDirectory(), "/tmp");
    if (före) ::setenv("TMPDIR", sparad.c_str(), 1);
}

TEST_F(Filer, FailedSaveLeavesTheOriginalAndNoTemporaryFile) {
    skriv("a.bok", "originalet");
    std::string sågsTemporär;
    auto avbryt = [&](const std::string& temporär) {
        sågsTemporär = temporär;
        // The new bytes are complete on disk before the replace.
        std::ifstream in(temporär, std::ios::binary);
        std::string s((std::istreambuf_iterator<char>(in)), {});
        EXPECT_EQ(s, "nytt innehåll");
        return false;
    };
    EXPECT_THROW(writeFileSafely(sökväg("a.bok"), bytes("nytt innehåll"), avbryt), FileError);
    EXPECT_EQ(fs::path(sågsTemporär).parent_path(), katalog);
    EXPECT_EQ(innehåll("a.bok"), "originalet");
    EXPECT_EQ(namnIKatalogen(), std::vector<std::string>{"a.bok"});

    EXPECT_THROW(writeFileSafely(sökväg("saknas/a.bok"), bytes("x")), FileError);
    EXPECT_THROW(writeFileSafely(katalog.string(), bytes("x")), FileError);
    EXPECT_EQ(namnIKatalogen(), std::vector<std::string>{"a.bok"});
}

// A target whose name is as long as names get still has room for its
// temporary file: the name is cut short and marked with a hash of the
// whole, so two long names get temporary files of their own, and a later
// save finds one left behind and removes it once it is old. Ordinary names
// keep the full form.
TEST_F(Filer, TheTemporaryFileOfALongNameKeepsWithinTheLimit) {
    // "ä" takes two bytes; the cut must not fall inside one.
    const std::string lång = std::string(1, 'x') + [] {
        std::string s;
        while (s.size() < 250) s += "\u00e4";
        return s;
    }() + ".bok";
    const std::string annan = std::string(251, 'y') + ".bok";
    std::vector<std::string> temporära;
    auto samla = [&](const std::string& temporär) {
        temporära.push_back(fs::path(temporär).filename().string());
        return true;
    };
    for (const std::string& namn : {lång, annan, std::string("kort.bok")}) {
        ASSERT_LE(namn.size(), 255u);
        writeFileSafely(sökväg(namn), bytes("innehåll"), samla);
        EXPECT_EQ(innehåll(namn), "innehåll");
    }
    ASSERT_EQ(temporära.size(), 3u);
    for (const std::string& t : temporära) {
        EXPECT_LE(t.size(), 255u) << t;
        EXPECT_EQ(t.substr(t.size() - 16, 10), ".kontobok-") << t;
    }
    EXPECT_EQ(temporära[0].substr(0, 2), ".x");
    EXPECT_EQ(temporära[0].find('~') % 2, 0u) << "cut inside a character: " << temporära[0];
    EXPECT_NE(temporära[0].substr(0, temporära[0].size() - 6), temporära[1].substr(0, temporära[1].size() - 6));
    EXPECT_EQ(temporära[2].substr(0, 19), ".kort.bok.kontobok-");
    EXPECT_EQ(namnIKatalogen(), (std::vector<std::string>{"kort.bok", lång, annan}));

    // One left behind by a save that died a minute ago.
    const std::string kvar = temporära[0].substr(0, temporära[0].size() - 6) + "AbCdEf";
    skriv(kvar, "halvt");
    const timespec förrMinuten[2] = {{::time(nullptr) - 61, 0}, {::time(nullptr) - 61, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, sökväg(kvar).c_str(), förrMinuten, 0), 0);
    writeFileSafely(sökväg(lång), bytes("igen"));
    EXPECT_EQ(innehåll(lång), "igen");
    EXPECT_EQ(namnIKatalogen(), (std::vector<std::string>{"kort.bok", lång, annan}));
}
