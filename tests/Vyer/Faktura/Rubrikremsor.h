#pragma once
// Address captions turned a quarter turn to run upward in narrow strips
// beside their addresses, as several templates set them.
#include "Displaylista.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace rubrikremsor {

struct Remsa {
    std::string rubrik;
    std::string adress;  // a part of the address text
    Rect ram;            // the caption's frame in the turned system
    Rect remsa;          // where it lands on the page
    Rect adressram;
};

// Each caption is set in its frame turned counter-clockwise about `vid`
// (its text runs up the page) in `färg` (none: the default black), and
// lands in its strip, clear of its upright address; nothing else on the
// page is turned.
inline void kontrollera(const std::vector<CachatObjekt>& alla, Point vid, const std::optional<Color>& färg,
                        const std::vector<Remsa>& remsor) {
    using namespace displaylista;
    SCOPED_TRACE(beskriv(alla));
    for (const Remsa& c : remsor) {
        SCOPED_TRACE(c.rubrik);
        const CachatObjekt* rubrik = medText(alla, c.rubrik);
        ASSERT_TRUE(rubrik);
        EXPECT_EQ(ram(*rubrik), c.ram);
        ASSERT_TRUE(rubrik->transform);
        const AffineTransform& t = *rubrik->transform;
        EXPECT_NEAR(t.a, 0, 1e-15);
        EXPECT_EQ(t.b, -1);
        EXPECT_EQ(t.c, 1);
        EXPECT_NEAR(t.d, 0, 1e-15);
        EXPECT_EQ(t.tx, vid.x);
        EXPECT_EQ(t.ty, vid.y);
        EXPECT_EQ(ramPåSidan(*rubrik), c.remsa);
        EXPECT_EQ(text(*rubrik)->runs()[0].attributes.foregroundColor, färg);

        const CachatObjekt* adress = medTextSomInnehåller(alla, c.adress);
        ASSERT_TRUE(adress);
        EXPECT_EQ(ram(*adress), c.adressram);
        EXPECT_FALSE(adress->transform);
        EXPECT_LT(ramPåSidan(*rubrik).maxX(), ram(*adress).minX()) << "the strip stays clear of the address";
    }
    EXPECT_EQ(std::count_if(alla.begin(), alla.end(), [](const CachatObjekt& o) { return o.transform.has_value(); }),
              static_cast<long>(remsor.size()));
}

}  // namespace rubrikremsor
