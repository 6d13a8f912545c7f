// Templates O and V through the tool: one page, three pages and a delivery
// note each, with what every reader looks for inside the templates' frames.
// V is O's page with slate facts a little higher and a taller item table.
#include "Mallprov.h"

#include <gtest/gtest.h>

namespace {

struct Mall {
    std::string kod;
    Rect nummer;  // the third fact column
    Rect poster;  // the item rows on the last page
    Rect raderPåFörstaSidan;
};
const Mall natur{"O", {404, 190, 163, 67}, {61, 344, 472, 161}, {61, 344, 472, 259}};
const Mall vinter{"V", {404, 188, 163, 67}, {61, 299, 472, 206}, {61, 299, 472, 304}};

const std::set<std::string> ytor = {"TrebuchetMS-Bold", "TrebuchetMS-Italic", "TrebuchetMS"};
// Caption and value on one line each.
const Rect attBetala{327, 630, 223, 21};
const Rect förfallodatum{70, 630, 206, 21};
// The first sender table stands on y 807; every way of payment in the
// second lifts both.
const Rect avsändartabell{56, 620, 170, 187};

class NaturOchVinter : public mallprov::Mallprov {
protected:
    void enSida(const Mall& m) {
        auto k = körMall(m.kod);
        kontrolleraDokument(k, 1, {595, 842}, ytor);
        kontrolleraRuta(k, 1, k.nummer(), m.nummer);
        kontrolleraRuta(k, 1, k.attBetala(), attBetala);
        kontrolleraRuta(k, 1, k.förfallodatum(), förfallodatum);
        kontrolleraRuta(k, 1, "Konsulttimme", m.poster);
        kontrolleraRuta(k, 1, k.bok->organisationsnummer, avsändartabell);
        kontrolleraBeloppenBaraPåSistaSidan(k, 1);
    }

    // Rows with long comments under 12-point headings: twenty-one fill
    // three pages.
    void treSidor(const Mall& m) {
        auto k = körMall(m.kod, {"--latest-items", "21", "--long-comments"});
        kontrolleraTreSidor(k, {595, 842}, ytor, m.nummer, attBetala, m.raderPåFörstaSidan);
    }

    void somFöljesedel(const Mall& m) {
        auto k = följesedel(m.kod);
        kontrolleraDokument(k, 1, {595, 842}, ytor);
        kontrolleraRuta(k, 1, k.nummer(), m.nummer);
        kontrolleraRuta(k, 1, "Konsulttimme", m.poster);
        kontrolleraRuta(k, 1, k.bok->organisationsnummer, avsändartabell);
        kontrolleraSaknas(k, 1, k.attBetala());
        kontrolleraSaknas(k, 1, k.nettobelopp());
    }
};

class MallOPdf : public NaturOchVinter {};
class MallVPdf : public NaturOchVinter {};

TEST_F(MallOPdf, OnePage) { enSida(natur); }
TEST_F(MallOPdf, ThreePages) { treSidor(natur); }
TEST_F(MallOPdf, DeliveryNote) { somFöljesedel(natur); }
TEST_F(MallVPdf, OnePage) { enSida(vinter); }
TEST_F(MallVPdf, ThreePages) { treSidor(vinter); }
TEST_F(MallVPdf, DeliveryNote) { somFöljesedel(vinter); }

}  // namespace
