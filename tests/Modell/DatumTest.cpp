#include "Modell/Datum.h"

#include <gtest/gtest.h>

TEST(Datum, ParsesBothFormsAndRejectsOtherLengths) {
    EXPECT_EQ(Datum::från("2024-03-15")->d, 20240315);
    EXPECT_EQ(Datum::från("20240315")->d, 20240315);
    EXPECT_EQ(Datum::från("2024--0315")->d, 20240315);
    EXPECT_EQ(Datum::från("1-2-3-4-5-6-7-8")->d, 12345678);
    EXPECT_EQ(Datum::från("+2024031")->d, 2024031);
    EXPECT_FALSE(Datum::från("2024-3-15"));
    EXPECT_FALSE(Datum::från("24-03-15"));
    EXPECT_FALSE(Datum::från(""));
    EXPECT_FALSE(Datum::från("--------"));
    EXPECT_FALSE(Datum::från("\xef\xbc\x92\xef\xbc\x90\xef\xbc\x92\xef\xbc\x94\xef\xbc\x90\xef\xbc\x91\xef\xbc\x90\xef\xbc\x91"));
}

TEST(Datum, ArithmeticCrossesMonthsYearsAndLeapDays) {
    EXPECT_EQ((Datum(20240229) + 1).d, 20240301);
    EXPECT_EQ((Datum(20231231) + 1).d, 20240101);
    EXPECT_EQ((Datum(20240101) + -1).d, 20231231);
    EXPECT_EQ(Datum(20240229).sjuÅrTidigare().d, 20170228);
    EXPECT_EQ((Datum(20241301) + 0).d, 20250101);  // month 13 normalises
    EXPECT_LT(Datum(20231231), Datum(20240101));
    EXPECT_TRUE(Datum(20240229).ärGiltigt());
    EXPECT_FALSE(Datum(20230229).ärGiltigt());
}
