// Templates NoGiro1 and NoGiro2 through the tool: the texts in their
// frames, and the giro form of the background clear of them.
#include "Mallprov.h"

#include <gtest/gtest.h>

#include <set>

namespace {

class MallNoGiroPdf : public mallprov::Mallprov {
protected:
    // The fact rows at the top right: values from x 496, 12 points a row.
    static Rect faktavärde(int rad) { return {496, 25 + 12.0 * rad, 90, 12}; }

    // Every word of the page that reaches below the form's cut edge is one
    // of the form's own labels, and every label is there.
    void kontrolleraBlanketten(const mallprov::Mallkörning& k, int sida) {
        const std::set<std::string> etiketter = {
            "KVITTERING", "Innbetalt", "til", "konto", "Beløp", "Betalerens", "kontonummer", "Blankettnummer",
            "Betalingsinformasjon", "GIRO", "Underskrift", "ved", "girering", "Betalingsfrist", "Betalt", "av",
            "Kundeidentifikasjon", "(KID)", "Kroner", "Øre", "Til", "H", ">"};
        std::set<std::string> sett;
        for (const auto& ord : k.ord) {
            if (ord.sida != sida || ord.ruta.maxY() <= 596) continue;
            EXPECT_TRUE(etiketter.count(ord.text)) << "'" << ord.text << "' at y " << ord.ruta.y << " on the form";
            sett.insert(ord.text);
        }
        EXPECT_EQ(sett, etiketter);
    }
};

const std::set<std::string> ytor = {"HelveticaNeue", "HelveticaNeue-Bold", "HelveticaNeue-Italic",
                                    "HelveticaNeue-CondensedBold"};

TEST_F(MallNoGiroPdf, OnePageOfEachVariant) {
    for (const char* kod : {"NoGiro1", "NoGiro2"}) {
        SCOPED_TRACE(kod);
        auto k = körMall(kod, {"--latest-language", "nb"});
        kontrolleraDokument(k, 1, {595, 842}, ytor);
        kontrolleraRuta(k, 1, k.nummer(), faktavärde(0));
        kontrolleraRuta(k, 1, k.förfallodatum(), faktavärde(3));
        kontrolleraRuta(k, 1, k.attBetala(), {329, 371, 224, 15});
        kontrolleraRuta(k, 1, k.nettobelopp(), {329, 325, 224, 15});
        kontrolleraRuta(k, 1, *k.faktura->fakturaposter().at(0)->artikelnamn(), {44, 179, 508, 118});
        kontrolleraRuta(k, 1, k.bok->namn, {36, 432, 194, 68});
        kontrolleraBlanketten(k, 1);
    }
}

TEST_F(MallNoGiroPdf, ThreePagesShowTheAmountsOnTheLastOnly) {
    for (const char* kod : {"NoGiro1", "NoGiro2"}) {
        SCOPED_TRACE(kod);
        auto k = körMall(kod, {"--latest-items", "20", "--long-comments"});
        kontrolleraDokument(k, 3, {595, 842}, ytor);
        kontrolleraBeloppenBaraPåSistaSidan(k, 3);
        for (int sida = 1; sida <= 3; ++sida) {
            kontrolleraRuta(k, sida, k.nummer(), faktavärde(0));
            kontrolleraRuta(k, sida, k.bok->namn, {36, 432, 194, 68});
            kontrolleraBlanketten(k, sida);
        }
        kontrolleraRuta(k, 1, "Rad 1:", {44, 179, 508, 195});
        kontrolleraRuta(k, 3, k.attBetala(), {329, 371, 224, 15});
    }
}

TEST_F(MallNoGiroPdf, DeliveryNoteSendersStandOnTheForm) {
    for (const char* kod : {"NoGiro1", "NoGiro2"}) {
        SCOPED_TRACE(kod);
        auto k = följesedel(kod);
        kontrolleraDokument(k, 1, {595, 842}, ytor);
        kontrolleraRuta(k, 1, k.bok->namn, {36, 704, 194, 68});
        kontrolleraRuta(k, 1, *k.faktura->fakturaposter().at(0)->artikelnamn(), {44, 179, 508, 519});
        kontrolleraSaknas(k, 1, k.attBetala());
        kontrolleraSaknas(k, 1, k.nettobelopp());
        kontrolleraSaknas(k, 1, k.nummer());
    }
}

}  // namespace
