#include "Vyer/Faktura/MallverktygRum.h"

#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/Textpassning.h"

#include <algorithm>
#include <cmath>

namespace mallverktyg {

Rect ramSomRymmer(const Fakturavy& vy, const AttributedString& text, const Rect& ram, const Växtval& val) {
    if (passadText(vy.mätare, text, {ram.width, ram.height}).passar) return ram;
    const double höjd =
        vy.mätare.extent(radbrutenDärDenMåste(vy.mätare, text, ram.width), {0, 0, ram.width, 0}, TextDrawingMode::layoutManager)
            .size.height;
    // Having to take room anyway, it takes as much as it needs at its own
    // size: larger text where the room allows. Whole points and one more,
    // as the tables placed by their height have; a measure a hair over a
    // whole point is that point.
    const double behov = std::ceil(höjd - 1e-6) + 1;
    double topp = ram.minY(), fot = ram.maxY();
    if (val.riktning == Växer::nedåt) {
        fot = std::max(fot, std::min(topp + behov, val.gräns));
        if (val.bortom) topp = std::min(topp, std::max(fot - behov, *val.bortom));
    } else {
        topp = std::min(topp, std::max(fot - behov, val.gräns));
        if (val.bortom) fot = std::max(fot, std::min(topp + behov, *val.bortom));
    }
    return {ram.x, topp, ram.width, fot - topp};
}

CachatObjekt växandeTabell(const Fakturavy& vy, const AttributedString& tabell, const Rect& ram,
                           const Växtval& val) {
    return tabelltext(vy, tabell, ramSomRymmer(vy, tabell, ram, val));
}

TextAttributes passadeAttribut(const Fakturavy& vy, std::string_view text, const TextAttributes& attribut, Size ram) {
    const PassadText passad = passadText(vy.mätare, AttributedString(text, attribut), ram, TextDrawingMode::fromTopLeft);
    return passad.skala < 1 ? attribut.scaled(passad.skala) : attribut;
}

double nederkant(const Fakturavy& vy, const std::vector<CachatObjekt>& objekt, double tom) {
    double fot = tom;
    bool någon = false;
    for (const CachatObjekt& o : objekt) {
        const auto t = textIRam(o, vy.annanSträngmetod);
        if (!t || t->text->empty()) continue;
        for (const Rect& linje : vy.mätare.extent(*t->text, t->ram, t->läge).lines) {
            fot = någon ? std::max(fot, linje.maxY()) : linje.maxY();
            någon = true;
        }
    }
    return fot;
}

}  // namespace mallverktyg
