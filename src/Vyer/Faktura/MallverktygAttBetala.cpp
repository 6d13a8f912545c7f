#include "Vyer/Faktura/MallverktygAttBetala.h"

#include "Modell/Fakturor/Fakturaliknande.h"

namespace mallverktyg {

void attBetalaIRam(rumsplan::Plan& plan, const Fakturavy& vy, std::string rubrik, const TextAttributes& rubrikattribut,
                   const TextAttributes& beloppsattribut, const Rect& ram, Sidslag sidor) {
    plan.rum("amount to pay", ram, sidor)
        .block("amount to pay", {{AttributedString(std::move(rubrik), rubrikattribut), ram},
                                 {AttributedString(vy.belopp(vy.f.attBetala()), beloppsattribut), ram}});
}

}  // namespace mallverktyg
