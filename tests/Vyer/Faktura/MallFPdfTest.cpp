// Template F through the tool: one page, three pages and a delivery note,
// with what every reader looks for inside the template's frames.
#include "Mallprov.h"

#include <gtest/gtest.h>

namespace {

class MallFPdf : public mallprov::Mallprov {};

const std::set<std::string> ytor = {"GillSans-Light", "GillSans-Italic", "GillSans", "GillSans-Bold"};
const Size stående{595, 842};
const Rect nummer{299, 56, 260, 28};
const Rect attBetala{360, 601, 150, 20};
// The fact column at the top left, where the due date stands beside the
// reference.
const Rect fakta{36, 34, 260, 200};
const Rect poster{184, 327, 328, 209};
// The registration table, ending at y 796.
const Rect registrering{241, 640, 210, 160};

TEST_F(MallFPdf, OnePage) {
    auto k = körMall("F");
    kontrolleraEnSida(k, stående, ytor, {nummer, attBetala, fakta, poster, registrering});
}

// The narrow item column wraps long comments: five items fill three pages.
TEST_F(MallFPdf, ThreePages) {
    auto k = körMall("F", {"--latest-items", "5", "--long-comments"});
    kontrolleraDokument(k, 3, stående, ytor);
    for (int sida = 1; sida <= 3; ++sida) {
        kontrolleraRuta(k, sida, k.nummer(), nummer);
        kontrolleraRuta(k, sida, k.attBetala(), attBetala);
        kontrolleraRuta(k, sida, k.förfallodatum(), fakta);
        kontrolleraRuta(k, sida, k.bok->organisationsnummer, registrering);
    }
    kontrolleraRuta(k, 1, "Rad 1:", poster);
    for (int sida = 1; sida <= 2; ++sida) kontrolleraRuta(k, sida, k.fortsätter(), poster);
    kontrolleraBeloppenBaraPåSistaSidan(k, 3);
}

// The due date stays among the facts of a delivery note.
TEST_F(MallFPdf, DeliveryNote) {
    auto k = följesedel("F");
    kontrolleraDokument(k, 1, stående, ytor);
    kontrolleraRuta(k, 1, k.nummer(), nummer);
    kontrolleraRuta(k, 1, k.förfallodatum(), fakta);
    kontrolleraRuta(k, 1, "Konsulttimme", poster);
    kontrolleraRuta(k, 1, k.bok->organisationsnummer, registrering);
    kontrolleraSaknas(k, 1, k.attBetala());
    kontrolleraSaknas(k, 1, k.nettobelopp());
}

}  // namespace
