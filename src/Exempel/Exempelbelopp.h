#pragma once
// Amounts of the example ledgers, given in öre so they stay exact.
#include "Plattform/Decimal.h"

#include <cstdint>

inline Decimal öre(int64_t v) { return Decimal::make(static_cast<unsigned __int128>(v < 0 ? -v : v), -2, v < 0); }
