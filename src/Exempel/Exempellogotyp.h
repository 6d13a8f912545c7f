#pragma once
// A firm's logo as a PNG, made from a number: a coloured mark beside
// three bars of "lettering" on a transparent ground, 240 by 96 pixels.
// The same number gives the same bytes everywhere.
#include "Plattform/Bytes.h"

#include <cstdint>

Bytes exempellogotyp(uint64_t nummer);
