// Template Gu through the tool: a landscape page, the band of facts along
// its top, the tables of the left column and the items on the right.
#include "Mallprov.h"

#include <gtest/gtest.h>

namespace {

class MallGuPdf : public mallprov::Mallprov {};

const std::set<std::string> ytor = {"Baskerville-BoldItalic", "Baskerville", "Baskerville-Italic",
                                    "Baskerville-Bold"};
const Size liggande{842, 595};
// The band: entries end at x 792, 542 to 565 above the foot of the page.
const Rect band{42, 30, 750, 23};
const Rect vänsterspalt{27, 60, 219, 490};
const Rect poster{323, 175, 440, 162};

TEST_F(MallGuPdf, OnePage) {
    auto k = körMall("Gu");
    kontrolleraDokument(k, 1, liggande, ytor);
    kontrolleraRuta(k, 1, k.nummer(), band);
    kontrolleraRuta(k, 1, k.förfallodatum(), band);
    kontrolleraRuta(k, 1, k.nettobelopp(), {587, 362, 176, 17});
    kontrolleraRuta(k, 1, k.attBetala(), {587, 362 + 2 * 14, 176, 17});
    kontrolleraRuta(k, 1, *k.faktura->fakturaposter().at(0)->artikelnamn(), poster);
    kontrolleraRuta(k, 1, k.bok->namn, vänsterspalt);
}

TEST_F(MallGuPdf, ThreePagesShowTheAmountRowsOnTheLastOnly) {
    auto k = körMall("Gu", {"--latest-items", "10", "--long-comments"});
    kontrolleraDokument(k, 3, liggande, ytor);
    kontrolleraBeloppenBaraPåSistaSidan(k, 3);
    for (int sida = 1; sida <= 3; ++sida) {
        kontrolleraRuta(k, sida, k.nummer(), band);
        kontrolleraRuta(k, sida, k.bok->namn, vänsterspalt);
    }
    kontrolleraRuta(k, 1, "Rad 1:", {323, 175, 440, 249});
}

TEST_F(MallGuPdf, DeliveryNoteWithoutBandOrAmounts) {
    auto k = följesedel("Gu");
    kontrolleraDokument(k, 1, liggande, ytor);
    kontrolleraRuta(k, 1, k.bok->namn, vänsterspalt);
    kontrolleraRuta(k, 1, *k.faktura->fakturaposter().at(0)->artikelnamn(), poster);
    kontrolleraSaknas(k, 1, k.nummer());
    kontrolleraSaknas(k, 1, k.förfallodatum());
    kontrolleraSaknas(k, 1, k.attBetala());
    kontrolleraSaknas(k, 1, k.nettobelopp());
}

}  // namespace
