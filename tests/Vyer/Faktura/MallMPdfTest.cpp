// Template M through the tool: one page, three pages and a delivery note,
// with what every reader looks for inside the template's frames.
#include "Mallprov.h"

#include <gtest/gtest.h>

namespace {

class MallMPdf : public mallprov::Mallprov {};

const std::set<std::string> ytor = {"HelveticaNeue-CondensedBold", "HelveticaNeue-UltraLight", "HelveticaNeue",
                                    "HelveticaNeue-Light"};
const Rect nummer{43, 89, 388, 20};
const Rect attBetala{418, 313, 129, 17};
const Rect förfallodatum{183, 313, 200, 17};
const Rect poster{68, 396, 459, 163};
// The second table at the foot: address, organisation and VAT numbers.
const Rect avsändartabell{214, 733, 165, 77};

TEST_F(MallMPdf, OnePage) {
    auto k = körMall("M");
    kontrolleraEnSida(k, {595, 842}, ytor, {nummer, attBetala, förfallodatum, poster, avsändartabell});
}

// Its comments wrap, every line printed: 34 rows fill three pages, the
// last with rows of its own.
TEST_F(MallMPdf, ThreePages) {
    auto k = körMall("M", {"--latest-items", "34", "--long-comments"});
    kontrolleraTreSidor(k, {595, 842}, ytor, nummer, attBetala, poster);
}

TEST_F(MallMPdf, DeliveryNote) {
    auto k = följesedel("M");
    kontrolleraFöljesedeln(k, {595, 842}, ytor, nummer, poster, avsändartabell);
    kontrolleraSaknas(k, 1, k.förfallodatum());
}

}  // namespace
