// Pages and drawing: a page's display lists replayed on a canvas in the
// page's own coordinates.
#include "Vyer/Faktura/Bildpassning.h"
#include "Vyer/Faktura/Fakturavy.h"

#include "Plattform/Ritning/Image.h"
#include "Plattform/Ritning/PdfDocument.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>

std::optional<Rect> passaInBild(Size bild, const Rect& ram) {
    const bool användbar = std::isfinite(bild.width) && std::isfinite(bild.height) && bild.width > 0 &&
                           bild.height > 0 && ram.isFinite() && ram.width > 0 && ram.height > 0;
    if (!användbar) return std::nullopt;
    const double bildensFörhållande = bild.height / bild.width;
    const double ramensFörhållande = ram.height / ram.width;
    Rect r;
    if (bildensFörhållande > ramensFörhållande) {
        const double w = ram.height / bildensFörhållande;
        r = {ram.x + (ram.width - w) / 2, ram.y, w, ram.height};
    } else {
        const double h = bildensFörhållande * ram.width;
        r = {ram.x, ram.y + (ram.height - h) / 2, ram.width, h};
    }
    return r.integral();
}

namespace {

constexpr double oändligt = std::numeric_limits<double>::infinity();

// Where an object can leave marks, as edges that may be unbounded.
struct Utsträckning {
    double minX, minY, maxX, maxY;

    static Utsträckning av(const Rect& r) { return {r.minX(), r.minY(), r.maxX(), r.maxY()}; }

    bool heltUtanför(const Rect& sida) const {
        return maxX < sida.minX() || minX > sida.maxX() || maxY < sida.minY() || minY > sida.maxY();
    }
};

Rect standardiserad(const Rect& r) { return {r.minX(), r.minY(), std::abs(r.width), std::abs(r.height)}; }

// None for an object whose geometry is not finite: it cannot be drawn.
// Text is not held by its frame in the direction it runs: lines run on
// below a frame set from its top, and a line standing on the foot rises
// above it and may run past either side.
std::optional<Utsträckning> utsträckning(const CachadObjektData& data, bool påFoten) {
    return std::visit(
        [&](const auto& d) -> std::optional<Utsträckning> {
            using T = std::decay_t<decltype(d)>;
            if constexpr (std::is_same_v<T, cachad::path>) {
                Rect gränser = d.path.bounds();
                if (!gränser.isFinite()) return std::nullopt;
                Utsträckning u = Utsträckning::av(gränser);
                if (d.stroke) {
                    double halv = std::abs(d.path.lineWidth) / 2;
                    u = {u.minX - halv, u.minY - halv, u.maxX + halv, u.maxY + halv};
                }
                return u;
            } else {
                if (!d.frame.isFinite()) return std::nullopt;
                Utsträckning u = Utsträckning::av(d.frame);
                if constexpr (std::is_same_v<T, cachad::string>) {
                    if (påFoten) return Utsträckning{-oändligt, -oändligt, oändligt, u.maxY};
                }
                if constexpr (!std::is_same_v<T, cachad::image>) u.maxY = oändligt;
                return u;
            }
        },
        data);
}

// Restores every state the drawing of one object saved.
class Tillstånd {
public:
    explicit Tillstånd(Canvas& duk) : duk_(duk) {}
    ~Tillstånd() {
        while (sparade_-- > 0) duk_.restore();
    }
    Tillstånd(const Tillstånd&) = delete;
    Tillstånd& operator=(const Tillstånd&) = delete;
    void spara() {
        duk_.save();
        ++sparade_;
    }

private:
    Canvas& duk_;
    int sparade_ = 0;
};

void ritaInnehåll(Canvas& duk, const CachadObjektData& data, bool påFoten) {
    std::visit(
        [&](const auto& d) {
            using T = std::decay_t<decltype(d)>;
            if constexpr (std::is_same_v<T, cachad::path>) {
                if (d.fill) duk.fill(d.path, *d.fill);
                if (d.stroke) duk.stroke(d.path, *d.stroke);
            } else if constexpr (std::is_same_v<T, cachad::string>) {
                duk.drawText(d.string, d.frame,
                             påFoten ? TextDrawingMode::baselineAtFoot : TextDrawingMode::fromTopLeft);
            } else if constexpr (std::is_same_v<T, cachad::stringNeedingLayoutManager>) {
                duk.drawText(d.string, d.frame, TextDrawingMode::layoutManager);
            } else {
                if (!d.image) return;
                if (auto ruta = passaInBild(d.image->size(), d.frame)) duk.drawImage(*d.image, *ruta);
            }
        },
        data);
}

void ritaObjekt(Canvas& duk, const CachatObjekt& objekt, const Rect& sida, bool påFoten) {
    auto u = utsträckning(objekt.data, påFoten);
    if (!u) return;
    // Only a speed-up: an object with a transform may land anywhere.
    if (!objekt.transform && u->heltUtanför(sida)) return;

    Tillstånd tillstånd(duk);
    if (objekt.clippingRect) {
        if (!objekt.clippingRect->isFinite()) return;
        tillstånd.spara();
        duk.clip(standardiserad(*objekt.clippingRect));
    }
    if (objekt.transform) {
        tillstånd.spara();
        // A map that is not finite or not invertible would spoil the rest
        // of the page; the object is left out instead.
        if (!duk.concat(*objekt.transform)) return;
    }
    ritaInnehåll(duk, objekt.data, påFoten);
}

// The area an opaque rectangle drawn upright hides, if the object is one.
std::optional<Rect> skymdYta(const CachatObjekt& objekt) {
    const auto* väg = std::get_if<cachad::path>(&objekt.data);
    if (!väg || !väg->fill || väg->fill->alpha < 1 || objekt.transform) return std::nullopt;
    const Rect yta = väg->path.bounds();
    if (!yta.isFinite() || !(väg->path == BezierPath::rect(yta))) return std::nullopt;
    if (!objekt.clippingRect) return yta;
    const Rect klipp = standardiserad(*objekt.clippingRect);
    const double x0 = std::max(yta.minX(), klipp.minX()), x1 = std::min(yta.maxX(), klipp.maxX());
    const double y0 = std::max(yta.minY(), klipp.minY()), y1 = std::min(yta.maxY(), klipp.maxY());
    if (x1 <= x0 || y1 <= y0) return std::nullopt;
    return Rect{x0, y0, x1 - x0, y1 - y0};
}

bool inom(const Rect& inre, const Rect& yttre) {
    return inre.minX() >= yttre.minX() && inre.maxX() <= yttre.maxX() && inre.minY() >= yttre.minY() &&
           inre.maxY() <= yttre.maxY();
}

// A text whose every line an opaque rectangle drawn after it hides shows
// nothing of itself on the page; it is left out, so that a reader of the
// PDF does not find it under the white either. Its lines are those drawing
// lays out on a page whose foot is at `sidansFot`. For a page's objects in
// drawing order: which are such texts.
std::vector<bool> doldaTexter(const std::vector<const CachatObjekt*>& objekt, const TextMeasurer& mätare,
                              bool annanSträngmetod, double sidansFot) {
    std::vector<bool> dolda(objekt.size(), false);
    std::vector<Rect> senare;
    for (size_t i = objekt.size(); i-- > 0;) {
        const CachatObjekt& o = *objekt[i];
        if (auto yta = skymdYta(o)) {
            senare.push_back(*yta);
            continue;
        }
        if (senare.empty() || o.transform || o.clippingRect) continue;
        const auto t = textIRam(o, annanSträngmetod);
        if (!t || t->text->empty() || !t->ram.isFinite()) continue;
        if (std::none_of(senare.begin(), senare.end(), [&](const Rect& yta) { return yta.intersects(t->ram); }))
            continue;
        const TextExtent utbredning =
            mätare.extent(*t->text, t->ram, t->läge, TextBound::frame(sidansFot - t->ram.minY()));
        dolda[i] = std::all_of(utbredning.lines.begin(), utbredning.lines.end(), [&](const Rect& linje) {
            return std::any_of(senare.begin(), senare.end(), [&](const Rect& yta) { return inom(linje, yta); });
        });
    }
    return dolda;
}

}  // namespace

void Fakturavy::ritaSida(Canvas& canvas, int n) const {
    if (n < 1 || n > antalSidor()) return;
    const Rect ram = ramFörEnSida();
    const Rect sida{0, 0, std::abs(ram.width), std::abs(ram.height)};

    if (ritaPappret) {
        canvas.fill(BezierPath::rect(sida), Color::white());
        canvas.stroke(BezierPath::rect(sida), Color::black());
    }
    // Drawn as it is: the document's page already has the page's top left
    // at the origin.
    if (bakgrund) canvas.drawPdfPage(*bakgrund);
    std::vector<const CachatObjekt*> objekt;
    for (const CachatObjekt& o : innehållFörAllaSidor) objekt.push_back(&o);
    for (const CachatObjekt& o : innehållFörVarjeSida[static_cast<size_t>(n - 1)]) objekt.push_back(&o);
    const std::vector<bool> dolda = doldaTexter(objekt, mätare, annanSträngmetod, sida.maxY());
    for (size_t i = 0; i < objekt.size(); ++i)
        if (!dolda[i]) ritaObjekt(canvas, *objekt[i], sida, annanSträngmetod);
}
