#pragma once
// The company form of the ledger's owner, stored as its code, and the form
// that a Swedish organisation number shows.
#include "Koder.h"

#include <cstdint>
#include <optional>
#include <string_view>

enum class Företagsform : int64_t {
    dödsbo = 1,
    offentligVerksamhet = 2,
    filial = 3,
    enkeltBolag = 6,
    enskildFirma = 10,
    handelsbolagEllerKommanditbolag = 9,
    aktiebolag = 5,
    ekonomiskFörening = 7,
    ideellFörening = 8,
};

constexpr int64_t kod(Företagsform form) { return static_cast<int64_t>(form); }
// The nine codes; 4 belongs to no form.
template <>
std::optional<Företagsform> frånKod<Företagsform>(int64_t kod);

// The form an organisation number shows: a personal identity number
// (month digits below 20) is a sole trader, otherwise the group digit
// decides. Characters are counted as a reader sees them; none when the
// number is too short or its digits are not digits.
std::optional<Företagsform> företagsformFrånOrganisationsnummer(std::string_view organisationsnummer);

// Strict integer parsing: an optional sign, then ASCII digits only, within
// 64 bits.
std::optional<int64_t> heltalEllerInget(std::string_view text);
