// The invoice section of the import through the tool itself: every
// message it can end with, each leaving the document file byte for byte as
// it was, and successful runs with their numbering, progress lines and
// booking entries. The tool runs in the suite's locale, which reads and
// writes percentages as in Sweden (Testlokal.cpp).
#include "Sanerare.h"
#include "Fillagring.h"
#include "Modell/Fakturor/Fakturabok.h"
#include "Modell/Fakturor/Fakturamall.h"
#include "Modell/Verifikation.h"
#include "Programkorning.h"
#include "Upprepat.h"

#include <gtest/gtest.h>

using namespace fakturabok;
using namespace testhjalp;

namespace {

// The ledger of the invoice tests without a ROT/RUT account, with the user
// templates "Egen" and "M" and, when asked, one sent and one unsent invoice.
std::unique_ptr<Bokföring> dokument(bool medFakturor) {
    auto b = bokföring();
    b->kontoFörROT = nullptr;
    auto mall = std::make_unique<Fakturamall>();
    mall->namn = "Egen";
    b->fakturamallar.push_back(std::move(mall));
    auto m = std::make_unique<Fakturamall>();
    m->namn = "M";  // also the code of a built-in template
    b->fakturamallar.push_back(std::move(m));
    if (medFakturor) {
        auto d = ejSkickad(*b);
        post(*b, *d, "V", "10", "1");
        d->NumreratObjekt::nummer = "1005";
        d->ordningstal = 1005;
        d->sättInbyggdFakturamall(InbyggdFakturamall::Minimal);
        b->skickadeFakturor.push_back(std::make_unique<Faktura>(*d, std::nullopt));
        auto e = ejSkickad(*b);
        e->NumreratObjekt::nummer = "1006";
        e->ordningstal = 1006;
        b->ejSkickadeFakturor.push_back(std::move(e));
    }
    return b;
}

class Fakturaimport : public MedTillfälligKatalog {
protected:
    void SetUp() override {
        MedTillfälligKatalog::SetUp();
        dokumentfil = katalog / "fakturor.bok";
    }

    void skrivDokument(bool medFakturor) { skrivFil(dokumentfil, dokument(medFakturor)->dataMedMellansteg(versionSomSkrivs)); }

    Körning importera(std::string_view json) { return körKontobok({dokumentfil.string()}, {.indata = std::string(json)}); }

    std::unique_ptr<Bokföring> läsDokument() {
        std::string data = läsFil(dokumentfil);
        return Bokföring::från(std::span(reinterpret_cast<const uint8_t*>(data.data()), data.size()));
    }

    std::filesystem::path dokumentfil;
};

// An invoice object with `extra` members before the items.
std::string faktura(const std::string& extra, const std::string& poster = R"([{"product":"V"}])") {
    return R"({"recipient":"1","date":"2024-05-02",)" + extra + (extra.empty() ? "" : ",") + R"("items":)" + poster +
           "}";
}

std::string fakturor(const std::string& f) { return R"({"invoices":[)" + f + "]}"; }

}  // namespace

TEST_F(Fakturaimport, EveryFailureLeavesTheFileAsItWas) {
    struct Rad {
        bool medFakturor;
        std::string json;
        std::string fel;
        std::string ut = "";
    };
    const std::string mall = R"("template":"Df")";
    const std::string rot = R"("skatteavdrag":{"type":"ROT","personnummer1":"19700101-1234","fastighetsbeteckning":"Berga 1:2"})";
    const std::vector<Rad> rader = {
        {false, fakturor(R"({"recipient":"99","date":"2024-05-02","template":"Df","items":[]})"),
         "No customer with number '99'.\n"},
        {false, fakturor(R"({"date":"2024-05-02","template":"Df","items":[]})"), "No customer for invoice.\n"},
        {false, fakturor(R"({"recipient":1,"date":"2024-05-02","template":"Df","items":[]})"),
         "The value of 'recipient' must be a string.\n"},
        {false, fakturor(R"({"recipient":"1","date":"2024-13-45x","template":"Df","items":[]})"),
         "No valid invoice date.\n"},
        {false, fakturor(R"({"recipient":"1","template":"Df","items":[]})"), "No valid invoice date.\n"},
        // Dates that name no day of the calendar, and a due date past the
        // last day a date can name.
        {false, fakturor(R"({"recipient":"1","date":"2026-02-30","template":"Df","items":[]})"),
         "No valid invoice date.\n"},
        {false, fakturor(R"({"recipient":"1","date":"2026-13-45","template":"Df","items":[]})"),
         "No valid invoice date.\n"},
        {false, fakturor(R"({"recipient":"1","date":"00000000","template":"Df","items":[]})"),
         "No valid invoice date.\n"},
        {false, fakturor(R"({"recipient":"1","date":"99999999","template":"Df","items":[]})"),
         "No valid invoice date.\n"},
        {false, fakturor(R"({"recipient":"1","date":"9999-12-31","credit period":3650,"template":"Df","items":[]})"),
         "The due date, 3650 days after 9999-12-31, is past 9999-12-31.\n"},
        {false, fakturor(R"({"recipient":"1","date":"9999-12-31","credit period":1,"template":"Df","items":[]})"),
         "The due date, 1 day after 9999-12-31, is past 9999-12-31.\n"},
        // Credit periods from 0 to ten years, as a JSON number.
        {false, fakturor(faktura(R"("credit period":9223372036854775807,)" + mall)),
         "Invalid credit period '9223372036854775807' in invoice.\n"},
        {false, fakturor(faktura(R"("credit period":-9223372036854775808,)" + mall)),
         "Invalid credit period '-9223372036854775808' in invoice.\n"},
        {false, fakturor(faktura(R"("credit period":3651,)" + mall)), "Invalid credit period '3651' in invoice.\n"},
        {false, fakturor(faktura(R"("credit period":-1,)" + mall)), "Invalid credit period '-1' in invoice.\n"},
        {false, fakturor(faktura(R"("credit period":30.5,)" + mall)), "Invalid credit period '30.5' in invoice.\n"},
        {false, fakturor(faktura(R"("credit period":"30",)" + mall)),
         "The value of 'credit period' must be a number.\n"},
        // A value of another JSON type is never passed over for a default.
        {false, fakturor(faktura(mall, R"([{"product":"V","quantity":2,"price":"100"}])")),
         "The value of 'quantity' must be a string.\n"},
        {false, fakturor(faktura(mall, R"([{"product":"V","quantity":"2","price":100}])")),
         "The value of 'price' must be a string.\n"},
        {false, fakturor(faktura(mall + R"(,"skatteavdrag":"ROT")")), "The value of 'skatteavdrag' must be an object.\n"},
        {false, fakturor(faktura(mall + R"(,"show delivery date":"yes")")),
         "The value of 'show delivery date' must be true or false.\n"},
        {false, fakturor(faktura(mall + R"(,"message":"Tack\u0000!")")),
         "The value of 'message' contains a NUL character.\n"},
        {false, fakturor(faktura(R"("template":"Nope")")), "Unknown template 'Nope'.\n"},
        {false, fakturor(faktura("")), "No template specified and no existing invoice.\n"},
        {false, fakturor(faktura(mall + R"(,"skatteavdrag":{"type":"rot","personnummer1":"1","fastighetsbeteckning":"2"})")),
         "Invoice has incorrect ROT/RUT information.\n"},
        {false, fakturor(faktura(mall + R"(,"skatteavdrag":{"type":"RUT"})")),
         "Invoice has incorrect ROT/RUT information.\n"},
        {false,
         fakturor(faktura(mall + R"(,"skatteavdrag":{"type":"ROT","personnummer1":"1","organisationsnummer":"7"})")),
         "Invoice has incorrect ROT/RUT information.\n"},
        {false, fakturor(R"({"recipient":"1","date":"2024-05-02","template":"Df"})"), "Invoice has no items.\n"},
        {false, fakturor(faktura(mall, "[1]")), "Invoice has no items.\n"},
        {false, fakturor(faktura(mall, R"([{"product":"ZZ"}])")), "Don't know which product to use.\n"},
        {false, fakturor(faktura(R"("currency":"EUR",)" + mall)), "Missing exchange rate.\n"},
        {false, fakturor(faktura(R"("currency":"sek","exchange rate":1,)" + mall)),
         "The value of 'exchange rate' must be a string.\n"},
        {false, fakturor(faktura(R"("currency":"EUR","exchange rate":"0",)" + mall)),
         "Invalid exchange rate '0' in invoice.\n"},
        {false, fakturor(faktura(R"("currency":"EUR","exchange rate":"-11.5",)" + mall)),
         "Invalid exchange rate '-11.5' in invoice.\n"},
        {false, fakturor(faktura(mall, R"([{"product":"V","price":"1234567890123456789012345678901234567891"}])")),
         "Invalid price '1234567890123456789012345678901234567891' in invoice.\n"},
        {false, fakturor(faktura(mall, R"([{"product":"V","quantity":"abc"}])")),
         "Invalid quantity 'abc' in invoice.\n"},
        {false, fakturor(faktura(mall, R"([{"product":"V","price":"12,50"}])")), "Invalid price '12,50' in invoice.\n"},
        {false, fakturor(faktura(R"("currency":"EUR","exchange rate":"11.5 kr",)" + mall)),
         "Invalid exchange rate '11.5 kr' in invoice.\n"},
        {false, fakturor(faktura(R"("currency":"EUR","exchange rate":"11.5",)" + mall + "," + rot, R"([{"product":"T"}])")),
         "Invoice has a ROT/RUT deduction but its currency is not SEK.\n"},
        {false, fakturor(faktura(mall + "," + rot, R"([{"product":"T"}])")),
         "Could not create entry for invoice 'You need to configure the 'ROT' or 'RUT' account, under Settings / "
         "ROT & RUT.'.\n"},
        // Amounts the decimal type cannot hold exactly: with its VAT the
        // first price needs 40 digits, the second item's öre are lost in
        // the sum, and the products of the others run past the mantissa or
        // the exponent.
        {false, fakturor(faktura(mall, R"([{"product":"V","price":"10000000000000000000000000000000000001"}])")),
         "The amounts of invoice '1' do not fit the decimal type exactly.\n"},
        {false, fakturor(faktura(mall, R"([{"product":"V","price":"10000000000000000000000000000000000000"},)"
                                       R"({"product":"V","price":"0.01"}])")),
         "The amounts of invoice '1' do not fit the decimal type exactly.\n"},
        {false, fakturor(faktura(mall, R"([{"product":"V","price":"99999999999999999999999999999999999999"}])")),
         "The amounts of invoice '1' do not fit the decimal type exactly.\n"},
        {false, fakturor(faktura(mall, R"([{"product":"V","price":"99999999999999999999999999999999999999",)"
                                       R"("quantity":"99999999999999999999999999999999999999"}])")),
         "The amounts of invoice '1' do not fit the decimal type exactly.\n"},
        {false, fakturor(faktura(mall, R"([{"product":"V","price":"1e100","quantity":"1e100"}])")),
         "The amounts of invoice '1' do not fit the decimal type exactly.\n"},
        {false, fakturor(faktura(R"("currency":"EUR","exchange rate":"1.00000000000000000000000000000000000001",)" + mall,
                                 R"([{"product":"V","price":"3"}])")),
         "The amounts of invoice '1' do not fit the decimal type exactly.\n"},
        // Lines printed before the failure stay printed; nothing is saved.
        {true,
         R"({"customers":[{"company":"Ny AB"}],"invoices":[{"date":"2024-05-03","items":[{"product":"V"}]},)" +
             faktura(mall, R"([{"product":"ZZ"}])") + "]}",
         "Don't know which product to use.\n", "Added customer Ny AB\nSent invoice 1007 for 112 SEK to Ny AB\n"},
    };
    for (const Rad& rad : rader) {
        skrivDokument(rad.medFakturor);
        const std::string före = läsFil(dokumentfil);
        Körning u = importera(rad.json);
        EXPECT_EQ(u.status, 1) << rad.json;
        EXPECT_EQ(u.fel, rad.fel) << rad.json;
        EXPECT_EQ(u.ut, rad.ut) << rad.json;
        EXPECT_TRUE(läsFil(dokumentfil) == före) << rad.json;
    }
}

TEST_F(Fakturaimport, ImportsNumbersAndBooksInvoices) {
    skrivDokument(true);
    const std::string json = R"({"customers":[{"company":"Ny AB","name":"Per"}],"invoices":[)"
                             // To the run's customer; template copied from the last sent invoice.
                             R"({"date":"20240503","credit period":10,"our reference":"Kim","tags":"P1 X",)"
                             R"("discount":"10%","items":[{"product":"T","quantity":"2","price":"100"},)"
                             R"({"description":"Frakt","price":"49.50","unit":"st","discount":"5%"}]},)"
                             // Euro, a user template, to a contact of the document by number.
                             R"({"recipient":"2","date":"2024-05-04","currency":"EUR","exchange rate":"11.5",)"
                             R"("template":"Egen","rounding":false,"show delivery date":false,)"
                             R"("items":[{"product":"V","price":"10"}]},)"
                             // A built-in code wins even where a user template has its name.
                             R"({"recipient":"3","date":"2024-05-05","template":"M","items":[],)"
                             R"("skatteavdrag":{"type":"RUT","personnummer1":"19700101-1234"}}]})";
    Körning u = importera(json);
    ASSERT_EQ(u.status, 0) << u.fel;
    EXPECT_EQ(u.fel, "");
    // 2 × 100 + 49.50 less 5 % = 247.02 (VAT 61.75); less 10 %: 222.31 +
    // 55.57 = 277.88 → 278. The euro invoice: 10 + 1.20 VAT.
    EXPECT_EQ(u.ut,
              "Added customer Ny AB / Per\n"
              "Sent invoice 1007 for 278 SEK to Ny AB / Per\n"
              "Sent invoice 1008 for 11.2 EUR to Ola Berg\n"
              "Sent invoice 1009 for 0 SEK to Ny AB / Per\n");

    auto b = läsDokument();
    ASSERT_EQ(b->skickadeFakturor.size(), 4u);
    const Faktura& a = *b->skickadeFakturor[1];
    EXPECT_EQ(a.nummer(), "1007");
    EXPECT_EQ(a.mottagare, b->kontakter.back().get());
    EXPECT_EQ(a.inbyggdFakturamall_, InbyggdFakturamall::Minimal);
    EXPECT_EQ(a.förfallodatum_, Datum(20240513));
    EXPECT_EQ(a.vårReferens_, "Kim");
    EXPECT_EQ(a.rabatt_, tal("0.1"));
    EXPECT_EQ(a.kostnadsställen.size(), 1u);
    EXPECT_EQ(a.poster.size(), 2u);
    EXPECT_EQ(a.poster[1]->artikelnamn(), "Frakt");
    const Faktura& e = *b->skickadeFakturor[2];
    EXPECT_EQ(e.valuta_, "EUR");
    EXPECT_EQ(e.växelkurs, tal("11.5"));
    EXPECT_EQ(e.lokaltBeloppAttBetala, tal("128.8"));
    EXPECT_EQ(e.egenFakturamall(), b->fakturamallar.front().get());
    EXPECT_EQ(e.inbyggdFakturamall_, InbyggdFakturamall::Standard);
    EXPECT_FALSE(e.leveransdatum_);
    const Faktura& r = *b->skickadeFakturor[3];
    EXPECT_EQ(r.inbyggdFakturamall_, InbyggdFakturamall::Minimal);
    EXPECT_EQ(r.egenFakturamall(), nullptr);
    EXPECT_TRUE(r.skatteavdrag_.somRut());

    // Each booking entry waits among the pending entries.
    ASSERT_EQ(b->kommandeVerifikationer.size(), 3u);
    const Verifikation& v = *b->kommandeVerifikationer[0];
    EXPECT_EQ(v.namn, "Faktura #1007 skickad");
    EXPECT_EQ(v.rader.back()->konto->nummer, 1510);
    EXPECT_EQ(v.rader.back()->ursprungligtBelopp, tal("278"));
    const Verifikation& ev = *b->kommandeVerifikationer[1];
    EXPECT_EQ(ev.rader.back()->ursprungligtBelopp, tal("128.8"));
}

// An import has no count limit: 50 000 customers, 20 000 invoices to them
// and one invoice of 20 000 items in one run, every number following the
// one before, and the saved document reads back with all of them. A tenth
// of it under the address sanitizer, whose runs are many times slower.
TEST_F(Fakturaimport, AnImportOfManyCustomersInvoicesAndItems) {
    constexpr size_t del = underSanerare ? 10 : 1;
    const size_t kunder = 50'000 / del, fakturor = 20'000 / del, poster = 20'000 / del;
    // The document's contacts are 1 and 2, its sent invoice 1005 and its
    // unsent one 1006.
    skrivDokument(true);
    std::string json = upprepat(R"({"customers":[)", R"({"name":"K"})", "],", kunder) + R"("invoices":[)";
    std::string väntat = upprepat("Added customer K\n", kunder, "");
    const std::string post = R"({"product":"V","price":"100"})";
    for (size_t i = 0; i < fakturor; ++i) {
        json += R"({"recipient":")" + std::to_string(3 + i) + R"(","date":"2024-05-02","items":[)" + post + "]},";
        väntat += "Sent invoice " + std::to_string(1007 + i) + " for 112 SEK to K\n";
    }
    json += R"({"recipient":"1","date":"2024-05-02","items":[)" + upprepat(post, poster) + "]}]}";
    väntat += "Sent invoice " + std::to_string(1007 + fakturor) + " for " + std::to_string(112 * poster) +
              " SEK to Acme AB / Eva Ek\n";

    Körning u = importera(json);
    ASSERT_EQ(u.status, 0) << u.fel;
    EXPECT_TRUE(u.ut == väntat);

    auto b = läsDokument();
    ASSERT_EQ(b->kontakter.size(), 2 + kunder);
    for (size_t i = 0; i < kunder; ++i) ASSERT_EQ(b->kontakter[2 + i]->nummer, std::to_string(3 + i)) << i;
    ASSERT_EQ(b->skickadeFakturor.size(), 2 + fakturor);
    for (size_t i = 0; i <= fakturor; ++i) {
        const Faktura& f = *b->skickadeFakturor[1 + i];
        ASSERT_EQ(f.nummer(), std::to_string(1007 + i)) << i;
        ASSERT_EQ(f.mottagare, b->kontakter[i < fakturor ? 2 + i : 0].get()) << i;
    }
    EXPECT_EQ(b->skickadeFakturor.back()->poster.size(), poster);
    // Each invoice's booking entry waits among the pending entries.
    EXPECT_EQ(b->kommandeVerifikationer.size(), fakturor + 1);
}

// Amounts near the decimal type's limit that it still holds exactly are
// imported, and their booking entry balances to the öre.
TEST_F(Fakturaimport, LargeAmountsThatFitAreBookedExactly) {
    skrivDokument(false);
    Körning u = importera(fakturor(faktura(R"("template":"Df")", R"([{"product":"V","price":"1000000000000000000000000000000000000"},)"
                                                                 R"({"product":"V","price":"0.01"}])")));
    ASSERT_EQ(u.status, 0) << u.fel;
    EXPECT_EQ(u.ut, "Sent invoice 1 for 1120000000000000000000000000000000000 SEK to Acme AB / Eva Ek\n");
    auto b = läsDokument();
    ASSERT_EQ(b->kommandeVerifikationer.size(), 1u);
    Decimal summa;
    for (const auto& rad : b->kommandeVerifikationer[0]->rader) summa = summa.adding(rad->ursprungligtBelopp);
    EXPECT_TRUE(summa.isZero()) << summa.text();
    EXPECT_EQ(b->kommandeVerifikationer[0]->rader.back()->ursprungligtBelopp,
              tal("1120000000000000000000000000000000000"));
}

TEST_F(Fakturaimport, TheCashMethodBooksNothing) {
    auto b = dokument(false);
    b->metod = Bokföringsmetod::kontantmetoden;
    skrivFil(dokumentfil, b->dataMedMellansteg(versionSomSkrivs));
    Körning u = importera(fakturor(faktura(R"("template":"Df","credit period":3650)")));
    ASSERT_EQ(u.status, 0) << u.fel;
    EXPECT_EQ(u.ut, "Sent invoice 1 for 112 SEK to Acme AB / Eva Ek\n");
    auto läst = läsDokument();
    EXPECT_EQ(läst->skickadeFakturor.size(), 1u);
    // The longest credit period; Python's date(2024, 5, 2) + timedelta(3650).
    EXPECT_EQ(läst->skickadeFakturor[0]->förfallodatum_, Datum(20340430));
    EXPECT_TRUE(läst->kommandeVerifikationer.empty());
    EXPECT_EQ(läst->skickadeFakturor[0]->metod, Bokföringsmetod::kontantmetoden);
}
