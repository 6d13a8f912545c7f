#pragma once
// A ledger for the sent-invoice tests: invoice method with booking on
// sending; receivables 1510, ROT/RUT receivable 1513, output VAT 2611
// (25 %) and 2621 (12 %), sales 3001 (25 %) and 3002 (12 %), rounding
// 3740; the service article "T" (ROT building work, on 3001, the default
// article) and the goods article "V" (on 3002); two contacts; cost centre
// P1. Numbers are written as texts so every amount is exact.
#include "Modell/Affarskontakt.h"
#include "Modell/Artikel.h"
#include "Modell/Bokforing.h"
#include "Modell/Fakturor/EjSkickadFaktura.h"
#include "Modell/Fakturor/EjSkickadFakturapost.h"
#include "Modell/Fakturor/Faktura.h"
#include "Modell/Konto.h"
#include "Modell/Kostnadsstalle.h"
#include "Modell/Momsniva.h"

#include <memory>
#include <string>

namespace fakturabok {

inline Decimal tal(const char* text) { return *Decimal::parseWhole(text); }

inline Konto* konto(Bokföring& b, int64_t nummer) { return Konto::hittaKontoMedNummer(nummer, b.konton); }

inline std::unique_ptr<Bokföring> bokföring() {
    auto b = std::make_unique<Bokföring>("SEK", "556000-0000", "se", std::string("0A1B2C3D-0000-4000-8000-00000000000B"),
                                         Företagsform::aktiebolag);
    b->namn = "Fakturor AB";
    for (auto [nr, namn, typ] : {std::tuple{1510, "Kundfordringar", Kontotyp::tillgång},
                                 std::tuple{1513, "Fordran ROT/RUT", Kontotyp::tillgång},
                                 std::tuple{1930, "Företagskonto", Kontotyp::tillgång},
                                 std::tuple{2611, "Utgående moms 25 %", Kontotyp::skuld},
                                 std::tuple{2621, "Utgående moms 12 %", Kontotyp::skuld},
                                 std::tuple{3001, "Försäljning 25 %", Kontotyp::intäkt},
                                 std::tuple{3002, "Försäljning 12 %", Kontotyp::intäkt},
                                 std::tuple{3740, "Öresutjämning", Kontotyp::kostnad}})
        b->konton.push_back(std::make_unique<Konto>(nr, namn, typ));
    auto nivå25 = std::make_unique<Momsnivå>(0, tal("0.25"));
    nivå25->kontoFörUtgåendeMoms = konto(*b, 2611);
    auto nivå12 = std::make_unique<Momsnivå>(1, tal("0.12"));
    nivå12->kontoFörUtgåendeMoms = konto(*b, 2621);
    konto(*b, 3001)->momsnivå = nivå25.get();
    konto(*b, 3001)->_momsnivåindex = 0;
    konto(*b, 3002)->momsnivå = nivå12.get();
    konto(*b, 3002)->_momsnivåindex = 1;
    b->momsnivåer.push_back(std::move(nivå25));
    b->momsnivåer.push_back(std::move(nivå12));
    b->kontoFörKundfordringar = konto(*b, 1510);
    b->kontoFörÖresutjämning = konto(*b, 3740);
    b->kontoFörROT = konto(*b, 1513);
    b->metod = Bokföringsmetod::fakturametoden;
    b->bokförFakturorAutomatiskt = true;
    b->kostnadsställen.push_back(std::make_unique<Kostnadsställe>(0, "P1", "Projekt 1"));

    auto t = std::make_unique<Artikel>();
    t->nummer = "T";
    t->ordningstal = NumreratObjekt::ordningstalFrånNummer("T");
    t->namn = "Snickeri";
    t->typ = Artikeltyp::tjänster;
    t->rot_och_rut = ROT_och_RUT_kategori::bygg;
    t->försäljningskonto = konto(*b, 3001);
    t->pris = tal("500");
    t->enhet = "tim";
    auto v = std::make_unique<Artikel>();
    v->nummer = "V";
    v->ordningstal = NumreratObjekt::ordningstalFrånNummer("V");
    v->namn = "Bok";
    v->typ = Artikeltyp::varor;
    v->försäljningskonto = konto(*b, 3002);
    v->pris = tal("99.75");
    v->enhet = "st";
    b->förvaldArtikel = t.get();
    b->artiklar.push_back(std::move(t));
    b->artiklar.push_back(std::move(v));

    auto acme = std::make_unique<Affärskontakt>(somNumrerade(b->kontakter));
    acme->företag = "Acme AB";
    acme->namn = "Eva Ek";
    acme->organisationsnummer = "556677-8899";
    acme->momsregistreringsnummer = "SE556677889901";
    acme->adress.gata = "Storgatan 1";
    acme->adress.postnummer = "111 22";
    acme->adress.postadress = "Stockholm";
    b->kontakter.push_back(std::move(acme));
    auto ola = std::make_unique<Affärskontakt>(somNumrerade(b->kontakter));
    ola->namn = "Ola Berg";
    ola->adress.land = "fi";
    b->kontakter.push_back(std::move(ola));
    return b;
}

inline Artikel* artikel(Bokföring& b, const std::string& nummer) {
    for (auto& a : b.artiklar)
        if (a->nummer == nummer) return a.get();
    return nullptr;
}

// A new unsent invoice of `b` to its first contact, dated 2024-05-02.
inline std::unique_ptr<EjSkickadFaktura> ejSkickad(Bokföring& b) {
    auto f = std::make_unique<EjSkickadFaktura>(b, std::vector<const Fakturaliknande*>{},
                                                std::vector<const NumreratObjekt*>{});
    f->mottagare = b.kontakter.front().get();
    f->sättFakturadatum(Datum(20240502));
    return f;
}

// Appends an item: `artikelnummer` empty for none (the default article).
inline EjSkickadFakturapost& post(Bokföring& b, EjSkickadFaktura& f, const std::string& artikelnummer,
                                  const char* pris, const char* antal) {
    EjSkickadFakturapost& p = f.läggTillPost();
    if (!artikelnummer.empty()) p.sättArtikel(artikel(b, artikelnummer));
    p.sättPris(tal(pris));
    p.sättAntal(tal(antal));
    return p;
}

}  // namespace fakturabok
