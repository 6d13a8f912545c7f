#pragma once
// Sums and products of sizes read from a file, stopping at the largest
// value instead of wrapping round to a small one that would pass a limit.
#include <cstdint>

namespace saturating {

inline uint64_t plus(uint64_t a, uint64_t b) { return a > UINT64_MAX - b ? UINT64_MAX : a + b; }
inline uint64_t times(uint64_t a, uint64_t b) { return b != 0 && a > UINT64_MAX / b ? UINT64_MAX : a * b; }

}  // namespace saturating
