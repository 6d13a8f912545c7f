// Template Df through the tool: one page, three pages and a delivery note,
// with what every reader looks for inside the template's frames.
#include "Mallprov.h"

#include <gtest/gtest.h>

namespace {

class MallDfPdf : public mallprov::Mallprov {};

const std::set<std::string> ytor = {"HelveticaNeue-Light", "HelveticaNeue", "HelveticaNeue-Bold",
                                    "HelveticaNeue-Italic", "HelveticaNeue-CondensedBold"};
const Rect nummer{419, 37, 131, 19};
const Rect attBetala{265, 228, 273, 20};
const Rect förfallodatum{265, 259, 273, 20};
const Rect registrering{54, 733, 207, 81};
// The item area between the heavy rules, above the amount block.
const Rect poster{54, 393, 486, 250};

TEST_F(MallDfPdf, OnePage) {
    auto k = körMall("Df");
    kontrolleraEnSida(k, {595, 842}, ytor, {nummer, attBetala, förfallodatum, poster, registrering});
}

TEST_F(MallDfPdf, ThreePages) {
    auto k = körMall("Df", {"--latest-items", "40", "--long-comments"});
    kontrolleraDokument(k, 3, {595, 842}, ytor);
    for (int sida = 1; sida <= 3; ++sida) {
        kontrolleraRuta(k, sida, k.nummer(), nummer);
        kontrolleraRuta(k, sida, k.attBetala(), attBetala);
        kontrolleraRuta(k, sida, k.bok->organisationsnummer, registrering);
    }
    kontrolleraRuta(k, 1, "Rad 1:", {54, 393, 486, 299});
    kontrolleraBeloppenBaraPåSistaSidan(k, 3);
}

TEST_F(MallDfPdf, DeliveryNote) {
    auto k = följesedel("Df");
    kontrolleraFöljesedeln(k, {595, 842}, ytor, nummer, poster, registrering);
    kontrolleraSaknas(k, 1, k.förfallodatum());
}

}  // namespace
