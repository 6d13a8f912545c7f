// Template P through the tool: one page, three pages and a delivery note,
// with what every reader looks for inside the template's frames.
#include "Mallprov.h"

#include <gtest/gtest.h>

namespace {

class MallPPdf : public mallprov::Mallprov {};

// Swedish: the address captions are hyphenated by the invoice's language,
// and the German dictionary takes seconds to load.
const std::vector<std::string> svenska = {"--latest-language", "sv"};
std::vector<std::string> svenskaOch(std::vector<std::string> val) {
    val.insert(val.begin(), svenska.begin(), svenska.end());
    return val;
}

const std::set<std::string> ytor = {"TrebuchetMS-Bold", "TrebuchetMS-Italic", "TrebuchetMS"};
// The third fact column, centred on y 222.5.
const Rect nummer{396, 170, 185, 105};
const Rect attBetala{327, 630, 206, 21};
const Rect förfallodatum{70, 630, 206, 21};
const Rect poster{64, 356, 469, 148};
// The first sender table stands on y 807.
const Rect avsändartabell{56, 560, 146, 247};

TEST_F(MallPPdf, OnePage) {
    auto k = körMall("P", svenska);
    kontrolleraEnSida(k, {595, 842}, ytor, {nummer, attBetala, förfallodatum, poster, avsändartabell});
}

// Items with comments in 8-point rows under 12-point headings: twenty of
// them fill three pages.
TEST_F(MallPPdf, ThreePages) {
    auto k = körMall("P", svenskaOch({"--latest-items", "20", "--long-comments"}));
    kontrolleraDokument(k, 3, {595, 842}, ytor);
    for (int sida = 1; sida <= 3; ++sida) kontrolleraRuta(k, sida, k.nummer(), nummer);
    kontrolleraRuta(k, 3, k.attBetala(), attBetala);
    kontrolleraRuta(k, 1, "Rad 1:", {64, 356, 469, 236});
    kontrolleraBeloppenBaraPåSistaSidan(k, 3);
}

TEST_F(MallPPdf, DeliveryNote) {
    auto k = följesedel("P", svenska);
    kontrolleraFöljesedeln(k, {595, 842}, ytor, nummer, poster, avsändartabell);
}

}  // namespace
