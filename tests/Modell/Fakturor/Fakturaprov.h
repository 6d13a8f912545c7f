#pragma once
// A small ledger for the invoice tests: VAT levels 25, 12 and 6 %, sales
// accounts on them, articles, a default article and a customer.
#include "Modell/Affarskontakt.h"
#include "Modell/Artikel.h"
#include "Modell/Bokforing.h"
#include "Modell/Fakturor/EjSkickadFaktura.h"
#include "Modell/Konto.h"
#include "Modell/Momsniva.h"
#include "Plattform/Decimal.h"

#include <memory>
#include <string>

namespace fakturaprov {

inline Decimal D(const char* text) { return *Decimal::parseWhole(text); }

struct Bok {
    std::unique_ptr<Bokföring> bok =
        std::make_unique<Bokföring>("SEK", "5566778899", "se", std::nullopt, Företagsform::aktiebolag);

    Bok() {
        const char* nivåer[] = {"0.25", "0.12", "0.06"};
        for (int i = 0; i < 3; ++i) {
            bok->momsnivåer.push_back(std::make_unique<Momsnivå>(i, D(nivåer[i])));
            auto konto = std::make_unique<Konto>(3001 + i, "Försäljning", Kontotyp::intäkt);
            konto->momsnivå = bok->momsnivåer.back().get();
            bok->konton.push_back(std::move(konto));
        }
        bok->konton.push_back(std::make_unique<Konto>(3100, "Försäljning utan moms", Kontotyp::intäkt));
    }

    // An article on the sales account of a VAT level (0, 1, 2), or with its
    // own rate when `nivå` is negative.
    Artikel& artikel(const std::string& nummer, int nivå, const char* egenSats = "0",
                     Artikeltyp typ = Artikeltyp::varor,
                     ROT_och_RUT_kategori kategori = ROT_och_RUT_kategori::ej_rot_och_rut) {
        auto a = std::make_unique<Artikel>();
        a->nummer = nummer;
        a->ordningstal = NumreratObjekt::ordningstalFrånNummer(nummer);
        a->namn = "Artikel " + nummer;
        if (nivå >= 0) a->försäljningskonto = bok->konton[static_cast<size_t>(nivå)].get();
        a->_momssats = D(egenSats);
        a->typ = typ;
        a->rot_och_rut = kategori;
        a->pris = D("100");
        a->enhet = "st";
        bok->artiklar.push_back(std::move(a));
        return *bok->artiklar.back();
    }

    // A blank invoice attached to the ledger (not added to its list).
    std::unique_ptr<EjSkickadFaktura> faktura() {
        auto f = std::make_unique<EjSkickadFaktura>();
        f->bokföring = bok.get();
        return f;
    }
};

// An item with price, quantity and an article (or none).
inline EjSkickadFakturapost& post(EjSkickadFaktura& f, const char* pris, const char* antal, Artikel* artikel) {
    auto& p = f.läggTillPost();
    p.sättArtikel(artikel);
    p.sättPris(D(pris));
    p.sättAntal(D(antal));
    return p;
}

}  // namespace fakturaprov
