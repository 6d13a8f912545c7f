#include "Plattform/CompactPointers.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Post {
    long värde;
};

// None, one held in the word, and several in a block must all keep their
// elements, in order, through copies, moves and reassignment.
TEST(CompactPointersTest, KeepsEveryLengthInOrderThroughCopiesAndMoves) {
    Post a{1}, b{2}, c{3};
    const std::vector<std::vector<Post*>> fall = {{}, {&a}, {&b, &a}, {&c, &b, &a}, {nullptr}, {&a, &a}};
    for (const auto& element : fall) {
        CompactPointers<Post> lista(element);
        EXPECT_EQ(lista.size(), element.size());
        EXPECT_EQ(lista.empty(), element.empty());
        EXPECT_EQ(lista.vector(), element);
        for (size_t i = 0; i < element.size(); ++i) EXPECT_EQ(lista[i], element[i]);

        CompactPointers<Post> kopia = lista;
        EXPECT_EQ(kopia.vector(), element);
        EXPECT_TRUE(kopia == lista);
        CompactPointers<Post> flyttad = std::move(kopia);
        EXPECT_EQ(flyttad.vector(), element);
        EXPECT_TRUE(kopia.empty());

        flyttad = {&c};
        EXPECT_EQ(flyttad.vector(), std::vector<Post*>{&c});
        flyttad.clear();
        EXPECT_TRUE(flyttad.empty());
        EXPECT_EQ(lista.vector(), element);  // the copies shared nothing
    }
}

TEST(CompactPointersTest, ComparesByElementsAndOrder) {
    Post a{1}, b{2};
    EXPECT_TRUE(CompactPointers<Post>({&a, &b}) == CompactPointers<Post>(std::vector<Post*>{&a, &b}));
    EXPECT_FALSE(CompactPointers<Post>({&a, &b}) == CompactPointers<Post>({&b, &a}));
    EXPECT_FALSE(CompactPointers<Post>({&a}) == CompactPointers<Post>({&a, &a}));
    EXPECT_FALSE(CompactPointers<Post>({&a}) == CompactPointers<Post>());
    EXPECT_TRUE(CompactPointers<Post>() == CompactPointers<Post>(std::vector<Post*>{}));
}

}  // namespace
