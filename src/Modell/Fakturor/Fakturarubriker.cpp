#include "Modell/Fakturor/Fakturarubriker.h"

#include "Modell/Fakturor/Fakturamall.h"

#include <array>
#include <string_view>

namespace {

struct Texter {
    std::string_view språk;
    std::string_view faktura;
    std::string_view kreditfaktura;
    std::string_view följesedel;
    std::string_view förstaPåminnelsen;
    std::string_view andraPåminnelsen;
};

constexpr std::array<Texter, 11> inbyggda{{
    {"sv", "FAKTURA", "KREDITFAKTURA", "Följesedel", "1:a påminnelsen", "2:a påminnelsen"},
    {"da", "FAKTURA", "KREDITNOTA", "Følgeseddel", "1. rykker", "2. rykker"},
    {"no", "FAKTURA", "KREDITFAKTURA", "Følgeseddel", "1. påminnelse", "2. påminnelse"},
    {"nb", "FAKTURA", "KREDITFAKTURA", "Følgeseddel", "1. påminnelse", "2. påminnelse"},
    {"de", "RECHNUNG", "GUTSCHRIFT", "Lieferschein", "Erste Mahnung", "Zweite Mahnung"},
    {"en", "INVOICE", "CREDIT INVOICE", "Packing slip", "1st reminder", "2nd reminder"},
    {"es", "FACTURA", "FACTURA DE CRÉDITO", "Albarán", "1er recordatorio", "2o recordatorio"},
    {"fi", "LASKU", "LUOTTOLASKU", "Pakkauslista", "1. muistutus", "2. muistutus"},
    {"fr", "FACTURE", "FACTURE D'AVOIR", "Borderau de livraison", "1er rappel", "2ème rappel"},
    // A credit invoice is a "nota di credito"; "fattura pro forma" would
    // tell the customer the document is only a quotation.
    {"it", "FATTURA", "NOTA DI CREDITO", "Distinta di imballaggio", "1° sollecito", "2° sollecito"},
    {"nl", "FACTUUR", "CREDITNOTA", "Pakbon", "Eerste herinnering", "Tweede herinnering"},
}};

// Exact, case-sensitive; an invoice in a language we have no texts for is
// better titled in English than left without a title.
const Texter& texterFör(const std::string& språk) {
    for (const auto& t : inbyggda)
        if (t.språk == språk) return t;
    for (const auto& t : inbyggda)
        if (t.språk == "en") return t;
    return inbyggda.front();
}

// The template's language version for the invoice language, if any: an
// exact match only, unlike the layout's choice of background.
const Fakturaspråk* mallensSpråk(const Fakturamall* mall, const std::string& språk) {
    if (!mall) return nullptr;
    for (const auto& s : mall->språk)
        if (s.språk == språk) return &s;
    return nullptr;
}

}  // namespace

std::optional<std::string> rubriktextFörMall(const Fakturamall* mall, const std::string& språk, Fakturastatus status,
                                             bool följesedel, bool negativtBelopp) {
    enum class Slag { faktura, kreditfaktura, följesedel };
    Slag slag = följesedel ? Slag::följesedel
                : (status == Fakturastatus::återköpt || status == Fakturastatus::kundförlust || negativtBelopp)
                    ? Slag::kreditfaktura
                    : Slag::faktura;

    if (const auto* s = mallensSpråk(mall, språk)) {
        std::string_view nyckel = slag == Slag::följesedel      ? "_packing_slip"
                                  : slag == Slag::kreditfaktura ? "_credit_invoice"
                                                                : "_invoice";
        const std::string* fras = s->fraser.värde(nyckel);
        return fras ? *fras : std::string();
    }
    const Texter& t = texterFör(språk);
    switch (slag) {
    case Slag::följesedel: return std::string(t.följesedel);
    case Slag::kreditfaktura: return std::string(t.kreditfaktura);
    case Slag::faktura: break;
    }
    return std::string(t.faktura);
}

std::optional<std::string> påminnelsetextFörMall(const Fakturamall* mall, const std::string& språk,
                                                 Fakturastatus status) {
    if (status != Fakturastatus::påmind && status != Fakturastatus::påmindFleraGånger) return std::nullopt;
    bool första = status == Fakturastatus::påmind;

    if (const auto* s = mallensSpråk(mall, språk)) {
        const std::string* fras = s->fraser.värde(första ? "_1st_reminder" : "_2nd_reminder");
        if (!fras) return std::nullopt;
        return *fras;
    }
    const Texter& t = texterFör(språk);
    return std::string(första ? t.förstaPåminnelsen : t.andraPåminnelsen);
}
