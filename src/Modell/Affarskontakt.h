#pragma once
// A customer or supplier of the ledger. Invoices and supplier invoices
// refer to a contact by its number text.
#include "Koder.h"
#include "Modell/Adress.h"
#include "Modell/NumreratObjekt.h"
#include "Plattform/Bytes.h"
#include "Plattform/Decimal.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class Kontakttyp : int64_t { okänd = 0, kund = 1, leverantör = 2, bådeOch = 3 };

constexpr int64_t kod(Kontakttyp t) { return static_cast<int64_t>(t); }
template <>
std::optional<Kontakttyp> frånKod<Kontakttyp>(int64_t kod);  // 0 to 3 only

class Affärskontakt : public NumreratObjekt {
public:
    std::optional<std::string> namn;
    std::optional<std::string> företag;
    Adress adress;
    std::optional<Adress> leveransadress;
    std::optional<std::string> mobil;
    std::optional<std::string> epost;
    std::optional<std::string> hemsida;
    std::optional<std::string> momsregistreringsnummer;
    std::optional<std::string> organisationsnummer;
    std::optional<std::string> andraOrganisationsnummer;
    std::optional<std::string> gln;
    std::optional<std::string> telefon;
    std::optional<std::string> kommentar;
    bool behållEfter7År = true;
    std::optional<Decimal> standardrabatt;
    bool makulerad = false;
    std::optional<std::string> fastighetsbeteckning;
    std::optional<std::string> bostadsrättsförening;
    std::optional<std::string> lägenhetsnummer;
    bool avböjLogotyp = false;
    // The stored image exactly as it was read; it is written back unchanged
    // so that a picture we cannot decode is never lost.
    std::optional<Bytes> logotyp;
    Kontakttyp typ = Kontakttyp::kund;

    Affärskontakt() = default;
    // A new contact numbered after the earlier ones.
    explicit Affärskontakt(const std::vector<const NumreratObjekt*>& tidigare) : NumreratObjekt(tidigare) {}
    Affärskontakt(Inström& ström, const Referenser& ref);
    void spara(Utström& ström) const override;

    bool kund() const { return typ == Kontakttyp::kund || typ == Kontakttyp::bådeOch; }
    bool leverantör() const { return typ == Kontakttyp::leverantör || typ == Kontakttyp::bådeOch; }
    void sättKund(bool ärKund);
    void sättLeverantör(bool ärLeverantör);

    // One-line label: the company, then " / " and the person when they
    // differ; the empty string when neither is known.
    std::string alternativBeskrivning() const;

    // Over the company and person names; equal names hash alike although
    // two contacts are only ever equal to themselves.
    size_t hashValue() const;
    friend bool operator==(const Affärskontakt& a, const Affärskontakt& b) { return &a == &b; }

private:
    // How many of the later field groups the record carries. A record read
    // from an older version is written back in its own shape unless a field
    // of a missing group has since been given a value.
    int senareGrupper_ = 2;
};
