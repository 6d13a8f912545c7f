#pragma once
// The fullest invoices a user can make, for tests of a template's layout
// and for the legibility matrix (LasbarhetTest.cpp).
#include "Exempel/Exempelbokforing.h"
#include "Modell/Fakturor/Faktura.h"
#include "Vyer/Faktura/Fakturavy.h"

#include <map>
#include <memory>
#include <string>

namespace prov {

// The customer's country for an invoice in a language: its own country,
// Sweden for Swedish.
inline std::string kundlandFör(const std::string& språk) {
    static const std::map<std::string, std::string> länder = {
        {"sv", "se"}, {"da", "dk"}, {"de", "de"}, {"en", "gb"}, {"es", "es"},
        {"fi", "fi"}, {"fr", "fr"}, {"it", "it"}, {"nl", "nl"}, {"no", "no"}};
    return länder.at(språk);
}

// One sent invoice in `mall` and `språk` with every contact detail and
// every fact, in a ledger with nothing else.
inline Exempelval allaUppgifter(const std::string& mall, const std::string& språk) {
    Exempelval val;
    val.antalVerifikationer = 0;
    val.medFakturamall = false;
    val.antalSkickadeFakturor = 1;
    val.allaKontaktuppgifter = true;
    val.senasteFaktura.mall = mall;
    val.senasteFaktura.språk = språk;
    val.senasteFaktura.allaUppgifter = true;
    return val;
}

// The fullest invoice in the language's own country, without a logo: ten
// columns of long texts, every fact, six amount rows, laid out and kept
// with its ledger.
struct Fullfaktura {
    std::unique_ptr<Bokföring> bok;
    std::unique_ptr<Fakturavy> vy;
};

inline Fullfaktura fullfaktura(const std::string& mall, const std::string& språk, bool följesedel = false) {
    Exempelval val = allaUppgifter(mall, språk);
    val.senasteFaktura.rabattOchAvrundning = true;
    val.senasteFaktura.land = kundlandFör(språk);
    val.senasteFaktura.kolumner = 10;
    val.senasteFaktura.långaBenämningar = true;
    Fullfaktura ut;
    ut.bok = byggExempelbokföring(val);
    ut.vy = std::make_unique<Fakturavy>(*ut.bok->skickadeFakturor.back(), *ut.bok, följesedel);
    return ut;
}

}  // namespace prov
