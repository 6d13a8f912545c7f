// The importer on a document in memory: what it makes of an entry's and a
// customer's fields. Its failures are checked through the tool
// (ImportjobbTest, FakturaimportTest).
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
        k.resultat = importera(json->rot(), till, [&](std::string_view rad) { k.rader.emplace_back(rad); });
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

TEST_F(JsonImport, PendingUnlessFalse) {
    for (const char* värde : {"", R"(,"pending":true)", R"(,"pending":1)", R"(,"pending":null)"}) {
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
            {"account":1930.0,"amount":"-100.1"}]}]})",
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

// The bound on amounts as docs/maintainers.md gives it: a whole number
// below 2^128 times a power of ten from 10^-128 to 10^127, so 39 digits up
// to 2^128 - 1.
TEST_F(JsonImport, AmountsFitTheDecimalTypeAsDocumented) {
    const std::string zeros128(128, '0');
    const std::vector<std::pair<std::string, bool>> fall = {
        {"99999999999999999999999999999999999999", true},
        {"340282366920938463463374607431768211455", true},
        {"340282366920938463463374607431768211456", false},
        {"3402823669209384634633746074317682114550", true},
        {"1234567890123456789012345678901234567891", false},
        {"1e127", true},
        {"1e128", false},
        {"1e-128", true},
        {"1e-129", false},
        {"0." + zeros128.substr(1) + "1", true},
        {"0." + zeros128 + "1", false},
        {"1" + zeros128.substr(1) + std::string(38, '0'), true},
        {"1" + zeros128 + std::string(38, '0'), false},
    };
    for (const auto& [belopp, godtas] : fall) {
        Körning k = importeraText(R"({"entries":[)" + post("A", "2023-06-01", "", belopp) + "]}", *dok);
        EXPECT_EQ(k.resultat.has_value(), godtas) << belopp << ": " << k.fel;
    }
}

TEST_F(JsonImport, Customers) {
    Körning k = importeraText(R"({"customers":[
        {"name":"Eva"},
        {"company":"","phone":"08-1","country":"fi","state":"Uusimaa","attention":"Inköp","address":"Gatan 1",
         "postal code":"00100","city":"Helsinki","email":"a@b.fi","web":"w","mobile":"m","organisation #":"o","vat #":"v"},
        {"company":"Acme AB","name":"Eva","address":null}]})",
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
}

}  // namespace
