#include "Faltjamforelse.h"
#include "Rumskontroll.h"

#include "Kodpunkter.h"
#include "Pdfkontroll.h"
#include "Programkorning.h"

#include "Fillagring.h"
#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Faktura.h"
#include "Modell/Fakturor/Fakturamall.h"
#include "Plattform/Lokalisering.h"
#include "Plattform/Strangar.h"
#include "Plattform/UnicodeText.h"
#include "Vyer/Faktura/Fakturavy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>

namespace fältjämförelse {

namespace {

namespace fs = std::filesystem;
using namespace pdfkontroll;
using namespace fältfynd;

// How near the paper's edge a word may stand.
constexpr double sidmarginal = 6;
// How much smaller than with ordinary values a text may be set.
constexpr double minstaAndel = 0.7;

// A dot leader runs on under the value it leads to; it is the template's
// own decoration.
bool ledare(const RitatOrd& o) { return o.text.size() >= 2 && o.text.find_first_not_of('.') == std::string::npos; }

bool syns(const RitatOrd& o) { return o.dolda < o.glyfer && !ledare(o); }

// Two words set over one another: the parts that show share more than half
// a point along each one's baseline and, across it, more than half a point
// and a quarter of the smaller one's height, so that lines set closer than
// their face's ascent and descent do not count. Boxes turned with their
// baselines, for captions set at an angle.
bool över(const RitatOrd& a, const RitatOrd& b) {
    auto hörn = [](const RitatOrd& o) {
        const Point r = o.riktning, n{-r.y, r.x};  // n points down the page for upright text
        auto p = [&](double längs, double tvärs) {
            return Point{o.bas.x + r.x * längs + n.x * tvärs, o.bas.y + r.y * längs + n.y * tvärs};
        };
        return std::array<Point, 4>{p(o.från, -o.upp), p(o.till, -o.upp), p(o.till, o.ned), p(o.från, o.ned)};
    };
    const auto ha = hörn(a), hb = hörn(b);
    // How much the two boxes' shadows on an axis share.
    auto delat = [&](Point axel) {
        auto spann = [&](const std::array<Point, 4>& h) {
            double lo = 1e18, hi = -1e18;
            for (const Point& p : h) {
                const double v = p.x * axel.x + p.y * axel.y;
                lo = std::min(lo, v), hi = std::max(hi, v);
            }
            return std::pair{lo, hi};
        };
        const auto [a0, a1] = spann(ha);
        const auto [b0, b1] = spann(hb);
        return std::min(a1, b1) - std::max(a0, b0);
    };
    const double höjd = std::min(a.upp + a.ned, b.upp + b.ned);
    for (const RitatOrd* o : {&a, &b}) {
        const Point r = o->riktning;
        if (delat(r) <= 0.5 || delat({-r.y, r.x}) <= std::max(0.5, höjd / 4)) return false;
    }
    return true;
}

// A text placed to end on the margin reads back a rounding of the PDF's
// coordinates past it.
bool näraKanten(const RitatOrd& o, const RitadSida& sida) {
    constexpr double avrundning = 0.01;
    const Rect& r = o.synligRuta;
    const double m = sidmarginal - avrundning;
    return r.minX() < m || r.minY() < m || r.maxX() > sida.storlek.width - m || r.maxY() > sida.storlek.height - m;
}

// A place where a text is drawn, with its page (from 0).
using Plats = std::pair<size_t, Förekomst>;

// What one invoice shows of the texts.
struct Fältbild {
    // Per text: the places it is drawn whole, and those it is drawn in
    // part, most nearly whole first. A part is two of its words at least
    // (or its one word), so that a word it shares with other text does not
    // make one.
    std::vector<std::vector<Plats>> hela, delar;
    // The text each word of the page stands for, by page and word; -1: none.
    std::vector<std::vector<int>> fält;

    void tillhör(size_t f, const Plats& plats) {
        for (const Ordfynd& o : plats.second.ord)
            for (size_t i : o.ritade) fält[plats.first][i] = int(f);
    }
    size_t visas(size_t f) const { return hela[f].size() + delar[f].size(); }
    // Per text and whole place: whether another text holds it whole as
    // well, with as many of its words (a sender and a recipient on one
    // street).
    std::vector<std::vector<bool>> delad;

    // How often a text shows on the first `sidor` pages, places shared
    // with another text left out: with long values one of them may hold
    // more words there.
    size_t visasEnsam(size_t f, size_t sidor) const {
        size_t n = 0;
        for (size_t i = 0; i < hela[f].size(); ++i) n += hela[f][i].first < sidor && !delad[f][i];
        for (const Plats& plats : delar[f]) n += plats.first < sidor;
        return n;
    }
};

// A place drawn in part counts when it holds two of the text's words (or
// its one word) and begins with its first word, or holds three and half of
// them at least; not when those are short numbers only, nor when what it
// holds is drawn whole as another text: so a few words a text shares with a
// caption, an amount or another text ("due date", "12 34", a street name)
// make none.
// Words found of a text that any other text may hold too: short numbers,
// and words of up to three bytes ("à", "des", "of"), which a French F-tax
// note or a bank's name shares with an attention line.
bool baraKortaOrd(const Förekomst& f) {
    return std::all_of(f.ord.begin(), f.ord.end(), [](const Ordfynd& o) {
        return o.brist == Brist::saknas || o.ord.size() <= 3;
    });
}
// A part of a long text holds two of its longer words at least: a
// sentence that begins as a printed notice does ("The payment …") is no
// part of it.
bool fåLångaOrd(const Förekomst& f) {
    size_t långa = 0, funna = 0;
    for (const Ordfynd& o : f.ord)
        if (o.ord.size() > 3) ++långa, funna += o.brist != Brist::saknas;
    return funna < std::min<size_t>(2, långa);
}

// A short number found whole only by joining drawn words ("2" and
// "200,00" of an amount's digit groups): a number that short is drawn in
// one piece wherever it is drawn as itself.
bool taladelarAvAnnat(const Förekomst& f) {
    return std::all_of(f.ord.begin(), f.ord.end(), [](const Ordfynd& o) {
        return o.ord.size() <= 6 && std::all_of(o.ord.begin(), o.ord.end(), [](char c) { return c >= '0' && c <= '9'; });
    }) && std::any_of(f.ord.begin(), f.ord.end(), [](const Ordfynd& o) { return o.ritade.size() > 1; });
}

Fältbild sök(const Läsning& l, const std::vector<Profilfält>& fälten, bool långa) {
    Fältbild ut;
    for (const RitadSida& s : l.ritade) ut.fält.emplace_back(s.ord.size(), -1);
    for (size_t f = 0; f < fälten.size(); ++f) {
        ut.hela.emplace_back();
        ut.delar.emplace_back();
        for (size_t p = 0; p < l.sidor.size(); ++p)
            for (Förekomst& fö : l.sidor[p].förekomster(långa ? fälten[f].långt : fälten[f].vanligt)) {
                const size_t funna = fö.funna();
                if (fö.hel()) {
                    if (taladelarAvAnnat(fö)) continue;
                    ut.hela[f].emplace_back(p, std::move(fö));
                    ut.tillhör(f, ut.hela[f].back());
                } else if (funna >= std::min<size_t>(2, fö.ord.size()) && !baraKortaOrd(fö) && !fåLångaOrd(fö) &&
                           (fö.ord.front().brist != Brist::saknas || (funna >= 3 && 2 * funna >= fö.ord.size()))) {
                    ut.delar[f].emplace_back(p, std::move(fö));
                }
            }
    }
    // Words drawn of two texts belong to the one that holds more of its
    // words there: a recipient's street cut after "Rue du Rhône 81" is no
    // part of the delivery street "Rue du Rhône 38", nor is the country
    // "Danmark" a bank's name holds the recipient's country.
    // By page and word: the most words found of one text there, and which.
    using Mest = std::vector<std::vector<std::pair<size_t, int>>>;
    auto mestAv = [&](bool ävenDelar) {
        Mest mest;
        for (const RitadSida& s : l.ritade) mest.emplace_back(s.ord.size(), std::pair<size_t, int>{0, -1});
        for (size_t f = 0; f < fälten.size(); ++f)
            for (const auto* lista : {&ut.hela[f], &ut.delar[f]}) {
                if (lista == &ut.delar[f] && !ävenDelar) continue;
                for (const Plats& plats : *lista)
                    for (const Ordfynd& o : plats.second.ord)
                        for (size_t i : o.ritade)
                            if (auto& m = mest[plats.first][i]; plats.second.funna() > m.first)
                                m = {plats.second.funna(), int(f)};
            }
        return mest;
    };
    // A whole place gives way only to another text drawn whole there: a
    // part found across lines (an attention line after the company's) may
    // take words it does not own.
    const Mest mest = mestAv(true), mestHela = mestAv(false);
    auto annansOrdI = [&](const Mest& m, size_t f, const Plats& plats, size_t i) {
        const auto& w = m[plats.first][i];
        return w.second >= 0 && w.second != int(f) && w.first > plats.second.funna();
    };
    auto annansOrd = [&](size_t f, const Plats& plats, size_t i) { return annansOrdI(mest, f, plats, i); };
    for (auto& s : ut.fält) std::fill(s.begin(), s.end(), -1);
    for (size_t f = 0; f < fälten.size(); ++f) {
        std::erase_if(ut.hela[f], [&](const Plats& plats) {
            for (const Ordfynd& o : plats.second.ord)
                for (size_t i : o.ritade)
                    if (!annansOrdI(mestHela, f, plats, i)) return false;
            return true;
        });
        for (const Plats& plats : ut.hela[f]) ut.tillhör(f, plats);
    }
    // Whole places held by a text, and whether another holds the same
    // words whole as well.
    std::map<std::pair<size_t, std::vector<size_t>>, size_t> hållna;
    auto ordAv = [](const Plats& plats) {
        std::vector<size_t> ord;
        for (const Ordfynd& o : plats.second.ord) ord.insert(ord.end(), o.ritade.begin(), o.ritade.end());
        std::sort(ord.begin(), ord.end());
        return std::pair{plats.first, ord};
    };
    for (size_t f = 0; f < fälten.size(); ++f)
        for (const Plats& plats : ut.hela[f]) ++hållna[ordAv(plats)];
    for (size_t f = 0; f < fälten.size(); ++f) {
        ut.delad.emplace_back();
        for (const Plats& plats : ut.hela[f]) ut.delad[f].push_back(hållna[ordAv(plats)] > 1);
    }
    for (size_t f = 0; f < fälten.size(); ++f) {
        std::erase_if(ut.delar[f], [&](const Plats& plats) {
            for (const Ordfynd& o : plats.second.ord)
                for (size_t i : o.ritade) {
                    if (!annansOrd(f, plats, i) && (ut.fält[plats.first][i] < 0 || ut.fält[plats.first][i] == int(f))) return false;
                }
            return true;
        });
        std::stable_sort(ut.delar[f].begin(), ut.delar[f].end(),
                         [](const Plats& a, const Plats& b) { return a.second.funna() > b.second.funna(); });
    }
    return ut;
}

std::string sidan(size_t p) { return "page " + std::to_string(p + 1) + " "; }

// The kind of the first word of a place that is not whole.
std::string slagAv(const Plats& plats) {
    for (const Ordfynd& o : plats.second.ord)
        if (o.brist) return namn(*o.brist);
    return "whole";
}

// The words of a place that are not whole; three or more in a row hidden
// or missing as one run.
std::string beskriv(const Plats& plats, const Profilfält& fält) {
    std::string ut;
    const auto& ord = plats.second.ord;
    for (size_t i = 0; i < ord.size(); ++i) {
        if (!ord[i].brist) continue;
        ut += ut.empty() ? sidan(plats.first) + fält.namn + ": " : ", ";
        const Brist b = *ord[i].brist;
        size_t slut = i + 1;
        while ((b == Brist::dold || b == Brist::saknas) && slut < ord.size() && ord[slut].brist == b) ++slut;
        if (slut - i >= 3) {
            ut += "'" + ord[i].ord + "' to '" + ord[slut - 1].ord + "' " + namn(b) + " (" + std::to_string(slut - i) +
                  " words)";
            i = slut - 1;
            continue;
        }
        ut += "'" + ord[i].ord + "' " + namn(b);
        if ((b == Brist::klippt || b == Brist::ellips) && !ord[i].visas.empty())
            ut += " (shows '" + ord[i].visas + "')";
    }
    return ut;
}

using Brister = std::vector<Fel>;

std::string etikett(const RitatOrd& o, int fält, const std::vector<Profilfält>& fälten) {
    return fält >= 0 ? fälten[size_t(fält)].namn : "'" + o.syns + "'";
}
std::string slagsnamn(int fält, const std::vector<Profilfält>& fälten) {
    return fält >= 0 ? fälten[size_t(fält)].namn : "other text";
}

// Words over one another, by page: the one drawn later over the one drawn
// before, grouped by what they stand for, a few pairs named.
void överlapp(const Läsning& l, const Fältbild& bild, const std::vector<Profilfält>& fälten,
              const std::set<std::pair<std::string, std::string>>& utom, const std::string& före, Brister& ut) {
    for (size_t p = 0; p < l.ritade.size(); ++p) {
        const RitadSida& s = l.ritade[p];
        std::map<std::pair<std::string, std::string>, std::vector<std::string>> grupper;
        std::map<std::pair<std::string, std::string>, std::string> slag;
        for (size_t i = 0; i < s.ord.size(); ++i)
            for (size_t j = i + 1; j < s.ord.size(); ++j) {
                const RitatOrd &a = s.ord[i], &b = s.ord[j];
                if (!syns(a) || !syns(b) || !över(a, b) || utom.contains(std::minmax(a.syns, b.syns))) continue;
                const std::pair vilka{etikett(b, bild.fält[p][j], fälten), etikett(a, bild.fält[p][i], fälten)};
                grupper[vilka].push_back("'" + b.syns + "' over '" + a.syns + "'");
                slag[vilka] = före + "overlap: " + slagsnamn(bild.fält[p][j], fälten) + " over " +
                              slagsnamn(bild.fält[p][i], fälten);
            }
        for (const auto& [vilka, par] : grupper) {
            std::string rad = före + sidan(p) + "overlap: " + vilka.first + " over " + vilka.second + ": ";
            for (size_t n = 0; n < par.size() && n < 3; ++n) rad += (n ? ", " : "") + par[n];
            if (par.size() > 3) rad += " (" + std::to_string(par.size()) + " pairs)";
            ut.push_back({slag[vilka], rad});
        }
    }
}

std::set<std::pair<std::string, std::string>> överlappandeTexter(const Läsning& l) {
    std::set<std::pair<std::string, std::string>> ut;
    for (const RitadSida& s : l.ritade)
        for (size_t i = 0; i < s.ord.size(); ++i)
            for (size_t j = i + 1; j < s.ord.size(); ++j)
                if (syns(s.ord[i]) && syns(s.ord[j]) && över(s.ord[i], s.ord[j]))
                    ut.insert(std::minmax(s.ord[i].syns, s.ord[j].syns));
    return ut;
}

std::set<std::string> näraKantenTexter(const Läsning& l) {
    std::set<std::string> ut;
    for (const RitadSida& s : l.ritade)
        for (const RitatOrd& o : s.ord)
            if (syns(o) && näraKanten(o, s)) ut.insert(o.syns);
    return ut;
}

// The words of the lines that carry the items over to the next page, in
// every language, by key: an invoice of fewer pages has fewer of them.
const std::set<std::string>& överföringsord() {
    static const std::set<std::string> ord = [] {
        std::set<std::string> ut;
        for (const Översättningsrad& rad : inbyggdaÖversättningar())
            if (rad.nyckel.find("continued") != std::string_view::npos)
                for (std::string_view text : {rad.nyckel, rad.text})
                    for (size_t i = 0; i < text.size();) {
                        const size_t slut = std::min(text.find(' ', i), text.size());
                        if (slut > i) ut.insert(nyckel(text.substr(i, slut - i)));
                        i = slut + 1;
                    }
        return ut;
    }();
    return ord;
}

// Words no text stands for, that show whole, by key, on the first `sidor`
// pages.
std::multiset<std::string> övrigaOrd(const Läsning& l, const Fältbild& bild, size_t sidor = SIZE_MAX) {
    std::multiset<std::string> ut;
    for (size_t p = 0; p < std::min(sidor, l.sidor.size()); ++p)
        for (size_t i = 0; i < l.ritade[p].ord.size(); ++i) {
            const RitatOrd& o = l.ritade[p].ord[i];
            const std::string& k = l.sidor[p].nycklar[i];
            // Page numbers change with the number of pages.
            const bool sidnummer = k.size() <= 3 && k.find_first_not_of("0123456789") == std::string::npos;
            if (bild.fält[p][i] < 0 && o.helt() && !ledare(o) && !sidnummer) ut.insert(k);
        }
    return ut;
}

// A text's places, each with its page, where its first word drawn stands
// and the size its smallest word is set at.
struct Storlek {
    size_t sida;
    Point var;
    double punkter;
};

std::vector<Storlek> storlekarAv(const Läsning& l, const Fältbild& bild, size_t f) {
    std::vector<Storlek> ut;
    for (const auto* lista : {&bild.hela[f], &bild.delar[f]})
        for (const Plats& plats : *lista) {
            double minst = 1e9;
            size_t först = SIZE_MAX;
            for (const Ordfynd& o : plats.second.ord)
                for (size_t i : o.ritade) {
                    minst = std::min(minst, l.ritade[plats.first].ord[i].storlek);
                    först = std::min(först, i);
                }
            if (först != SIZE_MAX) ut.push_back({plats.first, l.ritade[plats.first].ord[först].bas, minst});
        }
    return ut;
}

// Each place of a text with long values against the nearest place of it
// on the same page with ordinary values (a block that grows moves a
// little; another block showing the same text stands elsewhere): no
// smaller than 70 % of it.
void storlekar(const Läsning& kort, const Läsning& lång, const Fältbild& k, const Fältbild& l,
               const std::vector<Profilfält>& fälten, Brister& ut) {
    for (size_t f = 0; f < fälten.size(); ++f) {
        const auto före = storlekarAv(kort, k, f);
        for (const Storlek& efter : storlekarAv(lång, l, f)) {
            const Storlek* närmast = nullptr;
            double avstånd = 1e18;
            for (const Storlek& s : före) {
                const double d = std::hypot(s.var.x - efter.var.x, s.var.y - efter.var.y);
                if (s.sida == efter.sida && d < avstånd) avstånd = d, närmast = &s;
            }
            if (närmast && efter.punkter < minstaAndel * närmast->punkter - 0.01) {
                char rad[160];
                std::snprintf(rad, sizeof rad, "set at %.1f pt, below 70 %% of its %.1f pt with ordinary values",
                              efter.punkter, närmast->punkter);
                ut.push_back({"too small: " + fälten[f].namn, sidan(efter.sida) + fälten[f].namn + " " + rad});
            }
        }
    }
}

// A text as compared with what a reader takes from the PDF: in capitals,
// without white space or hyphens, which lines and hyphenation add.
std::string somUtdraget(std::string_view text) {
    std::string ut;
    for (char32_t c : testhjalp::kodpunkter(versaler(normalizedNFC(text))))
        if (c != ' ' && c != '\n' && c != '\t' && c != '\f' && c != '\r' && c != 0xA0 && c != 0x2028 &&
            c != '-' && c != 0xAD && c != 0x2010 && c != 0x2011 && c != 0x202F)
            ut += testhjalp::utf8(std::u32string(1, c));
    return ut;
}

// What mutool and pdftotext take from the PDF: no character of private use,
// every word of every text drawn whole.
void utdrag(const Läsning& lång, const Fältbild& l, const std::vector<Profilfält>& fälten, Brister& ut) {
    const std::array<std::pair<const char*, std::vector<std::string>>, 2> läsare = {
        {{"mutool", {"draw", "-F", "txt", "-o", "-", lång.fil.string()}},
         {"pdftotext", {"-enc", "UTF-8", lång.fil.string(), "-"}}}};
    for (const auto& [program, argument] : läsare) {
        const testhjalp::Körning k = testhjalp::körProgram(program, argument);
        EXPECT_EQ(k.status, 0) << program << ": " << k.fel;
        const std::u32string tecken = testhjalp::kodpunkter(k.ut);
        for (size_t i = 0; i < tecken.size(); ++i)
            if (tecken[i] >= 0xE000 && tecken[i] <= 0xF8FF) {
                size_t a = i, b = i;
                while (a > 0 && tecken[a - 1] > ' ') --a;
                while (b < tecken.size() && tecken[b] > ' ') ++b;
                char kod[16];
                std::snprintf(kod, sizeof kod, "U+%04X", unsigned(tecken[i]));
                ut.push_back({std::string("private use: ") + program,
                              std::string(program) + " reads " + kod + " in '" +
                                  testhjalp::utf8(tecken.substr(a, b - a)) + "'"});
                break;
            }
        const std::string hela = somUtdraget(k.ut);
        // A word drawn in pieces over lines is looked for piece by piece:
        // a reader may set the next column's text between them.
        for (size_t f = 0; f < fälten.size(); ++f) {
            if (l.hela[f].empty()) continue;
            const auto& [sida, förekomst] = l.hela[f].front();
            for (const Ordfynd& o : förekomst.ord) {
                std::vector<std::string> bitar;
                for (size_t i : o.ritade) bitar.push_back(o.ritade.size() == 1 ? o.ord : lång.ritade[sida].ord[i].text);
                const auto saknas = std::find_if(bitar.begin(), bitar.end(), [&](const std::string& bit) {
                    const std::string s = somUtdraget(nyckel(bit));
                    return bit.find("\uFFFD") != std::string::npos || (!s.empty() && hela.find(s) == std::string::npos);
                });
                if (saknas == bitar.end()) continue;
                ut.push_back({std::string("not extracted: ") + program,
                              std::string(program) + " gives no '" + *saknas + "' of " + fälten[f].namn});
                break;
            }
        }
    }
}

// What of a word shows from its baseline up by its face's ascent: a
// field sets a single line with its baseline on the frame's foot, so
// descenders hang below the frame by design.
Rect ovanBaslinjen(const RitatOrd& o) {
    const Point r = o.riktning, n{-r.y, r.x};
    std::vector<Point> hörn;
    for (double längs : {o.från, o.till})
        for (double tvärs : {-o.upp, 0.0})
            hörn.push_back({o.bas.x + r.x * längs + n.x * tvärs, o.bas.y + r.y * längs + n.y * tvärs});
    double x0 = 1e18, y0 = 1e18, x1 = -1e18, y1 = -1e18;
    for (const Point& p : hörn) {
        x0 = std::min(x0, p.x), y0 = std::min(y0, p.y);
        x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
    }
    return {x0, y0, x1 - x0, y1 - y0};
}

// The field of the user template whose frame (with a point to spare)
// holds the word above its baseline; -1: none.
int fältFör(const RitatOrd& o, const std::vector<Egetfält>& ramar) {
    for (size_t f = 0; f < ramar.size(); ++f)
        if (inom(ovanBaslinjen(o), ramar[f].ram, 1)) return int(f);
    return -1;
}

bool harEllips(const Läsning& l, const Rect& ram) {
    for (const RitadSida& s : l.ritade)
        for (const RitatOrd& o : s.ord)
            if (syns(o) && o.syns.find("\u2026") != std::string::npos && inom(ovanBaslinjen(o), ram, 1)) return true;
    return false;
}

// Cut as a user template's field may cut a text: whole words, then one
// cut short with an ellipsis or an ellipsis of its own, then none.
bool synligtKortad(const Förekomst& f) {
    bool kortad = false;
    for (const Ordfynd& o : f.ord) {
        if (!o.brist) {
            if (kortad) return false;
        } else if (*o.brist == Brist::ellips) {
            if (kortad) return false;
            kortad = true;
        } else if (*o.brist != Brist::saknas) {
            return false;
        }
    }
    return kortad;
}

// A text drawn in part on the invoice with ordinary values, or not as often
// with long values as with ordinary: a fault for each place it is not
// whole. What each word stands for is then known, for the checks after.
void fältbrister(Fältbild& k, Fältbild& l, const Läsning& lång, const std::vector<Profilfält>& fälten,
                 const std::vector<Egetfält>& egna, const Läsning& kort, Brister& ut) {
    for (size_t f = 0; f < fälten.size(); ++f) {
        for (const Plats& plats : k.delar[f]) {
            k.tillhör(f, plats);
            if (!egna.empty() && synligtKortad(plats.second)) continue;
            ut.push_back({"ordinary values: " + std::string(slagAv(plats)) + ": " + fälten[f].namn,
                          "ordinary values: " + beskriv(plats, fälten[f])});
        }
        // Long values may take fewer pages (a band set smaller, say): a
        // text repeated on each page is needed on as many as they take,
        // and once at least.
        const size_t sidor = lång.ritade.size();
        size_t behövs = k.visasEnsam(f, sidor);
        if (behövs == 0 && k.visasEnsam(f, kort.ritade.size()) > 0) behövs = 1;
        const size_t finns = l.visasEnsam(f, sidor) - l.delar[f].size();
        if (behövs == 0) continue;
        // A text of short words only ("ING") is found wherever another
        // text has them, a hyphenated word's last syllable too: how often
        // it shows says nothing.
        if (k.delar[f].empty() && !k.hela[f].empty() && baraKortaOrd(k.hela[f].front().second)) continue;
        // In a user template, a field that shows the text with ordinary
        // values may cut it with an ellipsis.
        bool ellipsISittFält = false;
        for (const auto* lista : {&k.hela[f], &k.delar[f]})
            for (const Plats& vanlig : *lista)
                for (const Ordfynd& o : vanlig.second.ord)
                    if (!o.ritade.empty() && !egna.empty())
                        if (const int ram = fältFör(kort.ritade[vanlig.first].ord[o.ritade.front()], egna); ram >= 0)
                            ellipsISittFält = ellipsISittFält || harEllips(lång, egna[size_t(ram)].ram);
        for (size_t n = 0; finns + n < behövs; ++n) {
            if (n < l.delar[f].size()) {
                const Plats& plats = l.delar[f][n];
                l.tillhör(f, plats);
                const bool tillåtet =
                    !egna.empty() && (synligtKortad(plats.second) ||
                                      (ellipsISittFält && std::none_of(plats.second.ord.begin(), plats.second.ord.end(),
                                                                      [](const Ordfynd& o) {
                                                                          return o.brist == Brist::klippt ||
                                                                                 o.brist == Brist::dold;
                                                                      })));
                if (!tillåtet)
                    ut.push_back({std::string(slagAv(plats)) + ": " + fälten[f].namn,
                                  beskriv(plats, fälten[f]) + (egna.empty() ? "" : ", with no ellipsis")});
            } else if (!ellipsISittFält || egna.empty()) {
                ut.push_back({"missing: " + fälten[f].namn,
                              fälten[f].namn + ": missing (drawn " + std::to_string(behövs) +
                                  " times with ordinary values, " + std::to_string(finns + l.delar[f].size()) +
                                  " with long)"});
            }
        }
    }
}

// A user template's words outside every field (that were not so with
// ordinary values: the line that carries the items over), or below 70 % of
// their field's size.
void iEgnaFält(const Läsning& kort, const Läsning& lång, const Fältbild& l, const std::vector<Profilfält>& fälten,
               const std::vector<Egetfält>& egna, Brister& ut) {
    std::set<std::string> vanligenUtanför;
    for (const RitadSida& s : kort.ritade)
        for (const RitatOrd& o : s.ord)
            if (syns(o) && fältFör(o, egna) < 0) vanligenUtanför.insert(o.syns);
    for (size_t p = 0; p < lång.ritade.size(); ++p)
        for (size_t i = 0; i < lång.ritade[p].ord.size(); ++i) {
            const RitatOrd& o = lång.ritade[p].ord[i];
            if (!syns(o)) continue;
            const int f = fältFör(o, egna);
            const std::string vad = etikett(o, l.fält[p][i], fälten);
            if (f < 0 && !vanligenUtanför.contains(o.syns)) {
                ut.push_back({"outside its field: " + slagsnamn(l.fält[p][i], fälten),
                              sidan(p) + "outside its field: '" + o.syns + "' (" + vad + ")"});
            } else if (f >= 0 && o.storlek < minstaAndel * egna[size_t(f)].storlek - 0.01) {
                char rad[160];
                std::snprintf(rad, sizeof rad, "set at %.1f pt, below 70 %% of %.1f", o.storlek, egna[size_t(f)].storlek);
                ut.push_back({"too small: " + slagsnamn(l.fält[p][i], fälten),
                              sidan(p) + "'" + o.syns + "' (" + vad + ") " + rad});
            }
        }
}

}  // namespace

Läsning::Läsning(fs::path f, std::vector<RitadSida> r) : fil(std::move(f)), ritade(std::move(r)) {
    for (const RitadSida& s : ritade) sidor.emplace_back(s);
}

std::unique_ptr<Läsning> skrivSenaste(const Bokföring& byggd, const fs::path& fil, std::vector<Egetfält>* egna) {
    auto bok = Bokföring::från(byggd.dataMedMellansteg(versionSomSkrivs));
    const Faktura& faktura = *senasteSkickadeFaktura(bok->skickadeFakturor);
    const Fakturavy vy(faktura, *bok, false);
    const std::vector<uint8_t> pdf = vy.pdf();
    std::ofstream(fil, std::ios::binary).write(reinterpret_cast<const char*>(pdf.data()), std::streamsize(pdf.size()));
    if (egna && faktura.egenFakturamall()) {
        const Fakturamall& mall = *faktura.egenFakturamall();
        std::vector<const Fakturafält*> fält;
        for (const Fakturafält& f : mall.fält) fält.push_back(&f);
        if (const Fakturaspråk* s = mall.språkversion(faktura.språk()))
            for (const Fakturafält& f : s->fält) fält.push_back(&f);
        // Frames are stored from the foot of an A4 background.
        for (const Fakturafält* f : fält)
            egna->push_back({{f->ram.x, 842 - (f->ram.y + f->ram.height), f->ram.width, f->ram.height},
                             f->stil.typsnitt().pointSize});
    }
    auto läsning = std::make_unique<Läsning>(fil, ritadeSidor(fil));
    läsning->rumsfel = rumskontroll::fel(vy);
    return läsning;
}

std::vector<Fel> brister(const Läsning& kort, const Läsning& lång, const std::vector<Profilfält>& fälten,
                           const std::vector<Egetfält>& egna, bool allt) {
    Brister ut;
    Fältbild k = sök(kort, fälten, false), l = sök(lång, fälten, true);
    fältbrister(k, l, lång, fälten, egna, kort, ut);

    överlapp(kort, k, fälten, {}, "ordinary values: ", ut);
    överlapp(lång, l, fälten, överlappandeTexter(kort), "", ut);

    if (!egna.empty()) {
        iEgnaFält(kort, lång, l, fälten, egna, ut);
    } else {
        const auto vanligaVidKanten = näraKantenTexter(kort);
        for (size_t p = 0; p < lång.ritade.size(); ++p) {
            const RitadSida& s = lång.ritade[p];
            for (size_t i = 0; i < s.ord.size(); ++i)
                if (syns(s.ord[i]) && näraKanten(s.ord[i], s) && !vanligaVidKanten.contains(s.ord[i].syns))
                    ut.push_back({"near the edge: " + slagsnamn(l.fält[p][i], fälten),
                                  sidan(p) + "outside page: '" + s.ord[i].syns + "' (" +
                                      etikett(s.ord[i], l.fält[p][i], fälten) + ") nearer than " +
                                      std::to_string(int(sidmarginal)) + " pt to the edge"});
        }
        // On the pages both take, and what the ordinary invoice shows on
        // more pages once at least (as for the texts above).
        std::multiset<std::string> borta = övrigaOrd(kort, k, lång.ritade.size());
        for (const std::string& o : övrigaOrd(kort, k))
            if (!borta.contains(o)) borta.insert(o);
        for (const std::string& o : övrigaOrd(lång, l))
            if (auto i = borta.find(o); i != borta.end()) borta.erase(i);
        if (lång.ritade.size() < kort.ritade.size())
            std::erase_if(borta, [](const std::string& o) { return överföringsord().contains(o); });
        for (const std::string& o : std::set<std::string>(borta.begin(), borta.end()))
            ut.push_back({o.find_first_of("0123456789") == std::string::npos ? "dropped: a caption or word"
                                                                              : "dropped: a date, amount or number",
                          "dropped: '" + o + "', shown with ordinary values"});
    }
    // A word is set in one face: a letter its face lacks, drawn from
    // another, stands out in weight and width.
    for (const auto& [läsning, före] : {std::pair{&kort, "ordinary values: "}, std::pair{&lång, ""}})
        for (size_t p = 0; p < läsning->ritade.size(); ++p)
            for (const RitatOrd& o : läsning->ritade[p].ord)
                if (!o.ävenTypsnitt.empty())
                    ut.push_back({"two faces in a word", std::string(före) + sidan(p) + "'" + o.text +
                                                            "' is set in " + o.typsnitt + " and " + o.ävenTypsnitt});
    if (allt) {
        if (egna.empty()) storlekar(kort, lång, k, l, fälten, ut);
        utdrag(lång, l, fälten, ut);
    }
    return ut;
}

}  // namespace fältjämförelse
