#pragma once
// What everything outside the invoice classes reads of an invoice, unsent
// or sent alike. The layout engine reads invoices only through this class.
#include "Modell/Datum.h"
#include "Modell/Fakturor/Fakturakolumn.h"
#include "Modell/Fakturor/Fakturapostliknande.h"
#include "Modell/Fakturor/InbyggdFakturamall.h"
#include "Plattform/Decimal.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class Adress;
class Bokföring;
class Fakturamall;
class Skatteavdrag;

class Fakturaliknande {
public:
    virtual ~Fakturaliknande() = default;

    virtual Decimal attBetala() const = 0;
    virtual std::optional<std::string> erReferens() const = 0;   // the customer's reference
    virtual std::optional<std::string> vårReferens() const = 0;  // the sender's reference
    // The recipient's company name, else its name.
    virtual std::optional<std::string> företag() const = 0;
    virtual std::string nummer() const = 0;
    virtual Datum fakturadatum() const = 0;
    virtual Datum förfallodatum() const = 0;
    virtual std::optional<Datum> leveransdatum() const = 0;
    virtual std::string valuta() const = 0;
    virtual std::optional<std::string> inköpsordernummer() const = 0;
    virtual std::optional<std::string> leveranssätt() const = 0;
    virtual std::optional<std::string> meddelande() const = 0;
    virtual std::optional<std::string> momsregistreringsnummer() const = 0;  // the recipient's
    virtual int64_t betalningsfrist() const = 0;                             // days
    // In invoice order; owned by the invoice.
    virtual std::vector<const Fakturapostliknande*> fakturaposter() const = 0;
    virtual std::vector<Fakturakolumn> kolumner() const = 0;
    virtual std::optional<std::string> kundnummer() const = 0;
    virtual Skatteavdrag skatteavdrag() const = 0;
    virtual std::optional<Decimal> avdragsbelopp() const = 0;
    virtual Decimal nettobelopp() const = 0;
    virtual Decimal rabattbelopp() const = 0;
    virtual std::optional<Decimal> rabatt() const = 0;
    virtual Decimal öresutjämningsbelopp() const = 0;
    virtual bool öresutjämna() const = 0;
    virtual Decimal momsbelopp() const = 0;
    virtual Decimal beloppExklMoms() const = 0;
    virtual std::string språk() const = 0;  // two-letter code
    virtual std::optional<std::string> kreditvillkor() const = 0;
    virtual std::optional<Adress> mottagaradress() const = 0;
    // A template of the document, or null.
    virtual Fakturamall* egenFakturamall() const = 0;
    virtual std::optional<InbyggdFakturamall> inbyggdFakturamall() const = 0;
    virtual bool omvändSkattskyldighetFörMoms() const = 0;
    virtual std::string momssammanfattning() const = 0;
    virtual std::optional<std::string> rubriktextIFakturamall(const Fakturamall* mall, bool följesedel) const = 0;
    virtual std::optional<std::string> påminnelsetextIFakturamall(const Fakturamall* mall) const = 0;
    virtual std::optional<std::string> fakturaadressGivetAvsändarland(const std::string& avsändarland) const = 0;
    virtual std::optional<std::string> adressAttLevereraTillGivetAvsändarland(
        const std::string& avsändarland) const = 0;
    virtual std::optional<Adress> leveransadress() const = 0;

    // Shared by every invoice kind and built with the payment codes; the
    // definitions live with the Finnish reference and barcode, not here.
    // The codes' images are the drawing side's (Vyer/Faktura/Betalkodsbilder.h).
    int64_t finsktReferensnummer() const;
    std::string finskStreckkodssträngMedIBAN(const std::string& iban) const;  // throws on bad input
};

// Where Fakturamall is complete; lets the lookup below live in headers that
// only declare it.
const std::string& fakturamallensNamn(const Fakturamall& mall);

// The user template an invoice names: the first of `mallar` with that name,
// or none, also when the invoice names none.
template <class Lista>
Fakturamall* fakturamallMedNamn(const Lista& mallar, const std::optional<std::string>& namn) {
    if (!namn) return nullptr;
    for (const auto& mall : mallar)
        if (fakturamallensNamn(*mall) == *namn) return &*mall;
    return nullptr;
}
