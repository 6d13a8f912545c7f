#pragma once
// A small ledger for the import's tests, benchmark and fuzz target: the
// accounts 1930, 2440, 3001, 5010 and 6071; cost centres P1 and P2 in
// dimension 0 and another P1 in dimension 1; fiscal year "2023" holding
// entries 1 to 10, fiscal year "2024" (closed) holding entries 1 to 5, and
// a year "2026" from 2026-01-01 with no entry; one pending entry; two
// contacts.
#include "Modell/Bokforing.h"

#include <cstdint>
#include <memory>

namespace importexempel {

// `antalI2023` entries in the first year (10 in the small example).
std::unique_ptr<Bokföring> dokument(int64_t antalI2023 = 10);

}  // namespace importexempel
