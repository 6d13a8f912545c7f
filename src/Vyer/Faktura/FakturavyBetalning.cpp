// Payment information (not yet built).
#include "Vyer/Faktura/Fakturavy.h"

bool Fakturavy::visaBankgiro() const { return false; }
bool Fakturavy::visaPlusgiro() const { return false; }
bool Fakturavy::visaSwish() const { return false; }
bool Fakturavy::visaIBAN() const { return false; }
bool Fakturavy::visaBankOchBankkonto() const { return false; }
Datalista Fakturavy::betalningsinformation() const { return {}; }
