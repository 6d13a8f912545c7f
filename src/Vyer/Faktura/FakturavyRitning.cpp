// Pages and drawing (not yet built).
#include "Vyer/Faktura/Fakturavy.h"

void Fakturavy::ritaSida(Canvas&, int) const {}
