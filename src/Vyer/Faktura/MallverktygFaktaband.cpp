#include "Vyer/Faktura/MallverktygFaktaband.h"

#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/Textpassning.h"

#include <algorithm>
#include <optional>
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

Faktabandet faktaband(const Fakturavy& vy, const std::vector<Fakt>& fakta, const TextAttributes& rubrikattribut,
                      const TextAttributes& värdeattribut, const BezierPath& separator, const Color& färg,
                      const Faktabandval& val) {
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
    auto yttersta = [&](const Band& b) { return breddTill(b, sida.maxX() - marginal); };
    const Datalista alla = faktaSomFårPlats(vy, fakta, [](const Datalista&) { return true; });
    const Rect sep = separator.bounds();
    const double bandmitt = sida.maxY() - val.ram.midY();

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
    // One row, as long as it holds every fact without cutting one.
    std::optional<int> enRad;
    if (const Band b = band(alla, 100); b.summa(&Bandpost::plats) <= yttersta(b))
        enRad = störstaProcent([&](int procent) { return rymsAlla(band(alla, procent)); });

    Faktabandet ut;
    ut.överkant = bandmitt + sep.minY() * val.skala;
    auto separatorVid = [&](double x, double y, double k) {
        ut.objekt.emplace_back(std::nullopt,
                               AffineTransform::translation(x, y).scaled(val.skala * k, val.skala * k),
                               cachad::path{separator, std::nullopt, färg});
    };
    if (enRad) {
        const Band valt = band(alla, *enRad);
        const std::vector<double> w = bredder(valt);
        double x = val.ram.x;
        ut.nederkant = val.fot;
        for (size_t i = 0; i < valt.poster.size(); ++i) {
            const Bandpost& p = valt.poster[i];
            separatorVid(x, bandmitt, 1);
            x += separatorsteg;
            const double bredd = std::min(w[i], p.bredd);
            ut.objekt.emplace_back(p.text, Rect{x, topp, bredd, w[i] >= p.bredd ? val.ram.height : rum.height});
            x += w[i] + 12;
        }
        return ut;
    }

    // More rows: each fact whole on its row, as wide as its text and no
    // wider than the row; a row as high as its tallest fact and the band's
    // frame, 10 points above the next.
    // Half a point spare: a text measured twice may differ by that much.
    const double kant = sida.maxX() - marginal - passningsmån;
    struct Rad {
        std::vector<size_t> poster;
        std::vector<double> bredd, höjd;
        double topp = 0, radhöjd = 0;
    };
    struct Rader {
        Band band;
        std::vector<Rad> rader;
        double fot = 0;
        double k = 1;
    };
    // The rows at that size, each fact's text no taller than `tak`.
    auto rader = [&](int procent, double tak) {
        Rader r{band(alla, procent), {}, topp, procent / 100.0};
        const double k = r.k, steg = separatorsteg * k;
        double x = kant;
        for (size_t i = 0; i < r.band.poster.size(); ++i) {
            const Bandpost& p = r.band.poster[i];
            const double bredd = std::min(p.bredd, kant - val.ram.x - steg);
            if (r.rader.empty() || x + steg + bredd > kant) {
                const double y = r.rader.empty() ? topp : r.rader.back().topp + r.rader.back().radhöjd + 10 * k;
                r.rader.push_back({{}, {}, {}, y, val.ram.height * k});
                x = val.ram.x;
            }
            Rad& rad = r.rader.back();
            rad.poster.push_back(i);
            rad.bredd.push_back(bredd);
            rad.höjd.push_back(std::min(tak, uppmätt(vy, p.text, {bredd, 10000}).height));
            rad.radhöjd = std::max(rad.radhöjd, rad.höjd.back());
            x += steg + bredd + 12 * k;
        }
        if (!r.rader.empty()) {
            const Rad& sista = r.rader.back();
            r.fot = sista.topp + std::max(sista.radhöjd, (bandmitt - topp + sep.maxY() * val.skala) * k);
        }
        return r;
    };
    auto raderRyms = [&](const Rader& r) { return r.fot <= val.nederst + passningsmån; };
    const double helt = val.nederst - topp;
    Rader valda = rader(störstaProcent([&](int p) { return raderRyms(rader(p, helt)); }).value_or(minstaProcent), helt);
    // Past 70 % the tallest texts are cut to one height, the largest at
    // which the rows fit, down to their first lines.
    if (!raderRyms(valda)) {
        double lägst = 0, högst = helt;
        for (int i = 0; i < 20; ++i) {
            const double mitt = (lägst + högst) / 2;
            (raderRyms(rader(minstaProcent, mitt)) ? lägst : högst) = mitt;
        }
        valda = rader(minstaProcent, lägst);
    }
    const double k = valda.k;
    for (const Rad& rad : valda.rader) {
        double x = val.ram.x;
        for (size_t j = 0; j < rad.poster.size(); ++j) {
            const AttributedString& text = valda.band.poster[rad.poster[j]].text;
            const Size ram{rad.bredd[j], rad.höjd[j]};
            separatorVid(x, rad.topp + (bandmitt - topp) * k, k);
            x += separatorsteg * k;
            const bool hel = uppmätt(vy, text, {ram.width, 10000}).height <= ram.height + passningsmån;
            ut.objekt.emplace_back(hel ? text : avkortad(vy.mätare, text, ram, TextDrawingMode::fromTopLeft),
                                   Rect{x, rad.topp, ram.width, std::max(ram.height, val.ram.height * k)});
            x += ram.width + 12 * k;
        }
    }
    ut.nederkant = std::max(valda.fot, topp);
    return ut;
}

}  // namespace mallverktyg
