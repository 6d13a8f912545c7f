#include "Lasbarhet.h"

#include "Plattform/Ritning/CairoCanvas.h"
#include "Plattform/Ritning/PdfFirstPage.h"
#include "Plattform/Ritning/PdfVerktyg.h"

#include <cairo.h>

#include <algorithm>
#include <array>
#include <limits>
#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <type_traits>
#include <utility>

namespace läsbarhet {
namespace {

constexpr double slack = 1;
constexpr double kantmarginal = 6;
// Lines of two texts may touch; they overlap when they share more than this
// much in both directions.
constexpr double överlappsgräns = 1.5;

struct Textobjekt {
    const AttributedString* text = nullptr;
    Rect ram;
    TextDrawingMode läge = TextDrawingMode::fromTopLeft;
};

std::optional<Textobjekt> textobjekt(const CachatObjekt& o, bool påFoten) {
    if (const auto* s = std::get_if<cachad::string>(&o.data))
        return Textobjekt{&s->string, s->frame, påFoten ? TextDrawingMode::baselineAtFoot : TextDrawingMode::fromTopLeft};
    if (const auto* s = std::get_if<cachad::stringNeedingLayoutManager>(&o.data))
        return Textobjekt{&s->string, s->frame, TextDrawingMode::layoutManager};
    return std::nullopt;
}

Rect standard(const Rect& r) { return {r.minX(), r.minY(), std::abs(r.width), std::abs(r.height)}; }

Rect påSidan(const Rect& r, const std::optional<AffineTransform>& t) {
    if (!t) return standard(r);
    const Point hörn[] = {t->apply({r.minX(), r.minY()}), t->apply({r.maxX(), r.minY()}),
                          t->apply({r.minX(), r.maxY()}), t->apply({r.maxX(), r.maxY()})};
    double x0 = hörn[0].x, x1 = x0, y0 = hörn[0].y, y1 = y0;
    for (const Point& p : hörn) x0 = std::min(x0, p.x), x1 = std::max(x1, p.x), y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    return {x0, y0, x1 - x0, y1 - y0};
}

bool inom(const Rect& inre, const Rect& yttre, double marginal) {
    return inre.minX() >= yttre.minX() - marginal && inre.maxX() <= yttre.maxX() + marginal &&
           inre.minY() >= yttre.minY() - marginal && inre.maxY() <= yttre.maxY() + marginal;
}

std::optional<Rect> snitt(const Rect& a, const Rect& b) {
    double x0 = std::max(a.minX(), b.minX()), x1 = std::min(a.maxX(), b.maxX());
    double y0 = std::max(a.minY(), b.minY()), y1 = std::min(a.maxY(), b.maxY());
    if (x1 <= x0 || y1 <= y0) return std::nullopt;
    return Rect{x0, y0, x1 - x0, y1 - y0};
}

std::string kort(const std::string& text) {
    std::string ut;
    for (char c : text) ut += (c == '\n' || c == '\t') ? ' ' : c;
    if (ut.size() > 48) {
        size_t slut = 45;
        while (slut > 0 && (static_cast<unsigned char>(ut[slut]) & 0xC0) == 0x80) --slut;
        ut = ut.substr(0, slut) + "...";
    }
    return "'" + ut + "'";
}

std::string ruta(const Rect& r) {
    std::ostringstream s;
    s.precision(4);
    s << "(" << r.x << ", " << r.y << ", " << r.width << ", " << r.height << ")";
    return s.str();
}

// A rectangle as it lands on the page under a transform: four corners in
// order around it.
using Fyrhörning = std::array<Point, 4>;

Fyrhörning fyrhörning(const Rect& r, const std::optional<AffineTransform>& t) {
    Fyrhörning h = {Point{r.minX(), r.minY()}, Point{r.maxX(), r.minY()}, Point{r.maxX(), r.maxY()},
                    Point{r.minX(), r.maxY()}};
    if (t)
        for (Point& p : h) p = t->apply(p);
    return h;
}

// How deep two convex quadrilaterals overlap: the least overlap of their
// shadows on the axes of their sides; 0 when they do not meet.
double överlappsdjup(const Fyrhörning& a, const Fyrhörning& b) {
    double minst = std::numeric_limits<double>::infinity();
    for (const Fyrhörning* f : {&a, &b})
        for (size_t i = 0; i < 4; ++i) {
            const Point p = (*f)[i], q = (*f)[(i + 1) % 4];
            double nx = q.y - p.y, ny = p.x - q.x;
            const double längd = std::hypot(nx, ny);
            if (längd == 0) continue;
            nx /= längd, ny /= längd;
            auto skugga = [&](const Fyrhörning& g) {
                double lo = std::numeric_limits<double>::infinity(), hi = -lo;
                for (const Point& r : g) lo = std::min(lo, r.x * nx + r.y * ny), hi = std::max(hi, r.x * nx + r.y * ny);
                return std::pair{lo, hi};
            };
            auto [alo, ahi] = skugga(a);
            auto [blo, bhi] = skugga(b);
            minst = std::min(minst, std::min(ahi, bhi) - std::max(alo, blo));
            if (minst <= 0) return 0;
        }
    return minst;
}

bool innanför(const Fyrhörning& f, Point p) {
    bool positiv = false, negativ = false;
    for (size_t i = 0; i < 4; ++i) {
        const Point a = f[i], b = f[(i + 1) % 4];
        const double kryss = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
        positiv |= kryss > 0, negativ |= kryss < 0;
    }
    return !(positiv && negativ);
}

// A line of text as it lands on the page.
struct Rad {
    Rect ruta;        // upright bounds
    Fyrhörning form;  // the box itself, turned with its text
    Fyrhörning kärna; // its middle half across the line, where the glyphs' bodies are
    size_t objekt;    // drawing order on its page
    std::vector<Color> färger;
};

std::vector<Color> färgerI(const AttributedString& text) {
    std::vector<Color> ut;
    for (const auto& run : text.runs()) {
        Color c = run.attributes.foregroundColor.value_or(Color::black());
        if (std::find(ut.begin(), ut.end(), c) == ut.end()) ut.push_back(c);
    }
    return ut;
}

bool täcker(const CachatObjekt& o, const Rect& rad) {
    const auto* p = std::get_if<cachad::path>(&o.data);
    if (!p || !p->fill || p->fill->alpha < 1) return false;
    Rect yta = påSidan(p->path.bounds(), o.transform);
    if (o.clippingRect) {
        auto s = snitt(yta, standard(*o.clippingRect));
        if (!s) return false;
        yta = *s;
    }
    return inom(rad, yta, 0);
}

double relativLuminans(const Color& c) {
    auto kanal = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * kanal(c.red) + 0.7152 * kanal(c.green) + 0.0722 * kanal(c.blue);
}

// A background's page as the reader of the invoice sees it (poppler), one
// pixel a point; each background rendered once.
cairo_surface_t* renderad(const PdfFirstPage& sida) {
    using Yta = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
    static std::map<std::string, Yta> renderade;
    auto [plats, ny] = renderade.try_emplace(*sida.pdf(), nullptr, &cairo_surface_destroy);
    if (ny) plats->second.reset(testhjalp::PdfFil(std::vector<uint8_t>(sida.pdf()->begin(), sida.pdf()->end())).render(1, 72));
    return plats->second.get();
}

// The page drawn without any text, one pixel a point.
class Underlag {
public:
    Underlag(Fakturavy& vy, int sida) {
        const Rect ram = vy.ramFörEnSida();
        bredd_ = static_cast<int>(std::ceil(std::abs(ram.width)));
        höjd_ = static_cast<int>(std::ceil(std::abs(ram.height)));
        yta_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, bredd_, höjd_);
        cairo_t* cr = cairo_create(yta_);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_paint(cr);
        {
            auto utanText = [](std::vector<CachatObjekt>& lista) {
                std::vector<CachatObjekt> kvar;
                for (auto& o : lista)
                    if (!textobjekt(o, false)) kvar.push_back(o);
                return kvar;
            };
            auto alla = utanText(vy.innehållFörAllaSidor);
            auto egna = utanText(vy.innehållFörVarjeSida[static_cast<size_t>(sida - 1)]);
            std::swap(alla, vy.innehållFörAllaSidor);
            std::swap(egna, vy.innehållFörVarjeSida[static_cast<size_t>(sida - 1)]);
            CairoCanvas duk(cr);
            duk.placeholderFor = renderad;
            vy.ritaSida(duk, sida);
            std::swap(alla, vy.innehållFörAllaSidor);
            std::swap(egna, vy.innehållFörVarjeSida[static_cast<size_t>(sida - 1)]);
        }
        cairo_destroy(cr);
        cairo_surface_flush(yta_);
    }
    ~Underlag() { cairo_surface_destroy(yta_); }
    Underlag(const Underlag&) = delete;
    Underlag& operator=(const Underlag&) = delete;

    // The share of the pixels in the middle of the line's box against
    // which `färg` stands out by less than `krav`.
    double andelUnder(const Rad& rad, const Color& färg, double krav) const {
        const double lt = relativLuminans(färg);
        const unsigned char* data = cairo_image_surface_get_data(yta_);
        const int steg = cairo_image_surface_get_stride(yta_);
        int x0 = std::max(0, static_cast<int>(std::floor(rad.ruta.minX())));
        int x1 = std::min(bredd_, static_cast<int>(std::ceil(rad.ruta.maxX())));
        int y0 = std::max(0, static_cast<int>(std::floor(rad.ruta.minY())));
        int y1 = std::min(höjd_, static_cast<int>(std::ceil(rad.ruta.maxY())));
        int alla = 0, under = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                if (!innanför(rad.kärna, {x + 0.5, y + 0.5})) continue;
                const auto* p = data + y * steg + x * 4;
                Color grund = Color::rgb(p[2] / 255.0, p[1] / 255.0, p[0] / 255.0);
                const double lg = relativLuminans(grund);
                const double k = (std::max(lt, lg) + 0.05) / (std::min(lt, lg) + 0.05);
                ++alla;
                if (k < krav) ++under;
            }
        return alla ? double(under) / alla : 0;
    }

private:
    cairo_surface_t* yta_ = nullptr;
    int bredd_ = 0, höjd_ = 0;
};

}  // namespace

double kontrast(const Color& a, const Color& b) {
    const double la = relativLuminans(a), lb = relativLuminans(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::vector<std::string> fel(Fakturavy& vy) {
    std::vector<std::string> ut;
    const Rect ram = vy.ramFörEnSida();
    const Rect papper{0, 0, std::abs(ram.width), std::abs(ram.height)};
    const Rect innanför{kantmarginal, kantmarginal, papper.width - 2 * kantmarginal, papper.height - 2 * kantmarginal};

    for (int sida = 1; sida <= vy.antalSidor(); ++sida) {
        const std::string påSida = "page " + std::to_string(sida) + ": ";
        std::vector<const CachatObjekt*> objekt;
        for (const auto& o : vy.innehållFörAllaSidor) objekt.push_back(&o);
        for (const auto& o : vy.innehållFörVarjeSida[static_cast<size_t>(sida - 1)]) objekt.push_back(&o);

        std::vector<Rad> rader;
        for (size_t i = 0; i < objekt.size(); ++i) {
            const CachatObjekt& o = *objekt[i];
            auto t = textobjekt(o, vy.annanSträngmetod);
            if (!t || t->text->empty()) continue;
            const Rect egenRam = standard(t->ram);
            const Rect ramPåSidan = påSidan(egenRam, o.transform);
            const TextExtent utbredning = vy.mätare.extent(*t->text, t->ram, t->läge);
            for (const Rect& linje : utbredning.lines) {
                if (linje.width < 0.5 || linje.height <= 0) continue;
                if (t->läge != TextDrawingMode::baselineAtFoot && !inom(linje, egenRam, slack)) {
                    ut.push_back(påSida + kort(t->text->text()) + " runs out of its frame " + ruta(egenRam) +
                                 ": a line at " + ruta(linje));
                    break;
                }
                Rect synlig = linje;
                if (o.clippingRect) {
                    // Clips of turned text are not met in the templates;
                    // only upright ones cut a line.
                    auto s = snitt(påSidan(linje, o.transform), standard(*o.clippingRect));
                    if (!s) continue;
                    if (!o.transform) synlig = *s;
                }
                const Rect rad = påSidan(synlig, o.transform);
                const Rect mitten{synlig.x, synlig.y + synlig.height / 4, synlig.width, synlig.height / 2};
                bool täckt = false;
                for (size_t j = i + 1; j < objekt.size() && !täckt; ++j) täckt = täcker(*objekt[j], rad);
                if (täckt) continue;
                const bool nära = !inom(rad, innanför, 0);
                const bool ramenNära = !inom(ramPåSidan, innanför, 0);
                if (nära && !(ramenNära && inom(rad, ramPåSidan, slack) && inom(rad, papper, 0))) {
                    ut.push_back(påSida + kort(t->text->text()) + " at " + ruta(rad) +
                                 (inom(rad, papper, 0) ? " lies within 6 points of the paper's edge"
                                                       : " runs off the page"));
                    continue;
                }
                rader.push_back({rad, fyrhörning(synlig, o.transform), fyrhörning(mitten, o.transform), i,
                                 färgerI(*t->text)});
            }
        }

        std::set<std::pair<size_t, size_t>> sagda;
        for (size_t a = 0; a < rader.size(); ++a)
            for (size_t b = a + 1; b < rader.size(); ++b) {
                if (rader[a].objekt == rader[b].objekt) continue;
                if (!snitt(rader[a].ruta, rader[b].ruta)) continue;
                if (överlappsdjup(rader[a].form, rader[b].form) <= överlappsgräns) continue;
                if (!sagda.insert({rader[a].objekt, rader[b].objekt}).second) continue;
                ut.push_back(påSida + kort(textobjekt(*objekt[rader[a].objekt], false)->text->text()) + " at " +
                             ruta(rader[a].ruta) + " and " +
                             kort(textobjekt(*objekt[rader[b].objekt], false)->text->text()) + " at " +
                             ruta(rader[b].ruta) + " are set over each other");
            }

        Underlag underlag(vy, sida);
        std::set<size_t> svaga;
        for (const Rad& rad : rader)
            for (const Color& färg : rad.färger) {
                const double krav = std::min(3.0, kontrast(färg, Color::white())) - 0.01;
                if (underlag.andelUnder(rad, färg, krav) > 0.1 && svaga.insert(rad.objekt).second)
                    ut.push_back(påSida + kort(textobjekt(*objekt[rad.objekt], false)->text->text()) + " at " +
                                 ruta(rad.ruta) + " stands out too little from the ground under it");
            }
    }
    return ut;
}

}  // namespace läsbarhet
