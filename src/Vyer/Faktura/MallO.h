#pragma once
// Template O's page, which template V repeats with its own colours, its
// captions as written and a taller item table.
#include "Vyer/Faktura/Fakturavy.h"

#include <optional>

namespace mallO {

struct Utseende {
    std::optional<Color> titelfärg;  // none: the default black
    Color påminnelsefärg;
    Color adressrubrikfärg;
    Color faktavärdesfärg;
    bool adressrubrikerMedVersaler = true;
    Rect villkorsram;
    // The fact columns' line from the foot of the page and the band's
    // lower edge; how much taller the item table is than O's, reaching that
    // much higher: long facts may take that room back, pushing it down.
    double faktaVid = 0;
    double faktaNederkant = 0;
    double tabellenHögre = 0;
};

// Template O's own: a white title, white fact values, the address captions
// in grey teal capitals.
Utseende natur();

void läggUt(Fakturavy& vy, const Utseende& utseende);

}  // namespace mallO
