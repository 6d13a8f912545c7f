// Template Fr through the tool: one page, three pages and a delivery note,
// with what every reader looks for inside the template's frames.
#include "Mallprov.h"

#include <gtest/gtest.h>

namespace {

class MallFrPdf : public mallprov::Mallprov {};

const std::set<std::string> ytor = {"HelveticaNeue-Light", "HelveticaNeue-Bold", "HelveticaNeue-LightItalic",
                                    "HelveticaNeue-CondensedBold"};
const Size stående{595, 842};
const Rect nummer{254, 183, 298, 21};
const Rect attBetala{259, 626, 284, 16};
// The payment terms line ends on the due date.
const Rect villkorsrad{259, 649, 292, 15};
const Rect poster{259, 287, 285, 233};
// The sender's table about its middle (127, 481.5), at most 197 wide.
const Rect avsändare{29, 380, 197, 203};

TEST_F(MallFrPdf, OnePage) {
    auto k = körMall("Fr");
    kontrolleraEnSida(k, stående, ytor, {nummer, attBetala, villkorsrad, poster, avsändare});
}

// The narrow description column wraps long comments and German captions:
// eight items fill three pages, whose rows run on through the amount
// line before the last.
TEST_F(MallFrPdf, ThreePages) {
    auto k = körMall("Fr", {"--latest-items", "8", "--long-comments", "--latest-language", "de"});
    kontrolleraDokument(k, 3, stående, ytor);
    for (int sida = 1; sida <= 3; ++sida) {
        kontrolleraRuta(k, sida, k.nummer(), nummer);
        kontrolleraRuta(k, sida, k.bok->organisationsnummer, avsändare);
    }
    // The payment terms line, with the due date, and the amount to pay,
    // where no rows run.
    for (int sida = 1; sida <= 2; ++sida) {
        kontrolleraSaknas(k, sida, k.förfallodatum());
        kontrolleraSaknas(k, sida, k.attBetala());
    }
    kontrolleraRuta(k, 3, k.förfallodatum(), villkorsrad);
    kontrolleraRuta(k, 1, "Rad 1:", {259, 287, 285, 374});
    // The continuation line stands on its own line below the last row.
    for (int sida = 1; sida <= 2; ++sida) kontrolleraRuta(k, sida, k.fortsätter(), {259, 287, 285, 374 + 12});
    kontrolleraRuta(k, 3, k.attBetala(), attBetala);
    kontrolleraBeloppenBaraPåSistaSidan(k, 3);
}

TEST_F(MallFrPdf, DeliveryNote) {
    auto k = följesedel("Fr");
    kontrolleraFöljesedeln(k, stående, ytor, nummer, poster, avsändare);
    kontrolleraSaknas(k, 1, k.förfallodatum());
}

}  // namespace
