#pragma once
// Records of every kind in each of their shapes, for example ledgers that
// exercise the whole document format (fuzzing seeds, round-trip tests).
class Bokföring;

// Adds, to a ledger with the example chart of accounts: optional fields of
// the ledger, its accounts, VAT levels and cost centres given; articles of
// each kind; contacts of each type with every optional field and a
// delivery address on every other customer; two more user templates (one
// with three languages and a background page, one empty); a closed fiscal
// year whose entries and rows carry every optional field; supplier
// invoices of each kind and payment; smart folders of each kind; payroll
// payments and an open reporting period. Call it before adding invoices,
// which use the contacts and templates.
void läggTillAllaPostformer(Bokföring& bok);
