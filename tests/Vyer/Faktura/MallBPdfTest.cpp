// Template B through the tool: landscape pages, one, three and a delivery
// note, with what every reader looks for inside the template's frames.
#include "Mallprov.h"

#include <gtest/gtest.h>

namespace {

class MallBPdf : public mallprov::Mallprov {};

const std::set<std::string> ytor = {"HelveticaNeue-Bold", "HelveticaNeue-Light", "HelveticaNeue-LightItalic",
                                    "HelveticaNeue-CondensedBold"};
const Size liggande{842, 595};
const Rect nummer{662, 67, 63, 14};
const Rect förfallodatum{585, 67, 63, 14};
const Rect attBetala{641, 507, 144, 24};
const Rect poster{264, 134, 521, 203};
// The sender's table, centred on y 431 in the left column.
const Rect avsändare{38, 330, 207, 202};

TEST_F(MallBPdf, OnePage) {
    auto k = körMall("B");
    kontrolleraEnSida(k, liggande, ytor, {nummer, attBetala, förfallodatum, poster, avsändare});
}

TEST_F(MallBPdf, ThreePages) {
    auto k = körMall("B", {"--latest-items", "30", "--long-comments"});
    kontrolleraDokument(k, 3, liggande, ytor);
    for (int sida = 1; sida <= 3; ++sida) {
        kontrolleraRuta(k, sida, k.nummer(), nummer);
        kontrolleraRuta(k, sida, k.attBetala(), attBetala);
        kontrolleraRuta(k, sida, k.bok->organisationsnummer, avsändare);
    }
    kontrolleraRuta(k, 1, "Rad 1:", poster);
    for (int sida = 1; sida <= 2; ++sida) kontrolleraRuta(k, sida, k.fortsätter(), poster);
    kontrolleraBeloppenBaraPåSistaSidan(k, 3);
}

TEST_F(MallBPdf, DeliveryNote) {
    auto k = följesedel("B");
    kontrolleraDokument(k, 1, liggande, ytor);
    kontrolleraRuta(k, 1, "Konsulttimme", poster);
    kontrolleraRuta(k, 1, k.bok->organisationsnummer, avsändare);
    kontrolleraSaknas(k, 1, k.nummer());
    kontrolleraSaknas(k, 1, k.attBetala());
    kontrolleraSaknas(k, 1, k.förfallodatum());
    kontrolleraSaknas(k, 1, k.nettobelopp());
}

}  // namespace
