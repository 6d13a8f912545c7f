// The item table (not yet built).
#include "Vyer/Faktura/Fakturavy.h"

void Fakturavy::läggTillKolumnerMedRubrikattribut(const TextAttributes&, const TextAttributes&, const TextAttributes&,
                                                   const TextAttributes&, const Rect&, const Rect&, double, bool,
                                                   std::optional<Color>, EgnaRubriker) {
    innehållFörVarjeSida = {{}};
}
