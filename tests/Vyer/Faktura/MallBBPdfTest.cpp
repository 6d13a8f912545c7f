// Template BB through the tool: one page, three pages and a delivery note,
// with what every reader looks for inside the template's frames.
#include "Mallprov.h"

#include <gtest/gtest.h>

namespace {

class MallBBPdf : public mallprov::Mallprov {};

const std::set<std::string> ytor = {"CourierNewPSMT", "CourierNewPS-ItalicMT", "CourierNewPS-BoldMT"};
// The value column of the first dotted list: number, date, terms, due date.
const Rect nummer{436, 132, 128, 13};
const Rect förfallodatum{436, 171, 128, 13};
const Rect attBetala{80, 311, 435, 15};
// The right sender box at (315, 725, 243, 88), which the example's every
// way of payment makes rise towards the credit terms.
const Rect högraAvsändarrutan{315, 686, 243, 127};
const Rect poster{80, 367, 434, 172};

TEST_F(MallBBPdf, OnePage) {
    auto k = körMall("BB");
    kontrolleraEnSida(k, {595, 842}, ytor, {nummer, attBetala, förfallodatum, poster, högraAvsändarrutan});
}

TEST_F(MallBBPdf, ThreePages) {
    auto k = körMall("BB", {"--latest-items", "12", "--long-comments"});
    kontrolleraDokument(k, 3, {595, 842}, ytor);
    for (int sida = 1; sida <= 3; ++sida) {
        kontrolleraRuta(k, sida, k.nummer(), nummer);
        kontrolleraRuta(k, sida, k.attBetala(), attBetala);
        kontrolleraRuta(k, sida, k.bok->organisationsnummer, högraAvsändarrutan);
    }
    kontrolleraRuta(k, 1, "Rad 1:", poster);
    // Later pages give the rows 264 points.
    kontrolleraRuta(k, 2, k.fortsätter(), {80, 367, 434, 264 + 15});
    kontrolleraBeloppenBaraPåSistaSidan(k, 3);
}

TEST_F(MallBBPdf, DeliveryNote) {
    auto k = följesedel("BB");
    kontrolleraFöljesedeln(k, {595, 842}, ytor, nummer, poster, högraAvsändarrutan);
    kontrolleraSaknas(k, 1, k.förfallodatum());
}

}  // namespace
