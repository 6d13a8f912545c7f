#include "Ritadtext.h"

#include "Kodpunkter.h"
#include "Programkorning.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string_view>

namespace pdfkontroll {

namespace {

// What the trace says of the drawing is in the drawing's own space, mapped
// to the page (72 per inch, y down) by the `transform` of each call.
struct Avbildning {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
    Point på(double x, double y) const { return {x * a + y * c + e, x * b + y * d + f}; }
};

// A face's ascent and descent, in ems.
struct Höjder {
    double ascent = 0.8, descent = 0.2;
};

constexpr double oändligt = 1e9;
const Rect helaPlanet{-oändligt, -oändligt, 2 * oändligt, 2 * oändligt};

Rect omslutande(const std::vector<Point>& punkter) {
    if (punkter.empty()) return {0, 0, 0, 0};
    double x0 = punkter[0].x, x1 = x0, y0 = punkter[0].y, y1 = y0;
    for (const Point& p : punkter) {
        x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    }
    return {x0, y0, x1 - x0, y1 - y0};
}

Rect snitt(const Rect& a, const Rect& b) {
    const double x0 = std::max(a.minX(), b.minX()), x1 = std::min(a.maxX(), b.maxX());
    const double y0 = std::max(a.minY(), b.minY()), y1 = std::min(a.maxY(), b.maxY());
    return {x0, y0, std::max(0.0, x1 - x0), std::max(0.0, y1 - y0)};
}

Rect förenade(const Rect& a, const Rect& b) {
    if (a.width <= 0 && a.height <= 0) return b;
    const double x0 = std::min(a.minX(), b.minX()), y0 = std::min(a.minY(), b.minY());
    return {x0, y0, std::max(a.maxX(), b.maxX()) - x0, std::max(a.maxY(), b.maxY()) - y0};
}

bool rymmer(const Rect& yttre, const Rect& inre, double marginal) {
    return inre.minX() >= yttre.minX() - marginal && inre.maxX() <= yttre.maxX() + marginal &&
           inre.minY() >= yttre.minY() - marginal && inre.maxY() <= yttre.maxY() + marginal;
}

// One tag of the trace with its attributes, entities resolved.
struct Tagg {
    std::string namn;  // "/name" for a closing tag
    std::map<std::string, std::string, std::less<>> attribut;

    double tal(std::string_view nyckel, double annars = 0) const {
        auto i = attribut.find(nyckel);
        return i == attribut.end() ? annars : std::strtod(i->second.c_str(), nullptr);
    }
    std::vector<double> tallista(std::string_view nyckel) const {
        std::vector<double> ut;
        auto i = attribut.find(nyckel);
        if (i == attribut.end()) return ut;
        std::istringstream in(i->second);
        for (double v; in >> v;) ut.push_back(v);
        return ut;
    }
    Avbildning avbildning(std::string_view nyckel) const {
        const auto v = tallista(nyckel);
        if (v.size() != 6) return {};
        return {v[0], v[1], v[2], v[3], v[4], v[5]};
    }
};

std::string utanEntiteter(std::string_view text) {
    std::string ut;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            ut += text[i];
            continue;
        }
        const size_t slut = text.find(';', i);
        if (slut == std::string_view::npos) {
            ut += text.substr(i);
            break;
        }
        const std::string_view namn = text.substr(i + 1, slut - i - 1);
        if (namn == "amp") ut += '&';
        else if (namn == "lt") ut += '<';
        else if (namn == "gt") ut += '>';
        else if (namn == "quot") ut += '"';
        else if (namn == "apos") ut += '\'';
        else if (namn.starts_with("#")) {
            const bool hex = namn.starts_with("#x");
            const std::string tal(namn.substr(hex ? 2 : 1));
            ut += testhjalp::utf8(std::u32string(1, char32_t(std::strtoul(tal.c_str(), nullptr, hex ? 16 : 10))));
        }
        i = slut;
    }
    return ut;
}

// The tags of the trace in order; text between tags carries nothing.
class Taggläsare {
public:
    explicit Taggläsare(std::string_view xml) : xml_(xml) {}

    bool nästa(Tagg& tagg) {
        for (;;) {
            const size_t start = xml_.find('<', pos_);
            if (start == std::string_view::npos) return false;
            const size_t slut = xml_.find('>', start);
            if (slut == std::string_view::npos) return false;
            pos_ = slut + 1;
            std::string_view inne = xml_.substr(start + 1, slut - start - 1);
            if (inne.empty() || inne[0] == '?' || inne[0] == '!') continue;
            if (inne.back() == '/') inne.remove_suffix(1);
            size_t i = 0;
            while (i < inne.size() && inne[i] != ' ' && inne[i] != '\n' && inne[i] != '\t') ++i;
            tagg.namn = std::string(inne.substr(0, i));
            tagg.attribut.clear();
            while (i < inne.size()) {
                const size_t lika = inne.find('=', i);
                if (lika == std::string_view::npos) break;
                const size_t nyckel = inne.find_first_not_of(" \n\t", i);
                const size_t citat = inne.find('"', lika);
                const size_t citatSlut = citat == std::string_view::npos ? citat : inne.find('"', citat + 1);
                if (citatSlut == std::string_view::npos) break;
                tagg.attribut.emplace(std::string(inne.substr(nyckel, lika - nyckel)),
                                      utanEntiteter(inne.substr(citat + 1, citatSlut - citat - 1)));
                i = citatSlut + 1;
            }
            return true;
        }
    }

private:
    std::string_view xml_;
    size_t pos_ = 0;
};

std::string utanPrefix(const std::string& namn) {
    return namn.size() > 7 && namn[6] == '+' ? namn.substr(7) : namn;
}

// Each embedded face's ascent and descent by its name (without the subset
// prefix: a face's are the same in every PDF), from the font descriptors of
// `mutool show FILE grep`, one object a line; asked again only for a PDF
// that uses a face not yet known.
class Höjdtabell {
public:
    // `namn` as the trace names a face: the subset prefix, then the name,
    // cut to the 31 bytes mupdf keeps.
    Höjder operator[](const std::string& namn) const {
        auto i = hitta(namn);
        return i == kända_.end() ? Höjder{} : i->second;
    }

    void läs(const std::filesystem::path& pdf, std::string_view spår) {
        const std::set<std::string> namnen = typsnitt(spår);
        if (std::all_of(namnen.begin(), namnen.end(), [&](const auto& n) { return hitta(n) != kända_.end(); }))
            return;
        testhjalp::Körning k = testhjalp::körProgram("mutool", {"show", pdf.string(), "grep"});
        EXPECT_EQ(k.status, 0) << k.fel;
        static const std::regex namn(R"(/FontName\s*/([^\s/\[\]<>()]+))");
        static const std::regex ascent(R"(/Ascent\s+(-?[0-9.]+))");
        static const std::regex descent(R"(/Descent\s+(-?[0-9.]+))");
        std::istringstream rader(k.ut);
        for (std::string rad; std::getline(rader, rad);) {
            if (rad.find("/FontDescriptor") == std::string::npos) continue;
            std::smatch n, a, d;
            if (!std::regex_search(rad, n, namn) || !std::regex_search(rad, a, ascent) ||
                !std::regex_search(rad, d, descent))
                continue;
            const double upp = std::stod(a[1]) / 1000, ned = -std::stod(d[1]) / 1000;
            if (upp > 0 && ned >= 0) kända_[utanPrefix(n[1])] = {upp, ned};
        }
        // A face without a usable descriptor keeps the default and is not
        // asked for again.
        for (const std::string& n : namnen)
            if (hitta(n) == kända_.end()) kända_[utanPrefix(n)] = Höjder{};
    }

private:
    // A name mupdf cut short stands for any it begins.
    std::map<std::string, Höjder>::const_iterator hitta(const std::string& namn) const {
        const std::string bas = utanPrefix(namn);
        if (namn.size() < 31) return kända_.find(bas);
        auto i = kända_.lower_bound(bas);
        return i != kända_.end() && i->first.starts_with(bas) ? i : kända_.end();
    }

    // The faces the trace's text is set in, as it names them.
    static std::set<std::string> typsnitt(std::string_view spår) {
        std::set<std::string> ut;
        const std::string_view nyckel = "font=\"";
        for (size_t i = spår.find(nyckel); i != std::string_view::npos; i = spår.find(nyckel, i + 1)) {
            const size_t början = i + nyckel.size(), slut = spår.find('"', början);
            if (slut == std::string_view::npos) break;
            ut.emplace(spår.substr(början, slut - början));
        }
        return ut;
    }

    std::map<std::string, Höjder> kända_;
};

struct Glyf {
    std::string tecken;
    Rect ruta;        // across by the advance, up and down by ascent and descent
    Rect kropp;       // across by the advance less a twentieth of the size each side, up by half the size
    Point baslinje;   // origin
    Point riktning;   // unit vector along the baseline
    double framsteg = 0;  // the advance, in points
    double upp = 0, ned = 0;  // ascent and descent, in points
    double storlek = 0;
    std::string typsnitt;
    Dold dold = Dold::nej;
    size_t ordning = 0;  // in the page's drawing
};

struct Fyllning {
    Rect yta;
    size_t ordning = 0;
};

bool utanTecken(const std::string& tecken) {
    if (tecken.empty()) return true;
    // U+E000 to U+F8FF in UTF-8: EE 80 80 to EF A3 BF.
    const auto b = [&](size_t i) { return static_cast<unsigned char>(tecken[i]); };
    return tecken.size() == 3 && (b(0) == 0xEE || (b(0) == 0xEF && b(1) <= 0xA3));
}

bool ärMellanrum(const std::string& tecken) {
    return tecken == " " || tecken == "\t" || tecken == "\u00A0" || tecken == "\u202F" || tecken == "\u2028" ||
           tecken == "\u2029" || tecken == "\u2009" || tecken == "\u2002" || tecken == "\u2003" || tecken.empty();
}

// Hyphens as a reader reads them: soft, breaking and non-breaking alike.
std::string somLäst(const std::string& tecken) {
    if (tecken == "\u00AD" || tecken == "\u2010" || tecken == "\u2011") return "-";
    return tecken;
}

// A path's corners when it is one upright rectangle, else nothing.
std::optional<Rect> rektangel(const std::vector<Point>& punkter, bool kurvor) {
    if (kurvor || punkter.size() < 4 || punkter.size() > 5) return std::nullopt;
    const Rect r = omslutande(punkter);
    for (const Point& p : punkter) {
        const bool kant = (std::abs(p.x - r.minX()) < 0.01 || std::abs(p.x - r.maxX()) < 0.01) &&
                          (std::abs(p.y - r.minY()) < 0.01 || std::abs(p.y - r.maxY()) < 0.01);
        if (!kant) return std::nullopt;
    }
    return r;
}

// The glyphs of one page grouped into words.
std::vector<RitatOrd> ordAv(const std::vector<Glyf>& glyfer, int sida) {
    std::vector<RitatOrd> ut;
    const Glyf* föregående = nullptr;
    for (const Glyf& g : glyfer) {
        if (ärMellanrum(g.tecken)) {
            föregående = nullptr;
            continue;
        }
        bool fortsätter = false, ligaturensRest = false;
        if (föregående) {
            // The next glyph stands where the last one's advance ends, on its
            // baseline.
            const Point r = föregående->riktning;
            const double dx = g.baslinje.x - föregående->baslinje.x, dy = g.baslinje.y - föregående->baslinje.y;
            const double längs = dx * r.x + dy * r.y, tvärs = -dx * r.y + dy * r.x;
            const double storlek = std::max(föregående->storlek, g.storlek);
            // What a clip hides does not join what shows past it: a dot
            // leader cut at its column's edge runs on, hidden, up to the
            // value beside it, which a reader sees apart.
            // A ligature's characters after its first are read at its
            // origin with no advance: the next glyph stands where the
            // ligature's ends.
            ligaturensRest = g.framsteg == 0 && std::abs(längs) < 0.01 * storlek && std::abs(tvärs) < 0.01 * storlek;
            fortsätter = std::abs(tvärs) < 0.1 * storlek &&
                         (ligaturensRest || std::abs(längs - föregående->framsteg) < 0.25 * storlek) &&
                         !(föregående->dold == Dold::utanförKlipp && g.dold == Dold::nej);
        }
        if (!fortsätter) ut.push_back({.sida = sida});
        RitatOrd& o = ut.back();
        if (o.glyfer == 0) {
            o.bas = g.baslinje;
            o.riktning = g.riktning;
        }
        o.text += somLäst(g.tecken);
        if (g.dold == Dold::nej) {
            const double längs = (g.baslinje.x - o.bas.x) * o.riktning.x + (g.baslinje.y - o.bas.y) * o.riktning.y;
            if (o.syns.empty()) o.från = längs, o.till = längs;
            o.från = std::min(o.från, längs);
            o.till = std::max(o.till, längs + g.framsteg);
            o.upp = std::max(o.upp, g.upp);
            o.ned = std::max(o.ned, g.ned);
            o.syns += somLäst(g.tecken);
            o.synligRuta = förenade(o.synligRuta, g.ruta);
        } else {
            if (o.dolda == 0) o.varför = g.dold;
            ++o.dolda;
        }
        o.ruta = förenade(o.ruta, g.ruta);
        if (o.glyfer++ == 0) {
            o.storlek = g.storlek;
            o.typsnitt = g.typsnitt;
        } else if (g.typsnitt != o.typsnitt && o.ävenTypsnitt.empty()) {
            o.ävenTypsnitt = g.typsnitt;
        }
        if (!ligaturensRest) föregående = &g;
    }
    return ut;
}

}  // namespace

std::vector<RitadSida> ritadeSidor(const std::filesystem::path& pdf) {
    testhjalp::Körning k = testhjalp::körProgram("mutool", {"draw", "-F", "trace", "-o", "-", pdf.string()});
    EXPECT_EQ(k.status, 0) << k.fel;
    static Höjdtabell höjder;
    höjder.läs(pdf, k.ut);

    std::vector<RitadSida> sidor;
    std::vector<Glyf> glyfer;
    std::vector<Fyllning> fyllningar;
    std::vector<Rect> klipp;  // the clips in force, each the intersection of those before it
    size_t ordning = 0;

    // The path being read and what it is for.
    std::string vägFör;
    Avbildning vägAvbildning;
    std::vector<Point> väg;
    bool kurvor = false;
    bool opak = false;
    // Text being read: inside fill_text or stroke_text, not in a mask or clip.
    bool iText = false;
    int iMask = 0;
    Avbildning textAvbildning;
    std::vector<double> trm;
    std::string typsnitt;

    auto avslutaSida = [&] {
        if (sidor.empty()) return;
        // A glyph under an opaque rectangle filled after it does not show.
        for (Glyf& g : glyfer) {
            if (g.dold != Dold::nej) continue;
            const Point mitt{g.kropp.x + g.kropp.width / 2, g.kropp.y + g.kropp.height / 2};
            for (const Fyllning& f : fyllningar)
                if (f.ordning > g.ordning && mitt.x >= f.yta.minX() && mitt.x <= f.yta.maxX() &&
                    mitt.y >= f.yta.minY() && mitt.y <= f.yta.maxY()) {
                    g.dold = Dold::övertäckt;
                    break;
                }
        }
        sidor.back().ord = ordAv(glyfer, sidor.back().nummer);
        glyfer.clear();
        fyllningar.clear();
    };
    auto läggPåKlipp = [&](const Rect& r) { klipp.push_back(klipp.empty() ? r : snitt(klipp.back(), r)); };

    Taggläsare läsare(k.ut);
    for (Tagg t; läsare.nästa(t);) {
        const std::string& n = t.namn;
        if (n == "page") {
            avslutaSida();
            const auto box = t.tallista("mediabox");
            RitadSida s;
            s.nummer = int(sidor.size()) + 1;
            if (box.size() == 4) s.storlek = {box[2] - box[0], box[3] - box[1]};
            sidor.push_back(s);
            klipp.assign(1, Rect{0, 0, s.storlek.width, s.storlek.height});
            ordning = 0;
        } else if (n == "clip_path" || n == "fill_path" || n == "clip_stroke_path") {
            vägFör = n;
            vägAvbildning = t.avbildning("transform");
            väg.clear();
            kurvor = false;
            // An opaque fill: no alpha below one, in no mask.
            opak = n == "fill_path" && t.tal("alpha", 1) >= 1 && iMask == 0;
        } else if (n == "moveto" || n == "lineto") {
            väg.push_back(vägAvbildning.på(t.tal("x"), t.tal("y")));
        } else if (n == "curveto") {
            kurvor = true;
            for (const char* p : {"1", "2", "3"})
                if (t.attribut.count(std::string("x") + p))
                    väg.push_back(vägAvbildning.på(t.tal(std::string("x") + p), t.tal(std::string("y") + p)));
        } else if (n == "/clip_path" || n == "/clip_stroke_path") {
            läggPåKlipp(omslutande(väg));
        } else if (n == "/fill_path") {
            if (opak && !klipp.empty())
                if (auto r = rektangel(väg, kurvor)) fyllningar.push_back({snitt(*r, klipp.back()), ordning++});
        } else if (n == "clip_text" || n == "clip_stroke_text" || n == "clip_image_mask") {
            // A clip by glyphs or an image: where it lets through is not
            // read, so it is taken to let everything through.
            läggPåKlipp(helaPlanet);
        } else if (n == "mask") {
            ++iMask;
        } else if (n == "/mask") {
            --iMask;
            läggPåKlipp(helaPlanet);
        } else if (n == "pop_clip") {
            if (klipp.size() > 1) klipp.pop_back();
        } else if (n == "fill_text" || n == "stroke_text") {
            iText = iMask == 0;
            textAvbildning = t.avbildning("transform");
        } else if (n == "/fill_text" || n == "/stroke_text") {
            iText = false;
        } else if (n == "span" && iText) {
            trm = t.tallista("trm");
            typsnitt = t.attribut.count("font") ? t.attribut.at("font") : "";
        } else if (n == "g" && iText && trm.size() == 4 && !sidor.empty()) {
            const Höjder h = höjder[typsnitt];
            const double x = t.tal("x"), y = t.tal("y"), adv = t.tal("adv");
            // A point of the glyph's em space on the page.
            auto på = [&](double u, double v) {
                return textAvbildning.på(u * trm[0] + v * trm[2] + x, u * trm[1] + v * trm[3] + y);
            };
            Glyf g;
            g.tecken = t.attribut.count("unicode") ? t.attribut.at("unicode") : "";
            // A glyph the PDF maps to no character, or to one of private
            // use (a ligature a face keeps there): one the reader sees
            // but cannot name.
            if (utanTecken(g.tecken) && adv > 0) g.tecken = "\uFFFD";
            g.ruta = omslutande({på(0, -h.descent), på(adv, -h.descent), på(0, h.ascent), på(adv, h.ascent)});
            const double in = std::min(0.05, adv / 4);
            g.kropp = omslutande({på(in, 0), på(adv - in, 0), på(in, 0.5), på(adv - in, 0.5)});
            g.baslinje = på(0, 0);
            const Point längs = på(1, 0), upp = på(0, 1);
            g.storlek = std::hypot(upp.x - g.baslinje.x, upp.y - g.baslinje.y);
            const double l = std::hypot(längs.x - g.baslinje.x, längs.y - g.baslinje.y);
            g.riktning = l > 0 ? Point{(längs.x - g.baslinje.x) / l, (längs.y - g.baslinje.y) / l} : Point{1, 0};
            g.framsteg = adv * l;
            g.upp = h.ascent * g.storlek;
            g.ned = h.descent * g.storlek;
            g.typsnitt = utanPrefix(typsnitt);
            g.ordning = ordning++;
            if (!rymmer(klipp.back(), g.kropp, 0.5)) g.dold = Dold::utanförKlipp;
            glyfer.push_back(std::move(g));
        }
    }
    avslutaSida();
    return sidor;
}

}  // namespace pdfkontroll
