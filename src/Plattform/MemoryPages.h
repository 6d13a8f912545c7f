#pragma once
// Giving memory back to the system before the block that holds it is freed.
#include "Plattform/Lzfse/LzfseMemory.h"

#include <cstddef>
#include <cstdint>
#include <span>

// The whole pages of a block handed back to the system, as the codec
// gives back what it has read (Lzfse/LzfseMemory.h).
using lzfse::releaseWholePages;

// Hands the pages the allocator holds free back to the system: after many
// small blocks are freed, a large block allocated next (which gets pages of
// its own) does not come on top of them.
void returnFreeMemory();

// From now on blocks of 128 KiB and more get pages of their own, given back
// when the block is freed. By default the allocator raises that limit each
// time it frees such a block and keeps later ones among its own pages, so a
// run that frees a large input before it builds a large output holds both.
void giveLargeBlocksPagesOfTheirOwn();

// Maps the pages under [p, p + size) at once, ahead of their first writes:
// one system call instead of a page fault for each page. Contents are left
// as they are. Advice only: where the system cannot, the writes fault the
// pages in as usual.
void prefaultPages(void* p, size_t size);
