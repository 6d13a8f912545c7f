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
#include "Modell/Tillfalligaposter.h"
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

namespace {
void läsTomLista(Inström& ström, const char* vad) {
    if (ström.listCount() > 0)
        throw OstöddDokumentdel(std::string("Documents with ") + vad + " are not supported yet.");
}
}  // namespace

void läsArtiklar(Inström& ström, const Referenser& ref, Bokföringsbas& bok) { läsInLista(ström, bok.artiklar, ref); }
void skrivArtiklar(Utström& ström, const Bokföringsbas& bok) { skrivListaMedSparbaraObjekt(ström, bok.artiklar); }

void läsEjSkickadeFakturor(Inström& ström, const Referenser& ref, Bokföringsbas& bok) {
    läsInLista(ström, bok.ejSkickadeFakturor, ref);
}
void skrivEjSkickadeFakturor(Utström& ström, const Bokföringsbas& bok) {
    skrivListaMedSparbaraObjekt(ström, bok.ejSkickadeFakturor);
}

void läsLeverantörsfakturor(Inström& ström, const Referenser&, Bokföringsbas&) {
    läsTomLista(ström, "unregistered supplier invoices");
    läsTomLista(ström, "supplier invoices");
    läsTomLista(ström, "cash supplier invoices");
}
void skrivLeverantörsfakturor(Utström& ström, const Bokföringsbas&) {
    ström.writeInt64(0);
    ström.writeInt64(0);
    ström.writeInt64(0);
}

void läsSmartaMappar(Inström& ström, const Referenser&, Bokföringsbas&) { läsTomLista(ström, "smart folders"); }
void skrivSmartaMappar(Utström& ström, const Bokföringsbas&) { ström.writeInt64(0); }

void läsLöneutbetalningar(Inström& ström, const Referenser&, Bokföring&) { läsTomLista(ström, "payroll payments"); }
void skrivLöneutbetalningar(Utström& ström, const Bokföring&) { ström.writeInt64(0); }

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
