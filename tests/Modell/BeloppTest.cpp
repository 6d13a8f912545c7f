#include "Modell/Belopp.h"

#include <gtest/gtest.h>

TEST(Belopp, ConstantsHaveTheirStoredForms) {
    Decimal::Stored nollBytes{}, ettBytes{}, minusEttBytes{};
    ettBytes[1] = 0x21;
    ettBytes[4] = 1;
    minusEttBytes[1] = 0x31;
    minusEttBytes[4] = 1;
    EXPECT_EQ(noll.stored(), nollBytes);
    EXPECT_EQ(ett.stored(), ettBytes);
    EXPECT_EQ(minusEtt.stored(), minusEttBytes);
    EXPECT_TRUE(Decimal::smallInteger(100).identical(Decimal::fromInt(100)));
    EXPECT_TRUE(noll.multiplying(minusEtt).identical(noll));  // no negative zero for ICU to print
}

TEST(Belopp, BehavioursRoundAsInvoicesNeed) {
    auto d = [](const char* t) { return *Decimal::parseWhole(t); };
    EXPECT_EQ(d("1.239").rounding(helaÖren).text(), "1.23");
    EXPECT_EQ(d("-1.231").rounding(helaÖren).text(), "-1.24");
    EXPECT_EQ(d("2.5").rounding(helaKronor).text(), "2");
    EXPECT_EQ(d("3.5").rounding(helaKronor).text(), "4");
    EXPECT_EQ(d("-2.5").rounding(helaKronor).text(), "-2");
    EXPECT_EQ(d("2.5").rounding(helaKronorUppåt).text(), "3");
    EXPECT_EQ(d("-2.5").rounding(helaKronorUppåt).text(), "-3");
    EXPECT_EQ(d("1.23456").rounding(ejAvrundande).text(), "1.23456");
    EXPECT_THROW(ett.dividing(noll, ejAvrundande), DecimalError);
    EXPECT_TRUE(ett.dividing(noll, helaÖren).isNaN());
    EXPECT_TRUE(ett.dividing(noll, helaKronor).isNaN());
    EXPECT_TRUE(ett.dividing(noll, helaKronorUppåt).isNaN());
}

TEST(Belopp, CurrencySignsAreSingleCodePointsTrimmedAtBothEnds) {
    EXPECT_EQ(valutaTecken.storlek(), 28u);
    for (char32_t c : std::u32string_view(U"$€£kr¥₺Rp₩M₱฿د.إKčFtzłлвlei₽")) EXPECT_TRUE(valutaTecken.innehåller(c)) << uint32_t(c);
    for (char32_t c : std::u32string_view(U" 0,-aA\u00A0")) EXPECT_FALSE(valutaTecken.innehåller(c)) << uint32_t(c);

    struct Case {
        std::string_view in, out;
    } cases[] = {
        {"10 kr", "10 "},
        {"€12,50", "12,50"},
        {"kr", ""},
        {"", ""},
        {"Rabatt 10 kr", "abatt 10 "},  // "R" is a currency letter too
        {"12 Kč", "12 "},
        {"5 zł.", "5 "},
        {"₽100₽", "100"},
        {"د.إ 7", " 7"},
        {"\xFFkr", "\xFF"},        // bytes that are not UTF-8 stop the trimming
        {"12\xE2\x82", "12\xE2\x82"},  // a cut sequence at the end
        {"Fakturaavgift", "akturaavgif"},
    };
    for (const auto& c : cases) EXPECT_EQ(valutaTecken.trimmad(c.in), c.out) << c.in;
}
