// Template D through the tool: one page, three pages and a delivery note,
// with what every reader looks for inside the template's frames.
#include "Mallprov.h"

#include <gtest/gtest.h>

namespace {

class MallDPdf : public mallprov::Mallprov {};

const std::set<std::string> ytor = {"Baskerville", "Baskerville-Italic", "Baskerville-SemiBold",
                                    "Baskerville-SemiBoldItalic", "Baskerville-Bold"};
const Rect nummer{35, 25, 150, 25};
const Rect attBetala{315, 659, 232, 16};
// The band of fact columns, the due date among them.
const Rect fakta{48, 214, 499, 111};
const Rect registrering{211, 753, 168, 59};
const Rect poster{48, 368, 499, 154};
// Rows of earlier pages end above the amount box.
const Rect raderFöreSistaSidan{48, 368, 499, 649 - 368};

TEST_F(MallDPdf, OnePage) {
    auto k = körMall("D");
    kontrolleraEnSida(k, {595, 842}, ytor, {nummer, attBetala, fakta, poster, registrering});
}

TEST_F(MallDPdf, ThreePages) {
    auto k = körMall("D", {"--latest-items", "22", "--long-comments"});
    kontrolleraDokument(k, 3, {595, 842}, ytor);
    for (int sida = 1; sida <= 3; ++sida) {
        kontrolleraRuta(k, sida, k.nummer(), nummer);
        kontrolleraRuta(k, sida, k.attBetala(), attBetala);
        kontrolleraRuta(k, sida, k.förfallodatum(), fakta);
        kontrolleraRuta(k, sida, k.bok->organisationsnummer, registrering);
    }
    kontrolleraRuta(k, 1, "Rad 1:", poster);
    for (int sida = 1; sida <= 2; ++sida) kontrolleraRuta(k, sida, k.fortsätter(), raderFöreSistaSidan);
    kontrolleraBeloppenBaraPåSistaSidan(k, 3);
}

TEST_F(MallDPdf, DeliveryNote) {
    auto k = följesedel("D");
    kontrolleraFöljesedeln(k, {595, 842}, ytor, nummer, poster, registrering);
}

}  // namespace
