#include "Vyer/Faktura/Rumsplan.h"

#include "Vyer/Faktura/Textpassning.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <numeric>

namespace rumsplan {

Rum& Rum::block(std::string namn, std::vector<Text> texter, Blockval val) {
    std::erase_if(texter, [](const Text& t) { return t.text.empty(); });
    if (!texter.empty()) block_.push_back({std::move(namn), std::move(texter), val});
    return *this;
}

Rum& Rum::block(std::string namn, Text text, Blockval val) {
    return block(std::move(namn), std::vector<Text>{std::move(text)}, val);
}

Rum& Rum::färdiga(std::vector<CachatObjekt> objekt) {
    for (CachatObjekt& o : objekt) färdiga_.push_back(std::move(o));
    return *this;
}

Rum& Plan::rum(std::string namn, Rect yta) {
    rum_.emplace_back(std::move(namn), yta);
    grupp_.push_back(grupp_.size());
    return rum_.back();
}

void Plan::krymperMed(const Rum& a, const Rum& b) {
    auto index = [&](const Rum& r) {
        for (size_t i = 0; i < rum_.size(); ++i)
            if (&rum_[i] == &r) return i;
        return rum_.size();
    };
    const size_t ga = grupp_[index(a)], gb = grupp_[index(b)];
    for (size_t& g : grupp_)
        if (g == gb) g = ga;
}

namespace {

double toppVid(const Förankring& f, double höjd) {
    const double y = f.linje - f.andelOvanför * höjd;
    switch (f.avrundning) {
        case Avrundning::närmast: return std::round(y);
        case Avrundning::nedåt: return std::floor(y);
        case Avrundning::ingen: break;
    }
    return y;
}

TextDrawingMode lägeFör(Sättning s) {
    return s == Sättning::tabell ? TextDrawingMode::layoutManager : TextDrawingMode::fromTopLeft;
}

// A caption's leader, from the space before its last word; none when the
// caption has no space.
size_t ledarensStart(const Text& t) {
    if (t.sättning != Sättning::medLedare) return std::string::npos;
    return t.text.text().rfind(' ');
}

// A block as the fitter works with it: its texts wrapped where they must,
// each at its offset below the block's top.
struct Sats {
    AttributedString text;
    Rect ram;
    TextDrawingMode läge;
    double dy = 0;
    AttributedString ledare;  // drawn after the text, never measured
};
struct Fitblock {
    std::vector<Sats> texter;
    double topp = 0;     // where the template put it
    double ramhöjd = 0;  // of its frames, from its top
    Blockval val;
};

// A room's blocks at one size: each block's top and height, and the
// height of each of its texts.
struct Placering {
    int procent = 100;
    std::vector<double> y, höjd;
    std::vector<std::vector<double>> texthöjd;
    bool ryms = true;
    bool brutetOrd = false;
};

class Rumsättare {
public:
    Rumsättare(const TextMeasurer& mätare, const Rum& rum) : mätare_(mätare), yta_(rum.yta()) {
        for (const Rum::Block& b : rum.blocken()) {
            Fitblock f;
            f.val = b.val;
            f.topp = std::numeric_limits<double>::infinity();
            for (const Text& t : b.texter) f.topp = std::min(f.topp, t.ram.minY());
            for (const Text& t : b.texter) {
                const TextDrawingMode läge = lägeFör(t.sättning);
                const size_t ledare = ledarensStart(t);
                const AttributedString text = ledare == std::string::npos ? t.text : t.text.substring(0, ledare);
                Sats s{radbrutenDärDenMåste(mätare, text, t.ram.width, läge, yta_.height), t.ram, läge,
                       t.ram.minY() - f.topp};
                // A caption too long for its line wraps without its leader.
                if (ledare != std::string::npos && klipper(s.text))
                    s.ledare = t.text.substring(ledare, t.text.length());
                f.texter.push_back(std::move(s));
                f.ramhöjd = std::max(f.ramhöjd, t.ram.maxY() - f.topp);
            }
            block_.push_back(std::move(f));
        }
    }

    const Placering& vid(int procent) {
        auto it = placeringar_.find(procent);
        if (it == placeringar_.end()) it = placeringar_.emplace(procent, placera(procent)).first;
        return it->second;
    }

    // The objects of the room's blocks at that size: placed where they fit,
    // else close from the top and cut at the foot.
    std::vector<CachatObjekt> objekt(int procent) {
        const Placering& p = vid(procent);
        return p.ryms ? påSinaPlatser(p) : avkortade(p);
    }

private:
    const TextMeasurer& mätare_;
    Rect yta_;
    std::vector<Fitblock> block_;
    std::map<int, Placering> placeringar_;

    Placering placera(int procent) {
        const double k = procent / 100.0;
        Placering p;
        p.procent = procent;
        const size_t n = block_.size();
        p.y.resize(n), p.höjd.resize(n), p.texthöjd.resize(n);
        for (size_t i = 0; i < n; ++i) {
            const Fitblock& b = block_[i];
            double höjd = 0;
            for (const Sats& s : b.texter) {
                const TextExtent m =
                    uppmättIRam(mätare_, vidProcent(s.text, procent), {s.ram.width, yta_.height}, s.läge);
                p.ryms = p.ryms && inomRamen(m, {s.ram.width, yta_.height});
                p.brutetOrd = p.brutetOrd || m.brokeWord;
                p.texthöjd[i].push_back(m.size.height);
                höjd = std::max(höjd, s.dy * k + m.size.height);
            }
            p.höjd[i] = höjd;
        }
        if (n == 0) return p;
        // Down from where each would stand, each under the one above it;
        // a block on a line stands by its frames where its texts are lower.
        for (size_t i = 0; i < n; ++i) {
            const Fitblock& b = block_[i];
            const double önskad = b.val.förankring ? toppVid(*b.val.förankring, std::max(b.ramhöjd, p.höjd[i]))
                                                   : b.topp;
            const double under = i == 0 ? yta_.minY() : p.y[i - 1] + p.höjd[i - 1] + b.val.avstånd * k;
            p.y[i] = std::max(önskad, i > 0 && b.val.underPåHelPunkt ? std::ceil(under) : under);
        }
        // Up from the foot where the last passes it, no higher than it may.
        if (p.y[n - 1] + p.höjd[n - 1] > yta_.maxY()) {
            p.y[n - 1] = std::max(yta_.maxY() - p.höjd[n - 1], översta(n - 1));
            for (size_t i = n - 1; i-- > 0;)
                p.y[i] = std::min(p.y[i], p.y[i + 1] - block_[i + 1].val.avstånd * k - p.höjd[i]);
        }
        p.ryms = p.ryms && p.y[0] >= yta_.minY() - passningsmån &&
                 p.y[n - 1] + p.höjd[n - 1] <= yta_.maxY() + passningsmån;
        return p;
    }

    double översta(size_t i) const {
        return block_[i].val.översta.value_or(-std::numeric_limits<double>::infinity());
    }

    // A text's frame at its block's top: the template's where the text
    // fits it, else as high as the text with a point to spare, within the
    // room.
    Rect ramFör(const Sats& s, double blocktopp, double k, double texthöjd) const {
        const double topp = blocktopp + s.dy * k;
        const double höjd = texthöjd > s.ram.height + passningsmån ? std::ceil(texthöjd - 1e-6) + 1 : s.ram.height;
        return {s.ram.minX(), topp, s.ram.width, std::max(texthöjd, std::min(höjd, yta_.maxY() - topp))};
    }

    // A text as drawn at that size, with its leader.
    static AttributedString ritad(const Sats& s, int procent) {
        AttributedString text = vidProcent(s.text, procent);
        if (!s.ledare.empty()) text.append(vidProcent(s.ledare, procent));
        return text;
    }

    static CachatObjekt objektFör(AttributedString text, const Rect& ram, TextDrawingMode läge) {
        if (läge == TextDrawingMode::layoutManager)
            return CachatObjekt(std::nullopt, std::nullopt, cachad::stringNeedingLayoutManager{std::move(text), ram});
        return CachatObjekt(std::move(text), ram);
    }

    std::vector<CachatObjekt> påSinaPlatser(const Placering& p) const {
        const double k = p.procent / 100.0;
        std::vector<CachatObjekt> ut;
        for (size_t i = 0; i < block_.size(); ++i)
            for (size_t t = 0; t < block_[i].texter.size(); ++t) {
                const Sats& s = block_[i].texter[t];
                ut.push_back(objektFör(ritad(s, p.procent), ramFör(s, p.y[i], k, p.texthöjd[i][t]), s.läge));
            }
        return ut;
    }

    // Whether each text of block i, at its top y, shows its first line
    // above the foot.
    bool harRumFörEnRad(size_t i, double y, const Placering& p) const {
        const double k = p.procent / 100.0;
        for (const Sats& s : block_[i].texter) {
            const double rum = yta_.maxY() - (y + s.dy * k);
            const auto rader = mätare_.linesUpTo(vidProcent(s.text, p.procent), s.ram.width, s.läge,
                                                 TextBound::frame(std::max(rum, 0.0) + passningsmån));
            if (!rader.empty() && rader.front().bottom > rum + passningsmån) return false;
        }
        return true;
    }

    std::vector<CachatObjekt> avkortade(const Placering& p) const {
        const double k = p.procent / 100.0;
        const double fot = yta_.maxY();
        std::vector<CachatObjekt> ut;
        std::vector<size_t> sistaTexten;  // in `ut`, of each block kept: the one ending lowest
        std::vector<double> slut;
        double y = yta_.minY();
        for (size_t i = 0; i < block_.size(); ++i) {
            if (i > 0) y += block_[i].val.avstånd * k;
            y = std::max(y, översta(i));
            double textslut = y;
            for (size_t t = 0; t < block_[i].texter.size(); ++t)
                textslut = std::max(textslut, y + block_[i].texter[t].dy * k + p.texthöjd[i][t]);
            if (textslut <= fot + passningsmån) {
                size_t lägst = ut.size();
                double lägstaSlut = -1;
                for (size_t t = 0; t < block_[i].texter.size(); ++t) {
                    const Sats& s = block_[i].texter[t];
                    const double sl = y + s.dy * k + p.texthöjd[i][t];
                    if (sl > lägstaSlut) lägstaSlut = sl, lägst = ut.size();
                    ut.push_back(objektFör(ritad(s, p.procent), ramFör(s, y, k, p.texthöjd[i][t]), s.läge));
                }
                sistaTexten.push_back(lägst);
                y += p.höjd[i];
                continue;
            }
            // The block that crosses the foot: cut there, or, without room
            // for a line, left out, the block above ending in the ellipsis.
            if (i > 0 && !harRumFörEnRad(i, y, p)) {
                if (!sistaTexten.empty()) gerUppSinSistaRad(ut[sistaTexten.back()]);
                break;
            }
            for (const Sats& s : block_[i].texter) {
                const double topp = y + s.dy * k;
                const Size rum{s.ram.width, std::max(fot - topp, 0.0)};
                AttributedString text = avkortad(mätare_, vidProcent(s.text, p.procent), rum, s.läge);
                const double höjd = std::max(rum.height, uppmättIRam(mätare_, text, {s.ram.width, rum.height}, s.läge).size.height);
                ut.push_back(objektFör(std::move(text), {s.ram.minX(), topp, s.ram.width, höjd}, s.läge));
            }
            break;
        }
        return ut;
    }

    void gerUppSinSistaRad(CachatObjekt& o) const {
        auto ge = [&](AttributedString& text, const Rect& ram, TextDrawingMode läge) {
            text = utanSistaRaden(mätare_, text, ram.width, läge);
        };
        if (auto* s = std::get_if<cachad::string>(&o.data)) ge(s->string, s->frame, TextDrawingMode::fromTopLeft);
        if (auto* s = std::get_if<cachad::stringNeedingLayoutManager>(&o.data))
            ge(s->string, s->frame, TextDrawingMode::layoutManager);
    }
};

}  // namespace

bool rymmer(const TextMeasurer& mätare, const Rum& rum, int procent) {
    return Rumsättare(mätare, rum).vid(procent).ryms;
}

std::vector<CachatObjekt> Plan::vidFullStorlek(const Rum& rum) const {
    const Rect& yta = rum.yta();
    const double sidansFot = vy_.ramFörEnSida().maxY();
    Rum hela(rum.namn(), {yta.x, yta.y, yta.width, std::max(yta.height, sidansFot - yta.y)});
    for (const Rum::Block& b : rum.blocken()) hela.block(b.namn, b.texter, b.val);
    return Rumsättare(vy_.mätare, hela).objekt(100);
}

std::vector<CachatObjekt> Plan::placera() && {
    std::vector<Rumsättare> sättare;
    for (const Rum& r : rum_) sättare.emplace_back(vy_.mätare, r);
    // The size of each group: the largest at which all its rooms hold
    // their blocks.
    std::vector<int> procent(rum_.size(), 100);
    for (size_t g = 0; g < rum_.size(); ++g) {
        std::vector<size_t> rummen;
        for (size_t i = 0; i < rum_.size(); ++i)
            if (grupp_[i] == g) rummen.push_back(i);
        if (rummen.empty()) continue;
        auto passar = [&](int p, bool helaOrd) {
            return std::all_of(rummen.begin(), rummen.end(), [&](size_t i) {
                const Placering& pl = sättare[i].vid(p);
                return pl.ryms && !(helaOrd && pl.brutetOrd);
            });
        };
        const int p = störstaProcentMedHelaOrd(passar).value_or(minstaProcent);
        for (size_t i : rummen) procent[i] = p;
    }
    std::vector<CachatObjekt> ut;
    for (size_t i = 0; i < rum_.size(); ++i) {
        PlaneratRum planerat{rum_[i].namn(), rum_[i].yta(), sidor_, {}};
        std::vector<CachatObjekt> objekt = sättare[i].objekt(procent[i]);
        for (CachatObjekt& o : rum_[i].färdiga()) objekt.push_back(std::move(o));
        for (CachatObjekt& o : objekt) {
            if (const auto t = textIRam(o, vy_.annanSträngmetod)) planerat.texter.push_back(t->ram);
            ut.push_back(std::move(o));
        }
        vy_.planeradeRum.push_back(std::move(planerat));
    }
    return ut;
}

}  // namespace rumsplan
