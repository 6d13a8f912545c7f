#include "Vyer/Faktura/MallverktygRum.h"

#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/Textpassning.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace mallverktyg {

Rect ramSomRymmer(const Fakturavy& vy, const AttributedString& text, const Rect& ram, const Växtval& val,
                  TextDrawingMode läge) {
    const double höjd =
        vy.mätare.extent(radbrutenDärDenMåste(vy.mätare, text, ram.width, läge), {0, 0, ram.width, 0}, läge)
            .size.height;
    if (val.växerFörst ? höjd <= ram.height + 0.5 : passadText(vy.mätare, text, {ram.width, ram.height}, läge).passar)
        return ram;
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

CachatObjekt växandeSträng(const Fakturavy& vy, const AttributedString& text, const Rect& ram,
                           const Växtval& val) {
    return passandeText(vy, text, ramSomRymmer(vy, text, ram, val, TextDrawingMode::fromTopLeft));
}

std::vector<CachatObjekt> blockUnderRubriker(const Fakturavy& vy, std::vector<BlockUnderRubrik> block,
                                             const Rubrikblockval& val) {
    struct Plats {
        double topp, textensTopp, höjd;
    };
    auto platser = [&](int procent) {
        const double k = procent / 100.0;
        std::vector<Plats> ut;
        double slut = -std::numeric_limits<double>::infinity();
        for (const BlockUnderRubrik& b : block) {
            const double topp = std::max(b.rubrikram.minY(), slut + val.avstånd * k);
            const double textensTopp = topp + (b.ram.minY() - b.rubrikram.minY()) * k;
            const AttributedString text = vidProcent(b.text, procent);
            const double höjd = uppmätt(vy, text, {b.ram.width, 10000}).height;
            ut.push_back({topp, textensTopp, höjd});
            slut = textensTopp + höjd;
        }
        return ut;
    };
    auto passar = [&](const std::vector<Plats>& p) {
        return p.empty() || p.back().textensTopp + p.back().höjd <= val.fot + 0.5;
    };
    int procent = 100;
    std::vector<Plats> p = platser(procent);
    if (!passar(p)) {
        procent = störstaProcent([&](int q) { return passar(platser(q)); }).value_or(minstaProcent);
        p = platser(procent);
    }

    std::vector<CachatObjekt> ut;
    for (size_t i = 0; i < block.size(); ++i) {
        BlockUnderRubrik& b = block[i];
        AttributedString rubrik = vidProcent(b.rubrik, procent);
        AttributedString text = vidProcent(b.text, procent);
        const double bredd = b.ram.width;
        Rect ram{b.ram.minX(), p[i].textensTopp, bredd,
                 std::max(std::min(b.ram.height, val.fot - p[i].textensTopp), p[i].höjd + 1)};
        const Rect rubrikram{b.rubrikram.minX(), p[i].topp, b.rubrikram.width, b.rubrikram.height};
        if (p[i].textensTopp + p[i].höjd > val.fot + 0.5) {
            // Past the foot even at 70 %: the text keeps what ends above it.
            const Size rum{bredd, val.fot - p[i].textensTopp};
            const auto linjer = vy.mätare.lines(text, bredd, TextDrawingMode::fromTopLeft);
            if (linjer.empty() || linjer.front().bottom > rum.height + 0.5) {
                // Room for not one line of it: the text above gives up
                // its last line to the ellipsis instead.
                if (ut.size() >= 2) {
                    auto& ovan = std::get<cachad::string>(ut[ut.size() - 2].data);
                    ovan.string =
                        utanSistaRaden(vy.mätare, ovan.string, ovan.frame.width, TextDrawingMode::fromTopLeft);
                }
                break;
            }
            ut.emplace_back(avkortad(vy.mätare, text, rum, TextDrawingMode::fromTopLeft),
                            Rect{ram.minX(), ram.minY(), bredd, rum.height});
            ut.emplace_back(std::move(rubrik), rubrikram);
            break;
        }
        ut.emplace_back(std::move(text), ram);
        ut.emplace_back(std::move(rubrik), rubrikram);
    }
    return ut;
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
