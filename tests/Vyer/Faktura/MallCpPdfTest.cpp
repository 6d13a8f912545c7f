// Template Cp through the tool: one page, three pages and a delivery note,
// with what every reader looks for inside the template's frames.
#include "Mallprov.h"

#include <gtest/gtest.h>

namespace {

class MallCpPdf : public mallprov::Mallprov {};

const std::set<std::string> ytor = {"Copperplate-Bold", "LucidaGrande", "LucidaGrande-Bold"};
const Rect nummer{407, 42, 160, 15};
const Rect attBetala{344, 691, 216, 16};
const Rect förfallodatum{336, 716, 222, 11};
const Rect poster{51, 332, 493, 212};
const Rect avsändartabell{20, 695, 149, 110};

TEST_F(MallCpPdf, OnePage) {
    auto k = körMall("Cp");
    kontrolleraEnSida(k, {595, 842}, ytor, {nummer, attBetala, förfallodatum, poster, avsändartabell});
}

// Twenty rows with long comments fill three of its short item areas.
TEST_F(MallCpPdf, ThreePages) {
    auto k = körMall("Cp", {"--latest-items", "20", "--long-comments"});
    kontrolleraTreSidor(k, {595, 842}, ytor, nummer, attBetala, poster);
}

TEST_F(MallCpPdf, DeliveryNote) {
    auto k = följesedel("Cp");
    kontrolleraFöljesedeln(k, {595, 842}, ytor, nummer, poster, avsändartabell);
    kontrolleraSaknas(k, 1, k.förfallodatum());
}

}  // namespace
