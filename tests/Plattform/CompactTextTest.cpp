// Texts kept in one word: every length, inline or in a block, must give
// back exactly its bytes, through copies and moves.
#include "Plattform/CompactText.h"

#include <gtest/gtest.h>

TEST(CompactTextTest, GivesBackEveryLengthByteForByte) {
    for (size_t length = 0; length <= 20; ++length) {
        std::string text;
        // Distinct bytes, zero and high-bit ones among them, so that a byte
        // put in the wrong place or dropped shows.
        for (size_t i = 0; i < length; ++i) text.push_back(char(i == 2 ? 0 : 0xF0 - 17 * i));
        CompactText kept{std::string_view(text)};
        ASSERT_TRUE(kept.has_value()) << length;
        EXPECT_EQ(*kept, text) << length;
        CompactText copy = kept;
        CompactText moved = std::move(copy);
        EXPECT_EQ(*moved, text) << length;
        EXPECT_TRUE(moved == kept) << length;
        EXPECT_EQ(std::optional<std::string>(moved), text) << length;
    }
    EXPECT_FALSE(CompactText().has_value());
    EXPECT_FALSE(CompactText(std::optional<std::string>()).has_value());
    EXPECT_TRUE(CompactText("").has_value());
}

TEST(CompactTextTest, TextsOfOneLengthDifferingInOneByteAreUnequal) {
    for (size_t length = 1; length <= 9; ++length)
        for (size_t at = 0; at < length; ++at) {
            std::string a(length, 'x'), b = a;
            b[at] = 'y';
            EXPECT_FALSE(CompactText(a) == CompactText(b)) << length << " " << at;
        }
}
