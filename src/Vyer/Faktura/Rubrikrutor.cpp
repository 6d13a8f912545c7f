#include "Vyer/Faktura/Rubrikrutor.h"

#include "Vyer/Faktura/Rumsplan.h"

#include <algorithm>
#include <numeric>

namespace {

// The row the boxes stand in.
constexpr double vänsterkant = 24, radbredd = 547;
constexpr double utfyllnad = 5, mellanrum = 8;
constexpr double rutansTopp = 224, textensTopp = 223, rutansHöjd = 19;

// Boxes that the pushes from the ends left colliding stand side by side:
// each at least the separation right of the one before, then, from the
// right end back, left of the one after.
void sidaVidSida(const std::vector<double>& b, std::vector<double>& pos, double p, double s) {
    const size_t n = std::min(b.size(), pos.size());
    if (n < 2) return;
    auto avstånd = [&](size_t i) { return b[i] / 2 + b[i + 1] / 2 + 2 * p + s; };
    for (size_t i = 1; i < n; ++i) pos[i] = std::max(pos[i], pos[i - 1] + avstånd(i - 1));
    pos[n - 1] = std::min(pos[n - 1], vänsterkant + radbredd - p - b[n - 1] / 2);
    for (size_t i = n - 1; i-- > 0;) pos[i] = std::min(pos[i], pos[i + 1] - avstånd(i));
}

}  // namespace

std::vector<double> nyaPositionerFörEgnaRubrikerMedBredder(const std::vector<double>& w,
                                                           const std::vector<double>& ursprungligaPositioner,
                                                           const Rect& utrymme, double p, double s) {
    std::vector<double> pos = ursprungligaPositioner;
    const size_t n = std::min(w.size(), pos.size());
    if (n == 0) return pos;

    if (utrymme.minX() > pos[0] - w[0] / 2 - p) pos[0] = utrymme.minX() + p + w[0] / 2;
    if (pos[n - 1] + w[n - 1] / 2 + p > utrymme.maxX()) pos[n - 1] = utrymme.maxX() - p - w[n - 1] / 2;
    if (n <= 2) return pos;

    // Room to spare between box i and the next beyond the separation;
    // negative when they collide.
    auto överlapp = [&](size_t i) { return (pos[i + 1] - w[i + 1] / 2) - 2 * p - s - w[i] / 2 - pos[i]; };
    auto kollision = [&] {
        for (size_t i = 0; i + 1 < n; ++i)
            if (överlapp(i) < 0) return true;
        return false;
    };

    std::vector<bool> fast(n, false);
    fast[0] = fast[n - 1] = true;
    auto allaFasta = [&](size_t från, size_t till) {
        return std::all_of(fast.begin() + från, fast.begin() + till, [](bool f) { return f; });
    };

    // The boxes nearest the ends are settled first, the middle one last.
    std::vector<size_t> ordning(n - 2);
    std::iota(ordning.begin(), ordning.end(), 1);
    const long mitt = static_cast<long>(n / 2);
    std::stable_sort(ordning.begin(), ordning.end(), [&](size_t a, size_t b) {
        const long da = static_cast<long>(a) - mitt, db = static_cast<long>(b) - mitt;
        return da * da > db * db;
    });

    if (!kollision() || allaFasta(0, n)) return pos;
    for (int pass = 1;; ++pass) {
        for (size_t k : ordning) {
            const double vänster = överlapp(k - 1), höger = överlapp(k);
            if (vänster < -0.1 && allaFasta(0, k)) {
                pos[k] -= vänster;
                fast[k] = true;
            }
            if (höger < -0.1 && allaFasta(k + 1, n)) {
                pos[k] += höger;
                fast[k] = true;
            }
        }
        if (!kollision() || allaFasta(0, n) || pass >= 10) return pos;
    }
}

Fakturavy::EgnaRubriker rubrikrutor(const TextMeasurer& mätare, const Color& fyllning, const Color& kant) {
    return [&mätare, fyllning, kant](rumsplan::Plan& plan, const std::vector<AttributedString>& rubriker,
                                     const std::vector<double>& positioner) {
        const size_t n = std::min(rubriker.size(), positioner.size());
        if (n == 0) return;
        const double N = static_cast<double>(n);

        std::vector<double> bredd(n);
        for (size_t i = 0; i < n; ++i) bredd[i] = mätare.boundingSize(rubriker[i], {10000, 10000}).width;
        const double summa = std::accumulate(bredd.begin(), bredd.end(), 0.0);
        const double störst = *std::max_element(bredd.begin(), bredd.end());
        const double över = radbredd - summa - 2 * utfyllnad * N - mellanrum * (N - 1);

        // Equal boxes when the widest text fits every box, each its own
        // text's width when only they fit, else all shrunk alike to fill
        // the row exactly (never below nothing), their texts set smaller
        // alike to fit them (Rumsplan.h).
        std::vector<double> b(n);
        for (size_t i = 0; i < n; ++i) {
            if (över > 0)
                b[i] = radbredd - (störst + 2 * utfyllnad) * N - mellanrum * (N - 1) > 0 ? störst : bredd[i];
            else
                b[i] = std::max(0.0, bredd[i] + över / N);
        }

        std::vector<double> mitt = nyaPositionerFörEgnaRubrikerMedBredder(
            b, positioner, {vänsterkant, 0, radbredd, 0}, utfyllnad, mellanrum);
        sidaVidSida(b, mitt, utfyllnad, mellanrum);
        const rumsplan::Rum* förra = nullptr;
        for (size_t i = 0; i < n; ++i) {
            const double x = mitt[i] - b[i] / 2 - utfyllnad;
            const Rect rutan{x, rutansTopp, b[i] + 2 * utfyllnad, rutansHöjd};
            BezierPath ruta = BezierPath::roundedRect(rutan, 3, 3);
            ruta.lineWidth = 2;
            plan.rita({std::nullopt, std::nullopt, cachad::path{std::move(ruta), fyllning, kant}});
            const Rect ram{x, textensTopp, rutan.width, rutansHöjd};
            auto& rum = plan.rum("item heading", {x, textensTopp, rutan.width, rutansTopp + rutansHöjd - textensTopp})
                            .block("item heading", {rubriker[i], ram});
            if (förra) plan.krymperMed(*förra, rum);
            förra = &rum;
        }
    };
}
