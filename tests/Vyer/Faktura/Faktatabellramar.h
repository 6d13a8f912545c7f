#pragma once
// For templates whose two fact tables stand about lines of the page: the
// frames of the recipient's and the sender's table on an invoice with few
// facts, on one with many and on one with every fact and way of payment,
// laid out with the fixed-width measurer; and the room they keep to on the
// fullest invoice.
#include "Vyer/Faktura/Fakturavy.h"

#include "Displaylista.h"
#include "Modell/Skatteavdrag.h"
#include "FastMatare.h"
#include "Fullfaktura.h"
#include "Provfaktura.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

struct Faktatabellramar {
    Rect mottagare, avsändare;
};

// The two tables' frames on the invoice, each table set by the text
// engine's layout manager; nothing where either is missing.
inline std::optional<Faktatabellramar> faktatabellramarPå(const Fakturavy& vy) {
    const auto& alla = vy.innehållFörAllaSidor;
    const CachatObjekt* mottagare = displaylista::medTextSomInnehåller(alla, "Kund AB");
    const CachatObjekt* avsändare = displaylista::medTextSomInnehåller(alla, "556000-0000");
    EXPECT_TRUE(mottagare && avsändare) << displaylista::beskriv(alla);
    if (!mottagare || !avsändare) return std::nullopt;
    for (const CachatObjekt* o : {mottagare, avsändare})
        EXPECT_TRUE(std::holds_alternative<cachad::stringNeedingLayoutManager>(o->data));
    return Faktatabellramar{displaylista::ram(*mottagare), displaylista::ram(*avsändare)};
}

inline std::vector<Faktatabellramar> faktatabellramarMedFåOchMångaFakta(InbyggdFakturamall mall) {
    auto bok = prov::bokföring();
    prov::Faktura faktura;
    faktura.inbyggdFakturamall_ = mall;
    FastMätare mätare;
    std::vector<Faktatabellramar> ramar;
    for (bool många : {false, true}) {
        if (många) {
            faktura.erReferens_ = "Johan", faktura.vårReferens_ = "Anna", faktura.inköpsordernummer_ = "PO-7";
            faktura.leveransdatum_ = Datum{20261130};
            faktura.leveransadress_ = prov::Faktura::adress("Lagergatan 5", "412 50", "Göteborg");
            bok->telefon = "031-12 34 56", bok->email = "info@exempel.se", bok->hemsida = "exempel.se";
            bok->bank = "Exempelbanken", bok->bankkonto = "1234-56 789 01";
        }
        const auto r = faktatabellramarPå(Fakturavy(faktura, *bok, false, mätare));
        if (!r) return {};
        ramar.push_back(*r);
    }
    // The second invoice's tables are longer.
    EXPECT_GT(ramar[1].mottagare.height, ramar[0].mottagare.height);
    EXPECT_GT(ramar[1].avsändare.height, ramar[0].avsändare.height);
    return ramar;
}

// The fullest invoice in `språk` (Fullfaktura.h): the recipient's table
// stands between y `överst` and the logo's frame `logotyp`, the sender's
// between that frame and y `fskatt`, where the F-tax note begins; each no
// taller than its frame, both at one size so that their values keep one
// column.
inline void kontrolleraTabellernaKringLogotypen(const std::string& mall, const std::string& språk, double överst,
                                                const Rect& logotyp, double fskatt) {
    SCOPED_TRACE(mall + " " + språk);
    auto full = prov::fullfaktura(mall, språk);
    const Fakturavy& v = *full.vy;
    const auto& alla = v.innehållFörAllaSidor;
    SCOPED_TRACE(displaylista::beskriv(alla));
    const CachatObjekt* mottagaren = displaylista::medTextSomInnehåller(alla, v.rubrikFörMottagaradress());
    const CachatObjekt* avsändaren = displaylista::medTextSomInnehåller(alla, v.rubrikFörAvsändare());
    ASSERT_TRUE(mottagaren && avsändaren);
    const Rect m = displaylista::ram(*mottagaren), a = displaylista::ram(*avsändaren);
    EXPECT_GE(m.minY(), överst - 1);
    EXPECT_LE(m.maxY(), logotyp.minY());
    EXPECT_GE(a.minY(), logotyp.maxY());
    EXPECT_LE(a.maxY(), fskatt);
    for (const CachatObjekt* t : {mottagaren, avsändaren}) {
        const Rect r = displaylista::ram(*t);
        EXPECT_LE(v.mätare.boundingSize(*displaylista::text(*t), {r.width, 10000}).height, r.height + 0.5);
    }
    auto storlek = [](const CachatObjekt& t) { return displaylista::text(t)->runs().back().attributes.font->pointSize; };
    EXPECT_EQ(storlek(*mottagaren), storlek(*avsändaren));
    EXPECT_EQ(displaylista::text(*mottagaren)->paragraphStyleAt(0)->tabStops,
              displaylista::text(*avsändaren)->paragraphStyleAt(0)->tabStops);
}

// Every fact, contact detail and way of payment.
inline Faktatabellramar faktatabellramarMedAllaFakta(InbyggdFakturamall mall) {
    auto bok = prov::bokföring();
    prov::Faktura faktura;
    faktura.inbyggdFakturamall_ = mall;
    prov::allaFakta(faktura, *bok);
    faktura.leveransadress_ = prov::Faktura::adress("Lagergatan 5", "412 50", "Göteborg");
    bok->_säte = "Göteborg", bok->momsregistrerat = true;
    bok->telefon = "031-12 34 56", bok->fax = "031-12 34 57", bok->mobil = "070-123 45 67";
    bok->email = "info@exempel.se", bok->hemsida = "exempel.se";
    bok->bankgiro = "123-4567", bok->plusgiro = "12 34 56-7", bok->swish = "123 456 78 90";
    bok->iban = "SE45 5000 0000 0583 9825 7466", bok->bic = "ESSESESS";
    bok->bank = "Exempelbanken", bok->bankkonto = "1234-56 789 01";
    FastMätare mätare;
    return faktatabellramarPå(Fakturavy(faktura, *bok, false, mätare)).value_or(Faktatabellramar{});
}
