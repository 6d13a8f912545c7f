#include "Vyer/Faktura/MallverktygBelopp.h"

namespace mallverktyg {

void beloppOchMoms(rumsplan::Plan& plan, const Fakturavy& vy, const Beloppsrader& belopp, const Momsruta& moms) {
    if (vy.följesedel) return;
    plan.placerade("amounts",
                   vy.beloppfältMedRubrikattribut(belopp.rubrik, belopp.värde, belopp.ram, belopp.ram, belopp.val).data,
                   Sidslag::sista);
    if (auto summa = vy.momssammanfattningMedRubrikAttribut(moms.rubrik, moms.sammanfattning, moms.ruta, moms.val))
        plan.placerade("VAT summary", std::move(*summa), Sidslag::sista);
}

}  // namespace mallverktyg
