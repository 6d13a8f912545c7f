// Template CL through the tool: landscape pages, one, three and a delivery
// note, with what every reader looks for inside the template's frames.
#include "Mallprov.h"

#include <gtest/gtest.h>

namespace {

class MallCLPdf : public mallprov::Mallprov {};

const std::set<std::string> ytor = {"HelveticaNeue",        "HelveticaNeue-Light", "HelveticaNeue-LightItalic",
                                    "HelveticaNeue-CondensedBold", "HelveticaNeue-Italic", "HelveticaNeue-Bold"};
const Size liggande{842, 595};
// The date strip, from x 802 leftward at the top of the page.
const Rect datumband{287, 40, 515, 29};
const Rect attBetala{553, 500, 235, 24};
const Rect poster{357, 165, 421, 160};
const Rect avsändartabell{38, 319, 225, 237};

TEST_F(MallCLPdf, OnePage) {
    auto k = körMall("CL");
    kontrolleraEnSida(k, liggande, ytor, {datumband, attBetala, datumband, poster, avsändartabell});
}

// The landscape item area is short: 24 items with comments fill three pages.
TEST_F(MallCLPdf, ThreePages) {
    auto k = körMall("CL", {"--latest-items", "24", "--long-comments"});
    kontrolleraTreSidor(k, liggande, ytor, datumband, attBetala, {357, 165, 421, 286});
}

TEST_F(MallCLPdf, DeliveryNote) {
    auto k = följesedel("CL");
    kontrolleraDokument(k, 1, liggande, ytor);
    kontrolleraRuta(k, 1, "Konsulttimme", poster);
    kontrolleraRuta(k, 1, k.bok->organisationsnummer, avsändartabell);
    kontrolleraSaknas(k, 1, k.nummer());
    kontrolleraSaknas(k, 1, k.attBetala());
    kontrolleraSaknas(k, 1, k.nettobelopp());
}

}  // namespace
