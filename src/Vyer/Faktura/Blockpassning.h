#pragma once
// A block of texts fitted to its room: set smaller, all of it by one
// factor in whole percent (störstaProcent, Textpassning.h), and where even
// 70 % is too large, cut at the room's foot.
#include "Vyer/Faktura/CachatObjekt.h"
#include "Vyer/Faktura/Textpassning.h"

// A text object of the block cut at y `fot`: it keeps the lines that end
// above it, the last ending in an ellipsis (Textpassning.h). False, and
// the object as it was, when not even its first line ends above the foot:
// it is then to be left out. Objects other than plain strings are kept.
bool avkortadVidFoten(const TextMeasurer& mätare, CachatObjekt& objekt, double fot);
