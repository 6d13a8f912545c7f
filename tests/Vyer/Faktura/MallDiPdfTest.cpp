// Template Di through the tool: one page, three pages and a delivery note,
// with what every reader looks for inside the template's frames.
#include "Mallprov.h"

#include <gtest/gtest.h>

namespace {

class MallDiPdf : public mallprov::Mallprov {};

const std::set<std::string> ytor = {"HelveticaNeue", "HelveticaNeue-Bold", "HelveticaNeue-CondensedBold",
                                    "HelveticaNeue-LightItalic"};
const Rect nummer{346, 60, 207, 21};
const Rect attBetala{264, 679, 280, 21};
const Rect villkorsrad{264, 698, 280, 17};
const Rect poster{264, 301, 278, 233};
// The sender's table, centred on y 506 in the left column.
const Rect avsändare{32, 300, 203, 412};
const Rect raderFöreSistaSidan{264, 301, 278, 356};

TEST_F(MallDiPdf, OnePage) {
    auto k = körMall("Di");
    kontrolleraDokument(k, 1, {595, 842}, ytor);
    kontrolleraRuta(k, 1, k.nummer(), nummer);
    kontrolleraRuta(k, 1, k.attBetala(), attBetala);
    kontrolleraRuta(k, 1, k.förfallodatum(), villkorsrad);
    kontrolleraRuta(k, 1, "Konsulttimme", poster);
    kontrolleraRuta(k, 1, k.bok->organisationsnummer, avsändare);
    kontrolleraBeloppenBaraPåSistaSidan(k, 1);
}

TEST_F(MallDiPdf, ThreePages) {
    auto k = körMall("Di", {"--latest-items", "12", "--long-comments"});
    kontrolleraDokument(k, 3, {595, 842}, ytor);
    for (int sida = 1; sida <= 3; ++sida) {
        kontrolleraRuta(k, sida, k.nummer(), nummer);
        kontrolleraRuta(k, sida, k.attBetala(), attBetala);
        kontrolleraRuta(k, sida, k.förfallodatum(), villkorsrad);
        kontrolleraRuta(k, sida, k.bok->organisationsnummer, avsändare);
    }
    kontrolleraRuta(k, 1, "Rad 1:", poster);
    for (int sida = 1; sida <= 2; ++sida) kontrolleraRuta(k, sida, "continued", raderFöreSistaSidan);
    kontrolleraBeloppenBaraPåSistaSidan(k, 3);
}

TEST_F(MallDiPdf, DeliveryNote) {
    auto k = följesedel("Di");
    kontrolleraDokument(k, 1, {595, 842}, ytor);
    kontrolleraRuta(k, 1, k.nummer(), nummer);
    kontrolleraRuta(k, 1, "Konsulttimme", poster);
    kontrolleraRuta(k, 1, k.bok->organisationsnummer, avsändare);
    kontrolleraSaknas(k, 1, k.attBetala());
    kontrolleraSaknas(k, 1, k.förfallodatum());
    kontrolleraSaknas(k, 1, k.nettobelopp());
}

}  // namespace
