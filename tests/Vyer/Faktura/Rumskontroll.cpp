#include "Rumskontroll.h"

#include "Vyer/Faktura/Textpassning.h"

#include <algorithm>
#include <array>
#include <limits>
#include <cmath>
#include <optional>

namespace rumskontroll {
namespace {

bool sammaSidor(Sidslag a, Sidslag b) { return a == Sidslag::alla || b == Sidslag::alla || a == b; }

bool överlappar(const Rect& a, const Rect& b) {
    return std::min(a.maxX(), b.maxX()) - std::max(a.minX(), b.minX()) > passningsmån &&
           std::min(a.maxY(), b.maxY()) - std::max(a.minY(), b.minY()) > passningsmån;
}

// A line's box as it lands on the page: its four corners, turned with
// its text (a caption set at an angle covers a slanting band, not the
// upright box about it).
using Hörn = std::array<Point, 4>;

Hörn påSidan(const Rect& r, const std::optional<AffineTransform>& t) {
    Hörn hörn = {{{r.minX(), r.minY()}, {r.maxX(), r.minY()}, {r.maxX(), r.maxY()}, {r.minX(), r.maxY()}}};
    if (t)
        for (Point& p : hörn) p = t->apply(p);
    return hörn;
}

bool inom(const Hörn& inre, const Rect& yttre) {
    return std::all_of(inre.begin(), inre.end(), [&](const Point& p) {
        return p.x >= yttre.minX() - passningsmån && p.x <= yttre.maxX() + passningsmån &&
               p.y >= yttre.minY() - passningsmån && p.y <= yttre.maxY() + passningsmån;
    });
}

// Whether the box meets the room by more than passningsmån across each
// separating axis: the page's and the box's own edges'.
bool överlappar(const Hörn& box, const Rect& rum) {
    const Hörn rummet = påSidan(rum, std::nullopt);
    auto djup = [&](double ax, double ay) {
        const double längd = std::hypot(ax, ay);
        if (längd == 0) return std::numeric_limits<double>::infinity();
        auto spann = [&](const Hörn& h) {
            double lägst = std::numeric_limits<double>::infinity(), högst = -lägst;
            for (const Point& p : h) {
                const double v = (p.x * ax + p.y * ay) / längd;
                lägst = std::min(lägst, v), högst = std::max(högst, v);
            }
            return std::pair{lägst, högst};
        };
        const auto [a0, a1] = spann(box);
        const auto [b0, b1] = spann(rummet);
        return std::min(a1, b1) - std::max(a0, b0);
    };
    return djup(1, 0) > passningsmån && djup(0, 1) > passningsmån &&
           djup(box[0].y - box[1].y, box[1].x - box[0].x) > passningsmån &&
           djup(box[0].y - box[3].y, box[3].x - box[0].x) > passningsmån;
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
            const Hörn r = påSidan(rad, o.transform);
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
