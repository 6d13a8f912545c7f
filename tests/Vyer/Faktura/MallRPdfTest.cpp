// Template R through the tool: the slot values, the amount to pay and the
// sender where the template's frames put them.
#include "Mallprov.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace {

class MallRPdf : public mallprov::Mallprov {
protected:
    // The amount to pay stands in its frame; on the last page the total row
    // above it shows the same amount, so only the words from the frame's
    // top down are read.
    void kontrolleraAttBetala(const mallprov::Mallkörning& k, int sida) {
        mallprov::Mallkörning nedtill;
        nedtill.faktura = k.faktura;
        std::copy_if(k.ord.begin(), k.ord.end(), std::back_inserter(nedtill.ord),
                     [](const pdfkontroll::Ord& o) { return o.ruta.y >= 590; });
        kontrolleraRuta(nedtill, sida, k.attBetala(), {319, 596, 219, 20});
    }
};

const std::set<std::string> ytor = {"HelveticaNeue-Italic", "HelveticaNeue-Light", "HelveticaNeue-CondensedBlack",
                                    "HelveticaNeue", "HelveticaNeue-UltraLightItalic", "HelveticaNeue-LightItalic"};
const Rect plats1{108, 93, 160, 20}, plats3{123, 142, 160, 20};
const Rect avsändarram{146, 733, 145, 73};

TEST_F(MallRPdf, OnePage) {
    auto k = körMall("R");
    kontrolleraDokument(k, 1, {595, 842}, ytor);
    kontrolleraRuta(k, 1, k.nummer(), plats1);
    kontrolleraRuta(k, 1, k.förfallodatum(), plats3);
    kontrolleraAttBetala(k, 1);
    kontrolleraRuta(k, 1, k.nettobelopp(), {319, 508, 219, 15});
    kontrolleraRuta(k, 1, *k.faktura->fakturaposter().at(0)->artikelnamn(), {45, 319, 493, 163});
    kontrolleraRuta(k, 1, k.bok->namn, avsändarram);
}

TEST_F(MallRPdf, ThreePagesShowTheAmountRowsOnTheLastOnly) {
    auto k = körMall("R", {"--latest-items", "20", "--long-comments"});
    kontrolleraDokument(k, 3, {595, 842}, ytor);
    kontrolleraBeloppenBaraPåSistaSidan(k, 3);
    for (int sida = 1; sida <= 3; ++sida) {
        kontrolleraRuta(k, sida, k.nummer(), plats1);
        kontrolleraAttBetala(k, sida);
        kontrolleraRuta(k, sida, k.bok->namn, avsändarram);
    }
    kontrolleraRuta(k, 1, "Rad 1:", {45, 319, 493, 250});
}

TEST_F(MallRPdf, DeliveryNoteWithoutAmounts) {
    auto k = följesedel("R");
    kontrolleraDokument(k, 1, {595, 842}, ytor);
    kontrolleraRuta(k, 1, k.bok->namn, avsändarram);
    kontrolleraSaknas(k, 1, k.attBetala());
    kontrolleraSaknas(k, 1, k.nettobelopp());
    // The invoice's own facts come after the others but keep their slots.
    kontrolleraRuta(k, 1, k.förfallodatum(), {108, 93, 370, 616});
}

}  // namespace
