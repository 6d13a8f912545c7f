#pragma once
// What a drawing process may hold of the allocator (CountedAllocation.cpp).
#include <cstdint>

namespace pdfjudge {

// From now on, this process ends as too large (PdfJudge.h) when the memory
// it holds from the allocator would grow more than `bytes` past what it
// holds now.
void holdAllocationsTo(uint64_t bytes);

}  // namespace pdfjudge
