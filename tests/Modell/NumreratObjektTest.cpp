#include "Modell/NumreratObjekt.h"
#include "Plattform/StringHash.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<NumreratObjekt> objekt(const std::string& nummer, std::optional<int64_t> ordningstal = std::nullopt) {
    auto o = std::make_unique<NumreratObjekt>();
    o->nummer = nummer;
    o->ordningstal = ordningstal ? *ordningstal : NumreratObjekt::ordningstalFrånNummer(nummer);
    return o;
}

using Lista = std::vector<std::unique_ptr<NumreratObjekt>>;

Lista lista(std::initializer_list<std::string> nummer) {
    Lista l;
    for (const auto& n : nummer) l.push_back(objekt(n));
    return l;
}

// Numbers `antal` new objects after `tidigare`; gives their texts and
// checks that each ordinal follows from its text.
std::vector<std::string> numrera(const Lista& tidigare, size_t antal) {
    Lista nya;
    std::vector<NumreratObjekt*> pekare;
    for (size_t i = 0; i < antal; ++i) {
        nya.push_back(std::make_unique<NumreratObjekt>());
        pekare.push_back(nya.back().get());
    }
    NumreratObjekt::numreraObjekt(pekare, somNumrerade(tidigare));
    std::vector<std::string> ut;
    for (const auto& o : nya) {
        EXPECT_EQ(o->ordningstal, NumreratObjekt::ordningstalFrånNummer(o->nummer)) << o->nummer;
        ut.push_back(o->nummer);
    }
    return ut;
}

using V = std::vector<std::string>;

}  // namespace

TEST(NumreratObjekt, OrdinalIsTheFirstRunOfDigits) {
    struct Fall {
        std::string nummer;
        int64_t ordningstal;
    } fall[] = {
        {"1001", 1001},
        {"K12-3", 12},
        {"F-0099", 99},
        {"2023-15", 2023},
        {"0000", 0},
        {"-5", 5},
        {"Nr 007", 7},
        {"9223372036854775807", INT64_MAX},
        // The match is placed in UTF-16 units but taken in characters: a
        // character outside the BMP shifts the digits taken by one.
        {"\U0001F600" "12", 2},
        {"\U0001F600\U0001F600" "1234", 34},
        {"é12", 12},  // precomposed: one unit, one character
    };
    for (const auto& f : fall) {
        EXPECT_EQ(NumreratObjekt::ordningstalFrånNummer(f.nummer), f.ordningstal) << f.nummer;
        EXPECT_EQ(NumreratObjekt::försökOrdningstalFrånNummer(f.nummer), f.ordningstal) << f.nummer;
    }
}

TEST(NumreratObjekt, TextWithoutDigitsTakesTheStringHash) {
    EXPECT_EQ(NumreratObjekt::ordningstalFrånNummer("ABC"), 497105937);
    EXPECT_EQ(NumreratObjekt::ordningstalFrånNummer(""), 0);
    EXPECT_EQ(NumreratObjekt::ordningstalFrånNummer("Räksmörgås"), -2647181784301906766);
    EXPECT_EQ(NumreratObjekt::ordningstalFrånNummer("Kund"), 26364670966);
}

TEST(NumreratObjekt, NumbersWithoutAComputableOrdinalAreRejected) {
    for (std::string nummer : {
             "12345678901234567890",                 // beyond 64 bits
             "9223372036854775808",
             "\u0663",                               // Arabic-Indic three
             "\u0661" "2",                           // a run mixing scripts
             "\uFF11\uFF12",                         // full-width digits
             "\U0001F600" "12a",                     // the taken part is "2a"
             "\U0001F600\U0001F600" "12+5",          // the taken part is "+5"
             "e\u0301" "5",                          // nothing left to take
         }) {
        EXPECT_FALSE(NumreratObjekt::försökOrdningstalFrånNummer(nummer)) << nummer;
        EXPECT_THROW(NumreratObjekt::ordningstalFrånNummer(nummer), OgiltigtNummer) << nummer;
    }
}

TEST(NumreratObjekt, NumbersFollowTheGreatestOrdinal) {
    struct Fall {
        std::vector<std::string> tidigare;
        size_t antal;
        V väntat;
    } fall[] = {
        {{}, 2, {"1", "2"}},
        {{"5", "12", "7"}, 1, {"13"}},
        {{"12", "7", "5"}, 1, {"13"}},
        {{"12", "X12"}, 1, {"X13"}},  // among tied ordinals the last one is the base
        {{"X12", "12"}, 1, {"13"}},
        {{"1002"}, 3, {"1003", "1004", "1005"}},
        {{"007"}, 1, {"008"}},
        {{"009"}, 1, {"0010"}},
        {{"F-0099"}, 1, {"F-00100"}},
        {{"2023-15"}, 1, {"2024-15"}},
        {{"A7B7"}, 1, {"A8B7"}},
        {{"ABC"}, 2, {"1", "2"}},
        {{"Räksmörgås"}, 1, {"1"}},  // negative hash ordinal
        {{"K-9", "Nr 3"}, 2, {"K-10", "K-11"}},
    };
    for (const auto& f : fall) {
        Lista tidigare;
        for (const auto& n : f.tidigare) tidigare.push_back(objekt(n));
        EXPECT_EQ(numrera(tidigare, f.antal), f.väntat) << (f.tidigare.empty() ? "" : f.tidigare.back());
    }
    auto l = lista({"2023-15"});
    EXPECT_EQ(NumreratObjekt(somNumrerade(l)).ordningstal, 2024);
}

TEST(NumreratObjekt, NeverHandsOutANumberTheListHolds) {
    // A digitless base restarts the series at 1; numbers in use are skipped.
    EXPECT_EQ(numrera(lista({"1", "ABC", "3"}), 3), (V{"2", "4", "5"}));
    // A stale stored ordinal: "6" claims ordinal 0, so the base is "5".
    Lista l;
    l.push_back(objekt("5"));
    l.push_back(objekt("6", 0));
    EXPECT_EQ(numrera(l, 1), (V{"7"}));
    EXPECT_EQ(NumreratObjekt(somNumrerade(l)).nummer, "7");
}

TEST(NumreratObjekt, NumberingThatCannotContinueChangesNothing) {
    auto tidigare = lista({"9223372036854775806"});
    NumreratObjekt a, b;
    a.nummer = "orörd";
    std::vector<NumreratObjekt*> nya{&a, &b};
    EXPECT_THROW(NumreratObjekt::numreraObjekt(nya, somNumrerade(tidigare)), OgiltigtNummer);
    EXPECT_EQ(a.nummer, "orörd");
    EXPECT_EQ(a.ordningstal, 0);

    // The next text exists but has no ordinal of its own.
    Lista konstig;
    konstig.push_back(objekt("\U0001F600" "12a", 12));
    EXPECT_THROW(NumreratObjekt{somNumrerade(konstig)}, OgiltigtNummer);
}

TEST(NumreratObjekt, BaseRecordKeepsTheStoredOrdinal) {
    auto o = objekt("K12", 99);
    Utström ut;
    o->spara(ut);
    Bytes bytes = ut.take();
    ASSERT_EQ(bytes.size(), 8u + 3 + 8 + 8);

    Inström in(bytes);
    Referenser ref;
    NumreratObjekt läst(in, ref);
    EXPECT_EQ(läst.nummer, "K12");
    EXPECT_EQ(läst.ordningstal, 99);
    EXPECT_TRUE(in.atEnd());

    Utström igen;
    läst.spara(igen);
    EXPECT_EQ(igen.bytes(), bytes);
}
