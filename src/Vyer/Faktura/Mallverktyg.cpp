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

CachatObjekt tabell(AttributedString tabell, const Rect& ram) {
    return CachatObjekt(std::nullopt, std::nullopt, cachad::stringNeedingLayoutManager{std::move(tabell), ram});
}

CachatObjekt roteradText(std::string_view text, const TextAttributes& attribut, const Rect& ram, Point vid,
                         double vinkel) {
    return CachatObjekt(AttributedString(text, attribut), ram,
                        AffineTransform::translation(vid.x, vid.y).rotated(vinkel));
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

std::optional<std::string> adressFrånAvsändaren(const Fakturavy& vy, const std::optional<Adress>& adress) {
    if (!adress) return std::nullopt;
    return adress->formatteradFörAvsändarland(std::string(kod(vy.b.land)), true);
}

Datalista avsändaruppgifter(const Fakturavy& vy) {
    return {{vy.rubrikFörAvsändare(), vy.b.namn},
            {vy.rubrikFörAdress(), vy.b.adress.formatteradFörMottagarland(landFörAvsändaradressen(vy), true)},
            {vy.rubrikFörOrganisationsnummer(), vy.b.organisationsnummer},
            {vy.rubrikFörMomsregistreringsnummer(), vy.b.momsregistreringsnummer()}};
}

Datalista kontaktuppgifter(const Fakturavy& vy) {
    return {{vy.rubrikFörTelefon(), vy.b.telefon},
            {vy.rubrikFörFax(), vy.b.fax},
            {vy.rubrikFörEmail(), vy.b.email},
            {vy.rubrikFörWebsite(), vy.b.hemsida}};
}

}  // namespace mallverktyg
