#pragma once
// The codec's byte blocks and what it asks of the system's memory. The
// codec stands on nothing else of the program.
#include <cstdint>
#include <span>
#include <vector>

namespace lzfse {

using Bytes = std::vector<uint8_t>;

// Hands the whole pages inside `bytes` back to the system; reading them
// afterwards gives zeros, and writing them takes fresh pages. For the
// leading part of a large buffer that its reader is done with while it
// still reads the rest. The bytes must be private memory of the process
// (allocated, or mapped anonymously).
void releaseWholePages(std::span<const uint8_t> bytes);

// Asks for huge pages under the whole huge pages inside `bytes`: a large
// buffer about to be filled then takes one page fault per huge page (2 MiB)
// instead of one per page. Advice only.
void adviseHugePages(std::span<uint8_t> bytes);

}  // namespace lzfse
