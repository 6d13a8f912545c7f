// Template SL through the tool: one page, three pages and a delivery note,
// with what every reader looks for inside the template's frames.
#include "Mallprov.h"

#include <gtest/gtest.h>

namespace {

class MallSLPdf : public mallprov::Mallprov {};

const std::set<std::string> ytor = {"Futura-MediumItalic", "Futura-Medium", "Futura-CondensedExtraBold"};
// The row of facts at the head, from x 42 to x 552.
const Rect faktarad{42, 30, 510, 40};
// The amount rows from y 511, 14 apart, the total among them.
const Rect beloppsrader{424, 511, 116, 85};
const Rect förfallodatum{51, 576, 88, 88};
const Rect poster{56, 336, 483, 159};
const Rect registrering{34, 721, 161, 75};
const Rect raderFöreSistaSidan{56, 336, 483, 185};

TEST_F(MallSLPdf, OnePage) {
    auto k = körMall("SL");
    kontrolleraEnSida(k, {595, 842}, ytor, {faktarad, beloppsrader, förfallodatum, poster, registrering});
}

TEST_F(MallSLPdf, ThreePages) {
    auto k = körMall("SL", {"--latest-items", "18", "--long-comments"});
    kontrolleraDokument(k, 3, {595, 842}, ytor);
    for (int sida = 1; sida <= 3; ++sida) {
        kontrolleraRuta(k, sida, k.nummer(), faktarad);
        kontrolleraRuta(k, sida, k.förfallodatum(), förfallodatum);
        kontrolleraRuta(k, sida, k.bok->organisationsnummer, registrering);
    }
    kontrolleraRuta(k, 1, "Rad 1:", poster);
    for (int sida = 1; sida <= 2; ++sida) {
        kontrolleraRuta(k, sida, k.fortsätter(), raderFöreSistaSidan);
        kontrolleraSaknas(k, sida, k.attBetala());
    }
    kontrolleraRuta(k, 3, k.attBetala(), beloppsrader);
    kontrolleraBeloppenBaraPåSistaSidan(k, 3);
}

TEST_F(MallSLPdf, DeliveryNote) {
    auto k = följesedel("SL");
    kontrolleraDokument(k, 1, {595, 842}, ytor);
    kontrolleraRuta(k, 1, "Konsulttimme", poster);
    kontrolleraRuta(k, 1, k.bok->organisationsnummer, registrering);
    kontrolleraSaknas(k, 1, k.nummer());
    kontrolleraSaknas(k, 1, k.attBetala());
    kontrolleraSaknas(k, 1, k.förfallodatum());
    kontrolleraSaknas(k, 1, k.nettobelopp());
}

}  // namespace
