#pragma once
// The item columns an invoice can show. Each is a single bit flag; documents
// store one word per column, never several flags or-ed together.
#include "Koder.h"

#include <array>
#include <cstdint>
#include <optional>

enum class Fakturakolumn : int64_t {
    radnummer = 1,
    artikelnummer = 2,
    artikelnamn = 4,
    rabatt = 8,
    kommentar = 16,
    antal = 32,
    enhet = 64,
    pris = 128,
    prisInklMoms = 256,
    momssats = 512,
    momsbelopp = 1024,
    belopp = 2048,
    beloppInklMoms = 4096,
};

// Every case in declaration order.
const std::array<Fakturakolumn, 13>& allaFakturakolumner();

inline int64_t kod(Fakturakolumn kolumn) { return static_cast<int64_t>(kolumn); }
// Exactly the 13 flags; 0, negatives and sums of flags give none.
template <>
std::optional<Fakturakolumn> frånKod<Fakturakolumn>(int64_t kod);
