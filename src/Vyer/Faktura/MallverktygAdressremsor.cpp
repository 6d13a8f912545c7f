#include "Vyer/Faktura/MallverktygAdressremsor.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Land.h"
#include "Vyer/Faktura/MallverktygAdress.h"

#include <numbers>

namespace mallverktyg {

bool adresserMedRubrikerUppåt(rumsplan::Plan& plan, const Fakturavy& vy, const TextAttributes& adress,
                              const TextAttributes& rubrik, const std::string& fakturarubrik,
                              const Adressremsor& val) {
    const AffineTransform uppåt =
        AffineTransform::translation(val.vid.x, val.vid.y).rotated(-std::numbers::pi / 2);
    auto remsa = [&](const std::string& namn, const std::string& text, const Rect& ram, const std::string& rubriktext,
                     double rubrikensY) {
        const Rect rubrikram{0, rubrikensY, 100, 14};
        plan.vridetRum(namn + " caption", rubrikram, uppåt)
            .block(namn + " caption", {AttributedString(rubriktext, rubrik), rubrikram});
        rumMedAdresser(plan, namn, {ram.x, ram.y, ram.width, val.fot - ram.y}, 1,
                       [&](rumsplan::Rum& rum, int ihop) {
                           rum.block(namn, {AttributedString(ihop ? adressIEttStycke(text) : text, adress), ram});
                       });
    };
    const std::string avsändarland(kod(vy.b.land));
    const auto leverans = vy.f.adressAttLevereraTillGivetAvsändarland(avsändarland);
    if (leverans)
        remsa("delivery address", *leverans, val.leverans, vy.rubrikFörLeveransadress(), val.leveransrubrikensY);
    if (auto faktura = vy.f.fakturaadressGivetAvsändarland(avsändarland))
        remsa("invoice address", *faktura, val.faktura, fakturarubrik, 0);
    return leverans.has_value();
}

}  // namespace mallverktyg
