// The import of entries and customers through the tool itself: every
// failure it can report, with its exact message, status 1 and the document
// file byte for byte as it was; successful runs with their numbering.
#include "Exempel/Exempelbokforing.h"
#include "Exempel/Importexempel.h"
#include "Fillagring.h"
#include "Modell/Affarskontakt.h"
#include "Modell/Kostnadsstalle.h"
#include "Modell/Rad.h"
#include "Modell/Rakenskapsar.h"
#include "Modell/Verifikation.h"
#include "Programkorning.h"
#include "Upprepat.h"

#include <gtest/gtest.h>

#include <cstdint>

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

// An entry object with `fält` (members before the rows) and `rader`.
std::string post(const std::string& fält, const std::string& rader = tx) {
    return "{" + fält + (fält.empty() ? "" : ",") + rader + "}";
}
std::string poster(const std::string& fält, const std::string& rader = tx) {
    return R"({"entries":[)" + post(fält, rader) + "]}";
}

// Every message the import of entries and customers can end with, through
// the tool: status 1, the exact message, the lines printed before it, and
// the document byte for byte as it was.
TEST_F(Importjobb, EveryFailureLeavesTheFileAsItWas) {
    struct Rad {
        std::string json;
        std::string fel;
        std::string ut = "";
        bool slutPåNummer = false;  // year 2023 holds an entry numbered 2^63 - 1
    };
    const std::string hyra = R"("description":"Hyra","date":"2023-03-01")";
    const std::string bokförd = hyra + R"(,"pending":false)";
    // Two amounts of 40 digits that the decimal type would round to one value.
    const std::string fyrtio = "1234567890123456789012345678901234567891";
    const std::string fyrtioJämnt = "1234567890123456789012345678901234567890";
    const std::string sum127 = "99999999999999999999999999999999999999e127";
    const std::vector<Rad> rader = {
        // The frame.
        {"", "Input data is not valid JSON."},
        {"5", "Input data is not valid JSON."},
        {"{\"entries\":[],}", "Input data is not valid JSON."},
        {std::string(600, '[') + std::string(600, ']'), "Input data is not valid JSON."},
        {"[]", "Invalid top object."},
        {R"({"entries":[],"kunder":[]})", "Unrecognized key 'kunder' in JSON file."},
        {R"({"%@ %d":[]})", "Unrecognized key '%@ %d' in JSON file."},
        {R"({"entries":5})", "The value of 'entries' must be an array of objects."},
        {R"({"customers":[{"name":"Eva"},1]})", "The value of 'customers' must be an array of objects."},
        // Entries, in the order they are checked.
        {poster(R"("date":"2023-01-01")", R"("transactions":[])"),
         R"(Invalid entry '{"date":"2023-01-01","transactions":[]}'.)"},
        {poster(R"("description":1,"date":"2023-01-01")", R"("transactions":[])"),
         R"(Invalid entry '{"date":"2023-01-01","description":1,"transactions":[]}'.)"},
        {poster(R"("description":"Hyra","date":"2023-02-30")"),
         R"(Invalid entry '{"date":"2023-02-30","description":"Hyra","transactions":[{"account":1930,"amount":"100"},{"account":3001,"amount":"-100"}]}'.)"},
        {poster(R"("description":"Hyra","date":"2023-1-01")", R"("transactions":[])"),
         R"(Invalid entry '{"date":"2023-1-01","description":"Hyra","transactions":[]}'.)"},
        {poster(hyra, R"("transactions":[1])"), R"(Invalid entry '{"date":"2023-03-01","description":"Hyra","transactions":[1]}'.)"},
        {poster(hyra, R"("transactions":[{"account":"1930","amount":"1"}])"),
         R"(Invalid transaction '{"account":"1930","amount":"1"}' in entry '{"date":"2023-03-01","description":"Hyra","transactions":[{"account":"1930","amount":"1"}]}'.)"},
        {poster(hyra, R"("transactions":[{"account":1930.5,"amount":"1"}])"),
         R"(Invalid transaction '{"account":1930.5,"amount":"1"}' in entry '{"date":"2023-03-01","description":"Hyra","transactions":[{"account":1930.5,"amount":"1"}]}'.)"},
        {poster(hyra, R"("transactions":[{"account":1930,"amount":1}])"),
         R"(Invalid transaction '{"account":1930,"amount":1}' in entry '{"date":"2023-03-01","description":"Hyra","transactions":[{"account":1930,"amount":1}]}'.)"},
        {poster(hyra, R"("transactions":[{"account":1930,"amount":"12,50"}])"),
         R"(Invalid transaction '{"account":1930,"amount":"12,50"}' in entry '{"date":"2023-03-01","description":"Hyra","transactions":[{"account":1930,"amount":"12,50"}]}'.)"},
        {poster(hyra, R"("transactions":[{"account":1930,"amount":"NaN"}])"),
         R"(Invalid transaction '{"account":1930,"amount":"NaN"}' in entry '{"date":"2023-03-01","description":"Hyra","transactions":[{"account":1930,"amount":"NaN"}]}'.)"},
        {poster(bokförd, R"("transactions":[{"account":1930,"amount":")" + fyrtio + R"("},{"account":3001,"amount":"-)" +
                             fyrtioJämnt + R"("}])"),
         R"(Invalid transaction '{"account":1930,"amount":")" + fyrtio +
             R"("}' in entry '{"date":"2023-03-01","description":"Hyra","pending":false,"transactions":[{"account":1930,"amount":")" +
             fyrtio + R"("},{"account":3001,"amount":"-)" + fyrtioJämnt + R"("}]}'.)"},
        {poster(hyra, R"("transactions":[{"account":9999,"amount":"x"}])"), "Non-existant account number '9999'."},
        {poster(hyra, R"("transactions":[{"account":1930,"amount":"100"},{"account":3001,"amount":"-99.99"}])"),
         "Entry 'Hyra' is not balanced."},
        {poster(bokförd, R"("transactions":[{"account":1930,"amount":")" + sum127 + R"("},{"account":1930,"amount":")" +
                             sum127 + R"("}])"),
         "Entry 'Hyra' is not balanced."},
        // The running sum would lose the 0.1 and come out at zero.
        {poster(hyra, R"("transactions":[{"account":1930,"amount":"100000000000000000000000000000000000000"},)"
                      R"({"account":1930,"amount":"0.1"},)"
                      R"({"account":3001,"amount":"-100000000000000000000000000000000000000"}])"),
         "Entry 'Hyra' is not balanced."},
        {poster(R"("description":"Hyra","date":"2025-01-05","pending":false)", R"("transactions":[])"),
         "No fiscal year for date 2025-01-05."},
        {poster(R"("description":"Hyra","date":"09990105","pending":false)", R"("transactions":[])"),
         "No fiscal year for date 0999-01-05."},
        {poster(hyra + R"(,"pending":"false")"), "The value of 'pending' must be true or false."},
        {poster(hyra + R"(,"comment":5)"), "The value of 'comment' must be a string."},
        {poster(hyra, R"("transactions":[{"account":1930,"amount":"0","tags":7}])"),
         "The value of 'tags' must be a string."},
        {poster(R"("description":"Hy\u0000ra","date":"2023-03-01")"),
         "The value of 'description' contains a NUL character."},
        {poster(bokförd), "No number is left for 'Hyra'.", "", true},
        // Customers.
        {R"({"customers":[{"name":"Eva"},{"email":"x@y.se"}]})",
         "Either 'company' or 'name' is required for all customers.", "Added customer Eva\n"},
        {R"({"customers":[{"name":"Eva","address":5}]})", "The value of 'address' must be a string."},
        {R"({"customers":[{"name":"Eva\u0000Ek"}]})", "The value of 'name' contains a NUL character."},
        {R"({"customers":[{"name":"Eva"}]})", "No number is left for 'Eva'.", "", true},
        // Lines printed before a failure stay printed; nothing is saved.
        {R"({"entries":[)" + post(bokförd) + R"(],"invoices":[{"date":"2023-03-01","items":[]}]})",
         "No customer for invoice.", "Added entry 11 'Hyra' to fiscal year 2023.\n"},
    };
    for (const Rad& rad : rader) {
        auto dok = importexempel::dokument();
        if (rad.slutPåNummer) {
            dok->räkenskapsår[0]->verifikationer.back()->sättNummer(INT64_MAX);
            dok->kontakter.back()->nummer = "9223372036854775807";
        }
        skrivFil(dokumentfil, dok->dataMedMellansteg(versionSomSkrivs));
        const std::string före = läsFil(dokumentfil);
        Körning u = importera(rad.json);
        EXPECT_EQ(u.status, 1) << rad.json.substr(0, 200);
        EXPECT_EQ(u.fel, rad.fel + "\n") << rad.json.substr(0, 200);
        EXPECT_EQ(u.ut, rad.ut) << rad.json.substr(0, 200);
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
                         R"({"description":"D","date":"2023-12-31")" + f + tx + "}," +
                         R"({"description":"E","date":"2026-01-01")" + f + tx + "}]," +
                         R"("customers":[{"company":"Gamma AB","name":"Eva"}]})");
    EXPECT_EQ(u.status, 0) << u.fel;
    EXPECT_EQ(u.fel, "");
    EXPECT_EQ(u.ut,
              "Added entry 11 'A' to fiscal year 2023.\n"
              "Added entry 7 'B' to fiscal year 2024.\n"
              "Added pending entry 'C'.\n"
              "Added entry 13 'D' to fiscal year 2023.\n"
              // An empty year: its highest number 0, plus one, plus the three
              // entries booked before it in this run.
              "Added entry 4 'E' to fiscal year 2026.\n"
              "Added customer Gamma AB / Eva\n");
    // The latest entry comes from the last year that has one, now 2026.
    EXPECT_EQ(kör({dokumentfil.string(), "--latestEntry"}, "").ut, "4\n");

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
    Körning andra = importera(R"({"entries":[{"description":"F","date":"2024-07-01")" + f + tx + "}," +
                              R"({"description":"G","date":"2026-07-01")" + f + tx + "}]}");
    EXPECT_EQ(andra.ut, "Added entry 8 'F' to fiscal year 2024.\nAdded entry 6 'G' to fiscal year 2026.\n");
    EXPECT_EQ(kör({dokumentfil.string(), "--latestEntry"}, "").ut, "6\n");
}

// A "tags" text names as many cost centres as it holds, the same one again
// included, and the row keeps them all.
TEST_F(Importjobb, TagsNameAnyNumberOfCostCentres) {
    const std::string rad = R"({"account":1930,"amount":"0","tags":")" + upprepat("P1", 10'000, " ") + R"("})";
    Körning u = importera(poster(R"("description":"T","date":"2023-03-01")", R"("transactions":[)" + rad + "]"));
    ASSERT_EQ(u.status, 0) << u.fel;
    std::string data = läsFil(dokumentfil);
    auto dok = Bokföring::från(Bytes(data.begin(), data.end()));
    const auto& taggar = dok->kommandeVerifikationer.back()->rader.front()->kostnadsställen;
    ASSERT_EQ(taggar.size(), 10'000u);
    EXPECT_EQ(taggar[taggar.size() - 1]->nummer, "P1");
}

// A number is JSON whatever its length: under a key the import ignores it
// is passed over; under one it reads, it is judged as any number is, and a
// message shows it cut short.
TEST_F(Importjobb, ANumberOfAnyLengthIsJson) {
    const std::string före = läsFil(dokumentfil);
    const std::string tal(10'000'000, '7');
    Körning ignorerat = importera(poster(R"("description":"L","date":"2023-03-01","note":)" + tal));
    EXPECT_EQ(ignorerat.status, 0) << ignorerat.fel;
    EXPECT_EQ(ignorerat.ut, "Added pending entry 'L'.\n");

    skrivFil(dokumentfil, före);
    Körning konto = importera(poster(R"("description":"L","date":"2023-03-01")",
                                     R"("transactions":[{"account":)" + tal + R"(,"amount":"0"}])"));
    EXPECT_EQ(konto.status, 1);
    EXPECT_EQ(konto.fel.rfind("Invalid transaction '{\"account\":777", 0), 0u) << konto.fel.substr(0, 100);
    EXPECT_LT(konto.fel.size(), 2500u);
    EXPECT_TRUE(läsFil(dokumentfil) == före);
}

TEST_F(Importjobb, AnEmptyImportStillRewritesTheFile) {
    Körning u = importera("\xEF\xBB\xBF{}");
    EXPECT_EQ(u.status, 0);
    EXPECT_EQ(u.ut + u.fel, "");
    EXPECT_EQ(kör({dokumentfil.string(), "--latestEntry"}, "").ut, "5\n");
}

// The demo's import, on the example document the demo makes: it prints
// the lines the README shows for it, and every customer field it gives
// arrives.
TEST_F(Importjobb, TheDemoImportPrintsWhatTheReadmeShowsAndKeepsEveryCustomerField) {
    skrivFil(dokumentfil, byggExempelbokföring({.antalSkickadeFakturor = 12})->dataMedMellansteg(versionSomSkrivs));
    const fs::path källa(KONTOBOK_SOURCE_DIR);
    Körning u = körKontobok({dokumentfil.string()}, {.indatafil = källa / "scripts" / "demo-import.json"});
    ASSERT_EQ(u.status, 0) << u.fel;
    const std::string readme = läsFil(källa / "README.md");
    const std::string blockstart = "```\n";
    const size_t början = readme.find(blockstart, readme.find("`scripts/demo-import.json`"));
    ASSERT_NE(början, std::string::npos);
    const size_t slut = readme.find("(exit status 0)\n", början);
    ASSERT_NE(slut, std::string::npos);
    EXPECT_EQ(readme.substr(början + blockstart.size(), slut - början - blockstart.size()), u.ut);
    std::string data = läsFil(dokumentfil);
    auto dok = Bokföring::från(Bytes(data.begin(), data.end()));
    const Affärskontakt& kund = *dok->kontakter.back();
    EXPECT_EQ(kund.företag, "Ekdahls Snickeri AB");
    EXPECT_EQ(kund.epost, "maria@ekdahl.example");
    EXPECT_EQ(kund.adress.gata, "Storgatan 12");
    EXPECT_EQ(kund.adress.postnummer, "753 20");
    EXPECT_EQ(kund.adress.postadress, "Uppsala");
}

}  // namespace

// A document whose body is large enough to be encoded while it is written
// is saved whole, with what was imported in it; also when the process may
// take little address space.
TEST_F(Importjobb, ALargeDocumentIsSavedWholeAlsoUnderALimitOnAddressSpace) {
    Exempelval val;
    val.antalVerifikationer = 12'000;
    const Bytes fil = byggExempelbokföring(val)->dataMedMellansteg(versionSomSkrivs);
    ASSERT_GT(läsBokfilshuvud(fil).kroppslängd, int64_t(4) << 20);
    auto antalPoster = [](const Bokföring& bok) {
        size_t n = bok.kommandeVerifikationer.size();
        for (const auto& år : bok.räkenskapsår) n += år->verifikationer.size();
        return n;
    };
    const size_t före = antalPoster(*Bokföring::från(fil));

    std::vector<std::optional<long>> gränser = {std::nullopt};
#if !defined(__SANITIZE_ADDRESS__)
    gränser.push_back(1L << 30);  // well below what room for the largest body would take
#endif
    for (auto gräns : gränser) {
        skrivFil(dokumentfil, fil);
        Körning u = körKontobok({dokumentfil.string()}, {.indata = poster(R"("description":"Stor","date":"2024-05-02")"),
                                                         .adressrymdsgräns = gräns});
        ASSERT_EQ(u.status, 0) << u.fel;
        std::string sparad = läsFil(dokumentfil);
        auto läst = Bokföring::från(Bytes(sparad.begin(), sparad.end()));
        EXPECT_EQ(antalPoster(*läst), före + 1);
        EXPECT_EQ(läst->kommandeVerifikationer.back()->namn, "Stor");
    }
}
