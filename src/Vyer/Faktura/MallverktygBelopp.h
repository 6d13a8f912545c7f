#pragma once
// The amount rows and the VAT summary, as the shared steps set them, on a
// template's plan.
#include "Vyer/Faktura/Fakturavy.h"
#include "Vyer/Faktura/Rumsplan.h"

#include <optional>
#include <vector>

namespace mallverktyg {

// Each on the last page in a room of what it takes; no summary where the
// step gives none.
void beloppOchMoms(rumsplan::Plan& plan, Fakturavy::Beloppsfält belopp, std::optional<std::vector<CachatObjekt>> moms);

}  // namespace mallverktyg
