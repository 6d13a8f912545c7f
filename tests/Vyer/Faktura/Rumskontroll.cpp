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

// A room as it lands on the page: turned with its system, if any.
Hörn hörn(const PlaneratRum& r) { return r.vridning ? påSidan(r.iSystemet, r.vridning) : påSidan(r.yta, std::nullopt); }

// The span of `h` along the axis (ax, ay).
std::pair<double, double> spann(const Hörn& h, double ax, double ay) {
    const double längd = std::hypot(ax, ay);
    double lägst = std::numeric_limits<double>::infinity(), högst = -lägst;
    for (const Point& p : h) {
        const double v = (p.x * ax + p.y * ay) / längd;
        lägst = std::min(lägst, v), högst = std::max(högst, v);
    }
    return {lägst, högst};
}

// The axes across a box's two edges.
std::array<Point, 2> axlar(const Hörn& h) { return {{{h[0].y - h[1].y, h[1].x - h[0].x}, {h[0].y - h[3].y, h[3].x - h[0].x}}}; }

// Whether the box lies within the room, across the room's edges.
bool inom(const Hörn& inre, const Hörn& yttre) {
    const auto kanter = axlar(yttre);
    return std::all_of(kanter.begin(), kanter.end(), [&](const Point& a) {
        if (a.x == 0 && a.y == 0) return true;
        const auto [i0, i1] = spann(inre, a.x, a.y);
        const auto [y0, y1] = spann(yttre, a.x, a.y);
        return i0 >= std::min(y0, y1) - passningsmån && i1 <= std::max(y0, y1) + passningsmån;
    });
}

// Whether two boxes meet by more than passningsmån across each separating
// axis: the page's and their own edges'.
bool överlappar(const Hörn& a, const Hörn& b) {
    std::vector<Point> alla = {{1, 0}, {0, 1}};
    for (const Hörn* h : {&a, &b})
        for (const Point& p : axlar(*h)) alla.push_back(p);
    return std::all_of(alla.begin(), alla.end(), [&](const Point& ax) {
        if (ax.x == 0 && ax.y == 0) return true;
        const auto [a0, a1] = spann(a, ax.x, ax.y);
        const auto [b0, b1] = spann(b, ax.x, ax.y);
        return std::min(a1, b1) - std::max(a0, b0) > passningsmån;
    });
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

std::vector<std::string> fel(const Fakturavy& vy) {
    std::vector<std::string> ut;
    const auto& rummen = vy.planeradeRum;
    for (size_t i = 0; i < rummen.size(); ++i)
        for (size_t j = i + 1; j < rummen.size(); ++j)
            if (sammaSidor(rummen[i].sidor, rummen[j].sidor) && överlappar(hörn(rummen[i]), hörn(rummen[j])))
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
            if (sammaSidor(r.sidor, slag) && r.vridning == o.transform &&
                std::find(r.texter.begin(), r.texter.end(), t->ram) != r.texter.end())
                eget = &r;
        if (!eget && sida)
            for (const PlaneratRum& r : rummen)
                if (r.namn == "items" && r.sidor == slag) eget = &r;
        const std::string vad = "'" + t->text->text().substr(0, 40) + "'";
        if (!eget) ut.push_back(sidan(sida) + vad + " stands in no room");
        for (const Rect& rad : vy.mätare.extent(*t->text, t->ram, t->läge).lines) {
            const Hörn r = påSidan(rad, o.transform);
            if (eget && !inom(r, hörn(*eget))) {
                ut.push_back(sidan(sida) + vad + " passes its " + namn(*eget));
                return;
            }
            for (const PlaneratRum& annat : rummen)
                if (&annat != eget && sammaSidor(annat.sidor, slag) && överlappar(r, hörn(annat))) {
                    ut.push_back(sidan(sida) + vad + " stands in " + namn(annat));
                    return;
                }
        }
    };
    for (const CachatObjekt& o : vy.innehållFörAllaSidor) granska(o, std::nullopt);
    for (size_t p = 0; p < sidor; ++p)
        for (const CachatObjekt& o : vy.innehållFörVarjeSida[p]) granska(o, p);
    return ut;
}

}  // namespace rumskontroll
