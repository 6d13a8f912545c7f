// Template FL through the tool: one page, three pages and a delivery note,
// with what every reader looks for inside the template's frames.
#include "Mallprov.h"

#include <gtest/gtest.h>

namespace {

class MallFLPdf : public mallprov::Mallprov {};

const std::set<std::string> ytor = {"GillSans-Light", "GillSans-Italic", "GillSans-LightItalic", "GillSans",
                                    "GillSans-Bold"};
// The white top line.
const Rect förfallodatum{23, 24, 148, 13};
const Rect nummer{176, 24, 153, 13};
const Rect attBetala{304, 599, 239, 18};
const Rect poster{56, 329, 482, 154};
const Rect registrering{23, 719, 171, 84};
// The column of facts, from y 67.
const Rect fakta{37, 67, 125, 250};
const Rect raderFöreSistaSidan{56, 329, 482, 198};

TEST_F(MallFLPdf, OnePage) {
    auto k = körMall("FL");
    kontrolleraDokument(k, 1, {595, 842}, ytor);
    kontrolleraRuta(k, 1, k.nummer(), nummer);
    kontrolleraRuta(k, 1, k.förfallodatum(), förfallodatum);
    kontrolleraRuta(k, 1, k.förfallodatum(), fakta);
    kontrolleraRuta(k, 1, k.attBetala(), attBetala);
    kontrolleraRuta(k, 1, "Konsulttimme", poster);
    kontrolleraRuta(k, 1, k.bok->organisationsnummer, registrering);
    kontrolleraBeloppenBaraPåSistaSidan(k, 1);
}

TEST_F(MallFLPdf, ThreePages) {
    auto k = körMall("FL", {"--latest-items", "18", "--long-comments"});
    kontrolleraDokument(k, 3, {595, 842}, ytor);
    for (int sida = 1; sida <= 3; ++sida) {
        kontrolleraRuta(k, sida, k.nummer(), nummer);
        kontrolleraRuta(k, sida, k.förfallodatum(), förfallodatum);
        kontrolleraRuta(k, sida, k.attBetala(), attBetala);
        kontrolleraRuta(k, sida, k.bok->organisationsnummer, registrering);
    }
    kontrolleraRuta(k, 1, "Rad 1:", poster);
    for (int sida = 1; sida <= 2; ++sida) kontrolleraRuta(k, sida, k.fortsätter(), raderFöreSistaSidan);
    kontrolleraBeloppenBaraPåSistaSidan(k, 3);
}

TEST_F(MallFLPdf, DeliveryNote) {
    auto k = följesedel("FL");
    kontrolleraDokument(k, 1, {595, 842}, ytor);
    kontrolleraRuta(k, 1, k.nummer(), nummer);
    kontrolleraRuta(k, 1, k.förfallodatum(), fakta);
    kontrolleraRuta(k, 1, "Konsulttimme", poster);
    kontrolleraRuta(k, 1, k.bok->organisationsnummer, registrering);
    kontrolleraSaknas(k, 1, k.attBetala());
    kontrolleraSaknas(k, 1, k.nettobelopp());
}

}  // namespace
