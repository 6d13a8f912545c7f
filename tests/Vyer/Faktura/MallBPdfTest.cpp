// Template B through the tool: landscape pages, one, three and a delivery
// note, with what every reader looks for inside the template's frames.
#include "Mallprov.h"

#include "Vyer/Faktura/Fakturavy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

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

// Ten columns with discounts and long comments: the comment column takes
// the room and leaves the columns beside it narrow, so that headings
// centred on their columns would meet. Every word of every heading stands
// apart from the next, in languages whose headings are long.
TEST_F(MallBPdf, ColumnHeadingsStandApart) {
    for (const char* språk : {"de", "da", "fr", "sv"}) {
        SCOPED_TRACE(språk);
        auto k = körMall("B", {"--latest-language", språk, "--discount-and-rounding", "--latest-columns", "10",
                               "--long-comments"});
        const Fakturavy vy(*k.faktura, *k.bok, false);
        size_t väntade = 0;
        for (const std::string& rubrik :
             {vy.rubrikFörNummer(), vy.rubrikFörArticleNumber(), vy.rubrikFörBeskrivning(), vy.rubrikFörRabattkolumn(),
              vy.rubrikFörKommentar(), vy.rubrikFörAntal(), vy.rubrikFörStyckpris(), vy.rubrikFörMoms(),
              vy.rubrikFörRadensBelopp()}) {
            std::istringstream ord(rubrik);
            for (std::string o; ord >> o;) ++väntade;
        }
        // The heading row: y 368 to 387, right of the sender's table.
        std::vector<pdfkontroll::Ord> rad;
        for (const auto& o : k.ord)
            if (o.sida == 1 && o.ruta.x > 250 && o.ruta.midY() > 368 && o.ruta.midY() < 387) rad.push_back(o);
        std::sort(rad.begin(), rad.end(), [](const auto& a, const auto& b) { return a.ruta.x < b.ruta.x; });
        std::string läst;
        for (const auto& o : rad) läst += " " + o.text;
        // Words that touch are read as one.
        EXPECT_EQ(rad.size(), väntade) << läst;
        for (size_t i = 1; i < rad.size(); ++i)
            EXPECT_GE(rad[i].ruta.minX(), rad[i - 1].ruta.maxX() + 1)
                << "'" << rad[i].text << "' meets '" << rad[i - 1].text << "'";
    }
}

}  // namespace
