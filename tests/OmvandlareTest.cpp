#include "Kontonummerformatterare.h"
#include "Omvandlare.h"

#include <gtest/gtest.h>

TEST(KodTillNamnOmvandlare, LooksUpCodesAndCapitalisesUnknownOnes) {
    KodTillNamnOmvandlare o({{"SE", "Sverige"}, {"FI", "Finland"}, {"AX", "Åland"}});
    EXPECT_EQ(o.transformedValue("SE"), Omvandlarvärde("Sverige"));
    EXPECT_EQ(o.transformedValue("xy zw"), Omvandlarvärde("Xy Zw"));
    EXPECT_EQ(o.transformedValue("se"), Omvandlarvärde("Se"));  // codes are case-sensitive
    EXPECT_TRUE(o.transformedValue(Omvandlarvärde(int64_t{46})).ärIngen());
    EXPECT_TRUE(o.transformedValue({}).ärIngen());
    EXPECT_EQ(o.transformedValue(Omvandlarlista{"FI", int64_t{1}, "q"}), Omvandlarvärde(Omvandlarlista{"Finland", {}, "Q"}));

    EXPECT_EQ(o.reverseTransformedValue("SE"), Omvandlarvärde("Sverige"));
    EXPECT_TRUE(o.reverseTransformedValue("XY").ärIngen());
    EXPECT_EQ(o.reverseTransformedValue(Omvandlarlista{"XY"}), Omvandlarvärde(Omvandlarlista{{}}));

    // Swedish collation puts Å after Z.
    EXPECT_EQ(o.sorteradeNamn, (std::vector<std::string>{"Finland", "Sverige", "Åland"}));
    EXPECT_EQ(o.sorteradeNycklar, (std::vector<std::string>{"FI", "SE", "AX"}));
}

TEST(KodTillNamnOmvandlare, LanguageAndCountryTablesAndRegistry) {
    auto land = std::make_shared<Landsomvandlare>();
    EXPECT_EQ(land->transformedValue("SE"), Omvandlarvärde("Sverige"));
    EXPECT_EQ(land->transformedValue("NO"), Omvandlarvärde("Norge"));
    EXPECT_EQ(land->transformedValue("DE"), Omvandlarvärde("Tyskland"));
    EXPECT_GT(land->uppslagsverk.size(), 200u);

    Språkomvandlare språk;
    EXPECT_EQ(språk.transformedValue("sv"), Omvandlarvärde("Svenska"));
    EXPECT_EQ(språk.transformedValue("fi"), Omvandlarvärde("Finska"));
    EXPECT_EQ(språk.uppslagsverk.size(), 11u);

    EXPECT_FALSE(värdeomvandlare("Landsomvandlare"));
    registreraVärdeomvandlare("Landsomvandlare", land);
    EXPECT_EQ(värdeomvandlare("Landsomvandlare"), land);
    avregistreraVärdeomvandlare("Landsomvandlare");
    EXPECT_FALSE(värdeomvandlare("Landsomvandlare"));
}

TEST(Kontonummerformatterare, PlainIntegersOnly) {
    Kontonummerformatterare f;
    EXPECT_EQ(f.string(3010), "3010");
    EXPECT_EQ(f.string(-42), "-42");
    EXPECT_EQ(f.string(12345678), "12345678");

    struct Fall {
        std::string text;
        std::optional<int64_t> tal;
    } fall[] = {
        {"3010", 3010}, {"-42", -42}, {"+7", 7}, {"007", 7},
        {" 3010", std::nullopt}, {"30 10", std::nullopt}, {"3010 ", std::nullopt},
        {"", std::nullopt}, {"-", std::nullopt}, {"+-1", std::nullopt}, {"1.0", std::nullopt},
        {"\u0663", std::nullopt}, {"9223372036854775807", INT64_MAX}, {"9223372036854775808", std::nullopt},
        {"-9223372036854775808", INT64_MIN},
    };
    for (const auto& c : fall) EXPECT_EQ(f.number(c.text), c.tal) << c.text;
}
