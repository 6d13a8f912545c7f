// Template E through the tool: its texts where its frames put them, read
// back from the PDF.
#include "Mallprov.h"

#include <gtest/gtest.h>

namespace {

class MallEPdf : public mallprov::Mallprov {};

const std::set<std::string> ytor = {"AmericanTypewriter-CondensedBold", "AmericanTypewriter-Bold", "Geneva"};

// The black arrow box ends at x 291.5 and is as wide as its caption plus
// 24; the amount stands above it, the due date under the white box that
// starts at x 303.
const Rect beloppsram{60, 529, 232, 40};
const Rect datumram{308, 649, 250, 35};
const Rect avsändarram{45, 723, 176, 97};

TEST_F(MallEPdf, OnePage) {
    auto k = körMall("E");
    kontrolleraDokument(k, 1, {595, 842}, ytor);
    kontrolleraRuta(k, 1, k.nummer(), {462, 27, 92, 33});
    kontrolleraRuta(k, 1, k.attBetala(), beloppsram);
    kontrolleraRuta(k, 1, k.förfallodatum(), datumram);
    kontrolleraRuta(k, 1, *k.faktura->fakturaposter().at(0)->artikelnamn(), {55, 259, 473, 130});
    kontrolleraRuta(k, 1, k.bok->namn, avsändarram);
    kontrolleraRuta(k, 1, k.nettobelopp(), {340, 398, 188, 110});
}

TEST_F(MallEPdf, ThreePagesShowTheAmountRowsOnTheLastOnly) {
    auto k = körMall("E", {"--latest-items", "16", "--long-comments"});
    kontrolleraDokument(k, 3, {595, 842}, ytor);
    kontrolleraBeloppenBaraPåSistaSidan(k, 3);
    for (int sida = 1; sida <= 3; ++sida) {
        kontrolleraRuta(k, sida, k.nummer(), {462, 27, 92, 33});
        kontrolleraRuta(k, sida, k.bok->namn, avsändarram);
    }
    kontrolleraRuta(k, 1, "Rad 1:", {55, 259, 473, 228});
    kontrolleraRuta(k, 3, k.nettobelopp(), {340, 398, 188, 110});
}

TEST_F(MallEPdf, DeliveryNoteWithoutAmounts) {
    auto k = följesedel("E");
    kontrolleraDokument(k, 1, {595, 842}, ytor);
    kontrolleraRuta(k, 1, k.nummer(), {462, 27, 92, 33});
    kontrolleraRuta(k, 1, k.bok->namn, avsändarram);
    kontrolleraSaknas(k, 1, k.attBetala());
    kontrolleraSaknas(k, 1, k.nettobelopp());
    kontrolleraSaknas(k, 1, k.förfallodatum());
}

}  // namespace
