#include "Strommar.h"

#include <gtest/gtest.h>

TEST(Strommar, PrimitivesHaveTheirStoredBytes) {
    Utström ut;
    ut.writeString(std::nullopt);
    ut.writeString(std::string());
    ut.writeBool(std::nullopt);
    ut.writeDecimalNumber(std::nullopt);
    const Bytes förväntat = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0};
    EXPECT_EQ(ut.bytes(), förväntat);

    Inström in(ut.bytes());
    EXPECT_EQ(in.optionalString(), std::nullopt);
    EXPECT_EQ(in.optionalString(), std::string());
    EXPECT_EQ(in.optionalBool(), std::nullopt);
    EXPECT_EQ(in.optionalDecimalNumber(), std::nullopt);
    EXPECT_TRUE(in.atEnd());
}

TEST(Strommar, ListCountsBelowOneAreEmptyAndHugeCountsAreRefused) {
    Utström ut;
    ut.writeInt64(-5);
    ut.writeInt64(1'000'000);
    Inström in(ut.bytes());
    EXPECT_EQ(in.listCount(), 0);
    EXPECT_THROW(in.listCount(), FormatError);
}
