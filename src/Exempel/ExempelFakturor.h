#pragma once
// Invoices for the example ledgers: sent ones made the way sending makes
// them, in several currencies, templates and languages and in every
// payment state, with fixed UUIDs so the same ledger always gives the same
// bytes; unsent ones in the shapes their record takes.
#include <cstdint>

class Bokföring;

// Adds a service and a goods article (the service the default article),
// the ROT/RUT account, and `antal` sent invoices to the ledger's customers,
// numbered from 1001. With `allaFormer` the invoices take the varied
// shapes of the unsent ones. Nothing is added without customers.
void läggTillSkickadeFakturor(Bokföring& bok, int64_t antal, bool allaFormer = false);

// Adds `antal` unsent invoices numbered after the ledger's invoices,
// cycling through the varied shapes (and the articles they use). Nothing
// is added without customers.
void läggTillEjSkickadeFakturor(Bokföring& bok, int64_t antal);
