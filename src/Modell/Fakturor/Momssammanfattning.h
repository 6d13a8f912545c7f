#pragma once
// The VAT summary of an invoice: the net amount each VAT rate is charged
// on, after the invoice discount, one line per rate. Works on any invoice
// through the invoice interface, so unsent and sent invoices give the same
// table from the same values.
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Plattform/Decimal.h"

#include <string>
#include <utility>
#include <vector>

// Rate → net amount excluding VAT, one entry per rate (rates compared by
// value), in the order the rates first appear among the items. Under
// reverse charge the one entry 0 → the amount to pay; without items none.
std::vector<std::pair<Decimal, Decimal>> beloppPerMomssatsFörFaktura(const Fakturaliknande& faktura);

// Lines "<rate in per cent>:\t<amount>", highest rate first, joined by the
// line separator U+2028. `bytTecken` shows every amount with its sign
// changed (credit invoices).
std::string momssammanfattningFörFaktura(const Fakturaliknande& faktura, bool bytTecken);
