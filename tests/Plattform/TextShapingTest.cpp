#include "Plattform/TextShaping.h"

#include <gtest/gtest.h>

namespace {

// Expected texts from Unicode's SpecialCasing.txt and UnicodeData.txt.
TEST(Uppercased, FollowsTheFullUnicodeMappingWithoutLanguageRules) {
    struct Fall {
        const char* in;
        const char* ut;
    };
    const Fall fall[] = {
        {"straße", "STRASSE"},           // U+00DF has a two-letter upper case
        {"ﬁnal", "FINAL"},               // U+FB01 ligature splits
        {"ŉ", "ʼN"},                     // U+0149
        {"istanbul", "ISTANBUL"},        // dotless capital only in Turkish
        {"à pris", "À PRIS"},
        {"n° art.", "N° ART."},
        {"øresavrunding", "ØRESAVRUNDING"},
        {"", ""},
    };
    for (const auto& f : fall) EXPECT_EQ(uppercased(f.in), f.ut) << f.in;
}

}  // namespace
