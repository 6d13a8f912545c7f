#pragma once
// The size a block of texts is set at when it must be set smaller to fit
// its room: one factor for all of it, in whole percent.
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
