// What the document root does with the invoice model: it is made and
// destroyed here, where every element type of its lists is complete; it
// reads and writes its invoice columns, user templates and invoices here,
// links the invoices to their templates, gives the sent invoices their
// receivable changes, the preview its greatest ordinal, and masks what the
// invoices show of a contact. The rest of the model needs no invoice type.
#include "Modell/Affarskontakt.h"
#include "Modell/Artikel.h"
#include "Modell/Bokforing.h"
#include "Modell/Bokforingsbas.h"
#include "Modell/Dokumentlistor.h"
#include "Modell/EjRegistreradLeverantorsfaktura.h"
#include "Modell/Fakturor/EjSkickadFaktura.h"
#include "Modell/Fakturor/Faktura.h"
#include "Modell/Fakturor/Fakturakolumn.h"
#include "Modell/Fakturor/Fakturamall.h"
#include "Modell/Konto.h"
#include "Modell/Kostnadsstalle.h"
#include "Modell/LagradKod.h"
#include "Modell/Leverantorsfaktura.h"
#include "Modell/Momsniva.h"
#include "Modell/Rakenskapsar.h"
#include "Modell/SmartMapp.h"
#include "Modell/Verifikation.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace {
Land landFrånKod(const std::string& landskod) {
    if (auto land = frånKod<Land>(landskod)) return *land;
    throw std::invalid_argument("Okänt land " + landskod + "!");
}
}  // namespace

Bokföringsbas::Bokföringsbas(std::string valuta, std::string organisationsnummer, const std::string& landskod,
                             std::optional<std::string> uuid)
    : valuta(std::move(valuta)),
      organisationsnummer(std::move(organisationsnummer)),
      land(landFrånKod(landskod)),
      tillåtnaKolumner(förvaldaKolumner()),
      UUID(uuid ? std::move(*uuid) : nyUUID()) {}

Bokföringsbas::~Bokföringsbas() = default;

std::vector<Fakturakolumn> Bokföringsbas::förvaldaKolumner() {
    return {Fakturakolumn::artikelnummer, Fakturakolumn::artikelnamn, Fakturakolumn::kommentar,
            Fakturakolumn::antal,         Fakturakolumn::pris,        Fakturakolumn::belopp};
}

Fakturakolumn läsFakturakolumn(Inström& ström) { return läsKod<Fakturakolumn>(ström, "Okänd fakturakolumn"); }
void skrivFakturakolumn(Utström& ström, Fakturakolumn kolumn) { ström.writeInt64(kod(kolumn)); }

void läsFakturamallar(Inström& ström, Bokföringsbas& bok) { läsInLista(ström, bok.fakturamallar, Referenser()); }
void skrivFakturamallar(Utström& ström, const Bokföringsbas& bok) {
    skrivListaMedSparbaraObjekt(ström, bok.fakturamallar);
}

Fakturamall* Bokföring::mallMedNamn(const std::string& namn) const {
    for (const auto& mall : fakturamallar)
        if (mall->namn == namn) return mall.get();
    return nullptr;
}

void läsEjSkickadeFakturor(Inström& ström, const Referenser& ref, Bokföringsbas& bok) {
    läsInLista(ström, bok.ejSkickadeFakturor, ref);
}
void skrivEjSkickadeFakturor(Utström& ström, const Bokföringsbas& bok) {
    skrivListaMedSparbaraObjekt(ström, bok.ejSkickadeFakturor);
}

void läsSkickadeFakturor(Inström& ström, const Referenser& ref, Bokföringsbas& bok) {
    läsInLista(ström, bok.skickadeFakturor, ref);
}

void skrivSkickadeFakturor(Utström& ström, const Bokföringsbas& bok) {
    skrivListaMedSparbaraObjekt(ström, bok.skickadeFakturor);
}

void länkaSkickadeFakturorTillMallar(Bokföringsbas& bok) {
    for (auto& faktura : bok.skickadeFakturor)
        if (faktura->_namnPåEgenFakturamall) faktura->ställInFakturamallBlandMallar(bok.fakturamallar);
}

void tillämpaKundfordringsändringar(Bokföringsbas& bok, const std::vector<Verifikation*>& kandidater) {
    for (auto& faktura : bok.skickadeFakturor)
        if (!faktura->ingårInteIKundfordringar)
            faktura->kundfordringsändringar = bok.kundfordringsändringarFörFaktura(faktura->nummer(), kandidater);
}

int64_t störstaFakturaordningstal(const Bokföringsbas& bok) {
    const Faktura* senaste = senasteSkickadeFaktura(bok.skickadeFakturor);
    return senaste ? senaste->ordningstal : 0;
}

void maskeraFakturorTill(Bokföringsbas& bok, const Affärskontakt& kontakt, bool företagMaskerat, const std::string& mask) {
    for (auto& faktura : bok.skickadeFakturor) {
        if (faktura->mottagare != &kontakt) continue;
        if (faktura->erReferens_) faktura->erReferens_ = mask;
        if (företagMaskerat) faktura->_företag = mask;
    }
}

// The amounts of an unsent invoice read the document's default article
// through `bokföring`, so they must not be asked for before this.
void länkaEjSkickadeFakturor(Bokföringsbas& bok) {
    Bokföring* dokument = dynamic_cast<Bokföring*>(&bok);
    for (auto& faktura : bok.ejSkickadeFakturor) {
        faktura->ställInFakturamallBlandMallar(bok.fakturamallar);
        faktura->ställInFakturakoppling();
        faktura->bokföring = dokument;
    }
}

std::unordered_set<const Affärskontakt*> kontakterMedAktivitetSedan(const Bokföringsbas& bok, Datum gräns) {
    std::unordered_set<const Affärskontakt*> aktiva;
    for (const auto& faktura : bok.skickadeFakturor)
        if (faktura->fakturadatum_ >= gräns && faktura->mottagare) aktiva.insert(faktura->mottagare);
    for (const auto& faktura : bok.leverantörsfakturor)
        if (faktura->datum() >= gräns && faktura->avsändare) aktiva.insert(faktura->avsändare);
    return aktiva;
}
