// Templates EB and EBs through the tool: one page, three pages and a
// delivery note each, with what every reader looks for inside the
// templates' frames. The two share their page; EBs's smaller due line sits
// three points lower.
#include "Mallprov.h"

#include <gtest/gtest.h>

namespace {

struct Mall {
    std::string kod;
    std::set<std::string> ytor;
    Rect förfallodatum, attBetala;
    const char* posterFörTreSidor;  // rows with long comments
};
const Mall band_variant{"EB", {"Didot", "Didot-Italic", "Didot-Bold"}, {64, 643, 202, 21}, {333, 643, 199, 21}, "20"};
const Mall band{"EBs",
                {"HelveticaNeue", "HelveticaNeue-Italic", "HelveticaNeue-UltraLight", "HelveticaNeue-Light",
                 "HelveticaNeue-Bold", "HelveticaNeue-LightItalic"},
                {64, 646, 202, 17},
                {333, 646, 199, 17},
                "26"};

// The third fact column, standing on y 271.5.
const Rect nummer{404, 190, 180, 81.5};
const Rect poster{66, 333, 464, 179};
// The company table stands on y 807.
const Rect avsändartabell{46, 680, 162, 127};

class Band : public mallprov::Mallprov {
protected:
    void enSida(const Mall& m) {
        auto k = körMall(m.kod);
        kontrolleraDokument(k, 1, {595, 842}, m.ytor);
        kontrolleraRuta(k, 1, k.nummer(), nummer);
        kontrolleraRuta(k, 1, k.attBetala(), m.attBetala);
        kontrolleraRuta(k, 1, k.förfallodatum(), m.förfallodatum);
        kontrolleraRuta(k, 1, "Konsulttimme", poster);
        kontrolleraRuta(k, 1, k.bok->organisationsnummer, avsändartabell);
        kontrolleraBeloppenBaraPåSistaSidan(k, 1);
    }

    void treSidor(const Mall& m) {
        auto k = körMall(m.kod, {"--latest-items", m.posterFörTreSidor, "--long-comments"});
        kontrolleraDokument(k, 3, {595, 842}, m.ytor);
        for (int sida = 1; sida <= 3; ++sida) {
            kontrolleraRuta(k, sida, k.nummer(), nummer);
            kontrolleraRuta(k, sida, k.attBetala(), m.attBetala);
        }
        kontrolleraRuta(k, 1, "Rad 1:", poster);
        kontrolleraBeloppenBaraPåSistaSidan(k, 3);
    }

    void somFöljesedel(const Mall& m) {
        auto k = följesedel(m.kod);
        kontrolleraDokument(k, 1, {595, 842}, m.ytor);
        kontrolleraRuta(k, 1, k.nummer(), nummer);
        kontrolleraRuta(k, 1, "Konsulttimme", poster);
        kontrolleraRuta(k, 1, k.bok->organisationsnummer, avsändartabell);
        kontrolleraSaknas(k, 1, k.attBetala());
        kontrolleraSaknas(k, 1, k.nettobelopp());
    }
};

class MallEBPdf : public Band {};
class MallEBsPdf : public Band {};

TEST_F(MallEBPdf, OnePage) { enSida(band_variant); }
TEST_F(MallEBPdf, ThreePages) { treSidor(band_variant); }
TEST_F(MallEBPdf, DeliveryNote) { somFöljesedel(band_variant); }
TEST_F(MallEBsPdf, OnePage) { enSida(band); }
TEST_F(MallEBsPdf, ThreePages) { treSidor(band); }
TEST_F(MallEBsPdf, DeliveryNote) { somFöljesedel(band); }

}  // namespace
