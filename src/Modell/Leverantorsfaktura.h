#pragma once
// A supplier invoice registered in the ledger: an ordinary invoice paid
// later or a cash purchase. The record of each kind starts with the kind's
// own fields, then the common part written here, then the numbered-object
// base record.
#include "Modell/Datum.h"
#include "Modell/Leverantorsfakturapost.h"
#include "Modell/NumreratObjekt.h"
#include "Plattform/Decimal.h"

#include <optional>
#include <string>
#include <vector>

class Affärskontakt;
class Kostnadsställe;

class Leverantörsfaktura : public NumreratObjekt {
public:
    Affärskontakt* avsändare = nullptr;  // never null in a registered invoice
    std::string externtNummer;
    std::vector<Kostnadsställe*> kostnadsställen;
    std::vector<Leverantörsfakturapost> poster;
    std::string valuta = "SEK";
    Decimal växelkurs;
    std::optional<std::string> kommentar;

    // The day the invoice is dated by; today for an invoice of no kind.
    virtual Datum datum() const;

    // Writes the common part and the base record; a kind writes its own
    // fields first. An invoice without sender, or an item without account,
    // throws SkadatDokument instead of writing what could not be read back.
    void spara(Utström& ström) const override;

protected:
    Leverantörsfaktura() = default;
    // Reads the common part and the base record, after the kind's own
    // fields. The sender must be among the contacts given ("Kunde inte
    // hitta kontakt!") and every item account among the accounts.
    void läsGemensamDel(Inström& ström, const Referenser& ref);

private:
    // Whether the record carries the comment group. A record from an older
    // version is written back in its own shape while it has no comment.
    bool harSenareGrupp_ = true;
};
