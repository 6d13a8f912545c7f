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
    // The fact columns' lower edge from the foot of the page, and the
    // line they keep above: the item headings' or their band's; and how far
    // long facts may push the item table down (none on a band).
    double faktaVid = 0;
    double faktaNederkant = 0;
    double faktaGräns = 0;
    Rect rubrikutrymme, datautrymme;
    // The room for rows on the pages before the last, from the data area's
    // top: they end above the due date and the amount to pay at y 630.
    double höjdPåÖvrigaSidor = 0;
};

// Template O's own: a white title, white fact values, the address captions
// in grey teal capitals.
Utseende natur();

void läggUt(Fakturavy& vy, const Utseende& utseende);

}  // namespace mallO
