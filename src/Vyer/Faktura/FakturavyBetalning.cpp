// The ways an invoice can be paid, each listed only where it makes sense
// for this invoice: the Swedish giro and Swish numbers for Swedish
// customers of a Swedish ledger, IBAN and BIC across borders, the bank
// account where one is given.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Adress.h"
#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Land.h"

namespace {

bool ärIfylld(const std::optional<std::string>& text) { return text && !text->empty(); }

// A Swedish number is only of use to a Swedish ledger's Swedish customer;
// an invoice without an address counts as Swedish.
bool visaSvensktNummer(const Fakturavy& vy, const std::optional<std::string>& nummer) {
    if (!ärIfylld(nummer) || vy.följesedel || kod(vy.b.land) != "se") return false;
    auto adress = vy.f.mottagaradress();
    return !adress || adress->land == "se";
}

// The giro captions are empty outside Swedish and Norwegian, yet a Swedish
// customer may get an invoice in any language: the number then goes under
// the giro's own name rather than under no caption at all.
std::string giroRubrik(std::string rubrik, std::string_view giro) {
    return rubrik.empty() ? std::string(giro) : rubrik;
}

}  // namespace

bool Fakturavy::visaBankgiro() const { return visaSvensktNummer(*this, b.bankgiro); }
bool Fakturavy::visaPlusgiro() const { return visaSvensktNummer(*this, b.plusgiro); }
bool Fakturavy::visaSwish() const { return visaSvensktNummer(*this, b.swish); }

// Listed on delivery notes too.
bool Fakturavy::visaIBAN() const {
    if (!ärIfylld(b.iban) || !ärIfylld(b.bic)) return false;
    auto adress = f.mottagaradress();
    if (!adress) return false;
    bool ingaLokalaAlternativ = rubrikFörLocalPaymentOption1().empty() && rubrikFörLocalPaymentOption2().empty();
    return ingaLokalaAlternativ || adress->land != b.adress.land;
}

bool Fakturavy::visaBankOchBankkonto() const { return ärIfylld(b.bank) && ärIfylld(b.bankkonto) && !följesedel; }

Datalista Fakturavy::betalningsinformation() const {
    Datalista lista;
    if (visaBankgiro()) lista.push_back({giroRubrik(rubrikFörLocalPaymentOption2(), "Bankgiro"), b.bankgiro});
    if (visaIBAN()) {
        lista.push_back({"IBAN", b.iban});
        lista.push_back({"SWIFT-BIC", b.bic});
    }
    if (visaBankOchBankkonto()) {
        lista.push_back({rubrikFörBank(), b.bank});
        lista.push_back({rubrikFörBankAccount(), b.bankkonto});
    }
    if (visaPlusgiro()) lista.push_back({giroRubrik(rubrikFörLocalPaymentOption1(), "Plusgiro"), b.plusgiro});
    if (visaSwish()) lista.push_back({"Swish", b.swish});
    return lista;
}
