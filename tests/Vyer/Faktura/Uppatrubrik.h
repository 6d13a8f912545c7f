#pragma once
// For captions turned a quarter turn to run upward: the turn checked, and
// where the caption's frame lands on the page.
#include "Vyer/Faktura/CachatObjekt.h"

#include "Displaylista.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

// The caption is turned a quarter turn counter-clockwise about `vid` (its
// baseline points up the page); its frame lands on the page at `påSidan`.
inline void förväntaUppåt(const CachatObjekt& rubrik, Point vid, const Rect& påSidan) {
    ASSERT_TRUE(rubrik.transform);
    const AffineTransform& t = *rubrik.transform;
    EXPECT_NEAR(t.a, 0, 1e-15);
    EXPECT_EQ(t.b, -1);
    EXPECT_EQ(t.c, 1);
    EXPECT_NEAR(t.d, 0, 1e-15);
    EXPECT_EQ(t.tx, vid.x);
    EXPECT_EQ(t.ty, vid.y);

    const Rect r = displaylista::ram(rubrik);
    const Point a = t.apply({r.minX(), r.minY()});
    const Point b = t.apply({r.maxX(), r.maxY()});
    EXPECT_NEAR(std::min(a.x, b.x), påSidan.x, 1e-9);
    EXPECT_NEAR(std::min(a.y, b.y), påSidan.y, 1e-9);
    EXPECT_NEAR(std::abs(b.x - a.x), påSidan.width, 1e-9);
    EXPECT_NEAR(std::abs(b.y - a.y), påSidan.height, 1e-9);
}
