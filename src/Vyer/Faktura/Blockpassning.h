#pragma once
// A block of texts fitted to its room: set smaller, all of it by one
// factor in whole percent, and where even 70 % is too large, cut at the
// room's foot.
#include "Vyer/Faktura/CachatObjekt.h"
#include "Vyer/Faktura/Textpassning.h"

#include <cmath>

// The largest whole percent from 70 to 100 at which `passar(procent)`
// holds, found by halving, as a block that fits at one size fits at every
// smaller one; 70 when even that does not fit.
template <class Passar>
int störstaProcent(const Passar& passar) {
    if (passar(100)) return 100;
    int procent = static_cast<int>(std::lround(minstaTextskala * 100));
    for (int hi = 100; hi - procent > 1;) {
        const int mitt = (procent + hi) / 2;
        if (passar(mitt))
            procent = mitt;
        else
            hi = mitt;
    }
    return procent;
}

// A text object of the block cut at y `fot`: it keeps the lines that end
// above it, the last ending in an ellipsis (Textpassning.h). False, and
// the object as it was, when not even its first line ends above the foot:
// it is then to be left out. Objects other than plain strings are kept.
bool avkortadVidFoten(const TextMeasurer& mätare, CachatObjekt& objekt, double fot);
