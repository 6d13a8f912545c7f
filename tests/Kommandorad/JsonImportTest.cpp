// The importer on a document in memory: the frame's rules, entries with
// their numbering, rows, tags and balance, and customers.
#include "Exempel/Importexempel.h"
#include "Kommandorad/JsonImport.h"
#include "Kommandorad/JsonLasare.h"
#include "Modell/Affarskontakt.h"
#include "Modell/Konto.h"
#include "Modell/Kostnadsstalle.h"
#include "Modell/Rad.h"
#include "Modell/Rakenskapsar.h"
#include "Modell/Verifikation.h"

#include <gtest/gtest.h>

namespace {

struct Körning {
    std::optional<Importresultat> resultat;
    std::string fel;  // the message when the import failed
    std::vector<std::string> rader;
};

Körning importeraText(const std::string& text, const Bokföringsbas& till) {
    auto json = läsJson(std::vector<uint8_t>(text.begin(), text.end()));
    EXPECT_TRUE(json) << text;
    Körning k;
    try {
        k.resultat = importera(*json, till, [&](std::string_view rad) { k.rader.emplace_back(rad); });
    } catch (const JSONImportfel& fel) {
        k.fel = fel.description();
    }
    return k;
}

std::string post(const std::string& namn, const std::string& datum, const std::string& extra = "",
                 const std::string& belopp = "100") {
    return R"({"description":")" + namn + R"(","date":")" + datum +
           R"(","transactions":[{"account":1930,"amount":")" + belopp + R"("},{"account":3001,"amount":"-)" + belopp +
           R"("}])" + extra + "}";
}

class JsonImport : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> dok = importexempel::dokument();
};

TEST_F(JsonImport, FrameRules) {
    const std::vector<std::pair<std::string, std::string>> fall = {
        {"[]", "Invalid top object."},
        {"[{}]", "Invalid top object."},
        {R"({"foo":1})", "Unrecognized key 'foo' in JSON file."},
        {R"({"entries":[)" + post("A", "2023-05-01") + R"(],"Entries":[]})", "Unrecognized key 'Entries' in JSON file."},
        {"{}", ""},
        {R"({"entries":5,"customers":"x","invoices":null})", ""},
        {R"({"entries":[],"customers":[],"invoices":[]})", ""},
        {R"({"entries":[{}, 1],"customers":[{}, []],"invoices":[{}, true]})", ""},
        {R"({"invoices":[{}]})", "No customer for invoice."},
    };
    for (const auto& [text, fel] : fall) {
        Körning k = importeraText(text, *dok);
        EXPECT_EQ(k.fel, fel) << text;
        if (fel.empty()) {
            ASSERT_TRUE(k.resultat) << text;
            EXPECT_TRUE(k.resultat->verifikationer.empty() && k.resultat->kontakter.empty()) << text;
        }
        // An unknown key stops the run before any section is read.
        EXPECT_TRUE(k.rader.empty()) << text;
    }
}

TEST_F(JsonImport, OneCounterNumbersBookedEntriesAcrossYears) {
    const std::string f = R"(,"pending":false)";
    Körning k = importeraText(R"({"entries":[)" + post("A", "2023-06-01", f) + "," + post("B", "20240601", f) + "," +
                                  post("C", "2023-06-02") + "," + post("D", "2023-12-31", R"(,"pending":0)") + "," +
                                  post("E", "2026-01-01", f) + "]}",
                              *dok);
    ASSERT_TRUE(k.resultat) << k.fel;
    const auto& v = k.resultat->verifikationer;
    ASSERT_EQ(v.size(), 5u);
    EXPECT_EQ(v[0].v->nummer(), 11);
    EXPECT_EQ(v[0].år, dok->räkenskapsår[0].get());
    EXPECT_EQ(v[1].v->nummer(), 7);  // a closed year still takes entries
    EXPECT_EQ(v[1].år, dok->räkenskapsår[1].get());
    EXPECT_EQ(v[2].v->nummer(), std::nullopt);
    EXPECT_EQ(v[2].år, nullptr);
    EXPECT_EQ(v[3].v->nummer(), 13);
    EXPECT_EQ(v[4].v->nummer(), 4);  // an empty year: 0 + 1 + three booked before
    EXPECT_EQ(k.rader, (std::vector<std::string>{
                           "Added entry 11 'A' to fiscal year 2023.",
                           "Added entry 7 'B' to fiscal year 2024.",
                           "Added pending entry 'C'.",
                           "Added entry 13 'D' to fiscal year 2023.",
                           "Added entry 4 'E' to fiscal year 2026.",
                       }));
    // The document itself is untouched.
    EXPECT_EQ(dok->räkenskapsår[0]->verifikationer.size(), 10u);
    EXPECT_EQ(dok->kommandeVerifikationer.size(), 1u);
}

TEST_F(JsonImport, PendingUnlessFalse) {
    for (const char* värde : {"", R"(,"pending":true)", R"(,"pending":1)", R"(,"pending":"false")", R"(,"pending":null)"}) {
        Körning k = importeraText(R"({"entries":[)" + post("A", "2023-06-01", värde) + "]}", *dok);
        ASSERT_TRUE(k.resultat) << värde;
        EXPECT_EQ(k.resultat->verifikationer[0].år, nullptr) << värde;
        EXPECT_EQ(k.resultat->verifikationer[0].v->nummer(), std::nullopt) << värde;
    }
}

TEST_F(JsonImport, EntryFields) {
    Körning k = importeraText(
        R"({"entries":[{"description":"Hyra","date":"20230315","comment":"mars","transactions":[
            {"account":5010,"amount":" 100.10 ","tags":"P1  P2 P1 X"},
            {"account":1930.0,"amount":"-100.1","tags":7}]}]})",
        *dok);
    ASSERT_TRUE(k.resultat) << k.fel;
    const Verifikation& v = *k.resultat->verifikationer[0].v;
    EXPECT_EQ(v.namn, "Hyra");
    EXPECT_EQ(v.datum, Datum(20230315));
    EXPECT_EQ(v.kommentar, "mars");
    EXPECT_EQ(v.typ, Verifikationstyp::okänd);
    ASSERT_EQ(v.rader.size(), 2u);
    EXPECT_EQ(v.rader[0]->konto->nummer, 5010);
    EXPECT_EQ(v.rader[0]->nummer, 5010);  // the account number, not a row count
    EXPECT_EQ(v.rader[0]->ursprungligtBelopp.text(), "100.1");
    // Empty and unknown parts name nothing; a repeated one counts twice;
    // the P1 of dimension 1 is never chosen.
    const auto& ks = v.rader[0]->kostnadsställen;
    ASSERT_EQ(ks.size(), 3u);
    EXPECT_EQ(ks[0], dok->kostnadsställen[0].get());
    EXPECT_EQ(ks[1], dok->kostnadsställen[1].get());
    EXPECT_EQ(ks[2], dok->kostnadsställen[0].get());
    EXPECT_TRUE(v.rader[1]->kostnadsställen.empty());
}

TEST_F(JsonImport, EntryChecksInOrder) {
    const std::string d = R"("description":"D")";
    const std::vector<std::pair<std::string, std::string>> fall = {
        {R"({"date":"2023-01-01","transactions":[]})", R"(Invalid entry '{"date":"2023-01-01","transactions":[]}'.)"},
        {R"({"description":1,"date":"2023-01-01","transactions":[]})", "Invalid entry"},
        {"{" + d + R"(,"date":20230101,"transactions":[]})", "Invalid entry"},
        {"{" + d + R"(,"date":"2023-1-01","transactions":[]})", "Invalid entry"},
        {"{" + d + R"(,"date":"2023-02-29","transactions":[]})", "Invalid entry"},
        {"{" + d + R"(,"date":"20231399","transactions":[]})", "Invalid entry"},
        {"{" + d + R"(,"date":"2024-02-29","transactions":[1]})", "Invalid entry"},
        {"{" + d + R"(,"date":"2024-02-29"})", "Invalid entry"},
        {"{" + d + R"(,"date":"2023-01-01","transactions":[{"account":"1930","amount":"1"}]})",
         R"(Invalid transaction '{"account":"1930","amount":"1"}' in entry)"},
        {"{" + d + R"(,"date":"2023-01-01","transactions":[{"account":1930,"amount":1}]})", "Invalid transaction"},
        {"{" + d + R"(,"date":"2023-01-01","transactions":[{"account":1930.5,"amount":"1"}]})", "Invalid transaction"},
        {"{" + d + R"(,"date":"2023-01-01","transactions":[{"account":9999,"amount":"x"}]})",
         "Non-existant account number '9999'."},
        {"{" + d + R"(,"date":"2023-01-01","transactions":[{"account":1930,"amount":"12,50"}]})", "Invalid transaction"},
        {"{" + d + R"(,"date":"2023-01-01","transactions":[{"account":1930,"amount":"12 kr"}]})", "Invalid transaction"},
        {"{" + d + R"(,"date":"2023-01-01","transactions":[{"account":1930,"amount":"NaN"}]})", "Invalid transaction"},
        {"{" + d + R"(,"date":"2023-01-01","transactions":[{"account":1930,"amount":""}]})", "Invalid transaction"},
        {"{" + d + R"(,"date":"2023-01-01","transactions":[{"account":1930,"amount":"100"},{"account":3001,"amount":"-99.99"}]})",
         "Entry 'D' is not balanced."},
        {"{" + d + R"(,"date":"2023-01-01","pending":false,"transactions":[{"account":1930,"amount":"99999999999999999999999999999999999999e127"},{"account":1930,"amount":"99999999999999999999999999999999999999e127"}]})",
         "Entry 'D' is not balanced."},
        {"{" + d + R"(,"date":"2025-06-30","pending":false,"transactions":[]})", "No fiscal year for date 2025-06-30."},
    };
    for (const auto& [objekt, fel] : fall) {
        Körning k = importeraText(R"({"entries":[)" + objekt + "]}", *dok);
        EXPECT_EQ(k.fel.substr(0, fel.size()), fel) << objekt;
    }
    // A pending entry needs no fiscal year, and no rows sum to zero.
    Körning k = importeraText(R"({"entries":[{"description":"D","date":"2025-06-30","transactions":[]}]})", *dok);
    EXPECT_TRUE(k.resultat) << k.fel;
}

TEST_F(JsonImport, FailureLaterInTheRunKeepsEarlierLinesButReturnsNothing) {
    Körning k = importeraText(R"({"entries":[)" + post("A", "2023-06-01") + "," + post("B", "2023-06-01", "", "x") + "]}", *dok);
    EXPECT_FALSE(k.resultat);
    EXPECT_EQ(k.rader, std::vector<std::string>{"Added pending entry 'A'."});
}

TEST_F(JsonImport, Customers) {
    Körning k = importeraText(R"({"customers":[
        {"name":"Eva"},
        {"company":"","phone":"08-1","country":"fi","state":"Uusimaa","attention":"Inköp","address":"Gatan 1",
         "postal code":"00100","city":"Helsinki","email":"a@b.fi","web":"w","mobile":"m","organisation #":"o","vat #":"v"},
        {"company":"Acme AB","name":"Eva","address":5}]})",
                              *dok);
    ASSERT_TRUE(k.resultat) << k.fel;
    const auto& c = k.resultat->kontakter;
    ASSERT_EQ(c.size(), 3u);
    EXPECT_EQ(c[0]->nummer, "3");
    EXPECT_EQ(c[1]->nummer, "4");
    EXPECT_EQ(c[2]->nummer, "5");
    EXPECT_EQ(c[0]->typ, Kontakttyp::kund);
    EXPECT_EQ(c[0]->adress.gata, "");
    EXPECT_EQ(c[0]->adress.land, "se");
    EXPECT_EQ(c[0]->adress.delstat, std::nullopt);
    EXPECT_EQ(c[1]->företag, "");
    EXPECT_EQ(c[1]->adress.land, "fi");
    EXPECT_EQ(c[1]->adress.delstat, "Uusimaa");
    EXPECT_EQ(c[1]->adress.attention, "Inköp");
    EXPECT_EQ(c[1]->adress.postadress, "Helsinki");
    EXPECT_EQ(c[1]->adress.postnummer, "00100");
    EXPECT_EQ(c[1]->epost, "a@b.fi");
    EXPECT_EQ(c[1]->momsregistreringsnummer, "v");
    EXPECT_EQ(c[1]->organisationsnummer, "o");
    EXPECT_EQ(c[2]->adress.gata, "");
    EXPECT_EQ(k.rader, (std::vector<std::string>{"Added customer Eva", "Added customer ", "Added customer Acme AB / Eva"}));
    EXPECT_EQ(dok->kontakter.size(), 2u);

    Körning utan = importeraText(R"({"customers":[{"name":"Eva"},{"email":"x"}]})", *dok);
    EXPECT_EQ(utan.fel, "Either 'company' or 'name' is required for all customers.");
}

TEST_F(JsonImport, AppendingPutsEachEntryInItsPlace) {
    Körning k = importeraText(R"({"entries":[)" + post("A", "2023-06-01", R"(,"pending":false)") + "," +
                                  post("B", "2023-06-01") + R"(],"customers":[{"name":"Eva"}]})",
                              *dok);
    ASSERT_TRUE(k.resultat);
    läggTillImporten(*dok, std::move(*k.resultat));
    EXPECT_EQ(dok->räkenskapsår[0]->verifikationer.size(), 11u);
    EXPECT_EQ(dok->räkenskapsår[0]->verifikationer.back()->namn, "A");
    EXPECT_EQ(dok->kommandeVerifikationer.back()->namn, "B");
    EXPECT_EQ(*dok->kontakter.back()->namn, "Eva");
}

}  // namespace
