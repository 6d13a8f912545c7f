#include "Vyer/Faktura/MallverktygFottabeller.h"

#include "Vyer/Faktura/MallverktygFakta.h"

#include <utility>

namespace mallverktyg {

void företagetsTabeller(const Fakturavy& vy, rumsplan::Plan& plan, const TextAttributes& etikettattribut,
                        const TextAttributes& värdeattribut, const std::array<Fottabell, 3>& platser) {
    using enum Fakt;
    const std::pair<const char*, Datalista> tabeller[] = {
        {"sender contact", fakta(vy, {säte, telefon, fax, email, hemsida})},
        {"sender address", fakta(vy, {avsändaradress, organisationsnummer, momsregistreringsnummer})},
        {"payment", vy.betalningsinformation()}};
    for (size_t i = 0; i < platser.size(); ++i) {
        const auto& [namn, data] = tabeller[i];
        plan.rum(namn, platser[i].rum)
            .block(namn, {vy.tabellMedData(data, etikettattribut, värdeattribut).tabell, platser[i].ram,
                          rumsplan::Sättning::tabell});
    }
}

}  // namespace mallverktyg
