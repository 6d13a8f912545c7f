#pragma once
// Templates with their facts in a narrow column on the left and the item
// column on the right, whose foot holds the amount to pay over the
// payment-term line on every page of an invoice (Pi, Di): their frames,
// and the checks both go through, on the view with the fixed-width
// measurer and through the tool.
#include "Vyer/Faktura/Fakturavy.h"

#include "Displaylista.h"
#include "FastMatare.h"
#include "Mallprov.h"
#include "Provfaktura.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

struct Högerspalt {
    InbyggdFakturamall mall;
    std::string kod;
    std::set<std::string> typsnitt;
    Rect nummer, datum;
    double x, bredd;                // of the payment-term line and the amount to pay
    Rect förstaBeloppsrad, moms;    // on the last page
    Rect poster;                    // the item data area of the first page
    Rect avsändare;                 // where the sender's table may stand
    int posterPåTreSidor;           // items (with long comments) that fill three pages
};

inline const Högerspalt pixi{InbyggdFakturamall::Pixi,
                             "Pi",
                             {"HelveticaNeue-Bold", "HelveticaNeue-Light", "HelveticaNeue-LightItalic",
                              "HelveticaNeue-CondensedBold"},
                             {27, 45, 209, 25},
                             {27, 64, 209, 17},
                             286,
                             279,
                             {430, 566, 133, 15},
                             {285, 566, 132, 74},
                             {285, 301, 278, 233},
                             {27, 300, 208, 400},
                             8};
inline const Högerspalt diagonal{InbyggdFakturamall::Diagonal,
                                 "Di",
                                 {"HelveticaNeue", "HelveticaNeue-Bold", "HelveticaNeue-CondensedBold",
                                  "HelveticaNeue-LightItalic"},
                                 {346, 60, 207, 21},
                                 {476, 80, 77, 17},
                                 264,
                                 280,
                                 {408, 567, 135, 15},
                                 {264, 566, 132, 74},
                                 {264, 301, 278, 233},
                                 {32, 300, 203, 412},
                                 8};

// DotRed and DotGrey share their frames; three amount rows (net, VAT,
// total) start at y 597 - 7 x 3.
inline Högerspalt prickar(InbyggdFakturamall mall, std::string kod) {
    return {mall,
            std::move(kod),
            {"HelveticaNeue-CondensedBold", "HelveticaNeue-Bold", "HelveticaNeue-Light", "HelveticaNeue-LightItalic",
             "HelveticaNeue-Italic"},
            {340, 169, 207, 21},
            {259, 156, 77, 17},
            264,
            280,
            {408, 576, 135, 15},
            {264, 566, 132, 74},
            {264, 301, 278, 228},
            {30, 371, 205, 260},
            8};
}
inline const Högerspalt rödaPrickar = prickar(InbyggdFakturamall::RödaPrickar, "DotRed");
inline const Högerspalt gråPrickar = prickar(InbyggdFakturamall::GråPrickar, "DotGrey");

// The amount to pay stands at y 679 on every page: the rows of earlier
// pages end above it.
constexpr double högerspaltensAttBetala = 679;

// An invoice and its delivery note: number, date, the foot lines of the
// item column and the last page's amounts, each where the template puts
// it or left out; then an invoice over several pages.
inline void kontrolleraHögerspalten(const Högerspalt& h) {
    using namespace displaylista;
    auto bok = prov::bokföring();
    prov::Faktura faktura;
    faktura.inbyggdFakturamall_ = h.mall;
    FastMätare mätare;
    for (bool följesedel : {false, true}) {
        SCOPED_TRACE(följesedel ? "delivery note" : "invoice");
        Fakturavy vy(faktura, *bok, följesedel, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));
        const CachatObjekt* nummer = medText(alla, "1042");
        ASSERT_TRUE(nummer);
        EXPECT_EQ(ram(*nummer), h.nummer);
        EXPECT_EQ(medRam(alla, h.datum) != nullptr, !följesedel) << "date";
        EXPECT_EQ(medRam(alla, {h.x, 698, h.bredd, 17}) != nullptr, !följesedel) << "payment-term line";
        EXPECT_EQ(medRam(alla, {h.x, 679, h.bredd, 21}) != nullptr, !följesedel) << "amount to pay";
        const auto& sista = vy.innehållFörVarjeSida.back();
        EXPECT_EQ(medRam(sista, h.förstaBeloppsrad) != nullptr, !följesedel) << beskriv(sista);
        EXPECT_EQ(medRam(sista, h.moms) != nullptr, !följesedel) << "VAT summary";
    }

    prov::Post post;
    faktura.poster.assign(80, post);
    Fakturavy vy(faktura, *bok, false, mätare);
    ASSERT_GE(vy.antalSidor(), 3);
    for (int s = 0; s + 1 < vy.antalSidor(); ++s) {
        const auto& lista = vy.innehållFörVarjeSida[size_t(s)];
        SCOPED_TRACE("page " + std::to_string(s + 1) + ": " + beskriv(lista));
        ASSERT_TRUE(medTextSomInnehåller(lista, "fortsätter på sida"));
        for (const auto& o : lista) EXPECT_LE(ram(o).maxY(), högerspaltensAttBetala) << beskriv(o);
    }
}

// Through the tool: one page, three pages and a delivery note.
class HögerspaltPdf : public mallprov::Mallprov {
protected:
    void enSida(const Högerspalt& h) {
        auto k = körMall(h.kod);
        kontrolleraDokument(k, 1, {595, 842}, h.typsnitt);
        kontrolleraAllaSidor(k, h, 1);
        kontrolleraRuta(k, 1, "Konsulttimme", h.poster);
        kontrolleraBeloppenBaraPåSistaSidan(k, 1);
    }

    void treSidor(const Högerspalt& h) {
        auto k = körMall(h.kod, {"--latest-items", std::to_string(h.posterPåTreSidor), "--long-comments"});
        kontrolleraDokument(k, 3, {595, 842}, h.typsnitt);
        for (int sida = 1; sida <= 3; ++sida) kontrolleraAllaSidor(k, h, sida);
        kontrolleraRuta(k, 1, "Rad 1:", h.poster);
        const Rect raderFöreSistaSidan{h.poster.x, h.poster.y, h.poster.width, högerspaltensAttBetala - h.poster.y};
        for (int sida = 1; sida <= 2; ++sida) kontrolleraRuta(k, sida, k.fortsätter(), raderFöreSistaSidan);
        kontrolleraBeloppenBaraPåSistaSidan(k, 3);
    }

    void följesedeln(const Högerspalt& h) {
        auto k = följesedel(h.kod);
        kontrolleraDokument(k, 1, {595, 842}, h.typsnitt);
        kontrolleraRuta(k, 1, k.nummer(), h.nummer);
        kontrolleraRuta(k, 1, "Konsulttimme", h.poster);
        kontrolleraRuta(k, 1, k.bok->organisationsnummer, h.avsändare);
        kontrolleraSaknas(k, 1, k.attBetala());
        kontrolleraSaknas(k, 1, k.förfallodatum());
        kontrolleraSaknas(k, 1, k.nettobelopp());
    }

private:
    void kontrolleraAllaSidor(const mallprov::Mallkörning& k, const Högerspalt& h, int sida) {
        kontrolleraRuta(k, sida, k.nummer(), h.nummer);
        kontrolleraRuta(k, sida, k.attBetala(), {h.x, 679, h.bredd, 21});
        kontrolleraRuta(k, sida, k.förfallodatum(), {h.x, 698, h.bredd, 17});
        kontrolleraRuta(k, sida, k.bok->organisationsnummer, h.avsändare);
    }
};
