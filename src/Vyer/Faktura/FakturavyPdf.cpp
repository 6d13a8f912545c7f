// The PDF document (not yet built).
#include "Vyer/Faktura/Fakturavy.h"

std::vector<uint8_t> Fakturavy::pdf() const { throw Layoutfel("The invoice layout is not available in this build."); }
