#pragma once
// Cleaning a Swedish organisation number as the ledger keeps it: ten
// digits as six, a hyphen and four; a personal identity number with its
// century in front.
#include "Modell/Land.h"

#include <string>

// For Sweden: a number made of digits (10 or 12 of them, or written with
// the hyphen before the last four) becomes "NNNNNN-NNNN", or
// "CCNNNNNN-NNNN" for a personal identity number. Every other text, and
// every number of another country, is returned unchanged, so cleaning is
// stable over any number of saves.
std::string rengörOrganisationsnummer(const std::string& o, Land för);
