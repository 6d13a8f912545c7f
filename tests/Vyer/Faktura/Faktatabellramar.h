#pragma once
// For templates whose two fact tables stand about lines of the page: the
// frames of the recipient's and the sender's table on an invoice with few
// facts and on one with many, laid out with the fixed-width measurer.
#include "Vyer/Faktura/Fakturavy.h"

#include "Displaylista.h"
#include "FastMatare.h"
#include "Provfaktura.h"

#include <gtest/gtest.h>

#include <vector>

struct Faktatabellramar {
    Rect mottagare, avsändare;
};

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
        Fakturavy vy(faktura, *bok, false, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        const CachatObjekt* mottagare = displaylista::medTextSomInnehåller(alla, "Kund AB");
        const CachatObjekt* avsändare = displaylista::medTextSomInnehåller(alla, "556000-0000");
        EXPECT_TRUE(mottagare && avsändare) << displaylista::beskriv(alla);
        if (!mottagare || !avsändare) return {};
        for (const CachatObjekt* o : {mottagare, avsändare})
            EXPECT_TRUE(std::holds_alternative<cachad::stringNeedingLayoutManager>(o->data));
        ramar.push_back({displaylista::ram(*mottagare), displaylista::ram(*avsändare)});
    }
    // The second invoice's tables are longer.
    EXPECT_GT(ramar[1].mottagare.height, ramar[0].mottagare.height);
    EXPECT_GT(ramar[1].avsändare.height, ramar[0].avsändare.height);
    return ramar;
}
