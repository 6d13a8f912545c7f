// The invoice module: only the latest-invoice job loads it and the drawing
// libraries it needs; a module that is missing, cut short, of another
// machine or of another build is a message, not a crash, and none of its
// code runs; what is loaded is the file that was checked; it exports its
// one entry and the one function it overrides.
#include "Programkorning.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace testhjalp;

namespace {

const fs::path verktyg = fs::path(KONTOBOK_BINARY).parent_path();

// The shared objects a run of the tool loaded, by the names the dynamic
// loader reports them by.
std::set<std::string> laddade(const Körning& k) {
    std::set<std::string> filer;
    std::istringstream rader(k.fel);
    std::string rad;
    while (std::getline(rader, rad)) {
        const size_t vid = rad.find("file=");
        const bool laddad =
            rad.find("needed by") != std::string::npos || rad.find("dynamically loaded by") != std::string::npos;
        if (vid == std::string::npos || !laddad) continue;
        const std::string fil = rad.substr(vid + 5, rad.find_first_of(" \t", vid) - vid - 5);
        filer.insert(fil);
    }
    return filer;
}

// What the ledger may load: the C and C++ runtimes and ICU (and, in a
// sanitizer build, the sanitizers' runtimes).
bool förBokföringen(const std::string& sökväg) {
    const std::string fil = fs::path(sökväg).filename().string();
    for (const char* början : {"libc.so", "libm.so", "libstdc++.so", "libgcc_s.so", "ld-linux", "libicuuc.so",
                               "libicui18n.so", "libicudata.so", "libasan.so", "libubsan.so"})
        if (fil.starts_with(början)) return true;
    return false;
}

class Fakturamodul : public MedTillfälligKatalog {
protected:
    void SetUp() override {
        MedTillfälligKatalog::SetUp();
        dokument = katalog / "exempel.bok";
        ASSERT_EQ(körProgram((verktyg / "make-example").string(), {dokument.string()}).status, 0);
    }

    Körning kör(const fs::path& program, std::vector<std::string> argument, Körval val = {}) {
        argument.insert(argument.begin(), dokument.string());
        val.miljö.emplace_back("TMPDIR", katalog.string());
        return körProgram(program.string(), argument, val);
    }

    Körning medLaddaren(std::vector<std::string> argument, Körval val = {}) {
        val.miljö.emplace_back("LD_DEBUG", "files");
        return kör(KONTOBOK_BINARY, std::move(argument), std::move(val));
    }

    // The tool alone in a directory of its own, with `modul` (when given) as
    // its invoice module, and the faces it draws with.
    fs::path ensamtVerktyg(const std::optional<fs::path>& modul) {
        return testhjalp::ensamtVerktyg(katalog / "ensam", modul);
    }

    // The tool alone with `bytes` as its invoice module.
    fs::path verktygMedModulen(const std::string& bytes) {
        fs::remove_all(katalog / "ensam");
        const fs::path ensam = ensamtVerktyg(std::nullopt);
        skrivFil(ensam.parent_path() / KONTOBOK_MODULE_FILE, bytes);
        return ensam;
    }

    bool ingenPdf() const {
        return std::none_of(fs::directory_iterator(katalog), fs::directory_iterator(),
                            [](const auto& e) { return e.path().extension() == ".pdf"; });
    }

    fs::path dokument;
};

// Runs with a PDF logo, which the tool reads (and judges) in its children.
class FakturamodulCpu : public Fakturamodul {};

TEST_F(Fakturamodul, TheLedgerJobsLoadNoDrawingLibrary) {
    const Körning senaste = medLaddaren({"--latestEntry"});
    const Körning import = medLaddaren({}, {.indata = R"({"customers":[{"company":"Ny AB"}]})"});
    for (const Körning* k : {&senaste, &import}) {
        ASSERT_EQ(k->status, 0) << k->fel;
        const std::set<std::string> filer = laddade(*k);
        EXPECT_LE(filer.size(), 12u);
        for (const std::string& fil : filer) EXPECT_TRUE(förBokföringen(fil)) << fil;
    }
    // The same count sees the invoice module and its libraries when they
    // are loaded: the module by the descriptor it was checked through.
    const std::set<std::string> faktura = laddade(medLaddaren({"--latestInvoice"}));
    EXPECT_TRUE(std::any_of(faktura.begin(), faktura.end(),
                            [](const fs::path& f) { return f.parent_path().filename() == "fd"; }));
    EXPECT_TRUE(std::any_of(faktura.begin(), faktura.end(),
                            [](const fs::path& f) { return f.filename().string().starts_with("libcairo"); }));
}

// The renderers that judge a PDF logo are another program's: the tool
// runs it, in a child, for a PDF logo alone, and never maps them itself.
// strace lists the programs each run executes (the judge from its open
// file, by execveat, under the name its argv[0] gives).
TEST_F(FakturamodulCpu, OnlyAPdfLogoRunsTheJudgeAndTheToolNeverMapsItsRenderers) {
    if (körProgram("strace", {"-f", "-o", "/dev/null", "true"}).status != 0) GTEST_SKIP() << "strace cannot trace here";
    const fs::path källa = fs::path(KONTOBOK_SOURCE_DIR) / "tests" / "data" / "logotyper";
    auto medLogotyp = [&](const std::string& fil) {
        const fs::path d = katalog / (fil + ".bok");
        EXPECT_EQ(körProgram((verktyg / "make-example").string(), {"--logo", (källa / fil).string(), d.string()}).status,
                  0);
        return d;
    };
    // The programs a run executes, by file name.
    auto körda = [&](const fs::path& d, std::vector<std::string> argument, Körval val = {}) {
        const fs::path logg = katalog / "strace.txt";
        // The leak checker of sanitizer builds cannot work under strace.
        const char* asan = std::getenv("ASAN_OPTIONS");
        val.miljö.emplace_back("ASAN_OPTIONS", (asan ? std::string(asan) + ":" : "") + "detect_leaks=0");
        val.miljö.emplace_back("TMPDIR", katalog.string());
        argument.insert(argument.begin(),
                        {"-f", "-s", "4096", "-e", "trace=execve,execveat", "-o", logg.string(), KONTOBOK_BINARY, d.string()});
        const Körning k = körProgram("strace", argument, val);
        EXPECT_EQ(k.status, 0) << k.fel;
        std::multiset<std::string> program;
        std::ifstream rader(logg);
        for (std::string rad; std::getline(rader, rad);) {
            // execve names the program by its path, execveat by its argv[0].
            const bool vidSökväg = rad.find("execve(\"") != std::string::npos;
            if (!vidSökväg && rad.find("execveat(") == std::string::npos) continue;
            if (rad.find(" = 0") == std::string::npos) continue;
            const std::string före = vidSökväg ? "execve(\"" : "[\"";
            const size_t från = rad.find(före) + före.size();
            program.insert(fs::path(rad.substr(från, rad.find('"', från) - från)).filename().string());
        }
        return program;
    };
    const std::string domaren = fs::path(KONTOBOK_JUDGE).filename().string();
    EXPECT_EQ(körda(dokument, {"--latestEntry"}).count(domaren), 0u);
    EXPECT_EQ(körda(dokument, {}, {.indata = R"({"customers":[{"company":"Ny AB"}]})"}).count(domaren), 0u);
    EXPECT_EQ(körda(dokument, {"--latestInvoice"}).count(domaren), 0u);
    EXPECT_EQ(körda(medLogotyp("logo.png"), {"--latestInvoice"}).count(domaren), 0u);
    // Once, however many places show it.
    const fs::path pdf = medLogotyp("logo.pdf");
    EXPECT_EQ(körda(pdf, {"--latestInvoice"}).count(domaren), 1u);
    const Körning medPdf = körProgram(KONTOBOK_BINARY, {pdf.string(), "--latestInvoice"},
                                      {.miljö = {{"LD_DEBUG", "files"}, {"TMPDIR", katalog.string()}}});
    ASSERT_EQ(medPdf.status, 0) << medPdf.fel;
    for (const std::string& fil : laddade(medPdf)) EXPECT_FALSE(fil.starts_with("libpoppler")) << fil;
}

// A tool without its judge beside it still makes the invoice: a PDF logo
// that cannot be judged is left out, and the run says why.
TEST_F(FakturamodulCpu, WithoutTheJudgeAPdfLogoIsLeftOutAndSaysWhy) {
    const fs::path ensam = ensamtVerktyg(KONTOBOK_MODULE);
    const fs::path logotyp = fs::path(KONTOBOK_SOURCE_DIR) / "tests" / "data" / "logotyper" / "logo.pdf";
    ASSERT_EQ(körProgram((verktyg / "make-example").string(), {"--logo", logotyp.string(), dokument.string()}).status, 0);
    const Körning k = kör(ensam, {"--latestInvoice"});
    EXPECT_EQ(k.status, 0) << k.fel;
    EXPECT_EQ(k.fel, "Warning: the invoice is made without the ledger's logo: it cannot be judged: " +
                         (ensam.parent_path() / fs::path(KONTOBOK_JUDGE).filename()).string() + " cannot be run.\n");
    EXPECT_FALSE(ingenPdf());
}

// The judge is checked from its file as the module is, before it runs:
// another program in its place (which would let every drawing in, as
// `true` does) or a script is not run, and the logo is left out saying so.
TEST_F(FakturamodulCpu, AJudgeNotOfThisBuildIsNotRun) {
    const fs::path logotyp = fs::path(KONTOBOK_SOURCE_DIR) / "tests" / "data" / "logotyper" / "logo.pdf";
    ASSERT_EQ(körProgram((verktyg / "make-example").string(), {"--logo", logotyp.string(), dokument.string()}).status, 0);
    const fs::path skript = katalog / "domare.sh";
    skrivFil(skript, "#!/bin/sh\n# Stands in for the judge and lets every drawing in.\nexit 0\n");
    fs::permissions(skript, fs::perms::owner_all);
    for (const auto& [domare, varför] : {std::pair{fs::path("/bin/true"), std::string(" is not the judge of this build of kontobok")},
                                         std::pair{skript, std::string(" is not this build's judge: it is not an ELF file")}}) {
        SCOPED_TRACE(domare);
        fs::remove_all(katalog / "ensam");
        const fs::path ensam = ensamtVerktyg(KONTOBOK_MODULE);
        const fs::path härDomaren = ensam.parent_path() / fs::path(KONTOBOK_JUDGE).filename();
        fs::copy_file(domare, härDomaren);
        const Körning k = kör(ensam, {"--latestInvoice"});
        EXPECT_EQ(k.status, 0) << k.fel;
        EXPECT_EQ(k.fel, "Warning: the invoice is made without the ledger's logo: it cannot be judged: " +
                             härDomaren.string() + varför + ".\n");
        for (const auto& e : fs::directory_iterator(katalog))
            if (e.path().extension() == ".pdf") fs::remove(e.path());
    }
}

// The message names where the module must stand: the program's own
// directory, whatever the current one.
TEST_F(Fakturamodul, AMissingModuleIsAMessageAndTheLedgerJobsStillRun) {
    const fs::path ensam = ensamtVerktyg(std::nullopt);
    const Körning k = kör(ensam, {"--latestInvoice"});
    EXPECT_EQ(k.status, 1);
    EXPECT_EQ(k.ut, "");
    EXPECT_TRUE(k.fel.starts_with("The invoice module cannot be loaded: ")) << k.fel;
    EXPECT_NE(k.fel.find((ensam.parent_path() / KONTOBOK_MODULE_FILE).string()), std::string::npos) << k.fel;
    EXPECT_NE(k.fel.find("no such file"), std::string::npos) << k.fel;
    EXPECT_TRUE(ingenPdf());
    EXPECT_EQ(kör(ensam, {"--latestEntry"}).status, 0);
}

TEST_F(Fakturamodul, AModuleOfAnotherBuildIsRefused) {
    // A shared object that loads but is not this build's module, and a
    // file that is no shared object at all.
    skrivFil(katalog / "inget.so", "not a module");
    for (const fs::path& modul : {fs::path("/lib/x86_64-linux-gnu/libm.so.6"), katalog / "inget.so"}) {
        SCOPED_TRACE(modul);
        fs::remove_all(katalog / "ensam");
        const Körning k = kör(ensamtVerktyg(modul), {"--latestInvoice"});
        EXPECT_EQ(k.status, 1);
        EXPECT_EQ(k.ut, "");
        EXPECT_TRUE(k.fel.starts_with("The invoice module ")) << k.fel;
        EXPECT_TRUE(ingenPdf());
    }
}

std::string byggdaModulen() {
    std::ifstream in(KONTOBOK_MODULE, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What an interrupted copy or a full disk leaves: the loader would map
// segments past the file's end and die of SIGBUS at their first touch.
TEST_F(Fakturamodul, AModuleCutShortIsRefusedFromItsFile) {
    const std::string helt = byggdaModulen();
    for (size_t storlek : {size_t(4) << 10, size_t(64) << 10, size_t(1) << 20}) {
        SCOPED_TRACE(storlek);
        ASSERT_LT(storlek, helt.size());
        const Körning k = kör(verktygMedModulen(helt.substr(0, storlek)), {"--latestInvoice"});
        EXPECT_EQ(k.status, 1);
        EXPECT_EQ(k.ut, "");
        EXPECT_TRUE(k.fel.starts_with("The invoice module cannot be loaded: ")) << k.fel;
        EXPECT_NE(k.fel.find(KONTOBOK_MODULE_FILE), std::string::npos) << k.fel;
        EXPECT_NE(k.fel.find("cut short"), std::string::npos) << k.fel;
        EXPECT_TRUE(ingenPdf());
    }
}

// A library in the module's place is judged from its file: its
// constructors never run, whether it is a shared object of another build or
// this build's module marked for another machine.
TEST_F(Fakturamodul, NoCodeOfARefusedModuleRuns) {
    const fs::path markör = katalog / "konstruktorn-körde";
    // The built module with one field of its ELF header changed (in this
    // machine's byte order, little-endian).
    std::string annanMaskin = byggdaModulen(), annanKlass = annanMaskin, ingetBibliotek = annanMaskin;
    annanMaskin[18] = annanMaskin[18] == 62 ? char(183) : char(62);  // e_machine: AArch64 or x86-64
    annanMaskin[19] = 0;
    annanKlass[4] = annanKlass[4] == 2 ? 1 : 2;  // EI_CLASS: 32-bit for 64-bit
    ingetBibliotek[16] = 2;                      // e_type: an executable
    std::ifstream främmande(KONTOBOK_TEST_CONSTRUCTOR, std::ios::binary);
    const std::string konstruktor{std::istreambuf_iterator<char>(främmande), std::istreambuf_iterator<char>()};
    const std::pair<std::string, std::string> fall[] = {
        {konstruktor, "is not of this build"},
        {annanMaskin, "another architecture"},
        {annanKlass, "bit code"},
        {ingetBibliotek, "not a shared object"},
    };
    for (const auto& [modul, sägs] : fall) {
        SCOPED_TRACE(sägs);
        const Körning k = kör(verktygMedModulen(modul), {"--latestInvoice"},
                              {.miljö = {{"KONTOBOK_MARKER", markör.string()}}});
        EXPECT_EQ(k.status, 1);
        EXPECT_EQ(k.ut, "");
        EXPECT_TRUE(k.fel.starts_with("The invoice module ")) << k.fel;
        EXPECT_NE(k.fel.find(sägs), std::string::npos) << k.fel;
        EXPECT_NE(k.fel.find(KONTOBOK_MODULE_FILE), std::string::npos) << k.fel;
        EXPECT_FALSE(fs::exists(markör)) << "the library's constructor ran";
        EXPECT_TRUE(ingenPdf());
    }
}

// An upgrade renames files over the module while runs start: here, as
// fast as one thread can, this build's module and a foreign library in
// turn. Whichever a run checks is what it loads: the foreign library is
// refused or never seen, and its constructor never runs.
TEST_F(Fakturamodul, TheModuleLoadedIsTheFileThatWasChecked) {
    const fs::path ensam = ensamtVerktyg(fs::path(KONTOBOK_MODULE));
    const fs::path modul = ensam.parent_path() / KONTOBOK_MODULE_FILE, ny = ensam.parent_path() / "ny.so";
    const fs::path egen = katalog / "egen.so", främmande = katalog / "främmande.so";
    fs::copy_file(KONTOBOK_MODULE, egen);
    fs::copy_file(KONTOBOK_TEST_CONSTRUCTOR, främmande);
    const fs::path markör = katalog / "konstruktorn-körde";

    std::atomic<bool> klart = false;
    std::thread byten([&] {
        for (bool egenNu = false; !klart; egenNu = !egenNu) {
            ::unlink(ny.c_str());
            if (::link((egenNu ? egen : främmande).c_str(), ny.c_str()) == 0) ::rename(ny.c_str(), modul.c_str());
        }
    });
    const Körval val{.miljö = {{"TMPDIR", katalog.string()}, {"KONTOBOK_MARKER", markör.string()}}};
    // A few hundred milliseconds of runs, and until both files have been
    // met; a foreign constructor that ran ends the test at once.
    int laddade = 0, vägrade = 0;
    const auto början = std::chrono::steady_clock::now();
    const auto pågått = [&] { return std::chrono::steady_clock::now() - början; };
    while ((pågått() < std::chrono::milliseconds(400) || laddade == 0 || vägrade == 0) &&
           pågått() < std::chrono::seconds(20) && !fs::exists(markör)) {
        std::vector<Startad> körningar;
        for (int i = 0; i < 4; ++i)
            körningar.push_back(startaProgram(ensam.string(), {dokument.string(), "--latestInvoice"}, val));
        for (Startad& s : körningar) {
            const Körning k = väntaPå(s);
            if (k.status == 0) {
                ++laddade;
                continue;
            }
            ++vägrade;
            EXPECT_EQ(k.status, 1);
            EXPECT_NE(k.fel.find("is not of this build"), std::string::npos) << k.fel;
        }
    }
    klart = true;
    byten.join();
    EXPECT_FALSE(fs::exists(markör)) << "a foreign constructor ran; " << laddade << " runs loaded the module, "
                                     << vägrade << " refused it";
    EXPECT_GT(laddade, 0);
    EXPECT_GT(vägrade, 0);
}

// The names of what `nm` lists in `fil` (with `flaggor`), of the kinds of
// symbol in `slag` (empty: of every kind).
std::set<std::string> symbolerAvSlag(const std::string& fil, std::vector<std::string> flaggor, std::string_view slag) {
    flaggor.push_back(fil);
    const Körning nm = körProgram("nm", flaggor);
    EXPECT_EQ(nm.status, 0) << nm.fel;
    std::set<std::string> namn;
    std::istringstream rader(nm.ut);
    std::string rad;
    while (std::getline(rader, rad)) {
        std::istringstream fält(rad);
        std::string adress, s, n;
        if (fält >> adress >> s >> n && (slag.empty() || slag.find(s[0]) != std::string_view::npos)) namn.insert(n);
    }
    return namn;
}

// One door: the dynamic symbols the module defines, read from its file, are
// its entry and GLib's g_thread_new, which it overrides for pango.
TEST_F(Fakturamodul, TheModuleExportsItsEntryAndNothingElse) {
    const std::set<std::string> symboler = symbolerAvSlag(KONTOBOK_MODULE, {"-D", "--defined-only"}, "");
    ASSERT_EQ(symboler.size(), 2u) << symboler.size() << " symbols, the first " << *symboler.begin();
    EXPECT_TRUE(symboler.contains("g_thread_new"));
    EXPECT_TRUE(std::any_of(symboler.begin(), symboler.end(),
                            [](const std::string& s) { return s.starts_with("kontobok_fakturautskrift_"); }));
}

// Hidden, a ledger variable the module defined from a header would be a
// second copy of it (two slot pools, two stores of user defaults): the
// module holds no writable object the tool holds, type information and
// virtual tables aside: set once as it loads, and types compare by name.
TEST_F(Fakturamodul, TheModuleHoldsNoCopyOfTheLedgersObjects) {
    const std::set<std::string> modulens = symbolerAvSlag(KONTOBOK_MODULE, {"--defined-only"}, "bBdDuvV");
    ASSERT_FALSE(modulens.empty()) << "the module's symbol table is gone";
    for (const std::string& namn : symbolerAvSlag(KONTOBOK_BINARY, {"-D", "--defined-only"}, "bBdDuvV")) {
        if (namn.starts_with("_ZTI") || namn.starts_with("_ZTS") || namn.starts_with("_ZTV")) continue;
        EXPECT_FALSE(modulens.contains(namn)) << namn;
    }
}

}  // namespace
