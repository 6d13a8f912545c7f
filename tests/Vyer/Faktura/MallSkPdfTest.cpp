// Template Sk through the tool: one page, three pages and a delivery note,
// with what every reader looks for inside the template's frames.
#include "Mallprov.h"

#include <gtest/gtest.h>

namespace {

class MallSkPdf : public mallprov::Mallprov {};

const std::set<std::string> ytor = {"LucidaGrande", "LucidaGrande-Bold"};
const Size stående{595, 842};
const Rect nummer{475, 37, 79, 16};
const Rect attBetala{83, 587, 229, 15};
const Rect förfallodatum{83, 573, 229, 15};
const Rect poster{78, 290, 436, 246};
// The first footer table, in white in the forest.
const Rect avsändare{34, 750, 163, 62};

TEST_F(MallSkPdf, OnePage) {
    auto k = körMall("Sk");
    kontrolleraEnSida(k, stående, ytor, {nummer, attBetala, förfallodatum, poster, avsändare});
}

TEST_F(MallSkPdf, ThreePages) {
    auto k = körMall("Sk", {"--latest-items", "16", "--long-comments"});
    kontrolleraDokument(k, 3, stående, ytor);
    for (int sida = 1; sida <= 3; ++sida) {
        kontrolleraRuta(k, sida, k.nummer(), nummer);
        kontrolleraRuta(k, sida, k.attBetala(), attBetala);
        kontrolleraRuta(k, sida, k.förfallodatum(), förfallodatum);
        kontrolleraRuta(k, sida, k.bok->organisationsnummer, avsändare);
    }
    kontrolleraRuta(k, 1, "Rad 1:", poster);
    for (int sida = 1; sida <= 2; ++sida) kontrolleraRuta(k, sida, k.fortsätter(), poster);
    kontrolleraBeloppenBaraPåSistaSidan(k, 3);
}

TEST_F(MallSkPdf, DeliveryNote) {
    auto k = följesedel("Sk");
    kontrolleraFöljesedeln(k, stående, ytor, nummer, poster, avsändare);
    kontrolleraSaknas(k, 1, k.förfallodatum());
}

}  // namespace
