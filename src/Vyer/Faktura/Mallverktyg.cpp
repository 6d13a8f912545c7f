#include "Vyer/Faktura/Mallverktyg.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Land.h"
#include "Modell/Skatteavdrag.h"

#include <algorithm>
#include <numbers>

namespace mallverktyg {

CachatObjekt text(std::string_view text, const TextAttributes& attribut, const Rect& ram) {
    return CachatObjekt(AttributedString(text, attribut), ram);
}

CachatObjekt tabelltext(AttributedString tabell, const Rect& ram) {
    return CachatObjekt(std::nullopt, std::nullopt, cachad::stringNeedingLayoutManager{std::move(tabell), ram});
}

CachatObjekt kontur(const Rect& ram, double linjebredd, const Color& färg, double hörnradie) {
    BezierPath väg = hörnradie > 0 ? BezierPath::roundedRect(ram, hörnradie, hörnradie) : BezierPath::rect(ram);
    väg.lineWidth = linjebredd;
    return CachatObjekt(std::nullopt, std::nullopt, cachad::path{std::move(väg), std::nullopt, färg});
}

CachatObjekt streck(const std::vector<Sträcka>& sträckor, double linjebredd, const Color& färg) {
    BezierPath väg;
    for (const Sträcka& s : sträckor) {
        väg.moveTo(s.från);
        väg.lineTo(s.till);
    }
    väg.lineWidth = linjebredd;
    return CachatObjekt(std::nullopt, std::nullopt, cachad::path{std::move(väg), std::nullopt, färg});
}

Size uppmätt(const Fakturavy& vy, const AttributedString& text, Size gräns) {
    Size s = vy.mätare.boundingSize(text, gräns);
    return {std::max(0.0, s.width), std::max(0.0, s.height)};
}

CachatObjekt panel(const Rect& ram, double hörnradie, const Color& fyllning) {
    return CachatObjekt(std::nullopt, std::nullopt,
                        cachad::path{BezierPath::roundedRect(ram, hörnradie, hörnradie), fyllning, std::nullopt});
}

CachatObjekt roteradText(std::string_view text, const TextAttributes& attribut, const Rect& ram, Point vid,
                         double vinkel) {
    return CachatObjekt(AttributedString(text, attribut), ram,
                        AffineTransform::translation(vid.x, vid.y).rotated(vinkel));
}

const std::string punktledare(45, '.');

CachatObjekt textUppåt(std::string_view text, const TextAttributes& attribut, const Rect& ram, Point vid) {
    return roteradText(text, attribut, ram, vid, -std::numbers::pi / 2);
}

std::vector<CachatObjekt> faktaMedPunktledare(const Fakturavy& vy, const Datalista& fakta,
                                              const TextAttributes& etikettattribut,
                                              const TextAttributes& värdeattribut, Point start) {
    return vy.cachadeObjektFörData(fakta, etikettattribut, värdeattribut, 12, start, 110, 90,
                                   " ....................................", false, 0);
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
