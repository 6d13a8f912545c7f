// Contacts without activity for seven years lose their names when a
// document is read: the ledger keeps no personal data longer than the law
// asks of its books.
#include "Modell/Affarskontakt.h"
#include "Modell/Bokforing.h"
#include "Modell/Dokumentlistor.h"
#include "Modell/Rakenskapsar.h"
#include "Plattform/Strangar.h"

#include <array>
#include <string_view>

namespace {
// A company name that ends in a company-form suffix names no person.
bool slutarMedBolagsform(const std::string& företag) {
    static constexpr std::array<std::string_view, 11> ändelser = {
        "AB", "OY", " AS", "A/S", "HB", "KB", " INC", " INC.", " LTD", "LTD.", "GMBH"};
    std::string stora = versaler(företag);
    for (auto ändelse : ändelser)
        if (stora.size() >= ändelse.size() && stora.compare(stora.size() - ändelse.size(), ändelse.size(), ändelse) == 0)
            return true;
    return false;
}
}  // namespace

std::vector<Affärskontakt*> Bokföring::kontakterUtanAktivitetISjuÅr() const {
    Datum referensdag = Datum::idag().sjuÅrTidigare();
    const Räkenskapsår* år = nullptr;
    for (const auto& r : räkenskapsår)
        if (r->frånOchMed <= referensdag && r->tillOchMed >= referensdag) {
            år = r.get();
            break;
        }
    std::vector<Affärskontakt*> inaktiva;
    if (!år) return inaktiva;
    auto aktiva = kontakterMedAktivitetSedan(*this, år->frånOchMed);
    for (const auto& kontakt : kontakter)
        if (!kontakt->makulerad && !kontakt->behållEfter7År && !aktiva.contains(kontakt.get()))
            inaktiva.push_back(kontakt.get());
    return inaktiva;
}

void Bokföring::maskeraInaktivaKontakter() {
    for (Affärskontakt* kontakt : kontakterUtanAktivitetISjuÅr()) {
        if (kontakt->namn) kontakt->namn = mask;
        bool företagMaskerat = false;
        if (kontakt->företag && !slutarMedBolagsform(*kontakt->företag)) {
            kontakt->företag = mask;
            företagMaskerat = true;
        }
        maskeraFakturorTill(*this, *kontakt, företagMaskerat, mask);
        kontakt->makulerad = true;
    }
}
