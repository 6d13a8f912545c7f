#pragma once
// Writes small inputs as one LZVN block, which has far less overhead than an
// LZFSE block's tables.
#include "Plattform/Lzfse/LzfseMemory.h"
#include "Plattform/Lzfse/LzfseMatchFinder.h"

#include <cstdint>
#include <span>

namespace lzfse {

// LZVN distances reach at most this far back.
constexpr uint32_t lzvnMaxDistance = 65535;

// Appends one `bvxn` block holding all of `in` (which must not be empty).
void encodeLzvnBlock(std::span<const uint8_t> in, Bytes& out, MatchTables& tables);
void encodeLzvnBlock(std::span<const uint8_t> in, Bytes& out);

}  // namespace lzfse
