#pragma once
// Sent invoices for the example ledgers: made the way sending makes them,
// in several currencies, templates and languages and in every payment
// state, with fixed UUIDs so the same ledger always gives the same bytes.
#include <cstdint>
#include <optional>
#include <string>

class Bokföring;

// The latest sent invoice, the one the latest-invoice job lays out.
struct Senastefakturaval {
    // Its built-in template.
    std::string mall = "Karvomat4";
    // Its language; none: as the invoices before it take turns.
    std::optional<std::string> språk;
    // Sent to the first customer in this country; none: as the others.
    std::optional<std::string> land;
    // Its number of items; none: the usual three.
    std::optional<int64_t> antalPoster;
    // Every item carries a comment of a few lines.
    bool långaKommentarer = false;
};


// Adds a service and a goods article (the service the default article),
// the ROT/RUT account, and `antal` sent invoices to the ledger's customers,
// numbered from 1001, the last as `senaste` says. Nothing is added without
// customers.
void läggTillSkickadeFakturor(Bokföring& bok, int64_t antal, const Senastefakturaval& senaste = {});
