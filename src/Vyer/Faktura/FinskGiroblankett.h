#pragma once
// The Finnish bank giro slip that templates FiGiro1 and FiGiro2 draw on
// the lower part of every page of an invoice, from the dashed cut line at
// y 552 to the foot: its ruled grid, its fixed captions (English for an
// invoice in English, else Finnish with Swedish beneath), the payee's
// account, the payer's address, the due date, the amount, and for a ledger
// in Finland the creditor reference and the bank barcode, or the reason
// the barcode cannot be made in its place: every text in a room of the
// template's plan, the lines and the barcode drawings of it.
#include "Vyer/Faktura/Fakturavy.h"
#include "Vyer/Faktura/Rumsplan.h"

#include <string>

struct Giroblankettstilar {
    TextAttributes etikett;  // "IBAN", "BIC", "Euro"
    TextAttributes rubrik;   // the captions left of the fields, right-aligned
    TextAttributes notis;    // the clearing notice
    TextAttributes värde;    // what is filled in
};
// The slip's styles on the template's faces: labels and captions in
// `normal7`, the notice in `normal6`, the values in `normal9`, all black.
Giroblankettstilar giroblankettstilar(const Font& normal7, const Font& normal6, const Font& normal9);

void finskGiroblankett(const Fakturavy& vy, const Giroblankettstilar& stilar, rumsplan::Plan& plan);

// The amount as the slip writes it: two decimals after a comma, without
// grouping or currency, whatever the machine's locale ("1234,50").
std::string girobelopp(const Decimal& belopp);
