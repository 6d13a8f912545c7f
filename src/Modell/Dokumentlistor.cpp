#include "Modell/Dokumentlistor.h"

#include "Modell/Affarskontakt.h"
#include "Modell/Bokforing.h"
#include "Modell/Fakturor/EjSkickadFaktura.h"
#include "Modell/Fakturor/Faktura.h"
#include "Modell/Fakturor/Fakturamall.h"
#include "Modell/Konto.h"
#include "Modell/Kostnadsstalle.h"
#include "Modell/Momsniva.h"
#include "Modell/Rakenskapsar.h"
#include "Modell/SkadatDokument.h"
#include "Modell/Artikel.h"
#include "Modell/EjRegistreradLeverantorsfaktura.h"
#include "Modell/KontantLeverantorsfaktura.h"
#include "Modell/Loneutbetalning.h"
#include "Modell/SmartMapp.h"
#include "Modell/VanligLeverantorsfaktura.h"
#include "Modell/Verifikation.h"

#include <stdexcept>
#include <string>

namespace {
Land landFrånKod(const std::string& landskod) {
    if (auto land = frånKod<Land>(landskod)) return *land;
    throw std::invalid_argument("Okänt land " + landskod + "!");
}
}  // namespace

// The root is made and destroyed here, where the lists' element types are
// complete.
Bokföringsbas::Bokföringsbas(std::string valuta, std::string organisationsnummer, const std::string& landskod,
                             std::optional<std::string> uuid)
    : valuta(std::move(valuta)),
      organisationsnummer(std::move(organisationsnummer)),
      land(landFrånKod(landskod)),
      tillåtnaKolumner(förvaldaKolumner()),
      UUID(uuid ? std::move(*uuid) : nyUUID()) {}

Bokföringsbas::~Bokföringsbas() = default;

void läsArtiklar(Inström& ström, const Referenser& ref, Bokföringsbas& bok) { läsInLista(ström, bok.artiklar, ref); }
void skrivArtiklar(Utström& ström, const Bokföringsbas& bok) { skrivListaMedSparbaraObjekt(ström, bok.artiklar); }

void läsEjSkickadeFakturor(Inström& ström, const Referenser& ref, Bokföringsbas& bok) {
    läsInLista(ström, bok.ejSkickadeFakturor, ref);
}
void skrivEjSkickadeFakturor(Utström& ström, const Bokföringsbas& bok) {
    skrivListaMedSparbaraObjekt(ström, bok.ejSkickadeFakturor);
}

void läsLeverantörsfakturor(Inström& ström, const Referenser& ref, Bokföringsbas& bok) {
    läsInLista(ström, bok.ejRegistreradeLeverantörsfakturor, ref);
    std::vector<std::unique_ptr<VanligLeverantörsfaktura>> vanliga;
    std::vector<std::unique_ptr<KontantLeverantörsfaktura>> kontanta;
    läsInLista(ström, vanliga, ref);
    läsInLista(ström, kontanta, ref);
    for (auto& f : vanliga) bok.leverantörsfakturor.push_back(std::move(f));
    for (auto& f : kontanta) bok.leverantörsfakturor.push_back(std::move(f));
}

// The registered supplier invoices are stored by kind: the regular ones,
// then the cash ones, each in list order.
void skrivLeverantörsfakturor(Utström& ström, const Bokföringsbas& bok) {
    skrivListaMedSparbaraObjekt(ström, bok.ejRegistreradeLeverantörsfakturor);
    std::vector<const Leverantörsfaktura*> vanliga, kontanta;
    for (const auto& f : bok.leverantörsfakturor) {
        if (dynamic_cast<const VanligLeverantörsfaktura*>(f.get())) vanliga.push_back(f.get());
        else if (dynamic_cast<const KontantLeverantörsfaktura*>(f.get())) kontanta.push_back(f.get());
    }
    for (const auto* lista : {&vanliga, &kontanta}) {
        ström.writeInt64(static_cast<int64_t>(lista->size()));
        for (const auto* f : *lista) f->spara(ström);
    }
}

void läsSmartaMappar(Inström& ström, const Referenser& ref, Bokföringsbas& bok) {
    läsInLista(ström, bok.smartaMappar, ref);
}
void skrivSmartaMappar(Utström& ström, const Bokföringsbas& bok) { skrivListaMedSparbaraObjekt(ström, bok.smartaMappar); }

void läsLöneutbetalningar(Inström& ström, const Referenser& ref, Bokföring& bok) {
    läsInLista(ström, bok.löneutbetalningar, ref);
}
void skrivLöneutbetalningar(Utström& ström, const Bokföring& bok) {
    skrivListaMedSparbaraObjekt(ström, bok.löneutbetalningar);
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
