// User-template layout (not yet built).
#include "Vyer/Faktura/Fakturavy.h"

void Fakturavy::laddaBakgrundFörFakturamall(const Fakturamall&) { bakgrund = nullptr; }
void Fakturavy::uppdateraMedFakturamall(const Fakturamall&) {}
