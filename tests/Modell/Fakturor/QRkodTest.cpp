#include "Modell/Fakturor/QRkod.h"
#include "Vyer/Faktura/Betalkodsbilder.h"

#include "Streckkodslasare.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {
Decimal dec(int64_t mantissa, int exponent) {
    return Decimal::make((unsigned __int128)(mantissa < 0 ? -mantissa : mantissa), exponent, mantissa < 0);
}

// A Swedish company without giro numbers invoicing a Swedish customer:
// items at 25 % and 12 % (net 100.00 and 50.00) with a 10 % invoice
// discount, so 90.00 at 0.25 and 45.00 at 0.12.
QRkodsuppgifter grund() {
    QRkodsuppgifter u;
    u.fakturadatum = Datum(20260305);
    u.förfallodatum = Datum(20260404);
    u.valuta = "SEK";
    u.nummer = "1234";
    u.attBetala = dec(16290, -2);  // 135.00 + 22.50 + 5.40 = 162.90
    u.momsbelopp = dec(2790, -2);
    u.beloppPerMomssats = {{dec(25, -2), dec(9000, -2)}, {dec(12, -2), dec(4500, -2)}};
    u.mottagarland = "se";
    u.organisationsnummer = "556677-8899";
    u.land = "se";
    u.namn = "Åkes Bröd AB";
    u.bankkonto = "8327-9 123 456 789";
    u.iban = "SE45 5000 0000 0583 9825 7466";
    u.bic = "ESSESESS";
    u.momsnivåer = {{dec(25, -2), 0}, {dec(12, -2), 1}, {dec(6, -2), 2}};
    u.avsändaradress = "Åkes Bröd AB\u2028Storgatan 1\u2028211 22 Malmö\u2028Sweden";
    return u;
}

const std::string huvud =
    R"({"uqr":2,"tp":1,"idt":"20260305","ddt":"20260404","cur":"SEK","iref":"1234","cid":"556677-8899",)"
    R"("cc":"se","nme":"Åkes Bröd AB","due":162.9,"vat":27.9,)";
const std::string moms = R"("vh":90,"vm":45})";
}  // namespace

TEST(QRkod, PaymentTypeBranchesGiveTheExpectedPayloadAndScanBack) {
    struct Fall {
        const char* namn;
        void (*ändra)(QRkodsuppgifter&);
        std::string förväntat;
    };
    const Fall fall[] = {
        {"plusgiro-wins-over-bankgiro",
         [](QRkodsuppgifter& u) {
             u.plusgiro = "12345-6";
             u.bankgiro = "5050-1055";
         },
         huvud + R"("pt":"PG","acc":"12345-6",)" + moms},
        {"short-plusgiro-falls-to-bankgiro",
         [](QRkodsuppgifter& u) {
             u.plusgiro = "1234-";
             u.bankgiro = "5050-1055";
         },
         huvud + R"("pt":"BG","acc":"5050-1055",)" + moms},
        {"same-country-bban", [](QRkodsuppgifter&) {},
         huvud + R"("pt":"BBAN","acc":"8327-9 123 456 789","bc":"ESSESESS",)" + moms},
        {"foreign-recipient-iban", [](QRkodsuppgifter& u) { u.mottagarland = "dk"; },
         huvud + R"("pt":"IBAN","acc":"SE45 5000 0000 0583 9825 7466","bc":"ESSESESS",)" +
             "\"adr\":\"Åkes Bröd AB\u2028Storgatan 1\u2028211 22 Malmö\u2028Sweden\"," + moms},
        {"no-recipient-no-accounts-iban",
         [](QRkodsuppgifter& u) {
             u.mottagarland.reset();
             u.iban.reset();
             u.bic.reset();
             u.avsändaradress = "A \"quoted\" name\\";
         },
         huvud + R"("pt":"IBAN","adr":"A \"quoted\" name\\",)" + moms},
    };
    for (const Fall& f : fall) {
        SCOPED_TRACE(f.namn);
        QRkodsuppgifter u = grund();
        f.ändra(u);
        std::optional<std::string> innehåll = qrkodsinnehåll(u);
        ASSERT_TRUE(innehåll);
        EXPECT_EQ(*innehåll, f.förväntat);
        EXPECT_TRUE(nlohmann::json::accept(*innehåll));
        EXPECT_EQ(testhjalp::avkoda(qrkodFörFaktura(u), std::string("qr-") + f.namn), f.förväntat);
    }
}

TEST(QRkod, GiroNumbersAreMeasuredInCharacters) {
    QRkodsuppgifter u = grund();
    u.plusgiro = "ÅÄÖ-12";  // six characters, nine bytes
    EXPECT_NE(qrkodsinnehåll(u)->find(R"("pt":"PG")"), std::string::npos);
    u.plusgiro = "e\u0301e\u0301e\u0301e\u0301e\u0301";  // five characters with combining accents
    EXPECT_NE(qrkodsinnehåll(u)->find(R"("pt":"BBAN")"), std::string::npos);
}

TEST(QRkod, VatMembersFollowTheLedgerLevels) {
    // Reverse charge: one rate 0 carrying the whole amount, level index 2.
    QRkodsuppgifter u = grund();
    u.attBetala = dec(125050, -2);
    u.momsbelopp = Decimal();
    u.beloppPerMomssats = {{Decimal(), dec(125050, -2)}};
    u.momsnivåer = {{dec(25, -2), 0}, {Decimal(), 2}};
    nlohmann::json j = nlohmann::json::parse(*qrkodsinnehåll(u));
    EXPECT_EQ(j["vl"], j["due"]);
    EXPECT_FALSE(j.contains("vh"));
    EXPECT_NE(qrkodsinnehåll(u)->find(R"("vl":1250.5})"), std::string::npos);

    // The later of two levels with one index wins; an index without a
    // member name adds nothing; a rate without a level adds nothing.
    u = grund();
    u.beloppPerMomssats.push_back({dec(6, -2), dec(1, -2)});
    u.momsnivåer = {{dec(25, -2), 0}, {dec(12, -2), 0}, {dec(6, -2), 3}};
    std::string p = *qrkodsinnehåll(u);
    EXPECT_TRUE(p.ends_with(R"("vh":45})")) << p;
}

TEST(QRkod, AmountsKeepTheirExactDecimalValue) {
    QRkodsuppgifter u = grund();
    u.attBetala = dec(123456789012345678, -4);
    u.momsbelopp = dec(5, -9);
    std::string p = *qrkodsinnehåll(u);
    EXPECT_NE(p.find(R"("due":12345678901234.5678,"vat":0.000000005,)"), std::string::npos) << p;
}

TEST(QRkod, UnencodablePayloadGivesTheWarningIcon) {
    QRkodsuppgifter u = grund();
    u.attBetala = Decimal::notANumber();
    EXPECT_FALSE(qrkodsinnehåll(u));
    const Bild ikon = Bild::varningsikon();
    EXPECT_EQ(qrkodFörFaktura(u).pixlar, ikon.pixlar);

    u = grund();
    u.namn = std::string(1300, 'x');  // beyond what a QR symbol can hold
    EXPECT_EQ(qrkodFörFaktura(u).pixlar, ikon.pixlar);
    EXPECT_NE(qrkodFörFaktura(grund()).pixlar, ikon.pixlar);
}
