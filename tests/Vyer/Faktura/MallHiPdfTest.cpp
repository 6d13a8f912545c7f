// Template Hi through the tool: one page, three pages and a delivery note,
// with what every reader looks for inside the template's frames.
#include "Mallprov.h"

#include <gtest/gtest.h>

namespace {

class MallHiPdf : public mallprov::Mallprov {};

const std::set<std::string> ytor = {"AmericanTypewriter-Bold", "AmericanTypewriter", "AmericanTypewriter-Light",
                                    "Geneva"};
// The facts' values: the number first, 2 points below the first row at y 81.
const Rect nummer{164, 83, 175, 13};
const Rect attBetala{259, 603, 275, 15};
const Rect förfallodatum{249, 630, 297, 15};
const Rect poster{62, 331, 470, 172};
// The registration table, centred on y 732 with the company's.
const Rect avsändartabell{256, 660, 217, 145};

TEST_F(MallHiPdf, OnePage) {
    auto k = körMall("Hi");
    kontrolleraEnSida(k, {595, 842}, ytor, {nummer, attBetala, förfallodatum, poster, avsändartabell});
}

// Sixteen rows with long comments fill three pages.
TEST_F(MallHiPdf, ThreePages) {
    auto k = körMall("Hi", {"--latest-items", "16", "--long-comments"});
    kontrolleraTreSidor(k, {595, 842}, ytor, nummer, attBetala, {62, 331, 470, 250});
}

// Every way of payment in German (no giro captions of its own, so IBAN and
// BIC are listed beside the giros): the registration table is set smaller
// to end within its 107 points, above the credit terms at y 793, which
// stand whole on the page.
TEST_F(MallHiPdf, EveryWayOfPaymentEndsAboveTheCreditTerms) {
    auto k = körMall("Hi", {"--every-shape", "--latest-language", "de"});
    const auto organisationsnummer = pdfkontroll::rutaFörText(k.ord, 1, k.bok->organisationsnummer);
    const auto swish = pdfkontroll::rutaFörText(k.ord, 1, "123 456 78 90");
    const auto villkor = pdfkontroll::rutaFörText(k.ord, 1, "Zahlbar");
    ASSERT_TRUE(organisationsnummer && swish && villkor);
    EXPECT_GE(organisationsnummer->y, avsändartabell.y);
    EXPECT_LE(swish->y + swish->height, 793);
    EXPECT_GE(villkor->y, 793);
    EXPECT_LT(villkor->y + villkor->height, 842 - 6);
}

TEST_F(MallHiPdf, DeliveryNote) {
    auto k = följesedel("Hi");
    kontrolleraFöljesedeln(k, {595, 842}, ytor, nummer, poster, avsändartabell);
    kontrolleraSaknas(k, 1, k.förfallodatum());
}

}  // namespace
