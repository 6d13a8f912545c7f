#include "Plattform/StringHash.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string gånger(const std::string& s, int n) {
    std::string ut;
    for (int i = 0; i < n; ++i) ut += s;
    return ut;
}

std::u16string förstaEnheter(const std::u16string& mönster, size_t antal) {
    std::u16string ut;
    while (ut.size() < antal) ut += mönster;
    return ut.substr(0, antal);
}

}  // namespace

// Reference values of the platform's hash, taken as signed 64-bit.
TEST(PlatformStringHash, MatchesReferenceVectors) {
    struct Fall {
        std::string text;
        int64_t väntat;
    } fall[] = {
        {"", 0},
        {"A", 966},
        {"ABC", 497105937},
        {"Kund", 26364670966},
        {"faktura", 4840085068106128245},
        {"ÅÄÖ", 575874162},
        {"Räksmörgås", -2647181784301906766},
        {"Räksmörgås åäö ÅÄÖ", 5763439422784498200},
        {"Ökad kostnad", 9178727769537564710},
        {"\u00e5", 1458},
        {"a\u030a", 789025},
        {"\U0001F600", 72078395},
        {"ÿÿÿÿ", 5448068608},
        {gånger("x", 96), -6589649084649612608},
        {gånger("x", 97), -5522781941349603293},
        {gånger("a", 200), 5915673434903289128},
        {gånger("a", 40) + "b" + gånger("a", 159), 5915673434903289128},
        {gånger("a", 100) + "b" + gånger("a", 99), -59543012500812503},
    };
    for (const auto& f : fall)
        EXPECT_EQ(static_cast<int64_t>(platformStringHash(f.text)), f.väntat) << f.text.substr(0, 40);
}

TEST(PlatformStringHash, LongTextsHashSampledUtf16Windows) {
    auto enheter = förstaEnheter(u"abcdefghijklmnopqrstuvwxyzåäö", 200);
    EXPECT_EQ(static_cast<int64_t>(platformStringHash(std::u16string_view(enheter))), -2633420649794623054);
}
