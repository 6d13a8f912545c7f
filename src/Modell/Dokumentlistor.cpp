#include "Modell/Dokumentlistor.h"

#include "Modell/Affarskontakt.h"
#include "Modell/Bokforing.h"
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

// The invoice records are not part of this build: no document object can
// hold an invoice, so the lists' element types need no more than a name.
class EjSkickadFaktura {};
class Faktura {};

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

void läsArtiklar(Inström& ström, const Referenser&, Bokföringsbas&) { läsTomLista(ström, "articles"); }
void skrivArtiklar(Utström& ström, const Bokföringsbas&) { ström.writeInt64(0); }

void läsEjSkickadeFakturor(Inström& ström, const Referenser&, Bokföringsbas&) {
    läsTomLista(ström, "unsent invoices");
}
void skrivEjSkickadeFakturor(Utström& ström, const Bokföringsbas&) { ström.writeInt64(0); }

void läsSkickadeFakturor(Inström& ström, const Referenser&, Bokföringsbas&) { läsTomLista(ström, "sent invoices"); }
void skrivSkickadeFakturor(Utström& ström, const Bokföringsbas&) { ström.writeInt64(0); }

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

void länkaSkickadeFakturorTillMallar(Bokföringsbas&) {}
void länkaEjSkickadeFakturor(Bokföringsbas&) {}
void tillämpaKundfordringsändringar(Bokföringsbas&, const std::vector<Verifikation*>&) {}
int64_t störstaFakturaordningstal(const Bokföringsbas&) { return 0; }

std::unordered_set<const Affärskontakt*> kontakterMedAktivitetSedan(const Bokföringsbas& bok, Datum gräns) {
    std::unordered_set<const Affärskontakt*> aktiva;
    for (const auto& faktura : bok.leverantörsfakturor)
        if (faktura->datum >= gräns && faktura->avsändare) aktiva.insert(faktura->avsändare);
    return aktiva;
}

void maskeraFakturorTill(Bokföringsbas&, const Affärskontakt&, bool, const std::string&) {}
