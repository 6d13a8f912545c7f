// Title, reminder, terms and F-tax block (not yet built).
#include "Vyer/Faktura/Fakturavy.h"

void Fakturavy::läggTillInnehållMedRamFörLogotyp(const Rect&, const TextAttributes&, const Rect&, const TextAttributes&,
                                                  const Rect&, const TextAttributes&, const Rect&,
                                                  const TextAttributes&, const Rect&) {}
