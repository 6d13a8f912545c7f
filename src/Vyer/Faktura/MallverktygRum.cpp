#include "Vyer/Faktura/MallverktygRum.h"

#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/Textpassning.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <utility>

namespace mallverktyg {

std::vector<Rect> kolumnerSomDelarBredden(const Fakturavy& vy, const std::vector<AttributedString>& tabeller,
                                          std::vector<Rect> kolumner) {
    // Whether table i fits a column `bredd` wide at 70 %, as the room plan
    // measures it; a column gives width only while its table breaks no
    // word.
    struct Mått {
        bool ryms, brutetOrd;
    };
    std::map<std::pair<size_t, double>, Mått> mått;
    auto ryms = [&](size_t i, double bredd, bool helaOrd) {
        if (tabeller[i].empty()) return true;
        auto it = mått.find({i, bredd});
        if (it == mått.end()) {
            const Size ram{bredd, kolumner[i].height};
            const AttributedString t =
                radbrutenDärDenMåste(vy.mätare, tabeller[i], bredd, TextDrawingMode::layoutManager, ram.height);
            const TextExtent m =
                uppmättIRam(vy.mätare, vidProcent(t, minstaProcent), ram, TextDrawingMode::layoutManager);
            it = mått.emplace(std::pair{i, bredd}, Mått{inomRamen(m, ram), m.brokeWord}).first;
        }
        return it->second.ryms && !(helaOrd && it->second.brutetOrd);
    };
    // The least whole width up to `mest` at which table i fits; `mest`
    // and more when none does.
    auto minstaBredd = [&](size_t i, double mest, bool helaOrd) {
        int från = 1, till = static_cast<int>(std::floor(mest));
        if (!ryms(i, till, helaOrd)) return mest + 1;
        while (från < till) {
            const int mitt = (från + till) / 2;
            if (ryms(i, mitt, helaOrd))
                till = mitt;
            else
                från = mitt + 1;
        }
        return static_cast<double>(till);
    };
    const size_t n = kolumner.size();
    std::vector<double> bredd(n), överskott(n, 0);
    std::vector<size_t> trånga;
    for (size_t i = 0; i < n; ++i) {
        bredd[i] = kolumner[i].width;
        if (!ryms(i, bredd[i], false)) trånga.push_back(i);
    }
    if (trånga.empty()) return kolumner;
    double ledigt = 0;
    for (size_t i = 0; i < n; ++i)
        if (ryms(i, bredd[i], true)) ledigt += överskott[i] = bredd[i] - minstaBredd(i, bredd[i], true);
    for (size_t i : trånga) {
        double brist = minstaBredd(i, bredd[i] + ledigt, false) - bredd[i];
        if (brist > ledigt) continue;
        // Nearest first, to the right before the left.
        for (size_t avstånd = 1; brist > 0 && avstånd < n; ++avstånd)
            for (const size_t j : {i + avstånd, i - avstånd})
                if (j < n && brist > 0) {
                    const double d = std::min(brist, överskott[j]);
                    bredd[j] -= d, överskott[j] -= d, ledigt -= d;
                    bredd[i] += d, brist -= d;
                }
    }
    // The columns keep their gaps, the first its left edge.
    for (size_t i = n; i-- > 1;) kolumner[i].x -= kolumner[i - 1].maxX();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0) kolumner[i].x += kolumner[i - 1].maxX();
        kolumner[i].width = bredd[i];
    }
    return kolumner;
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
