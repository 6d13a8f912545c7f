#pragma once
// What everything outside the invoice classes reads of an invoice item,
// unsent or sent alike.
#include "Plattform/Decimal.h"

#include <optional>
#include <string>

class Fakturapostliknande {
public:
    virtual ~Fakturapostliknande() = default;

    virtual Decimal momssats() const = 0;  // as a fraction: 0.25 for 25 %
    virtual Decimal momsbelopp() const = 0;
    virtual Decimal beloppExklMoms() const = 0;
    virtual Decimal belopp() const = 0;  // including VAT
    virtual Decimal pris() const = 0;    // unit price
    virtual Decimal antal() const = 0;
    virtual std::optional<std::string> enhet() const = 0;
    virtual std::optional<std::string> artikelnamn() const = 0;  // the item's text
    virtual std::optional<std::string> artikelnummer() const = 0;
    virtual std::optional<std::string> kommentar() const = 0;
    virtual Decimal prisInklMoms() const = 0;
    virtual std::optional<std::string> rabattbeskrivning() const = 0;  // the discount as text
};
