#include "Modell/Fakturor/FinsktReferensnummer.h"
#include "Vyer/Faktura/Betalkodsbilder.h"

#include "Streckkodslasare.h"

#include <gtest/gtest.h>

namespace {
Decimal dec(int64_t mantissa, int exponent) {
    return Decimal::make((unsigned __int128)(mantissa < 0 ? -mantissa : mantissa), exponent, mantissa < 0);
}
using Fall = FelPåFinsktReferensnummer::Fall;

// Runs the call and returns the error case it throws, or none.
template <typename F>
std::optional<Fall> felVid(F&& f) {
    try {
        f();
    } catch (const FelPåFinsktReferensnummer& e) {
        return e.fall();
    }
    return std::nullopt;
}
}  // namespace

TEST(FinsktReferensnummer, MatchesPublishedReferences) {
    const std::pair<const char*, int64_t> fall[] = {
        {"123456", 1234561}, {"12345", 123453}, {"23409678", 234096783}, {"1234", 12344}, {"100", 1009},
        {"1111", 11112},     {"1", 13},         {"7", 71},               {"0", 0},         {"0012", 123},
        // Not an unsigned decimal integer, or too large for the check digit.
        {"", 0}, {"12a", 0}, {"-5", 0}, {"+5", 0}, {" 5", 0}, {"922337203685477580", 0},
        {"922337203685477579", 9223372036854775799},
    };
    for (const auto& [nummer, referens] : fall) EXPECT_EQ(finsktReferensnummerBaseratPåNummer(nummer), referens) << nummer;
}

TEST(FinskStreckkod, BuildsTheVersion4String) {
    struct Exempel {
        const char* iban;
        Decimal belopp;
        const char* nummer;
        Datum förfaller;
        const char* sträng;
    };
    const Exempel exempel[] = {
        {"FI21 1234 5600 0007 85", dec(123405, -2), "1234", Datum(20260305),
         "421123456000007850012340500000000000000000012344260305"},
        {"fi21 1234 5600 0007 85", dec(123405, -2), "1234", Datum(20260305),
         "421123456000007850012340500000000000000000012344260305"},
        {"FI2112345600000785", dec(123405, -2), "1234", Datum(20260305),
         "421123456000007850012340500000000000000000012344260305"},
        // A published example from a third-party implementation.
        {"FI37 1590 3000 0007 76", dec(1225, -2), "1111", Datum(20161221),
         "437159030000007760000122500000000000000000011112161221"},
        {"FI21-1234-5600-0007-85", dec(5, -1), "A-17", Datum(20000101),
         "421123456000007850000005000000000000000000000000000101"},
        // Fractions of a cent are dropped; just under a million still fits.
        {"FI2112345600000785", dec(99999999999, -5), "1", Datum(20991231),
         "421123456000007859999999900000000000000000000013991231"},
    };
    for (const Exempel& e : exempel) {
        SCOPED_TRACE(e.iban);
        const std::string s = streckkodssträngMedIBAN(e.iban, e.belopp, e.nummer, e.förfaller);
        EXPECT_EQ(s, e.sträng);
        EXPECT_EQ(s.size(), 54u);
    }
}

TEST(FinskStreckkod, RefusesWhatCannotBeEncoded) {
    const Datum d(20260305);
    const Decimal ett = dec(1, 0);
    const std::pair<std::optional<Fall>, std::optional<Fall>> fall[] = {
        {felVid([&] { streckkodssträngMedIBAN("SE2112345600000785", ett, "1", d); }), Fall::inkorrektIBAN},
        {felVid([&] { streckkodssträngMedIBAN("FI21 1234 5600 0007", ett, "1", d); }), Fall::inkorrektIBAN},
        {felVid([&] { streckkodssträngMedIBAN("FI21123456000007.5", ett, "1", d); }), Fall::inkorrektIBAN},
        {felVid([&] { streckkodssträngMedIBAN("FI21123456000007é", ett, "1", d); }), Fall::inkorrektIBAN},
        {felVid([&] { streckkodssträngMedIBAN("FI2112345600000785", Decimal(), "1", d); }), Fall::negativtBelopp},
        {felVid([&] { streckkodssträngMedIBAN("FI2112345600000785", dec(-1, -2), "1", d); }), Fall::negativtBelopp},
        {felVid([&] { streckkodssträngMedIBAN("FI2112345600000785", Decimal::notANumber(), "1", d); }),
         Fall::negativtBelopp},
        {felVid([&] { streckkodssträngMedIBAN("FI2112345600000785", dec(1, 6), "1", d); }), Fall::förStortBelopp},
        {felVid([&] { streckkodssträngMedIBAN("FI2112345600000785", dec(1, 40), "1", d); }), Fall::förStortBelopp},
        // The IBAN is checked before the amount.
        {felVid([&] { streckkodssträngMedIBAN("FI21", dec(-1, 0), "1", d); }), Fall::inkorrektIBAN},
    };
    for (size_t i = 0; i < std::size(fall); ++i) EXPECT_EQ(fall[i].first, fall[i].second) << i;
}

TEST(FinskStreckkod, ErrorTexts) {
    EXPECT_EQ(FelPåFinsktReferensnummer(Fall::inkorrektIBAN).description(),
              "The IBAN appears to be of incorrect length for SEPA barcodes.");
    EXPECT_EQ(FelPåFinsktReferensnummer(Fall::negativtBelopp).description(),
              "The barcode cannot be generated for negative invoice amounts.");
    EXPECT_EQ(FelPåFinsktReferensnummer(Fall::streckkodsgeneratorn).description(),
              "A barcode image couldn't be generated");
    EXPECT_EQ(FelPåFinsktReferensnummer(Fall::inkorrektIBAN), FelPåFinsktReferensnummer(Fall::inkorrektIBAN));
}

TEST(FinskStreckkod, ImageScansBackToTheString) {
    const Bild bild = streckkodsbildMedIban("FI37 1590 3000 0007 76", dec(1225, -2), "1111", Datum(20161221));
    EXPECT_EQ(testhjalp::avkoda(bild, "fi-barcode"), "437159030000007760000122500000000000000000011112161221");
    EXPECT_EQ(felVid([] { streckkodsbildMedIban("FI21", dec(1, 0), "1", Datum(20260305)); }), Fall::inkorrektIBAN);
}
