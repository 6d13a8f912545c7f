#include "Vyer/Faktura/MallverktygFaktaband.h"

#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/Textpassning.h"

#include <algorithm>
#include <string>

namespace mallverktyg {

namespace {

constexpr double långtVärde = 80;
// How near the page's edge the wrapped band may reach: the legibility
// margin of text.
constexpr double marginal = 6;

struct Bandpost {
    AttributedString text;
    double bredd = 0;  // on its lines as they are
    double plats = 0;  // the room it counts for: its caption's when its value is long
};

struct Band {
    std::vector<Bandpost> poster;
    bool långt = false;

    double summa(double Bandpost::*mått) const {
        double s = 0;
        for (const Bandpost& p : poster) s += p.*mått;
        return s;
    }
};

}  // namespace

std::vector<CachatObjekt> faktaband(const Fakturavy& vy, const std::vector<Fakt>& fakta,
                                    const TextAttributes& rubrikattribut, const TextAttributes& värdeattribut,
                                    const BezierPath& separator, const Color& färg, const Faktabandval& val) {
    const Rect sida = vy.ramFörEnSida();
    const double topp = sida.maxY() - val.ram.maxY();
    const Size rum{0, val.fot - topp};
    const double separatorsteg = 6 + separator.bounds().width * val.skala;

    auto band = [&](const Datalista& data, int procent) {
        const TextAttributes rubrik = vidProcent(rubrikattribut, procent);
        const TextAttributes värde = vidProcent(värdeattribut, procent);
        Band b;
        for (const Datapost& post : data) {
            if (!post.rubrik || !post.värde) continue;
            Bandpost p{AttributedString(*post.rubrik + std::string(lineSeparator), rubrik)};
            p.text.append(*post.värde, värde);
            p.bredd = std::max(0.0, vy.mätare.boundingSize(p.text, {10000, 1000}).width);
            p.plats = p.bredd;
            if (uppmätt(vy, AttributedString(*post.värde, värdeattribut)).width > långtVärde) {
                b.långt = true;
                p.plats = std::min(p.bredd, uppmätt(vy, AttributedString(*post.rubrik, rubrik)).width);
            }
            b.poster.push_back(std::move(p));
        }
        return b;
    };
    // The width the posts share when the last may end at x `kant`; half a
    // point spare where long values fill it to its end.
    auto breddTill = [&](const Band& b, double kant) {
        const double n = static_cast<double>(b.poster.size());
        return kant - val.ram.x - n * separatorsteg - 12 * (n - 1) - (b.långt ? 0.5 : 0);
    };
    auto yttersta = [&](const Band& b) { return breddTill(b, b.långt ? sida.maxX() - marginal : sida.maxX()); };
    const Datalista visade = faktaSomFårPlats(vy, fakta, [&](const Datalista& data) {
        const Band b = band(data, 100);
        return b.summa(&Bandpost::plats) <= yttersta(b);
    });

    // Each post as wide as its text where they all fit, else a long one
    // down to one width c, no narrower than the room it counts for.
    auto bredder = [&](const Band& b) {
        auto bredd = [](const Bandpost& p, double c) { return std::min(p.bredd, std::max(p.plats, c)); };
        auto summa = [&](double c) {
            double s = 0;
            for (const Bandpost& p : b.poster) s += bredd(p, c);
            return s;
        };
        double c = 0, hi = 0;
        for (const Bandpost& p : b.poster) hi = std::max(hi, p.bredd);
        if (b.summa(&Bandpost::bredd) <= yttersta(b)) {
            c = hi;
        } else {
            const double delat =
                std::min(yttersta(b), std::max(b.summa(&Bandpost::plats), breddTill(b, val.ram.maxX())));
            for (int i = 0; i < 50; ++i) {
                const double mitt = (c + hi) / 2;
                (summa(mitt) <= delat ? c : hi) = mitt;
            }
        }
        std::vector<double> ut;
        for (const Bandpost& p : b.poster) ut.push_back(bredd(p, c));
        return ut;
    };
    // A wrapped post holds its text whole at its size, no word broken.
    auto ryms = [&](const AttributedString& text, double bredd) {
        const PassadText p = passadText(vy.mätare, text, {bredd, rum.height}, TextDrawingMode::fromTopLeft);
        return p.passar && p.skala == 1;
    };
    auto rymsAlla = [&](const Band& b) {
        const std::vector<double> w = bredder(b);
        for (size_t i = 0; i < b.poster.size(); ++i)
            if (w[i] < b.poster[i].bredd && !ryms(b.poster[i].text, w[i])) return false;
        return true;
    };
    const Band valt = band(
        visade, störstaProcent([&](int procent) { return rymsAlla(band(visade, procent)); }).value_or(minstaProcent));

    std::vector<CachatObjekt> objekt;
    const std::vector<double> w = bredder(valt);
    double x = val.ram.x;
    for (size_t i = 0; i < valt.poster.size(); ++i) {
        const Bandpost& p = valt.poster[i];
        objekt.emplace_back(std::nullopt,
                            AffineTransform::translation(x, sida.maxY() - val.ram.midY()).scaled(val.skala, val.skala),
                            cachad::path{separator, std::nullopt, färg});
        x += separatorsteg;
        if (w[i] >= p.bredd)
            objekt.emplace_back(p.text, Rect{x, topp, p.bredd, val.ram.height});
        else if (ryms(p.text, w[i]))
            objekt.emplace_back(p.text, Rect{x, topp, w[i], rum.height});
        else
            objekt.emplace_back(avkortad(vy.mätare, p.text, {w[i], rum.height}, TextDrawingMode::fromTopLeft),
                                Rect{x, topp, w[i], rum.height});
        x += w[i] + 12;
    }
    return objekt;
}

}  // namespace mallverktyg
