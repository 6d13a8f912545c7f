#include "Komprimering.h"

#include <gtest/gtest.h>

#include <string>

TEST(Komprimering, BodyRoundTripsAndMustMatchItsStoredSize) {
    std::string text;
    for (int i = 0; i < 2000; ++i) text += "VER A" + std::to_string(i) + " 2024-05-08 \"Kundfaktura Åsa\"\n";
    Bytes body(text.begin(), text.end());
    Bytes packed = komprimerad(body);
    EXPECT_LT(packed.size(), body.size() / 4);
    auto size = int64_t(body.size());
    EXPECT_EQ(dekomprimerad(packed, size), body);
    EXPECT_FALSE(dekomprimerad(packed, size - 1));
    EXPECT_FALSE(dekomprimerad(packed, size + 1));
    EXPECT_FALSE(dekomprimerad(packed, -1));
    EXPECT_FALSE(dekomprimerad(std::span(packed).first(packed.size() - 1), size));
}

TEST(Komprimering, EmptyBodyIsWrittenButNeverReadBack) {
    Bytes packed = komprimerad({});
    EXPECT_FALSE(dekomprimerad(packed, 0));
}
