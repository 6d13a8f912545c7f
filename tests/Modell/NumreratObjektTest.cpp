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

// A new object is numbered by a series of the earlier ones (the cases are
// in NummerserieTest) and carries its number's ordinal.
TEST(NumreratObjekt, ANewObjectTakesTheNextNumberAndItsOrdinal) {
    auto l = lista({"2023-15"});
    const NumreratObjekt nytt(somNumrerade(l));
    EXPECT_EQ(nytt.nummer, "2024-15");
    EXPECT_EQ(nytt.ordningstal, 2024);

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
