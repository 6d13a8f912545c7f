#pragma once
// The payment QR code of an invoice: a compact JSON object from which a
// banking app fills in a payment (payee, account, amount, due date,
// reference), encoded as a QR symbol.
#include "Modell/Datum.h"
#include "Plattform/Decimal.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// One VAT level of the ledger, as far as the payload needs it.
struct QRMomsnivå {
    Decimal nivå;       // the rate, e.g. 0.25
    int64_t index = 0;  // 0, 1 and 2 name "vh", "vm" and "vl"; others have no member
};

// Everything the payload is made of, gathered from the invoice and the
// ledger by the caller.
struct QRkodsuppgifter {
    // From the invoice.
    Datum fakturadatum;
    Datum förfallodatum;  // unsent: invoice date plus payment term; sent: the stored due date
    std::string valuta;
    std::string nummer;
    Decimal attBetala;
    Decimal momsbelopp;
    // beloppPerMomssatsFörFaktura of the invoice: net amount per VAT rate
    // after the invoice discount.
    std::vector<std::pair<Decimal, Decimal>> beloppPerMomssats;
    // Country code of the recipient's address (the recipient contact's for
    // an unsent invoice, the stored recipient address for a sent one); none
    // for an unsent invoice without a recipient.
    std::optional<std::string> mottagarland;

    // From the ledger.
    std::string organisationsnummer;  // as stored
    std::string land;                 // the ledger's country code, "se" for a loaded document
    std::string namn;
    std::optional<std::string> plusgiro;
    std::optional<std::string> bankgiro;
    std::optional<std::string> bankkonto;
    std::optional<std::string> iban;
    std::optional<std::string> bic;
    std::vector<QRMomsnivå> momsnivåer;  // in list order
    // The ledger's address formatted for the sender's side with attention
    // included, with the recipient's country code (or the ledger's own when
    // there is no recipient). Read only when the payment goes by IBAN.
    std::string avsändaradress;
};

// The payload as compact JSON text in UTF-8, members in a fixed order;
// decimal amounts are written with their exact value. None when an amount
// is not a number, which JSON cannot express.
std::optional<std::string> qrkodsinnehåll(const QRkodsuppgifter& uppgifter);

class Bokföring;
class Fakturaliknande;
// What the QR code of an invoice of this ledger holds.
QRkodsuppgifter qrkodsuppgifterFör(const Fakturaliknande& faktura, const Bokföring& bokföring);
