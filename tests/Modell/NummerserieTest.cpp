// Numbering one object at a time through a series gives what numbering
// each after the whole growing list gives, for ordinary and odd bases.
#include "Modell/NumreratObjekt.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Objekt : NumreratObjekt {
    Objekt(std::string n, int64_t o) {
        nummer = std::move(n);
        ordningstal = o;
    }
};

TEST(Nummerserie, MatchesNumberingAfterTheGrowingList) {
    const std::vector<std::vector<std::pair<std::string, int64_t>>> fall = {
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
        std::vector<std::unique_ptr<Objekt>> ägda;
        std::vector<const NumreratObjekt*> lista;
        for (const auto& [n, o] : tidigareFall) {
            ägda.push_back(std::make_unique<Objekt>(n, o));
            lista.push_back(ägda.back().get());
        }
        Nummerserie serie(lista);
        for (int i = 0; i < 5; ++i) {
            NumreratObjekt väntat(lista);
            ASSERT_EQ(serie.nästa(), väntat.nummer) << i;
            ägda.push_back(std::make_unique<Objekt>(väntat.nummer, väntat.ordningstal));
            lista.push_back(ägda.back().get());
            serie.läggTill(*ägda.back());
        }
    }
}

}  // namespace
