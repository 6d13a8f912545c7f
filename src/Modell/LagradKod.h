#pragma once
// An enumeration's stored code, read inside a record.
#include "Koder.h"
#include "Modell/SkadatDokument.h"
#include "Strommar.h"

#include <cstdint>
#include <string>
#include <string_view>

// The record's next word as an `E`. A code `E` does not know makes the
// document unreadable: SkadatDokument with "<okänd> <code><var>", such as
// "Okänd artikeltyp 7 i fakturapost".
[[noreturn]] void okändKod(std::string_view okänd, int64_t kod, std::string_view var);

// Inline, the refusal apart: every row of a ledger holds a code.
template <class E>
E läsKod(Inström& ström, std::string_view okänd, std::string_view var = {}) {
    const int64_t kod = ström.int64();
    if (auto e = frånKod<E>(kod)) [[likely]]
        return *e;
    okändKod(okänd, kod, var);
}
