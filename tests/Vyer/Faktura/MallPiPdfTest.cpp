// Template Pi through the tool: one page, three pages and a delivery note,
// with what every reader looks for inside the template's frames.
#include "Mallprov.h"

#include <gtest/gtest.h>

namespace {

class MallPiPdf : public mallprov::Mallprov {};

const std::set<std::string> ytor = {"HelveticaNeue-Bold", "HelveticaNeue-Light", "HelveticaNeue-LightItalic",
                                    "HelveticaNeue-CondensedBold"};
const Rect nummer{27, 45, 209, 25};
const Rect attBetala{286, 679, 279, 21};
const Rect villkorsrad{286, 698, 279, 17};
const Rect poster{285, 301, 278, 233};
// The sender's table, 70 % of it above y 529, in the left column.
const Rect avsändare{27, 300, 208, 400};
// Rows of earlier pages end above the amount to pay.
const Rect raderFöreSistaSidan{285, 301, 278, 378};

TEST_F(MallPiPdf, OnePage) {
    auto k = körMall("Pi");
    kontrolleraDokument(k, 1, {595, 842}, ytor);
    kontrolleraRuta(k, 1, k.nummer(), nummer);
    kontrolleraRuta(k, 1, k.attBetala(), attBetala);
    kontrolleraRuta(k, 1, k.förfallodatum(), villkorsrad);
    kontrolleraRuta(k, 1, "Konsulttimme", poster);
    kontrolleraRuta(k, 1, k.bok->organisationsnummer, avsändare);
    kontrolleraBeloppenBaraPåSistaSidan(k, 1);
}

TEST_F(MallPiPdf, ThreePages) {
    auto k = körMall("Pi", {"--latest-items", "14", "--long-comments"});
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

TEST_F(MallPiPdf, DeliveryNote) {
    auto k = följesedel("Pi");
    kontrolleraDokument(k, 1, {595, 842}, ytor);
    kontrolleraRuta(k, 1, k.nummer(), nummer);
    kontrolleraRuta(k, 1, "Konsulttimme", poster);
    kontrolleraRuta(k, 1, k.bok->organisationsnummer, avsändare);
    kontrolleraSaknas(k, 1, k.attBetala());
    kontrolleraSaknas(k, 1, k.förfallodatum());
    kontrolleraSaknas(k, 1, k.nettobelopp());
}

}  // namespace
