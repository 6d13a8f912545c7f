#pragma once
// Invoices for the example ledgers: sent ones made the way sending makes
// them, in several currencies, templates and languages and in every
// payment state, with fixed UUIDs so the same ledger always gives the same
// bytes; unsent ones in the shapes their record takes.
#include "Exempel/Exempelprofiler.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class Bokföring;

// The latest sent invoice, the one the latest-invoice job lays out.
struct Senastefakturaval {
    // Its built-in template; the standard one unless told.
    std::string mall = "Df";
    // Its language; none: as the invoices before it take turns.
    std::optional<std::string> språk;
    // Sent to the first customer in this country; none: as the others.
    std::optional<std::string> land;
    // Its number of items; none: the usual three.
    std::optional<int64_t> antalPoster;
    // Every item carries a comment of a few lines.
    bool långaKommentarer = false;
    // Every item a long description of its own.
    bool långaBenämningar = false;
    // Columns allowed besides the usual: 8 or 10 in all; none: as the
    // ledger allows.
    std::optional<int> kolumner;
    // Every fact an invoice can carry: delivery address, date and method,
    // purchase order, both references, customer number, message, ROT on a
    // house for two persons, and the ledger's credit terms in the
    // invoice's language.
    bool allaUppgifter = false;
    // An invoice discount and öre rounding: with the ROT deduction of
    // every fact, six amount rows.
    bool rabattOchAvrundning = false;
    // VAT charged to the buyer (reverse charge); it excludes ROT.
    bool omvändSkattskyldighet = false;
    // Sent to the customer of this profile, from the ledger as the profile
    // makes it, with every fact the profile fills (see
    // Exempel/Exempelprofiler.h); over `land` and the facts above.
    std::optional<Profilval> profil;
};

// Adds a service and a goods article (the service the default article),
// the ROT/RUT account, and `antal` sent invoices to the ledger's customers,
// numbered from 1001, the last as `senaste` says. With `allaFormer` the
// invoices take the varied shapes of the unsent ones; the last then takes
// the template, language, country and comments `senaste` gives but keeps
// its own items. Nothing is added without customers.
void läggTillSkickadeFakturor(Bokföring& bok, int64_t antal, const Senastefakturaval& senaste = {},
                              bool allaFormer = false);

// Adds `antal` unsent invoices numbered after the ledger's invoices,
// cycling through the varied shapes (and the articles they use). Nothing
// is added without customers.
void läggTillEjSkickadeFakturor(Bokföring& bok, int64_t antal);

// Ordinary credit terms in the invoice language `språk` (one sentence),
// or none (nullptr) for a language without them.
const char* vanligaKreditvillkor(std::string_view språk);
