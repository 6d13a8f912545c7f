#pragma once
// Tables placed by their measured size.
#include "Vyer/Faktura/Fakturavy.h"

#include <vector>

namespace mallverktyg {

// Tables side by side that stand on one foot and share one height, that of
// the tallest (each measured at its own width), so that they grow upward
// together. Drawn with full text layout.
struct Tabellplats {
    AttributedString tabell;
    double x = 0;
    double bredd = 0;
};
struct TabellerPåFot {
    std::vector<CachatObjekt> objekt;  // in the order given
    double höjd = 0;
};
TabellerPåFot tabellerPåGemensamFot(const Fakturavy& vy, std::vector<Tabellplats> tabeller, double fot);

}  // namespace mallverktyg
