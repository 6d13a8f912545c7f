#include "Rumskontroll.h"

#include "Vyer/Faktura/Textpassning.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace rumskontroll {
namespace {

bool sammaSidor(Sidslag a, Sidslag b) { return a == Sidslag::alla || b == Sidslag::alla || a == b; }

bool överlappar(const Rect& a, const Rect& b) {
    return std::min(a.maxX(), b.maxX()) - std::max(a.minX(), b.minX()) > passningsmån &&
           std::min(a.maxY(), b.maxY()) - std::max(a.minY(), b.minY()) > passningsmån;
}

bool inom(const Rect& inre, const Rect& yttre) {
    return inre.minX() >= yttre.minX() - passningsmån && inre.maxX() <= yttre.maxX() + passningsmån &&
           inre.minY() >= yttre.minY() - passningsmån && inre.maxY() <= yttre.maxY() + passningsmån;
}

Rect påSidan(const Rect& r, const std::optional<AffineTransform>& t) {
    if (!t) return r;
    const Point hörn[] = {t->apply({r.minX(), r.minY()}), t->apply({r.maxX(), r.minY()}),
                          t->apply({r.minX(), r.maxY()}), t->apply({r.maxX(), r.maxY()})};
    Rect ut{hörn[0].x, hörn[0].y, 0, 0};
    for (const Point& p : hörn) ut = ut.united({p.x, p.y, 0, 0});
    return ut;
}

std::string namn(const PlaneratRum& r) {
    char mått[96];
    std::snprintf(mått, sizeof mått, " (%.1f, %.1f, %.1f x %.1f)", r.yta.x, r.yta.y, r.yta.width, r.yta.height);
    return "room '" + r.namn + "'" + mått;
}

std::string sidan(std::optional<size_t> sida) {
    return sida ? "page " + std::to_string(*sida + 1) + ": " : "every page: ";
}

}  // namespace

std::vector<std::string> fel(const Fakturavy& vy, bool allaTexter) {
    std::vector<std::string> ut;
    const auto& rummen = vy.planeradeRum;
    for (size_t i = 0; i < rummen.size(); ++i)
        for (size_t j = i + 1; j < rummen.size(); ++j)
            if (sammaSidor(rummen[i].sidor, rummen[j].sidor) && överlappar(rummen[i].yta, rummen[j].yta))
                ut.push_back(namn(rummen[i]) + " overlaps " + namn(rummen[j]));

    const size_t sidor = vy.innehållFörVarjeSida.size();
    auto granska = [&](const CachatObjekt& o, std::optional<size_t> sida) {
        const auto t = textIRam(o, vy.annanSträngmetod);
        if (!t || t->text->empty()) return;
        const Sidslag slag = !sida ? Sidslag::alla : *sida + 1 == sidor ? Sidslag::sista : Sidslag::övriga;
        // Its room: the one that placed it, else for a page's own text the
        // rows' room of that page.
        const PlaneratRum* eget = nullptr;
        for (const PlaneratRum& r : rummen)
            if (sammaSidor(r.sidor, slag) && std::find(r.texter.begin(), r.texter.end(), t->ram) != r.texter.end())
                eget = &r;
        if (!eget && sida && allaTexter)
            for (const PlaneratRum& r : rummen)
                if (r.namn == "items" && r.sidor == slag) eget = &r;
        const std::string vad = "'" + t->text->text().substr(0, 40) + "'";
        if (!eget && allaTexter) ut.push_back(sidan(sida) + vad + " stands in no room");
        for (const Rect& rad : vy.mätare.extent(*t->text, t->ram, t->läge).lines) {
            const Rect r = påSidan(rad, o.transform);
            if (eget && !inom(r, eget->yta)) {
                ut.push_back(sidan(sida) + vad + " passes its " + namn(*eget));
                return;
            }
            for (const PlaneratRum& annat : rummen)
                if (&annat != eget && sammaSidor(annat.sidor, slag) && överlappar(r, annat.yta)) {
                    ut.push_back(sidan(sida) + vad + " stands in " + namn(annat));
                    return;
                }
        }
    };
    for (const CachatObjekt& o : vy.innehållFörAllaSidor) granska(o, std::nullopt);
    if (allaTexter)
        for (size_t p = 0; p < sidor; ++p)
            for (const CachatObjekt& o : vy.innehållFörVarjeSida[p]) granska(o, p);
    return ut;
}

}  // namespace rumskontroll
