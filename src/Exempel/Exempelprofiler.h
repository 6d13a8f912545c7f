#pragma once
// Customers and a sender whose names, addresses and facts are as long as
// real ones get: a Swedish housing cooperative, a German limited
// partnership with a noble reference, a Finnish housing company; the
// ledger's own long name and two-line address; long references, order,
// delivery terms, e-mail and web addresses, bank, credit terms and
// message. Each profile has the same facts at ordinary lengths too, so an
// invoice can be compared field by field with one a layout was made for.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Bokföring;
class EjSkickadFaktura;
class Affärskontakt;

// The profiles by code: "sv", "de", "fi" (the customer's country).
const std::vector<std::string>& exempelprofiler();

struct Profilval {
    std::string kod;
    // The realistic long values; false: the same facts at ordinary length.
    bool långa = true;
};

// One text of the invoice that the profile fills, at both lengths.
struct Profilfält {
    std::string namn;  // what it is, for messages ("recipient company")
    std::string vanligt;
    std::string långt;
};

// The texts profile `kod` gives an invoice in `språk`, in no particular
// order; lines of a text are separated by '\n'. Texts the invoice may
// add to (a country line, captions) are not among them.
std::vector<Profilfält> profilfält(std::string_view kod, std::string_view språk);

// The profile's customer, added to the ledger's contacts; an unknown code
// is refused (std::invalid_argument).
Affärskontakt& profilkund(Bokföring& bok, const Profilval& val);

// The ledger as sender and the invoice's facts as the profile gives them:
// our reference, purchase order, delivery method and date, delivery
// address, message, customer number shown, credit terms in every
// language, and ROT on a house for two persons in a Swedish ledger's
// kronor invoice. The invoice's recipient is the profile's customer.
void formaEfterProfil(Bokföring& bok, EjSkickadFaktura& faktura, const Profilval& val);
