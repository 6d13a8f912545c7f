// VAT summary (not yet built).
#include "Vyer/Faktura/Fakturavy.h"

std::optional<std::vector<CachatObjekt>> Fakturavy::momssammanfattningMedRubrikAttribut(
    const TextAttributes&, const TextAttributes&, const Rect&, bool, bool) const {
    return {};
}
