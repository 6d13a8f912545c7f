#pragma once
// Giving memory back to the system before the block that holds it is freed.
#include <cstdint>
#include <span>

// Hands the whole pages inside `bytes` back to the system; reading them
// afterwards gives zeros, and writing them takes fresh pages. For the
// leading part of a large buffer that its reader is done with while it
// still reads the rest. The bytes must be ordinary allocated memory.
void releaseWholePages(std::span<const uint8_t> bytes);
