#include "Plattform/Strangar.h"

#include <gtest/gtest.h>

namespace {
const std::string kÉ = "e\u0301";                                   // e + combining acute
const std::string kFamilj = "\U0001F468\u200D\U0001F469\u200D\U0001F467";  // ZWJ sequence
const std::string kSverige = "\U0001F1F8\U0001F1EA";                  // regional indicators S E
const std::string kFinland = "\U0001F1EB\U0001F1EE";
}  // namespace

TEST(Strangar, CountCharactersAsGraphemeClusters) {
    struct Fall {
        std::string text;
        int64_t antal;
    } fall[] = {
        {"", 0},
        {"abc", 3},
        {kÉ + "tt", 3},
        {"a\u0308\u0301b", 2},
        {kFamilj + "x", 2},
        {kSverige + kFinland, 2},
        {"a\r\nb", 3},
        {"\u1100\u1161\u11A8!", 2},  // conjoining Hangul jamo make one syllable
        {"\U0001F44D\U0001F3FD", 1},  // emoji with skin-tone modifier
    };
    for (const auto& f : fall) EXPECT_EQ(antalTecken(f.text), f.antal) << f.text;
}

TEST(Strangar, TakeFromFrontAndEndAndClamp) {
    struct Fall {
        std::string text;
        int64_t n;
        std::string efter, först, sist;
    } fall[] = {
        {"abc", 3, "", "abc", "abc"},
        {"abc", 5, "", "abc", "abc"},
        {"abc", 0, "abc", "", ""},
        {"abc", -2, "abc", "", ""},
        {"abc", 1, "bc", "a", "c"},
        {"", 1, "", "", ""},
        {kÉ + "tt", 1, "tt", kÉ, "t"},
        {"t" + kÉ, 1, kÉ, "t", kÉ},
        {kFamilj + "x" + kFamilj, 1, "x" + kFamilj, kFamilj, kFamilj},
        {kSverige + kFinland, 1, kFinland, kSverige, kFinland},
        {"a\r\nb", 2, "b", "a\r\n", "\r\nb"},
        {"Räksmörgås", 4, "mörgås", "Räks", "rgås"},
    };
    for (const auto& f : fall) {
        EXPECT_EQ(allaEfter(f.text, f.n), f.efter) << f.text << " " << f.n;
        EXPECT_EQ(första(f.text, f.n), f.först) << f.text << " " << f.n;
        EXPECT_EQ(sista(f.text, f.n), f.sist) << f.text << " " << f.n;
    }
}

TEST(Strangar, CapitalisesEachWhitespaceSeparatedWord) {
    EXPECT_EQ(medStorBokstavIVarjeOrd("se"), "Se");
    EXPECT_EQ(medStorBokstavIVarjeOrd("NORGE och sverige"), "Norge Och Sverige");
    EXPECT_EQ(medStorBokstavIVarjeOrd("  åland\töarna\n"), "  Åland\tÖarna\n");
    EXPECT_EQ(medStorBokstavIVarjeOrd("ǆungla"), "ǅungla");  // title case, not upper case
    EXPECT_EQ(medStorBokstavIVarjeOrd("(abc) x-ray"), "(abc) X-ray");
    EXPECT_EQ(medStorBokstavIVarjeOrd(""), "");
}

// Expected texts from Python's str.upper(), which applies the same full
// Unicode case mapping without a language.
TEST(Strangar, CapitalsUseTheFullCaseMappingOfNoLanguage) {
    struct {
        std::string text, versaler;
    } fall[] = {
        {"straße", "STRASSE"},
        {"ﬁl", "FIL"},
        {"ǆungla", "ǄUNGLA"},
        {"räksmörgås", "RÄKSMÖRGÅS"},
        {"istanbul", "ISTANBUL"},  // no Turkish dotted capital
        {"ŉ", "ʼN"},
        {"\u0390", "\u0399\u0308\u0301"},
        {"1 234,00 kr", "1 234,00 KR"},
        {"", ""},
    };
    for (const auto& f : fall) EXPECT_EQ(versaler(f.text), f.versaler) << f.text;
}
