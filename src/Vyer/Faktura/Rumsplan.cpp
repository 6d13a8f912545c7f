#include "Vyer/Faktura/Rumsplan.h"

#include "Vyer/Faktura/Kolumntabell.h"
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

namespace {

constexpr double oändlig = std::numeric_limits<double>::infinity();

double toppVid(const Förankring& f, double höjd) {
    const double y = f.linje - f.andelOvanför * höjd;
    switch (f.avrundning) {
        case Avrundning::närmast: return std::round(y);
        case Avrundning::nedåt: return std::floor(y);
        case Avrundning::avståndetNärmast: return f.linje - std::round(f.andelOvanför * höjd);
        case Avrundning::ingen: break;
    }
    return y;
}

TextDrawingMode lägeFör(Sättning s, bool strängPåFoten) {
    if (s == Sättning::tabell) return TextDrawingMode::layoutManager;
    return strängPåFoten ? TextDrawingMode::baselineAtFoot : TextDrawingMode::fromTopLeft;
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

// A room's blocks at one size: each block's top and height, the height of
// each of its texts, and the foot the room has at that size.
struct Placering {
    int procent = 100;
    std::vector<double> y, höjd;
    std::vector<std::vector<double>> texthöjd;
    std::vector<std::vector<bool>> enRad;  // of each text: set on one line
    double fot = 0;
    bool ryms = true;
    bool brutetOrd = false;
};

// The fitter of one room.
class Rumsättare {
public:
    Rumsättare(const TextMeasurer& mätare, const Rum& rum, bool strängPåFoten) : mätare_(mätare), yta_(rum.yta()) {
        for (const Rum::Block& b : rum.blocken()) {
            Fitblock f;
            f.val = b.val;
            f.topp = oändlig;
            for (const Text& t : b.texter) f.topp = std::min(f.topp, t.ram.minY());
            for (const Text& t : b.texter) {
                const TextDrawingMode läge = lägeFör(t.sättning, strängPåFoten);
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
        if (it == placeringar_.end()) it = placeringar_.emplace(procent, sättVid(procent)).first;
        return it->second;
    }

    // The objects of the room's blocks at that size: placed where they fit,
    // else close from the top and cut at the foot.
    std::vector<CachatObjekt> objekt(int procent) {
        const Placering& p = vid(procent);
        return p.ryms ? påSinaPlatser(p) : avkortade(p);
    }

    // How far down from the room's top its blocks reach at that size,
    // each pushed under the one above.
    double höjd(int procent) {
        const Placering& p = vid(procent);
        double slut = yta_.minY();
        for (size_t i = 0; i < block_.size(); ++i) slut = std::max(slut, p.y[i] + p.höjd[i]);
        return slut - yta_.minY();
    }

private:
    const TextMeasurer& mätare_;
    Rect yta_;
    std::vector<Fitblock> block_;
    std::map<int, Placering> placeringar_;

    // How far below its top a text's first line ends at that size.
    double förstaRadensFot(const Sats& s, int procent) const {
        const auto rader = mätare_.linesUpTo(vidProcent(s.text, procent), s.ram.width, s.läge, TextBound::frame(0));
        return rader.empty() ? 0 : rader.front().bottom;
    }

    Placering sättVid(int procent) {
        const double k = procent / 100.0;
        Placering p;
        p.procent = procent;
        const size_t n = block_.size();
        p.y.resize(n), p.höjd.resize(n), p.texthöjd.resize(n), p.enRad.resize(n);
        std::vector<std::vector<double>> förstaRaden(n);
        for (size_t i = 0; i < n; ++i)
            for (const Sats& s : block_[i].texter) förstaRaden[i].push_back(förstaRadensFot(s, procent));
        // A room is at least as high as the first line of its first block.
        p.fot = yta_.maxY();
        if (n > 0)
            for (size_t t = 0; t < block_[0].texter.size(); ++t)
                p.fot = std::max(p.fot, yta_.minY() + block_[0].texter[t].dy * k + förstaRaden[0][t]);
        const double höjd = p.fot - yta_.minY();
        for (size_t i = 0; i < n; ++i) {
            const Fitblock& b = block_[i];
            double h = 0;
            for (size_t t = 0; t < b.texter.size(); ++t) {
                const Sats& s = b.texter[t];
                const TextExtent m = uppmättIRam(mätare_, vidProcent(s.text, procent), {s.ram.width, höjd}, s.läge);
                p.ryms = p.ryms && inomRamen(m, {s.ram.width, höjd});
                p.brutetOrd = p.brutetOrd || m.brokeWord;
                p.texthöjd[i].push_back(m.size.height);
                p.enRad[i].push_back(m.size.height <= förstaRaden[i][t] + passningsmån);
                h = std::max(h, s.dy * k + m.size.height);
            }
            p.höjd[i] = h;
        }
        if (n == 0) return p;
        // Down from where each would stand, each under the one above it;
        // a block on a line stands by its frames where its texts are lower.
        for (size_t i = 0; i < n; ++i) {
            const Fitblock& b = block_[i];
            const double önskad = std::max(
                översta(i), b.val.förankring ? toppVid(*b.val.förankring, std::max(b.ramhöjd, p.höjd[i])) : b.topp);
            const double under = i == 0 ? yta_.minY() : p.y[i - 1] + p.höjd[i - 1] + b.val.avstånd * k;
            p.y[i] = std::max(önskad, i > 0 && b.val.underPåHelPunkt ? std::ceil(under) : under);
        }
        // Up from the foot where the last passes it, no higher than it may.
        if (p.y[n - 1] + p.höjd[n - 1] > p.fot) {
            p.y[n - 1] = std::max(p.fot - p.höjd[n - 1], översta(n - 1));
            for (size_t i = n - 1; i-- > 0;)
                p.y[i] = std::min(p.y[i], p.y[i + 1] - block_[i + 1].val.avstånd * k - p.höjd[i]);
        }
        p.ryms = p.ryms && p.y[0] >= yta_.minY() - passningsmån && p.y[n - 1] + p.höjd[n - 1] <= p.fot + passningsmån;
        return p;
    }

    double översta(size_t i) const { return block_[i].val.översta.value_or(-oändlig); }

    // A text's frame at its block's top: the template's where the text
    // fits it or is a string on one line (drawn from the frame's top
    // whatever its height), else as high as the text with a point
    // to spare, within the room.
    static Rect ramFör(const Sats& s, double blocktopp, double k, double texthöjd, double fot, bool enRad) {
        const double topp = blocktopp + s.dy * k;
        if (enRad && s.läge != TextDrawingMode::layoutManager) return {s.ram.minX(), topp, s.ram.width, s.ram.height};
        const double höjd = texthöjd > s.ram.height + passningsmån ? std::ceil(texthöjd - 1e-6) + 1 : s.ram.height;
        return {s.ram.minX(), topp, s.ram.width, std::max(texthöjd, std::min(höjd, fot - topp))};
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

    // Block i's text in its frame, moved across where the block keeps
    // its middle on a line.
    CachatObjekt objektI(size_t i, AttributedString text, Rect ram, TextDrawingMode läge) const {
        if (const auto& mitt = block_[i].val.mittÖver) {
            const double x = *mitt - mätare_.boundingSize(text, {ram.width, yta_.height}).width / 2;
            ram.x = std::floor(x);
        }
        return objektFör(std::move(text), ram, läge);
    }

    std::vector<CachatObjekt> påSinaPlatser(const Placering& p) const {
        const double k = p.procent / 100.0;
        std::vector<CachatObjekt> ut;
        for (size_t i = 0; i < block_.size(); ++i)
            for (size_t t = 0; t < block_[i].texter.size(); ++t) {
                const Sats& s = block_[i].texter[t];
                ut.push_back(objektI(i, ritad(s, p.procent), ramFör(s, p.y[i], k, p.texthöjd[i][t], p.fot, p.enRad[i][t]), s.läge));
            }
        return ut;
    }

    // Whether each text of block i, at its top y, shows its first line
    // above the foot.
    bool harPlatsFörEnRad(size_t i, double y, const Placering& p) const {
        const double k = p.procent / 100.0;
        for (const Sats& s : block_[i].texter) {
            const double kvar = p.fot - (y + s.dy * k);
            const auto rader = mätare_.linesUpTo(vidProcent(s.text, p.procent), s.ram.width, s.läge,
                                                 TextBound::frame(std::max(kvar, 0.0) + passningsmån));
            if (!rader.empty() && rader.front().bottom > kvar + passningsmån) return false;
        }
        return true;
    }

    std::vector<CachatObjekt> avkortade(const Placering& p) const {
        const double k = p.procent / 100.0;
        std::vector<CachatObjekt> ut;
        std::vector<size_t> sistaTexten;  // in `ut`, of each block kept: the one ending lowest
        double y = yta_.minY();
        for (size_t i = 0; i < block_.size(); ++i) {
            if (i > 0) y += block_[i].val.avstånd * k;
            y = std::max(y, översta(i));
            double textslut = y;
            for (size_t t = 0; t < block_[i].texter.size(); ++t)
                textslut = std::max(textslut, y + block_[i].texter[t].dy * k + p.texthöjd[i][t]);
            if (textslut <= p.fot + passningsmån) {
                size_t lägst = ut.size();
                double lägstaSlut = -1;
                for (size_t t = 0; t < block_[i].texter.size(); ++t) {
                    const Sats& s = block_[i].texter[t];
                    const double sl = y + s.dy * k + p.texthöjd[i][t];
                    if (sl > lägstaSlut) lägstaSlut = sl, lägst = ut.size();
                    ut.push_back(objektI(i, påSinRad(ritad(s, p.procent), s),
                                         ramFör(s, y, k, p.texthöjd[i][t], p.fot, p.enRad[i][t]), s.läge));
                }
                sistaTexten.push_back(lägst);
                y += p.höjd[i];
                continue;
            }
            // The block that crosses the foot: cut there, or, without room
            // for its first line, left out, the block above ending in the
            // ellipsis.
            if (i > 0 && !harPlatsFörEnRad(i, y, p)) {
                if (!sistaTexten.empty()) gerUppSinSistaRad(ut[sistaTexten.back()]);
                break;
            }
            for (const Sats& s : block_[i].texter) {
                const double topp = y + s.dy * k;
                const Size plats{s.ram.width, std::max(p.fot - topp, 0.0)};
                AttributedString text = avkortad(mätare_, vidProcent(s.text, p.procent), plats, s.läge);
                const double höjd =
                    std::max(plats.height, uppmättIRam(mätare_, text, {s.ram.width, plats.height}, s.läge).size.height);
                ut.push_back(objektI(i, std::move(text), {s.ram.minX(), topp, s.ram.width, höjd}, s.läge));
            }
            break;
        }
        return ut;
    }

    // A string on its frame's foot keeps to its one line: too wide for it
    // even at 70 %, it ends in an ellipsis at the frame's edge.
    AttributedString påSinRad(AttributedString text, const Sats& s) const {
        if (s.läge != TextDrawingMode::baselineAtFoot ||
            uppmättIRam(mätare_, text, {s.ram.width, oändlig}, s.läge).size.width <= s.ram.width + passningsmån)
            return text;
        AttributedString ut;
        for (const auto& run : text.runs()) {
            TextAttributes a = run.attributes;
            if (!a.paragraphStyle) a.paragraphStyle.emplace();
            a.paragraphStyle->lineBreakMode = LineBreakMode::truncatingTail;
            ut.append(std::string_view(text.text()).substr(run.start, run.length), a);
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

// The room as the rows of columns that lend width see it: its texts moved
// and widened with it.
Rum medYta(const Rum& rum, const Rect& yta) {
    Rum ut(rum.namn(), yta, rum.sidor());
    const double dx = yta.x - rum.yta().x, dw = yta.width - rum.yta().width;
    for (Rum::Block b : rum.blocken()) {
        for (Text& t : b.texter) t.ram = {t.ram.x + dx, t.ram.y, t.ram.width + dw, t.ram.height};
        ut.block(b.namn, std::move(b.texter), b.val);
    }
    ut.färdiga(rum.färdiga());
    return ut;
}

// The bounding box on the page of a rectangle in a turned system.
Rect påSidan(const Rect& r, const std::optional<AffineTransform>& vridning) {
    if (!vridning) return r;
    double x0 = oändlig, y0 = oändlig, x1 = -oändlig, y1 = -oändlig;
    for (Point hörn : {Point{r.minX(), r.minY()}, Point{r.maxX(), r.minY()}, Point{r.maxX(), r.maxY()},
                       Point{r.minX(), r.maxY()}}) {
        const Point p = vridning->apply(hörn);
        x0 = std::min(x0, p.x), y0 = std::min(y0, p.y), x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
    }
    return {x0, y0, x1 - x0, y1 - y0};
}

// The top of the first thing `o` sets on the page: its first line, or a
// drawing's bounds; none for an object that sets nothing.
std::optional<Rect> vadDetTäcker(const TextMeasurer& mätare, const CachatObjekt& o, bool strängPåFoten) {
    if (const auto t = textIRam(o, strängPåFoten)) {
        if (t->text->empty()) return std::nullopt;
        std::optional<Rect> yta;
        for (const Rect& rad : mätare.extent(*t->text, t->ram, t->läge, TextBound::frame(t->ram.height)).lines)
            yta = yta ? yta->united(rad) : rad;
        return yta ? std::optional<Rect>(påSidan(*yta, o.transform)) : std::nullopt;
    }
    if (const auto* väg = std::get_if<cachad::path>(&o.data)) return påSidan(väg->path.bounds(), o.transform);
    if (const auto* bild = std::get_if<cachad::image>(&o.data)) return bild->frame;
    return std::nullopt;
}

// How a text alone in a room is set, its room and its frame. In the
// view's other string mode a string stands on its frame's foot on one
// line, its descenders below the frame: its room takes them in, and a room
// that starts lower than its frame does not push it down, its frame
// starting there too. One too wide for its line, whose frame holds two of
// its lines even at 70 %, wraps in full text layout within the frame
// instead.
struct Ensam {
    Sättning sättning;
    Rect yta, ram;
};
Ensam ensamText(const TextMeasurer& mätare, bool strängPåFoten, const AttributedString& text, const Rect& ram,
                const Textval& val) {
    Ensam ut{val.sättning, val.rum.value_or(ram), ram};
    if (!strängPåFoten || val.sättning != Sättning::sträng) return ut;
    const Rect påRaden{ram.x, ram.y, 0, ram.height};
    const TextExtent rad =
        mätare.extent(text, påRaden, TextDrawingMode::baselineAtFoot, TextBound::frame(ram.height));
    if (rad.size.width > ram.width + passningsmån) {
        const auto rader = mätare.linesUpTo(text.scaled(minstaTextskala), ram.width, TextDrawingMode::layoutManager,
                                            TextBound::frame(ram.height + passningsmån));
        if (rader.size() > 1 && rader[1].bottom <= ram.height + passningsmån) {
            ut.sättning = Sättning::tabell;
            return ut;
        }
    }
    if (ut.yta.minY() > ram.minY() && ut.yta.minY() < ram.maxY())
        ut.ram = {ram.x, ut.yta.minY(), ram.width, ram.maxY() - ut.yta.minY()};
    for (const Rect& r : rad.lines) ut.yta.height = std::max(ut.yta.height, r.maxY() - ut.yta.y);
    return ut;
}

}  // namespace

Rum& Plan::rum(std::string namn, Rect yta, Sidslag sidor) { return rum(Rum(std::move(namn), yta, sidor)); }

Rum& Plan::rum(Rum prövat) {
    rum_.push_back(std::move(prövat));
    grupp_.push_back(grupp_.size());
    delar_.emplace_back(rum_.size() - 1);
    return rum_.back();
}

void Plan::text(std::string namn, AttributedString text, const Rect& ram, const Textval& val) {
    if (text.empty()) return;
    const Ensam e = ensamText(vy_.mätare, vy_.annanSträngmetod, text, ram, val);
    std::string blocknamn = namn;
    rum(std::move(namn), e.yta, val.sidor).block(std::move(blocknamn), {std::move(text), e.ram, e.sättning});
}

void Plan::sidtal(std::string namn, Sidtal vilket, const TextAttributes& attribut, const Rect& ram) {
    sidtal_.push_back({std::move(namn), vilket, attribut, ram});
}

void Plan::placeraSidtal() {
    const int antal = vy_.antalSidor();
    for (const Sidtalet& s : sidtal_) {
        PlaneratRum planerat{s.namn, s.ram, Sidslag::alla, {}};
        auto sätt = [&](int n) {
            AttributedString text(std::to_string(n), s.attribut);
            const Ensam e = ensamText(vy_.mätare, vy_.annanSträngmetod, text, s.ram, {});
            Rum rum(s.namn, e.yta);
            rum.block(s.namn, {std::move(text), e.ram, e.sättning});
            Rumsättare sättare(vy_.mätare, rum, vy_.annanSträngmetod);
            const int procent = störstaProcentMedHelaOrd([&](int p, bool helaOrd) {
                                    const Placering& pl = sättare.vid(p);
                                    return pl.ryms && !(helaOrd && pl.brutetOrd);
                                }).value_or(minstaProcent);
            std::vector<CachatObjekt> objekt = sättare.objekt(procent);
            planerat.yta = planerat.yta.united(e.yta);
            for (const CachatObjekt& o : objekt)
                if (const auto t = textIRam(o, vy_.annanSträngmetod)) planerat.texter.push_back(t->ram);
            return objekt;
        };
        auto lägg = [](std::vector<CachatObjekt>& lista, std::vector<CachatObjekt> objekt) {
            for (CachatObjekt& o : objekt) lista.push_back(std::move(o));
        };
        if (s.vilket == Sidtal::antal)
            lägg(vy_.innehållFörAllaSidor, sätt(antal));
        else
            for (int sida = 1; sida <= antal; ++sida) lägg(vy_.innehållFörVarjeSida[size_t(sida - 1)], sätt(sida));
        vy_.planeradeRum.push_back(std::move(planerat));
    }
}

Rum& Plan::placerade(std::string namn, std::vector<CachatObjekt> objekt, Sidslag sidor) {
    std::optional<Rect> yta;
    for (const CachatObjekt& o : objekt)
        if (textIRam(o, vy_.annanSträngmetod))
            if (const auto täcker = vadDetTäcker(vy_.mätare, o, vy_.annanSträngmetod))
                yta = yta ? yta->united(*täcker) : *täcker;
    return rum(std::move(namn), yta.value_or(Rect{}), sidor).färdiga(std::move(objekt));
}

Rum& Plan::vridetRum(std::string namn, Rect yta, AffineTransform vridning, Sidslag sidor) {
    Rum& r = rum(std::move(namn), yta, sidor);
    r.vridning_ = vridning;
    return r;
}

void Plan::krymperMed(const Rum& a, const Rum& b) {
    auto index = [&](const Rum& r) {
        for (size_t i = 0; i < rum_.size(); ++i)
            if (&rum_[i] == &r) return i;
        throw std::logic_error("a room of another plan: " + r.namn());
    };
    const size_t ga = grupp_[index(a)], gb = grupp_[index(b)];
    for (size_t& g : grupp_)
        if (g == gb) g = ga;
}

void Plan::delarBredd(std::vector<Rum*> rummen) {
    std::vector<size_t> lag;
    for (Rum* r : rummen)
        for (size_t i = 0; i < rum_.size(); ++i)
            if (&rum_[i] == r) lag.push_back(i);
    breddlag_.push_back(std::move(lag));
}

void Plan::rita(CachatObjekt objekt, Sidslag sidor) { delar_.emplace_back(Ritning{std::move(objekt), sidor}); }

void Plan::artikeltabell(const Artikeltabell& t) {
    auto mätt = vy_.mätArtikeltabell(t.rubrik, t.data, t.högerställdRubrik, t.högerställdData, t.val, *this);
    delar_.emplace_back(Tabell{std::move(mätt), t.val});
}

bool Plan::rymmer(const Rum& rum, int procent) const {
    return Rumsättare(vy_.mätare, rum, vy_.annanSträngmetod).vid(procent).ryms;
}

bool Plan::rymmerUtanAttKapa(const Rum& rum) const { return rymmer(rum, minstaProcent); }

std::vector<Plan::Blockplats> Plan::blockensPlatser(const Rum& rum, int procent) const {
    Rumsättare sättare(vy_.mätare, rum, vy_.annanSträngmetod);
    const Placering& p = sättare.vid(procent);
    std::vector<Blockplats> ut;
    for (size_t i = 0; i < p.y.size(); ++i) ut.push_back({p.y[i], p.höjd[i]});
    return ut;
}

int Plan::procent(const Rum& rum) const {
    Rumsättare sättare(vy_.mätare, rum, vy_.annanSträngmetod);
    return störstaProcentMedHelaOrd([&](int p, bool helaOrd) {
               const Placering& pl = sättare.vid(p);
               return pl.ryms && !(helaOrd && pl.brutetOrd);
           }).value_or(minstaProcent);
}

double Plan::höjd(const Rum& rum, int procent) const {
    const Rect& yta = rum.yta();
    Rum hela(rum.namn(), {yta.x, yta.y, yta.width, std::max(yta.height, vy_.ramFörEnSida().maxY() - yta.y)});
    for (const Rum::Block& b : rum.blocken()) hela.block(b.namn, b.texter, b.val);
    return Rumsättare(vy_.mätare, hela, vy_.annanSträngmetod).höjd(procent);
}

std::vector<std::vector<CachatObjekt>> Plan::placeradeRum() {
    // Columns that lend width: each room's least whole width at which its
    // blocks fit at 70 % (with whole words, for one that gives).
    for (const std::vector<size_t>& lag : breddlag_) {
        std::map<std::pair<size_t, double>, std::pair<bool, bool>> mått;  // fits, with a broken word
        auto ryms = [&](size_t i, double bredd, bool helaOrd) {
            auto it = mått.find({i, bredd});
            if (it == mått.end()) {
                const Rect& y = rum_[i].yta();
                Rumsättare s(vy_.mätare, medYta(rum_[i], {y.x, y.y, bredd, y.height}), vy_.annanSträngmetod);
                const Placering& p = s.vid(minstaProcent);
                it = mått.emplace(std::pair{i, bredd}, std::pair{p.ryms, p.brutetOrd}).first;
            }
            return it->second.first && !(helaOrd && it->second.second);
        };
        // The least whole width up to `mest` at which room i holds its
        // blocks; more than `mest` when none does.
        auto minstaBredd = [&](size_t i, double mest, bool helaOrd) {
            const int till = static_cast<int>(std::floor(mest));
            if (!ryms(i, till, helaOrd)) return mest + 1;
            return static_cast<double>(sistaSomHåller(till, 0, [&](int bredd) { return ryms(i, bredd, helaOrd); }));
        };
        const size_t n = lag.size();
        std::vector<Rect> ytor;
        for (size_t i : lag) ytor.push_back(rum_[i].yta());
        std::vector<double> bredd(n), överskott(n, 0);
        std::vector<size_t> trånga;
        for (size_t j = 0; j < n; ++j) {
            bredd[j] = ytor[j].width;
            if (!ryms(lag[j], bredd[j], false)) trånga.push_back(j);
        }
        if (trånga.empty()) continue;
        double ledigt = 0;
        for (size_t j = 0; j < n; ++j)
            if (ryms(lag[j], bredd[j], true)) ledigt += överskott[j] = bredd[j] - minstaBredd(lag[j], bredd[j], true);
        for (size_t i : trånga) {
            double brist = minstaBredd(lag[i], bredd[i] + ledigt, false) - bredd[i];
            if (brist > ledigt) continue;
            for (size_t avstånd = 1; brist > 0 && avstånd < n; ++avstånd)
                for (const size_t j : {i + avstånd, i - avstånd})
                    if (j < n && brist > 0) {
                        const double d = std::min(brist, överskott[j]);
                        bredd[j] -= d, överskott[j] -= d, ledigt -= d;
                        bredd[i] += d, brist -= d;
                    }
        }
        // The columns keep their gaps, the first its left edge.
        std::vector<double> mellanrum(n, 0);
        for (size_t j = 1; j < n; ++j) mellanrum[j] = ytor[j].x - ytor[j - 1].maxX();
        double x = ytor[0].x;
        for (size_t j = 0; j < n; ++j) {
            x += mellanrum[j];
            rum_[lag[j]] = medYta(rum_[lag[j]], {x, ytor[j].y, bredd[j], ytor[j].height});
            x += bredd[j];
        }
    }

    std::vector<Rumsättare> sättare;
    for (const Rum& r : rum_) sättare.emplace_back(vy_.mätare, r, vy_.annanSträngmetod);
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
    std::vector<std::vector<CachatObjekt>> ut;
    for (size_t i = 0; i < rum_.size(); ++i) {
        const Rum& rum = rum_[i];
        PlaneratRum planerat{rum.namn(), påSidan(rum.yta(), rum.vridning()), rum.sidor(), {}, rum.vridning(), rum.yta()};
        std::vector<CachatObjekt> objekt = sättare[i].objekt(procent[i]);
        for (CachatObjekt& o : objekt) o.transform = rum.vridning();
        for (const CachatObjekt& o : rum.färdiga()) objekt.push_back(o);
        for (const CachatObjekt& o : objekt)
            if (const auto t = textIRam(o, vy_.annanSträngmetod)) planerat.texter.push_back(t->ram);
        // A delivery note shows nothing of an invoice's last page.
        if (rum.sidor() != Sidslag::sista || !vy_.följesedel) vy_.planeradeRum.push_back(std::move(planerat));
        ut.push_back(std::move(objekt));
    }
    return ut;
}

std::optional<double> Plan::meddelandetsFot(const Kolumnval& val,
                                             const std::vector<std::vector<CachatObjekt>>& rummen) const {
    // The first thing the last page sets below the rows' room, across
    // their width: a text, a rule or a panel. A delivery note's last page
    // has the others' room and none of the last page's own content.
    const Rect& d = val.datautrymme;
    const double rummetsHöjd = vy_.följesedel ? val.höjdPåÖvrigaSidor : d.height;
    const double under = d.minY() + Kolumnval::radbasensFörskjutning + rummetsHöjd - passningsmån;
    auto påSistaSidan = [&](Sidslag sidor) {
        return sidor == Sidslag::alla || (sidor == Sidslag::sista && !vy_.följesedel);
    };
    std::optional<double> fot = val.meddelandetsFot;
    auto seYta = [&](const std::optional<Rect>& yta) {
        if (!yta || yta->isEmpty() || yta->minY() < under || yta->maxX() <= d.minX() || yta->minX() >= d.maxX()) return;
        if (!fot || yta->minY() < *fot) fot = yta->minY();
    };
    auto se = [&](const CachatObjekt& o) { seYta(vadDetTäcker(vy_.mätare, o, vy_.annanSträngmetod)); };
    for (const Del& del : delar_) {
        if (const size_t* i = std::get_if<size_t>(&del)) {
            if (!påSistaSidan(rum_[*i].sidor())) continue;
            // A room's own bounds, which it records, and what it sets.
            seYta(påSidan(rum_[*i].yta(), rum_[*i].vridning()));
            for (const CachatObjekt& o : rummen[*i]) se(o);
        } else if (const Ritning* r = std::get_if<Ritning>(&del)) {
            if (påSistaSidan(r->sidor)) se(r->objekt);
        }
    }
    return fot;
}

void Plan::placera() && {
    std::vector<std::vector<CachatObjekt>> rummen = placeradeRum();
    std::vector<CachatObjekt> sista, övriga;
    auto lägg = [&](CachatObjekt o, Sidslag sidor) {
        switch (sidor) {
            case Sidslag::alla: vy_.innehållFörAllaSidor.push_back(std::move(o)); break;
            case Sidslag::sista: sista.push_back(std::move(o)); break;
            case Sidslag::övriga: övriga.push_back(std::move(o)); break;
        }
    };
    // The message's foot from everything the page sets, before any of it
    // moves to the pages.
    std::vector<std::optional<double>> fötter;
    for (const Del& del : delar_)
        if (const Tabell* t = std::get_if<Tabell>(&del))
            fötter.push_back(t->val.meddelandetUnderRaderna ? t->val.meddelandetsFot : meddelandetsFot(t->val, rummen));
    auto fot = fötter.begin();
    for (Del& del : delar_) {
        if (const size_t* i = std::get_if<size_t>(&del)) {
            for (CachatObjekt& o : rummen[*i]) lägg(std::move(o), rum_[*i].sidor());
        } else if (Ritning* r = std::get_if<Ritning>(&del)) {
            lägg(std::move(r->objekt), r->sidor);
        } else if (Tabell* t = std::get_if<Tabell>(&del)) {
            vy_.läggUtArtikeltabell(*t->mätt, *fot++);
        }
    }
    for (size_t sida = 0; sida + 1 < vy_.innehållFörVarjeSida.size(); ++sida)
        for (const CachatObjekt& o : övriga) vy_.innehållFörVarjeSida[sida].push_back(o);
    vy_.läggTillInnehållPåSistaSidan(std::move(sista), vitt_);
    placeraSidtal();
}

}  // namespace rumsplan
