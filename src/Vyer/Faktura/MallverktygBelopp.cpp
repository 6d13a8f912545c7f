#include "Vyer/Faktura/MallverktygBelopp.h"

namespace mallverktyg {

void beloppOchMoms(rumsplan::Plan& plan, const Fakturavy& vy, const Beloppsrader& belopp, const Momsruta& moms) {
    if (vy.följesedel) return;
    beloppOchMoms(plan, vy.beloppfältMedRubrikattribut(belopp.rubrik, belopp.värde, belopp.ram, belopp.ram, belopp.val),
                  vy.momssammanfattningMedRubrikAttribut(moms.rubrik, moms.sammanfattning, moms.ruta, moms.val));
}

void beloppOchMoms(rumsplan::Plan& plan, Fakturavy::Beloppsfält belopp, std::optional<std::vector<CachatObjekt>> moms) {
    plan.placerade("amounts", std::move(belopp.data), Sidslag::sista);
    if (moms) plan.placerade("VAT summary", std::move(*moms), Sidslag::sista);
}

}  // namespace mallverktyg
