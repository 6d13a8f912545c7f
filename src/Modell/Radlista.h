#pragma once
// An entry's rows. A large ledger holds a hundred thousand such lists of a
// few rows each, so their room comes from slot pools.
#include "Plattform/SlotPool.h"

#include <memory>
#include <vector>

class Rad;

using Radlista = std::vector<std::unique_ptr<Rad>, PooledArrayAllocator<std::unique_ptr<Rad>>>;
