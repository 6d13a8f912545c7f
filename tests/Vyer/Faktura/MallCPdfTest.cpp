// Template C through the tool: one page, three pages and a delivery note,
// with what every reader looks for inside the template's frames.
#include "Mallprov.h"

#include <gtest/gtest.h>

namespace {

class MallCPdf : public mallprov::Mallprov {};

const std::set<std::string> ytor = {"Baskerville-SemiBold", "Baskerville", "Baskerville-Italic"};
// The number box ends at x 559, as wide as the number.
const Rect nummer{459, 24, 100, 17};
const Rect attBetala{319, 317, 226, 30};
const Rect förfallodatum{51, 305, 202, 18};
const Rect identitet{205, 756, 155, 59};

TEST_F(MallCPdf, OnePage) {
    auto k = körMall("C");
    kontrolleraEnSida(k, {595, 842}, ytor, {nummer, attBetala, förfallodatum, {44, 372, 501, 230}, identitet});
    // The number and its caption stand clear of the title under them.
    EXPECT_TRUE(pdfkontroll::överlappandeOrd(k.ord, 1).empty());
}

// Rows 2 points apart in Baskerville take more room than the shared
// three-page example: twenty items with comments fill three pages.
TEST_F(MallCPdf, ThreePages) {
    auto k = körMall("C", {"--latest-items", "20", "--long-comments"});
    kontrolleraTreSidor(k, {595, 842}, ytor, nummer, attBetala, {44, 372, 501, 306});
}

TEST_F(MallCPdf, DeliveryNote) {
    auto k = följesedel("C");
    kontrolleraFöljesedeln(k, {595, 842}, ytor, nummer, {44, 312, 501, 290}, identitet);
    kontrolleraSaknas(k, 1, k.förfallodatum());
}

}  // namespace
