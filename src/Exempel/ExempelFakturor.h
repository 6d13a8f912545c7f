#pragma once
// Sent invoices for the example ledgers: made the way sending makes them,
// in several currencies, templates and languages and in every payment
// state, with fixed UUIDs so the same ledger always gives the same bytes.
#include <cstdint>

class Bokföring;

// Adds a service and a goods article (the service the default article),
// the ROT/RUT account, and `antal` sent invoices to the ledger's customers,
// numbered from 1001. Nothing is added without customers.
void läggTillSkickadeFakturor(Bokföring& bok, int64_t antal);
