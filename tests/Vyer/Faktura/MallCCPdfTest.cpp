// Template CC through the tool: one page, three pages and a delivery note,
// with what every reader looks for inside the template's frames.
#include "Mallprov.h"

#include <gtest/gtest.h>

namespace {

class MallCCPdf : public mallprov::Mallprov {};

const std::set<std::string> ytor = {"Cochin", "Cochin-Bold", "Cochin-Italic", "Cochin-BoldItalic"};
const Rect nummer{296, 31, 255, 98};
// Caption and amount at the two ends of one line.
const Rect attBetala{221, 568, 317, 15};
// The last line in the badge.
const Rect förfallodatum{32, 214, 88, 16};
const Rect poster{59, 303, 478, 161};
// The example's every way of payment fits under the artwork's rule, at its
// size.
const Rect företagstabell{394, 677, 185, 150};

TEST_F(MallCCPdf, OnePage) {
    auto k = körMall("CC");
    kontrolleraEnSida(k, {595, 842}, ytor, {nummer, attBetala, förfallodatum, poster, företagstabell});
}

// Rows with long comments under 13-point headings: sixteen fill three
// pages.
TEST_F(MallCCPdf, ThreePages) {
    auto k = körMall("CC", {"--latest-items", "16", "--long-comments"});
    // The pages before the last give their rows 263 points.
    kontrolleraTreSidor(k, {595, 842}, ytor, nummer, attBetala, {59, 303, 478, 263});
}

TEST_F(MallCCPdf, DeliveryNote) {
    auto k = följesedel("CC");
    kontrolleraFöljesedeln(k, {595, 842}, ytor, nummer, poster, företagstabell);
    kontrolleraSaknas(k, 1, k.förfallodatum());
}

}  // namespace
