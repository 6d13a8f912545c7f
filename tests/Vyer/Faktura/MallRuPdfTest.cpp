// Templates Ru1 and Ru2 through the tool: one page, three pages and a
// delivery note, with what every reader looks for inside the template's
// frames.
#include "Mallprov.h"

#include <gtest/gtest.h>

namespace {

class MallRuPdf : public mallprov::Mallprov {};

const std::set<std::string> ytor = {"HelveticaNeue", "HelveticaNeue-Bold", "HelveticaNeue-Italic"};
const Rect nummerrad{64, 202, 159, 15};
// The grid's first two rows of boxes, and the payment bar.
const Rect rutnät{55, 222, 487, 88};
const Rect betalningsstapel{55, 654, 487, 25};
const Rect företagstabell2{173, 743, 109, 60};
// Under the heading band of the item frame, above the totals.
const Rect poster{71, 299, 452, 266};

TEST_F(MallRuPdf, OnePageInEitherColour) {
    for (const char* kod : {"Ru1", "Ru2"}) {
        SCOPED_TRACE(kod);
        auto k = körMall(kod);
        kontrolleraEnSida(k, {595, 842}, ytor, {nummerrad, betalningsstapel, rutnät, poster, företagstabell2});
    }
}

TEST_F(MallRuPdf, ThreePages) {
    auto k = körMall("Ru2", {"--latest-items", "36", "--long-comments"});
    kontrolleraTreSidor(k, {595, 842}, ytor, nummerrad, betalningsstapel, {71, 299, 452, 328});
}

TEST_F(MallRuPdf, DeliveryNote) {
    auto k = följesedel("Ru1");
    kontrolleraFöljesedeln(k, {595, 842}, ytor, nummerrad, {71, 299, 452, 377}, företagstabell2);
}

}  // namespace
