// The import job through the tool itself: every failure it can report,
// with its exact message, status 1 and the document file byte for byte as
// it was; a successful run with its numbering; and a save that is
// interrupted between writing and replacing.
#include "Exempel/Importexempel.h"
#include "Kommandorad/Importjobb.h"
#include "Kommandorad/Laddning.h"
#include "Modell/Affarskontakt.h"
#include "Modell/Rakenskapsar.h"
#include "Modell/Verifikation.h"
#include "Programkorning.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace testhjalp;

namespace {

class Importjobb : public MedTillfälligKatalog {
protected:
    void SetUp() override {
        MedTillfälligKatalog::SetUp();
        dokumentfil = katalog / "exempel.bok";
        skrivFil(dokumentfil, importexempel::dokument()->dataMedMellansteg(76000));
    }

    Körning kör(const std::vector<std::string>& args, std::string_view indata) {
        return körKontobok(args, {.indata = std::string(indata)});
    }

    Körning importera(std::string_view json) { return kör({dokumentfil.string()}, json); }

    fs::path dokumentfil;
};

const std::string tx = R"("transactions":[{"account":1930,"amount":"100"},{"account":3001,"amount":"-100"}])";

TEST_F(Importjobb, EveryFailureLeavesTheFileAsItWas) {
    struct Rad {
        std::string json;
        std::string stderr_;
        std::string stdout_ = "";
    };
    const std::vector<Rad> rader = {
        {"", "Input data is not valid JSON.\n"},
        {"5", "Input data is not valid JSON.\n"},
        {"\"x\"", "Input data is not valid JSON.\n"},
        {"{\"entries\":[],}", "Input data is not valid JSON.\n"},
        {std::string(600, '[') + std::string(600, ']'), "Input data is not valid JSON.\n"},
        {"[]", "Invalid top object.\n"},
        {R"({"entries":[],"kunder":[]})", "Unrecognized key 'kunder' in JSON file.\n"},
        {R"({"entries":[{"description":"Hyra","date":"2023-02-30",)" + tx + "}]}",
         R"(Invalid entry '{"date":"2023-02-30","description":"Hyra","transactions":[{"account":1930,"amount":"100"},{"account":3001,"amount":"-100"}]}'.)"
         "\n"},
        {R"({"entries":[{"description":"Hyra","date":"2023-03-01","transactions":[{"account":"1930","amount":"1"}]}]})",
         R"(Invalid transaction '{"account":"1930","amount":"1"}' in entry '{"date":"2023-03-01","description":"Hyra","transactions":[{"account":"1930","amount":"1"}]}'.)"
         "\n"},
        {R"({"entries":[{"description":"Hyra","date":"2023-03-01","transactions":[{"account":9999,"amount":"1"}]}]})",
         "Non-existant account number '9999'.\n"},
        {R"({"entries":[{"description":"Hyra","date":"2023-03-01","transactions":[{"account":1930,"amount":"100"},{"account":3001,"amount":"-99.99"}]}]})",
         "Entry 'Hyra' is not balanced.\n"},
        {R"({"entries":[{"description":"Hyra","date":"2025-01-05","pending":false,"transactions":[]}]})",
         "No fiscal year for date 2025-01-05.\n"},
        {R"({"customers":[{"name":"Eva"},{"email":"x@y.se"}]})",
         "Either 'company' or 'name' is required for all customers.\n", "Added customer Eva\n"},
        {R"({"entries":[{"description":"Hyra","date":"2023-03-01","pending":false,)" + tx +
             R"(}],"invoices":[{"date":"2023-03-01","items":[]}]})",
         "No customer for invoice.\n", "Added entry 11 'Hyra' to fiscal year 2023.\n"},
    };
    const std::string före = läsFil(dokumentfil);
    for (const Rad& rad : rader) {
        Körning u = importera(rad.json);
        EXPECT_EQ(u.status, 1) << rad.json.substr(0, 200);
        EXPECT_EQ(u.fel, rad.stderr_) << rad.json.substr(0, 200);
        EXPECT_EQ(u.ut, rad.stdout_) << rad.json.substr(0, 200);
        EXPECT_TRUE(läsFil(dokumentfil) == före) << rad.json.substr(0, 200);
    }
}

TEST_F(Importjobb, NumbersAcrossYearsAndTheLatestEntryShowsTheNewNumber) {
    EXPECT_EQ(kör({dokumentfil.string(), "--latestEntry"}, "").ut, "5\n");
    const std::string f = R"(,"pending":false,)";
    Körning u = importera(R"({"entries":[)"
                         R"({"description":"A","date":"2023-06-01")" + f + tx + "}," +
                         R"({"description":"B","date":"2024-06-01")" + f + tx + "}," +
                         R"({"description":"C","date":"2023-06-02",)" + tx + "}," +
                         R"({"description":"D","date":"2023-12-31")" + f + tx + "}]," +
                         R"("customers":[{"company":"Gamma AB","name":"Eva"}]})");
    EXPECT_EQ(u.status, 0) << u.fel;
    EXPECT_EQ(u.fel, "");
    EXPECT_EQ(u.ut,
              "Added entry 11 'A' to fiscal year 2023.\n"
              "Added entry 7 'B' to fiscal year 2024.\n"
              "Added pending entry 'C'.\n"
              "Added entry 13 'D' to fiscal year 2023.\n"
              "Added customer Gamma AB / Eva\n");
    // The latest entry comes from the last year that has one: 2024.
    EXPECT_EQ(kör({dokumentfil.string(), "--latestEntry"}, "").ut, "7\n");

    // The saved document holds everything in its place.
    Bytes data;
    {
        std::string s = läsFil(dokumentfil);
        data.assign(s.begin(), s.end());
    }
    auto dok = Bokföring::från(data);
    ASSERT_EQ(dok->räkenskapsår[0]->verifikationer.size(), 12u);
    EXPECT_EQ(dok->räkenskapsår[0]->verifikationer[10]->nummer(), 11);
    EXPECT_EQ(dok->räkenskapsår[0]->verifikationer[11]->nummer(), 13);
    EXPECT_EQ(dok->kommandeVerifikationer.back()->namn, "C");
    EXPECT_EQ(dok->kontakter.back()->nummer, "3");

    // A second run continues from what the first saved.
    Körning andra = importera(R"({"entries":[{"description":"E","date":"2024-07-01")" + f + tx + "}]}");
    EXPECT_EQ(andra.ut, "Added entry 8 'E' to fiscal year 2024.\n");
    EXPECT_EQ(kör({dokumentfil.string(), "--latestEntry"}, "").ut, "8\n");
}

TEST_F(Importjobb, AnEmptyImportStillRewritesTheFile) {
    Körning u = importera("\xEF\xBB\xBF{}");
    EXPECT_EQ(u.status, 0);
    EXPECT_EQ(u.ut + u.fel, "");
    EXPECT_EQ(kör({dokumentfil.string(), "--latestEntry"}, "").ut, "5\n");
}

// The disk fills up while the new document is written (a file-size limit
// stands in for it, and holds for root too).
TEST_F(Importjobb, AFailedSaveLeavesTheFileAsItWas) {
    const std::string före = läsFil(dokumentfil);
    ASSERT_GT(före.size(), 600u);
    Körning u = körKontobok({dokumentfil.string()},
                            {.indata = R"({"customers":[{"name":"Eva"}]})", .filstorleksgräns = 512});
    EXPECT_EQ(u.status, 1);
    EXPECT_EQ(u.fel, "Unable to write output file!\n");
    EXPECT_EQ(u.ut, "Added customer Eva\n");
    EXPECT_TRUE(läsFil(dokumentfil) == före);
    // No temporary file is left behind.
    for (const auto& e : fs::directory_iterator(katalog)) EXPECT_EQ(e.path(), dokumentfil);
}

// The process dies after the new document is on disk in the temporary file
// and before it replaces the old one: the old file is whole.
TEST_F(Importjobb, KilledDuringTheSaveLeavesTheFileAsItWas) {
    const std::string före = läsFil(dokumentfil);
    const std::string json = R"({"customers":[{"name":"Eva"}]})";
    pid_t barn = ::fork();
    ASSERT_GE(barn, 0);
    if (barn == 0) {
        std::freopen("/dev/null", "w", stdout);
        std::string s = läsFil(dokumentfil);
        auto dok = Bokföring::från(Bytes(s.begin(), s.end()));
        importeraOchSpara(*dok, Bytes(json.begin(), json.end()), dokumentfil.string(), [](const std::string&) {
            ::raise(SIGKILL);
            return true;
        });
        std::_Exit(0);
    }
    int status = 0;
    ::waitpid(barn, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGKILL);
    EXPECT_TRUE(läsFil(dokumentfil) == före);
    EXPECT_EQ(kör({dokumentfil.string(), "--latestEntry"}, "").ut, "5\n");

    // A hook that refuses ends the save as a failed write.
    std::string s = läsFil(dokumentfil);
    auto dok = Bokföring::från(Bytes(s.begin(), s.end()));
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    int utfall = importeraOchSpara(*dok, Bytes(json.begin(), json.end()), dokumentfil.string(),
                                   [](const std::string&) { return false; });
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Unable to write output file!\n");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Added customer Eva\n");
    EXPECT_EQ(utfall, 1);
    EXPECT_TRUE(läsFil(dokumentfil) == före);
}

}  // namespace
