#include "Vyer/Faktura/Mallverktyg.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Land.h"
#include "Modell/Skatteavdrag.h"

namespace mallverktyg {

CachatObjekt text(std::string_view text, const TextAttributes& attribut, const Rect& ram) {
    return CachatObjekt(AttributedString(text, attribut), ram);
}

CachatObjekt panel(const Rect& ram, double hörnradie, const Color& fyllning) {
    return CachatObjekt(std::nullopt, std::nullopt,
                        cachad::path{BezierPath::roundedRect(ram, hörnradie, hörnradie), fyllning, std::nullopt});
}

std::optional<std::string> datum(const std::optional<Datum>& datum) {
    if (!datum) return std::nullopt;
    return Fakturavy::datumtext(*datum);
}

Datalista rotOchRutUppgifter(const Fakturavy& vy) {
    const Skatteavdrag avdrag = vy.f.skatteavdrag();
    std::optional<std::string> personnummer1, personnummer2, fastighetsbeteckning, lägenhetsnummer;
    if (const auto* rot = avdrag.somRot()) {
        personnummer1 = rot->personnummer1, personnummer2 = rot->personnummer2;
        if (rot->uppgifter) {
            if (const auto* hus = rot->uppgifter->somHus()) fastighetsbeteckning = hus->fastighetsbeteckning;
            if (const auto* bostadsrätt = rot->uppgifter->somBostadsrätt())
                lägenhetsnummer = bostadsrätt->lägenhetsnummer;
        }
    } else if (const auto* rut = avdrag.somRut()) {
        personnummer1 = rut->personnummer1, personnummer2 = rut->personnummer2;
    }
    return {{vy.rubrikFörPersonnummer(), personnummer1},
            {vy.rubrikFörPersonnummer2(), personnummer2},
            {vy.rubrikFörFastighetsbeteckning(), fastighetsbeteckning},
            {vy.rubrikFörLägenhetsnummer(), lägenhetsnummer}};
}

std::string landFörAvsändaradressen(const Fakturavy& vy) {
    if (auto adress = vy.f.mottagaradress()) return adress->land;
    return std::string(kod(vy.b.land));
}

}  // namespace mallverktyg
