// Numbering new objects after earlier ones, one at a time, as the import
// numbers its customers and invoices: each number follows the base (the
// last of the greatest ordinal) in its pattern and carries its own ordinal,
// no number the list holds is handed out again, and a series kept as it
// grows gives what a fresh series of the grown list gives.
#include "Modell/NumreratObjekt.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Objekt : NumreratObjekt {
    Objekt() = default;
    Objekt(std::string n, int64_t o) {
        nummer = std::move(n);
        ordningstal = o;
    }
};

using Lista = std::vector<std::unique_ptr<Objekt>>;
using V = std::vector<std::string>;

using Tidigare = std::vector<std::pair<std::string, std::optional<int64_t>>>;

// Earlier objects, each with its number's ordinal unless one is given.
Lista lista(const Tidigare& nummer) {
    Lista l;
    for (const auto& [n, o] : nummer)
        l.push_back(std::make_unique<Objekt>(n, o ? *o : NumreratObjekt::ordningstalFrånNummer(n)));
    return l;
}

Lista lista(std::initializer_list<std::string> nummer) {
    Tidigare n;
    for (const auto& text : nummer) n.emplace_back(text, std::nullopt);
    return lista(n);
}

std::vector<const NumreratObjekt*> somNumrerade(const Lista& l) { return ::somNumrerade(l); }

// Numbers `antal` new objects after `tidigare`, each added to the series
// once numbered; gives their texts and checks that each ordinal follows
// from its text.
V numrera(const Lista& tidigare, size_t antal) {
    Nummerserie serie(somNumrerade(tidigare));
    Lista nya;
    V ut;
    for (size_t i = 0; i < antal; ++i) {
        nya.push_back(std::make_unique<Objekt>());
        serie.numrera(*nya.back());
        EXPECT_EQ(nya.back()->ordningstal, NumreratObjekt::ordningstalFrånNummer(nya.back()->nummer))
            << nya.back()->nummer;
        serie.läggTill(*nya.back());
        ut.push_back(nya.back()->nummer);
    }
    return ut;
}

TEST(Nummerserie, NumbersFollowTheGreatestOrdinal) {
    struct Fall {
        std::initializer_list<std::string> tidigare;
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
    for (const auto& f : fall)
        EXPECT_EQ(numrera(lista(f.tidigare), f.antal), f.väntat) << (f.tidigare.size() ? *(f.tidigare.end() - 1) : "");
}

TEST(Nummerserie, NeverHandsOutANumberTheListHolds) {
    // A digitless base restarts the series at 1; numbers in use are skipped.
    EXPECT_EQ(numrera(lista({"1", "ABC", "3"}), 3), (V{"2", "4", "5"}));
    // A stale stored ordinal: "6" claims ordinal 0, so the base is "5".
    EXPECT_EQ(numrera(lista(Tidigare{{"5", std::nullopt}, {"6", 0}}), 1), (V{"7"}));
    // A number taken elsewhere is passed over but does not move the base.
    auto tidigare = lista({"10"});
    Nummerserie serie(somNumrerade(tidigare));
    serie.läggTillUpptaget("11");
    EXPECT_EQ(serie.nästa(), "12");
}

// A number that would pass 64 bits, or a next text without an ordinal of
// its own, is refused, and the object keeps what it had.
TEST(Nummerserie, NumberingThatCannotContinueChangesNothing) {
    auto tidigare = lista({"9223372036854775806"});
    Nummerserie serie(somNumrerade(tidigare));
    Objekt a, b("orörd", 0);
    serie.numrera(a);
    EXPECT_EQ(a.nummer, "9223372036854775807");
    serie.läggTill(a);
    EXPECT_THROW(serie.numrera(b), OgiltigtNummer);
    EXPECT_EQ(b.nummer, "orörd");
    EXPECT_EQ(b.ordningstal, 0);

    auto konstig = lista(Tidigare{{"\U0001F600" "12a", 12}});
    Nummerserie konstigSerie(somNumrerade(konstig));
    EXPECT_THROW(konstigSerie.numrera(b), OgiltigtNummer);
    EXPECT_EQ(b.nummer, "orörd");
}

TEST(Nummerserie, MatchesAFreshSeriesOfTheGrowingList) {
    const std::vector<Tidigare> fall = {
        {},
        {{"1", 1}, {"2", 2}},
        {{"INV2023-7", 2023}},
        {{"A5B12", 5}, {"A6B12", 6}},
        {{"-5", 5}},            // the sign is kept in the text
        {{"X", 77}, {"1", 1}},  // a base without its ordinal's digits
        {{"7", 3}, {"4", 4}},   // a stale ordinal
        {{"10", 10}, {"11", 10}, {"12", 12}, {"13", 13}},
    };
    for (const auto& tidigareFall : fall) {
        Lista ägda = lista(tidigareFall);
        Nummerserie serie(somNumrerade(ägda));
        for (int i = 0; i < 5; ++i) {
            const NumreratObjekt väntat(somNumrerade(ägda));
            ASSERT_EQ(serie.nästa(), väntat.nummer) << i;
            ägda.push_back(std::make_unique<Objekt>(väntat.nummer, väntat.ordningstal));
            serie.läggTill(*ägda.back());
        }
    }
}

}  // namespace
