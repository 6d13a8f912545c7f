#include "Vyer/Faktura/MallverktygAttBetala.h"

#include "Modell/Fakturor/Fakturaliknande.h"

namespace mallverktyg {

void rubrikOchVärdeIRam(rumsplan::Plan& plan, std::string namn, AttributedString rubrik, AttributedString värde,
                        const Rect& ram, Sidslag sidor) {
    std::string block = namn;
    plan.rum(std::move(namn), ram, sidor).block(std::move(block), {{std::move(rubrik), ram}, {std::move(värde), ram}});
}

void attBetalaIRam(rumsplan::Plan& plan, const Fakturavy& vy, std::string rubrik, const TextAttributes& rubrikattribut,
                   const TextAttributes& beloppsattribut, const Rect& ram, Sidslag sidor) {
    if (vy.följesedel) return;
    rubrikOchVärdeIRam(plan, "amount to pay", AttributedString(std::move(rubrik), rubrikattribut),
                       AttributedString(vy.belopp(vy.f.attBetala()), beloppsattribut), ram, sidor);
}

}  // namespace mallverktyg
