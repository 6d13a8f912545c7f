// Template G through the tool: one page, three pages and a delivery note,
// with what every reader looks for inside the template's frames.
#include "Mallprov.h"

#include <gtest/gtest.h>

namespace {

class MallGPdf : public mallprov::Mallprov {};

const std::set<std::string> ytor = {"AmericanTypewriter-Bold", "HelveticaNeue-Light", "HelveticaNeue-Italic",
                                    "HelveticaNeue-LightItalic"};
// The third fact column, standing on y 270.
const Rect nummer{400, 190, 176, 80};
const Rect attBetala{325, 646, 217, 17};
const Rect förfallodatum{56, 646, 217, 17};
const Rect poster{60, 333, 470, 179};
// The company table stands on y 807.
const Rect avsändartabell{46, 690, 162, 117};

TEST_F(MallGPdf, OnePage) {
    auto k = körMall("G");
    kontrolleraEnSida(k, {595, 842}, ytor, {nummer, attBetala, förfallodatum, poster, avsändartabell});
}

// Rows with long comments under 11-point headings: twenty-four fill three pages.
TEST_F(MallGPdf, ThreePages) {
    auto k = körMall("G", {"--latest-items", "24", "--long-comments"});
    kontrolleraDokument(k, 3, {595, 842}, ytor);
    for (int sida = 1; sida <= 3; ++sida) kontrolleraRuta(k, sida, k.nummer(), nummer);
    kontrolleraRuta(k, 3, k.attBetala(), attBetala);
    kontrolleraRuta(k, 1, "Rad 1:", {60, 333, 470, 261});
    kontrolleraBeloppenBaraPåSistaSidan(k, 3);
}

TEST_F(MallGPdf, DeliveryNote) {
    auto k = följesedel("G");
    kontrolleraFöljesedeln(k, {595, 842}, ytor, nummer, poster, avsändartabell);
}

}  // namespace
