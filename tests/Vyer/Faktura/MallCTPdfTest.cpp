// Templates CT1 and CT2 through the tool: one page, three pages and a
// delivery note each, with what every reader looks for inside the
// template's frames.
#include "Mallprov.h"

#include <gtest/gtest.h>

namespace {

class MallCTPdf : public mallprov::Mallprov {
protected:
    void alltidPåSidan(const mallprov::Mallkörning& k, int sida) {
        kontrolleraRuta(k, sida, k.nummer(), bandet);
        kontrolleraRuta(k, sida, k.attBetala(), attBetala);
        kontrolleraRuta(k, sida, k.förfallodatum(), betalningsblocket);
        kontrolleraRuta(k, sida, k.bok->organisationsnummer, avsändare);
    }

    const std::set<std::string> ytor = {"HelveticaNeue-Light", "HelveticaNeue-Bold", "HelveticaNeue-Italic",
                                        "HelveticaNeue-LightItalic", "HelveticaNeue-UltraLight"};
    // The band of facts from x 36 to the page's edge.
    const Rect bandet{36, 397, 559, 24};
    const Rect attBetala{341, 747, 205, 18};
    // The payment block grows upward from y 800, its right edge at x 297.
    const Rect betalningsblocket{150, 700, 147, 100};
    const Rect avsändare{36, 92, 198, 240};
    const Rect poster{50, 490, 496, 144};
};

TEST_F(MallCTPdf, OnePage) {
    for (const char* kod : {"CT1", "CT2"}) {
        SCOPED_TRACE(kod);
        auto k = körMall(kod);
        kontrolleraDokument(k, 1, {595, 842}, ytor);
        alltidPåSidan(k, 1);
        kontrolleraRuta(k, 1, "Konsulttimme", poster);
        kontrolleraBeloppenBaraPåSistaSidan(k, 1);
    }
}

TEST_F(MallCTPdf, ThreePages) {
    for (const char* kod : {"CT1", "CT2"}) {
        SCOPED_TRACE(kod);
        auto k = körMall(kod, {"--latest-items", "24", "--long-comments"});
        kontrolleraDokument(k, 3, {595, 842}, ytor);
        for (int sida = 1; sida <= 3; ++sida) alltidPåSidan(k, sida);
        kontrolleraRuta(k, 1, "Rad 1:", poster);
        // Later pages give the rows 234 points below the heading, above
        // the payment block.
        for (int sida = 1; sida <= 2; ++sida) kontrolleraRuta(k, sida, k.fortsätter(), {50, 490, 496, 246});
        kontrolleraBeloppenBaraPåSistaSidan(k, 3);
    }
}

TEST_F(MallCTPdf, DeliveryNote) {
    for (const char* kod : {"CT1", "CT2"}) {
        SCOPED_TRACE(kod);
        auto k = följesedel(kod);
        kontrolleraFöljesedeln(k, {595, 842}, ytor, bandet, poster, avsändare);
        kontrolleraSaknas(k, 1, k.förfallodatum());
    }
}

}  // namespace
