#pragma once
// The invoice module: the view and everything that draws, loaded from the
// tool's own directory by the latest-invoice job alone, so the other jobs
// never map a drawing library.
#include "Vyer/Fakturautskrift.h"

#include <stdexcept>

// The module is missing, cut short, not for this machine or not of this
// build, or cannot be loaded.
class Modulfel : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// skrivFakturan, from the module; throws Modulfel.
Fakturautskriftsfunktion fakturautskriften();

// A program that links the view itself (the tests, the benchmarks) hands
// its skrivFakturan here, and no module is loaded.
void användInlänkadFakturautskrift(Fakturautskriftsfunktion funktion);
