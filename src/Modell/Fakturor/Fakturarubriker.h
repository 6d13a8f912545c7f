#pragma once
// The title of an invoice page ("FAKTURA", "CREDIT INVOICE", "Packing
// slip", ...) and its reminder line, in the invoice's language. A user
// template's own phrases, when it has a version in that language, replace
// the built-in texts entirely.
#include "Modell/Fakturor/Fakturastatus.h"

#include <optional>
#include <string>

class Fakturamall;

// A delivery note when `följesedel`; else a credit invoice when the status
// is `återköpt` or `kundförlust` or the amount is negative; else an invoice.
// From a matching template language a missing phrase gives "". A language
// without built-in texts gets the English ones.
std::optional<std::string> rubriktextFörMall(const Fakturamall* mall, const std::string& språk, Fakturastatus status,
                                             bool följesedel, bool negativtBelopp);

// Only for `påmind` and `påmindFleraGånger`; none for every other status,
// and none from a matching template language that lacks the phrase. A
// language without built-in texts gets the English ones.
std::optional<std::string> påminnelsetextFörMall(const Fakturamall* mall, const std::string& språk,
                                                 Fakturastatus status);
