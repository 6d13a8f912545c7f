#include "Vyer/Faktura/Celldelning.h"

#include "Vyer/Faktura/Fakturavy.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr TextDrawingMode frånToppen = TextDrawingMode::fromTopLeft;

}  // namespace

Size radcellensStorlek(const Fakturavy& vy, const AttributedString& text, Size ruta, double sidhöjd) {
    const double högst = sidhöjd * static_cast<double>(högstaAntalSidor);
    if (!std::isfinite(högst)) return vy.radmätare.boundingSize(text, ruta);
    const BoundedSize mätt = vy.radmätare.boundedSize(text, ruta, {.height = högst});
    if (mätt.size.height > högst && mätt.tallestLine <= sidhöjd) vy.kontrolleraSidantal(högstaAntalSidor + 1);
    // Lines taller than a page's room, one a page: the pages are counted
    // when the row is cut.
    return mätt.whole ? mätt.size : vy.radmätare.boundingSize(text, ruta);
}

Celldelning::Celldelning(const TextMeasurer& mätare, AttributedString text, double bredd)
    : mätare_(mätare), text_(std::move(text)), bredd_(bredd), rader_(mätare.lines(text_, bredd, frånToppen)) {}

Celldelning::Del Celldelning::del(size_t slut) const {
    Del d{text_.substring(början_, slut), 0};
    const auto rader = mätare_.lines(d.text, bredd_, frånToppen);
    if (!rader.empty()) d.höjd = rader.back().bottom;
    return d;
}

std::optional<Celldelning::Del> Celldelning::nästa(double rum, bool minstEnRad) {
    // How many of `rader`, from `första`, end within the room; a cut falls
    // only where a line starts after `efter`.
    auto antalSomRyms = [&](const std::vector<TextLine>& rader, size_t första, size_t efter) -> std::optional<size_t> {
        size_t j = första;
        if (j < rader.size()) {
            const double topp = rader[j].top;
            while (j < rader.size() && rader[j].bottom - topp <= rum) ++j;
        }
        if (j == första) {
            if (!minstEnRad) return std::nullopt;
            ++j;
        }
        while (j < rader.size() && rader[j].start <= efter) ++j;
        return j;
    };

    // The whole text's lines say where the cut falls; the part is then set
    // alone, and should it break into more lines than it did in the whole
    // (the text engine's breaks are not bound to agree to the point), it
    // is cut again at its own lines.
    const auto j = antalSomRyms(rader_, rad_, början_);
    if (!j) return std::nullopt;
    size_t slut = *j < rader_.size() ? rader_[*j].start : text_.length();
    Del d = del(slut);
    for (int försök = 0; försök < 3 && d.höjd > rum; ++försök) {
        const auto egna = mätare_.lines(d.text, bredd_, frånToppen);
        const auto m = antalSomRyms(egna, 0, 0);
        if (!m) return std::nullopt;
        if (*m >= egna.size()) break;
        slut = början_ + egna[*m].start;
        d = del(slut);
    }

    början_ = slut;
    while (rad_ + 1 < rader_.size() && rader_[rad_ + 1].start <= början_) ++rad_;
    return d;
}

void Raddelning::läggTill(size_t cell, AttributedString text, double bredd) {
    if (text.empty()) return;
    celler_.emplace_back(cell, Celldelning(mätare_, std::move(text), bredd));
}

bool Raddelning::slut() const {
    return std::all_of(celler_.begin(), celler_.end(), [](const auto& c) { return c.second.slut(); });
}

std::optional<Raddelning::Del> Raddelning::nästa(double rum, bool minstEnRad) {
    Del ut;
    for (auto& [cell, delning] : celler_) {
        if (delning.slut()) continue;
        if (auto del = delning.nästa(rum, minstEnRad)) {
            ut.höjd = std::max(ut.höjd, del->höjd);
            ut.celler.emplace_back(cell, std::move(del->text));
        }
    }
    if (ut.celler.empty()) return std::nullopt;
    return ut;
}

void läggTillRadvis(std::vector<CachatObjekt>& sida, const TextMeasurer& mätare, const AttributedString& text,
                    const Rect& ram) {
    const auto rader = mätare.lines(text, ram.width, frånToppen);
    if (rader.empty()) return;
    const double nederkant = ram.maxY() - rader.back().bottom;
    for (size_t i = 0; i < rader.size(); ++i) {
        const size_t början = i == 0 ? 0 : rader[i].start;
        const size_t slut = i + 1 < rader.size() ? rader[i + 1].start : text.length();
        sida.emplace_back(text.substring(början, slut),
                          Rect{ram.x, nederkant + rader[i].top, ram.width, rader[i].bottom - rader[i].top});
    }
}
