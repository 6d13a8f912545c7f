// Amount rows (not yet built).
#include "Vyer/Faktura/Fakturavy.h"

int Fakturavy::antalBeloppsrader(bool) const { return 0; }
Fakturavy::Beloppsfält Fakturavy::beloppfältMedRubrikattribut(const TextAttributes&, const TextAttributes&, const Rect&,
                                                              const Rect&, double, bool, bool) const {
    return {};
}
