// Recipient block and last-page content (not yet built).
#include "Vyer/Faktura/Fakturavy.h"

std::optional<std::string> Fakturavy::företagOchAdress() const { return {}; }
void Fakturavy::läggTillInnehållPåSistaSidan(std::vector<CachatObjekt>, std::optional<Rect>) {}
