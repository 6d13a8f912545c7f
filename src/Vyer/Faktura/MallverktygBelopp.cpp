#include "Vyer/Faktura/MallverktygBelopp.h"

namespace mallverktyg {

void beloppOchMoms(rumsplan::Plan& plan, Fakturavy::Beloppsfält belopp, std::optional<std::vector<CachatObjekt>> moms) {
    plan.placerade("amounts", std::move(belopp.data), Sidslag::sista);
    if (moms) plan.placerade("VAT summary", std::move(*moms), Sidslag::sista);
}

}  // namespace mallverktyg
