#include "Modell/Beloppsformatterare.h"

#include <gtest/gtest.h>

#include "Modell/Belopp.h"
#include "Plattform/Anvandarinstallningar.h"
#include "Plattform/Lokal.h"

namespace {

// Written out so that no-break spaces and minus signs are visible.
#define NBSP "\u00A0"
#define MINUS "\u2212"

Decimal D(const char* t) { return *Decimal::parseWhole(t); }

struct Row {
    const char* amount;
    const char* kort;
    const char* lång;
    const char* ingen;
};

class BeloppsformatterareTest : public ::testing::Test {
protected:
    void SetUp() override { Användarinställningar::standard().rensa(); }
    void TearDown() override {
        Användarinställningar::standard().rensa();
        lokal::sättAktuell(std::nullopt);
    }

    std::string format(const char* locale, int64_t style, bool hide, const char* amount,
                       const char* currency = "SEK") {
        lokal::sättAktuell(locale);
        auto& defaults = Användarinställningar::standard();
        defaults.sätt(nyckelFörValutaformatPåFakturor, style);
        defaults.sätt(nyckelFörDöljDecimalerPåFakturor, hide);
        return Beloppsformatterare::förFaktura(currency).string(D(amount)).value_or("<none>");
    }

    void checkTable(const char* locale, bool hide, const std::vector<Row>& rows) {
        for (const auto& r : rows) {
            EXPECT_EQ(format(locale, 0, hide, r.amount), r.kort) << locale << " kort " << r.amount;
            EXPECT_EQ(format(locale, 1, hide, r.amount), r.lång) << locale << " lång " << r.amount;
            EXPECT_EQ(format(locale, 2, hide, r.amount), r.ingen) << locale << " ingen " << r.amount;
        }
    }
};

}  // namespace

TEST_F(BeloppsformatterareTest, SwedishAmountsInTheThreeCurrencyFormats) {
    checkTable("sv_SE", false,
               {
                   {"1234.5", "1 234,50" NBSP "kr", "1 234,50" NBSP "SEK", "1 234,50"},
                   {"-1234.5", MINUS "1 234,50" NBSP "kr", MINUS "1 234,50" NBSP "SEK", MINUS "1 234,50"},
                   {"0", "0,00" NBSP "kr", "0,00" NBSP "SEK", "0,00"},
                   {"1234567.891", "1 234 567,89" NBSP "kr", "1 234 567,89" NBSP "SEK", "1 234 567,89"},
                   {"1234", "1 234,00" NBSP "kr", "1 234,00" NBSP "SEK", "1 234,00"},
                   {"-1234", MINUS "1 234,00" NBSP "kr", MINUS "1 234,00" NBSP "SEK", MINUS "1 234,00"},
                   {"0.125", "0,12" NBSP "kr", "0,12" NBSP "SEK", "0,12"},  // half to even
                   {"999.995", "1 000,00" NBSP "kr", "1 000,00" NBSP "SEK", "1 000,00"},
               });
}

TEST_F(BeloppsformatterareTest, SwedishAmountsWithHiddenZeroDecimals) {
    checkTable("sv_SE", true,
               {
                   {"1234.5", "1 234,50" NBSP "kr", "1 234,50" NBSP "SEK", "1 234,50"},
                   {"-1234.5", MINUS "1 234,50" NBSP "kr", MINUS "1 234,50" NBSP "SEK", MINUS "1 234,50"},
                   {"0", "0" NBSP "kr", "0" NBSP "SEK", "0"},
                   {"1234", "1 234" NBSP "kr", "1 234" NBSP "SEK", "1 234"},
                   {"-1234", MINUS "1 234" NBSP "kr", MINUS "1 234" NBSP "SEK", MINUS "1 234"},
                   {"100.10", "100,10" NBSP "kr", "100,10" NBSP "SEK", "100,10"},
                   {"100.001", "100" NBSP "kr", "100" NBSP "SEK", "100"},  // shown as 100,00
               });
}

TEST_F(BeloppsformatterareTest, AmericanAmountsInTheThreeCurrencyFormats) {
    checkTable("en_US", false,
               {
                   {"1234.5", "SEK" NBSP "1 234.50", "SEK" NBSP "1 234.50", "1 234.50"},
                   {"-1234.5", "-SEK" NBSP "1 234.50", "-SEK" NBSP "1 234.50", "-1 234.50"},
                   {"0", "SEK" NBSP "0.00", "SEK" NBSP "0.00", "0.00"},
                   {"1234567.891", "SEK" NBSP "1 234 567.89", "SEK" NBSP "1 234 567.89", "1 234 567.89"},
                   {"-1234", "-SEK" NBSP "1 234.00", "-SEK" NBSP "1 234.00", "-1 234.00"},
               });
    checkTable("en_US", true,
               {
                   {"1234.5", "SEK" NBSP "1 234.50", "SEK" NBSP "1 234.50", "1 234.50"},
                   {"0", "SEK" NBSP "0", "SEK" NBSP "0", "0"},
                   {"1234", "SEK" NBSP "1 234", "SEK" NBSP "1 234", "1 234"},
                   {"-1234", "-SEK" NBSP "1 234", "-SEK" NBSP "1 234", "-1 234"},
               });
}

TEST_F(BeloppsformatterareTest, TheCurrencyDecidesTheFractionDigits) {
    EXPECT_EQ(format("en_US", 0, false, "1234.5", "EUR"), "€1 234.50");
    EXPECT_EQ(format("en_US", 1, false, "1234.5", "EUR"), "EUR" NBSP "1 234.50");
    EXPECT_EQ(format("sv_SE", 0, false, "1234.5", "EUR"), "1 234,50" NBSP "€");
    EXPECT_EQ(format("sv_SE", 0, false, "1234.5", "JPY"), "1 234" NBSP "JPY");
    EXPECT_EQ(format("sv_SE", 2, false, "1234.5", "JPY"), "1 234");
    EXPECT_EQ(format("sv_SE", 1, false, "1.005", "KWD"), "1,005" NBSP "KWD");
    EXPECT_EQ(format("sv_SE", 2, false, "1.005", "KWD"), "1,005");
    // Hiding decimals never takes digits of the amount away.
    EXPECT_EQ(format("sv_SE", 1, true, "1.005", "KWD"), "1,005" NBSP "KWD");
    EXPECT_EQ(format("sv_SE", 1, true, "1000.050", "KWD"), "1 000,050" NBSP "KWD");
    EXPECT_EQ(format("sv_SE", 1, true, "1", "KWD"), "1" NBSP "KWD");
    EXPECT_EQ(format("sv_SE", 0, true, "1234.5", "JPY"), "1 234" NBSP "JPY");
}

TEST_F(BeloppsformatterareTest, UnknownOrMissingSettingsGiveTheCurrencySymbol) {
    for (int64_t style : {int64_t(3), int64_t(5), int64_t(7), int64_t(-1), int64_t(1) << 40})
        EXPECT_EQ(format("sv_SE", style, false, "1", "SEK"), "1,00" NBSP "kr") << style;
    lokal::sättAktuell("sv_SE");
    EXPECT_EQ(valutaformatPåFakturor::valt(), ValutaformatPåFakturor::kort);
    Användarinställningar::standard().sätt(nyckelFörValutaformatPåFakturor, int64_t(2));
    EXPECT_EQ(valutaformatPåFakturor::valt(), ValutaformatPåFakturor::ingen);
    Användarinställningar::standard().sätt(nyckelFörValutaformatPåFakturor, int64_t(1));
    EXPECT_EQ(valutaformatPåFakturor::valt(), ValutaformatPåFakturor::lång);

    auto f = Beloppsformatterare::förFaktura("SEK");
    EXPECT_FALSE(f.döljDecimaler);
    EXPECT_EQ(f.stil(), NumberFormatter::Style::currencyISOCode);
    // Read afresh on every call.
    Användarinställningar::standard().sätt(nyckelFörDöljDecimalerPåFakturor, true);
    Användarinställningar::standard().tabort(nyckelFörValutaformatPåFakturor);
    auto g = Beloppsformatterare::förFaktura("SEK");
    EXPECT_TRUE(g.döljDecimaler);
    EXPECT_EQ(g.stil(), NumberFormatter::Style::currency);
}

TEST_F(BeloppsformatterareTest, StringForFormatsDecimalsOnly) {
    lokal::sättAktuell("sv_SE");
    Beloppsformatterare f("SEK");
    EXPECT_EQ(f.string(std::nullopt), std::nullopt);
    EXPECT_EQ(f.string(Decimal::notANumber()), std::nullopt);
    EXPECT_EQ(f.string(noll), "0,00" NBSP "kr");
    f.döljOmNoll = true;
    EXPECT_EQ(f.string(noll), "");
    EXPECT_EQ(f.string(D("0.00")), "");
    EXPECT_EQ(f.string(D("0.001")), "0,00" NBSP "kr");  // not zero, only shown so
    EXPECT_EQ(f.string(D("12345678901234567890123456789.125")),
              "12 345 678 901 234 567 890 123 456 789,12" NBSP "kr");  // exact, no double
}

TEST_F(BeloppsformatterareTest, FollowsALocaleChange) {
    lokal::sättAktuell("sv_SE");
    Beloppsformatterare f("SEK");
    EXPECT_EQ(f.string(D("1.5")), "1,50" NBSP "kr");
    lokal::sättAktuell("en_US");
    EXPECT_EQ(f.string(D("1.5")), "SEK" NBSP "1.50");
    EXPECT_EQ(f.decimaltecken(), ".");
}

TEST_F(BeloppsformatterareTest, ParsesAmountTextsLeniently) {
    lokal::sättAktuell("sv_SE");
    Beloppsformatterare f("SEK");
    EXPECT_EQ(f.tolka("1 234,50" NBSP "kr")->text(), "1234.5");
    EXPECT_EQ(f.tolka("1 234,50 kr")->text(), "1234.5");
    EXPECT_EQ(f.tolka(MINUS "1 234,50" NBSP "kr")->text(), "-1234.5");
    EXPECT_EQ(f.tolka("1234,5")->text(), "1234.5");
    EXPECT_EQ(f.tolka("12 kr")->text(), "12");
    EXPECT_EQ(f.tolka(" 0,10 ")->text(), "0.1");
    EXPECT_FALSE(f.tolka("abc"));
    EXPECT_FALSE(f.tolka(""));
    EXPECT_FALSE(f.tolka("12,50 kr extra"));
    // A formatted amount reads back as its value.
    for (const char* a : {"0", "-0.5", "1234567.89", "-98765.43"})
        EXPECT_EQ(*f.tolka(*f.string(D(a))), D(a)) << a;
}
