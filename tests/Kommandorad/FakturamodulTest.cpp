// The invoice module: only the latest-invoice job loads it and the drawing
// libraries it needs, and a module that is missing or of another build is a
// message, not a crash.
#include "Programkorning.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

namespace fs = std::filesystem;
using namespace testhjalp;

namespace {

const fs::path verktyg = fs::path(KONTOBOK_BINARY).parent_path();

// The shared objects a run of the tool loaded, by file name, as the
// dynamic loader reports them.
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
        filer.insert(fs::path(fil).filename().string());
    }
    return filer;
}

// What the ledger may load: the C and C++ runtimes and ICU (and, in a
// sanitizer build, the sanitizers' runtimes).
bool förBokföringen(const std::string& fil) {
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
    // its invoice module.
    fs::path ensamtVerktyg(const std::optional<fs::path>& modul) {
        const fs::path ensam = katalog / "ensam";
        fs::create_directories(ensam);
        fs::copy_file(KONTOBOK_BINARY, ensam / "kontobok");
        if (modul) fs::copy_file(*modul, ensam / KONTOBOK_MODULE_FILE);
        return ensam / "kontobok";
    }

    bool ingenPdf() const {
        return std::none_of(fs::directory_iterator(katalog), fs::directory_iterator(),
                            [](const auto& e) { return e.path().extension() == ".pdf"; });
    }

    fs::path dokument;
};

TEST_F(Fakturamodul, TheLedgerJobsLoadNoDrawingLibrary) {
    const Körning senaste = medLaddaren({"--latestEntry"});
    const Körning import = medLaddaren({}, {.indata = R"({"customers":[{"company":"Ny AB"}]})"});
    for (const Körning* k : {&senaste, &import}) {
        ASSERT_EQ(k->status, 0) << k->fel;
        const std::set<std::string> filer = laddade(*k);
        EXPECT_LE(filer.size(), 12u);
        for (const std::string& fil : filer) EXPECT_TRUE(förBokföringen(fil)) << fil;
    }
    // The same count sees the invoice module and its libraries when they are loaded.
    const std::set<std::string> faktura = laddade(medLaddaren({"--latestInvoice"}));
    EXPECT_TRUE(faktura.contains(KONTOBOK_MODULE_FILE));
    EXPECT_TRUE(std::any_of(faktura.begin(), faktura.end(), [](const auto& f) { return f.starts_with("libcairo"); }));
}

TEST_F(Fakturamodul, AMissingModuleIsAMessageAndTheLedgerJobsStillRun) {
    const fs::path ensam = ensamtVerktyg(std::nullopt);
    const Körning k = kör(ensam, {"--latestInvoice"});
    EXPECT_EQ(k.status, 1);
    EXPECT_EQ(k.ut, "");
    EXPECT_TRUE(k.fel.starts_with("The invoice module cannot be loaded: ")) << k.fel;
    EXPECT_NE(k.fel.find(KONTOBOK_MODULE_FILE), std::string::npos) << k.fel;
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

}  // namespace
