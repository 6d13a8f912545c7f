// Names, addresses and facts of realistic length in every built-in
// template: the example profiles (a housing cooperative of 119 characters
// with a four-line street, a limited partnership with a noble reference, a
// Finnish housing company with five lines of street; a sender of 86
// characters; long references, order, delivery terms, e-mail and web
// addresses, bank, credit terms and message) under Swedish, German and
// Finnish captions, checked on what the PDF's pages show (mupdf's trace of
// the drawing, clips included), against the same invoice with ordinary
// values:
//  - every text the template shows with ordinary values is drawn as often
//    with long ones, every word whole, showing, with no ellipsis;
//  - no word is set over another (dot leaders aside) that was not so with
//    ordinary values;
//  - no word comes nearer the paper's edge than 6 points (the legibility
//    check's margin for text) that did not with ordinary values;
//  - no word the ordinary invoice shows (captions, dates, amounts) is gone.
// A user template's fields are frames the user drew: there a long text may
// be set smaller, down to 70 %, and then cut with an ellipsis, but nothing
// is drawn outside its field or over another.
#include "Faltfynd.h"
#include "Programkorning.h"
#include "Pdfkontroll.h"
#include "Provbakgrund.h"
#include "Ritadtext.h"

#include "Exempel/Exempelbokforing.h"
#include "Exempel/Exempelprofiler.h"
#include "Fillagring.h"
#include "Modell/Fakturor/Faktura.h"
#include "Modell/Fakturor/Fakturamall.h"
#include "Modell/Fakturor/InbyggdFakturamall.h"
#include "Vyer/Faktura/Fakturavy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace pdfkontroll;
using namespace fältfynd;

const char* const språken[] = {"sv", "de", "fi"};

// How near the paper's edge a word may stand.
constexpr double sidmarginal = 6;

// A PDF's pages as drawn, with their words' keys.
struct Läsning {
    std::vector<RitadSida> ritade;
    std::vector<Sida> sidor;

    explicit Läsning(std::vector<RitadSida> r) : ritade(std::move(r)) {
        for (const RitadSida& s : ritade) sidor.emplace_back(s);
    }
    Läsning(const Läsning&) = delete;
};

std::unique_ptr<Läsning> läsPdf(const std::vector<uint8_t>& pdf, const fs::path& fil) {
    std::ofstream(fil, std::ios::binary).write(reinterpret_cast<const char*>(pdf.data()), std::streamsize(pdf.size()));
    return std::make_unique<Läsning>(ritadeSidor(fil));
}

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

bool näraKanten(const RitatOrd& o, const RitadSida& sida) {
    const Rect& r = o.synligRuta;
    return r.minX() < sidmarginal || r.minY() < sidmarginal || r.maxX() > sida.storlek.width - sidmarginal ||
           r.maxY() > sida.storlek.height - sidmarginal;
}

// A place where a text is drawn, with its page (from 0).
using Plats = std::pair<size_t, Förekomst>;

// What one invoice shows of the texts of the profile.
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
};

Fältbild sök(const Läsning& l, const std::vector<Profilfält>& fälten, bool långa) {
    Fältbild ut;
    for (const RitadSida& s : l.ritade) ut.fält.emplace_back(s.ord.size(), -1);
    for (size_t f = 0; f < fälten.size(); ++f) {
        ut.hela.emplace_back();
        ut.delar.emplace_back();
        for (size_t p = 0; p < l.sidor.size(); ++p)
            for (Förekomst& fö : l.sidor[p].förekomster(långa ? fälten[f].långt : fälten[f].vanligt)) {
                if (fö.hel()) {
                    ut.hela[f].emplace_back(p, std::move(fö));
                    ut.tillhör(f, ut.hela[f].back());
                } else if (fö.funna() >= std::min<size_t>(2, fö.ord.size())) {
                    ut.delar[f].emplace_back(p, std::move(fö));
                }
            }
        std::stable_sort(ut.delar[f].begin(), ut.delar[f].end(),
                         [](const Plats& a, const Plats& b) { return a.second.funna() > b.second.funna(); });
    }
    return ut;
}

std::string sidan(size_t p) { return "page " + std::to_string(p + 1) + " "; }

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

// A text drawn in part on the invoice with ordinary values, or not as often
// with long values as with ordinary: a line for each place it is not
// whole. What each word stands for is then known, for the checks after.
void fältbrister(Fältbild& kort, Fältbild& lång, const std::vector<Profilfält>& fälten,
                 std::vector<std::string>& ut) {
    for (size_t f = 0; f < fälten.size(); ++f) {
        for (const Plats& plats : kort.delar[f]) {
            kort.tillhör(f, plats);
            ut.push_back("ordinary values: " + beskriv(plats, fälten[f]));
        }
        const size_t behövs = kort.visas(f), finns = lång.hela[f].size();
        for (size_t n = 0; finns + n < behövs; ++n) {
            if (n < lång.delar[f].size()) {
                lång.tillhör(f, lång.delar[f][n]);
                ut.push_back(beskriv(lång.delar[f][n], fälten[f]));
            } else {
                ut.push_back(fälten[f].namn + ": missing (drawn " + std::to_string(behövs) +
                             " times with ordinary values, " + std::to_string(finns + lång.delar[f].size()) +
                             " with long)");
            }
        }
    }
}

std::string etikett(const RitatOrd& o, int fält, const std::vector<Profilfält>& fälten) {
    return fält >= 0 ? fälten[size_t(fält)].namn : "'" + o.syns + "'";
}

// Words over one another, by page: the one drawn later over the one drawn
// before, grouped by what they stand for, a few pairs named.
std::vector<std::string> överlapp(const Läsning& l, const Fältbild& bild, const std::vector<Profilfält>& fälten,
                                  const std::set<std::pair<std::string, std::string>>& utom) {
    std::vector<std::string> ut;
    for (size_t p = 0; p < l.ritade.size(); ++p) {
        const RitadSida& s = l.ritade[p];
        std::map<std::pair<std::string, std::string>, std::vector<std::string>> grupper;
        for (size_t i = 0; i < s.ord.size(); ++i)
            for (size_t j = i + 1; j < s.ord.size(); ++j) {
                const RitatOrd &a = s.ord[i], &b = s.ord[j];
                if (!syns(a) || !syns(b) || !över(a, b) || utom.contains(std::minmax(a.syns, b.syns))) continue;
                grupper[{etikett(b, bild.fält[p][j], fälten), etikett(a, bild.fält[p][i], fälten)}].push_back(
                    "'" + b.syns + "' over '" + a.syns + "'");
            }
        for (const auto& [vilka, par] : grupper) {
            std::string rad = sidan(p) + "overlap: " + vilka.first + " over " + vilka.second + ": ";
            for (size_t n = 0; n < par.size() && n < 3; ++n) rad += (n ? ", " : "") + par[n];
            if (par.size() > 3) rad += " (" + std::to_string(par.size()) + " pairs)";
            ut.push_back(rad);
        }
    }
    return ut;
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

// Words no text of the profile stands for, that show whole, by key.
std::multiset<std::string> övrigaOrd(const Läsning& l, const Fältbild& bild) {
    std::multiset<std::string> ut;
    for (size_t p = 0; p < l.sidor.size(); ++p)
        for (size_t i = 0; i < l.ritade[p].ord.size(); ++i) {
            const RitatOrd& o = l.ritade[p].ord[i];
            const std::string& k = l.sidor[p].nycklar[i];
            // Page numbers change with the number of pages.
            const bool sidnummer = k.size() <= 3 && k.find_first_not_of("0123456789") == std::string::npos;
            if (bild.fält[p][i] < 0 && o.helt() && !ledare(o) && !sidnummer) ut.insert(k);
        }
    return ut;
}

// What the invoice with long values loses against the one with ordinary
// values, and what the ordinary one lacks already: one line per fault.
std::vector<std::string> brister(const Läsning& kort, const Läsning& lång, const std::vector<Profilfält>& fälten) {
    std::vector<std::string> ut;
    Fältbild k = sök(kort, fälten, false), l = sök(lång, fälten, true);
    fältbrister(k, l, fälten, ut);

    for (const std::string& rad : överlapp(kort, k, fälten, {})) ut.push_back("ordinary values: " + rad);
    for (const std::string& rad : överlapp(lång, l, fälten, överlappandeTexter(kort))) ut.push_back(rad);

    const auto vanligaVidKanten = näraKantenTexter(kort);
    for (size_t p = 0; p < lång.ritade.size(); ++p) {
        const RitadSida& s = lång.ritade[p];
        for (size_t i = 0; i < s.ord.size(); ++i)
            if (syns(s.ord[i]) && näraKanten(s.ord[i], s) && !vanligaVidKanten.contains(s.ord[i].syns))
                ut.push_back(sidan(p) + "outside page: '" + s.ord[i].syns + "' (" +
                             etikett(s.ord[i], l.fält[p][i], fälten) + ") nearer than " +
                             std::to_string(int(sidmarginal)) + " pt to the edge");
    }

    std::multiset<std::string> borta = övrigaOrd(kort, k);
    for (const std::string& o : övrigaOrd(lång, l))
        if (auto i = borta.find(o); i != borta.end()) borta.erase(i);
    for (const std::string& o : std::set<std::string>(borta.begin(), borta.end()))
        ut.push_back("dropped: '" + o + "', shown with ordinary values");
    return ut;
}

// A user template's field as the page has it: its frame (top down) and
// the size its style sets.
struct Egetfält {
    Rect ram;
    double storlek;
};

// A user template of the fields that show the profile's texts, each a
// frame of ordinary size for its text (the delivery address 240 x 56
// points), over a blank page; the items in a table.
std::unique_ptr<Fakturamall> egenMall(std::vector<Egetfält>& ramar) {
    using Id = Fakturafält::Id;
    auto mall = std::make_unique<Fakturamall>();
    mall->namn = "Långa värden";
    mall->radavstånd = 2;
    struct Rad {
        Id id;
        Rect ram;  // from the page's foot
        double storlek;
    };
    const Rad rader[] = {
        {Id::Title, {40, 780, 250, 24}, 18},           {Id::Number, {420, 784, 135, 14}, 10},
        {Id::Date, {420, 768, 135, 14}, 10},            {Id::SenderCompany, {40, 744, 250, 14}, 10},
        {Id::SenderAddress, {40, 704, 250, 38}, 9},     {Id::Email, {300, 744, 255, 12}, 9},
        {Id::WebPage, {300, 730, 255, 12}, 9},          {Id::Bank, {300, 716, 255, 12}, 9},
        {Id::RecipientAddress, {40, 590, 250, 100}, 10}, {Id::DeliveryAddress, {305, 634, 240, 56}, 9},
        {Id::RecipientPerson, {305, 616, 240, 12}, 9},  {Id::SenderPerson, {305, 602, 240, 12}, 9},
        {Id::PurchaseOrderNo, {305, 588, 240, 12}, 9},  {Id::DeliveryMethod, {305, 574, 240, 12}, 9},
        {Id::CustomerID, {305, 560, 115, 12}, 9},       {Id::RecipientVatNo, {425, 560, 130, 12}, 9},
        {Id::LineHeaders, {40, 520, 515, 16}, 9},       {Id::LineContents, {40, 320, 515, 196}, 9},
        {Id::TotalInclVat, {400, 290, 155, 16}, 11},    {Id::FreeText, {40, 220, 515, 40}, 9},
        {Id::CreditDetails, {40, 180, 330, 22}, 8},     {Id::Personnummer, {40, 150, 160, 12}, 9},
        {Id::Personnummer2, {210, 150, 160, 12}, 9},    {Id::Fastighetsbeteckning, {380, 150, 175, 12}, 9},
    };
    for (const Rad& r : rader) {
        mall->fält.emplace_back(r.ram, r.id, Stil(Font{"Helvetica", r.storlek}, TextAlignment::left));
        ramar.push_back({{r.ram.x, 842 - (r.ram.y + r.ram.height), r.ram.width, r.ram.height}, r.storlek});
    }
    Fakturaspråk sv;
    sv.språk = "sv";
    sv.pdfData = prov::bakgrundspdf(595, 842);
    sv.fraser.sätt("_invoice", "Faktura");
    mall->språk.push_back(std::move(sv));
    return mall;
}

// The latest invoice of the example ledger with the profile's values,
// through its document's bytes as the tool reads them, laid out as the
// tool lays it out; in the user template `mall` when given.
std::unique_ptr<Läsning> skriv(const std::string& kod, const std::string& språk, const Profilval& profil,
                               const fs::path& katalog, std::unique_ptr<Fakturamall> mall = nullptr) {
    Exempelval val;
    val.antalVerifikationer = 0;
    val.medFakturamall = false;
    val.antalSkickadeFakturor = 1;
    val.senasteFaktura.mall = mall ? "Df" : kod;
    val.senasteFaktura.språk = språk;
    val.senasteFaktura.profil = profil;
    auto byggd = byggExempelbokföring(val);
    if (mall) {
        byggd->skickadeFakturor.back()->egenFakturamall_ = mall.get();
        byggd->fakturamallar.push_back(std::move(mall));
    }
    auto bok = Bokföring::från(byggd->dataMedMellansteg(versionSomSkrivs));
    const Faktura& faktura = *senasteSkickadeFaktura(bok->skickadeFakturor);
    const std::string namn = kod + "-" + profil.kod + "-" + språk + (profil.långa ? "-long" : "-ordinary");
    return läsPdf(Fakturavy(faktura, *bok, false).pdf(), katalog / (namn + ".pdf"));
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

// What a user template does wrong with long values: a text outside its
// field's frame, set below 70 % of its field's size, over another, or cut
// without an ellipsis; and what the ordinary invoice lacks already.
std::vector<std::string> egnaBrister(const Läsning& kort, const Läsning& lång,
                                     const std::vector<Profilfält>& fälten, const std::vector<Egetfält>& ramar) {
    std::vector<std::string> ut;
    Fältbild k = sök(kort, fälten, false), l = sök(lång, fälten, true);
    for (size_t f = 0; f < fälten.size(); ++f) {
        for (const Plats& plats : k.delar[f]) {
            k.tillhör(f, plats);
            ut.push_back("ordinary values: " + beskriv(plats, fälten[f]));
        }
        if (k.visas(f) == 0) continue;
        // The field that shows the text with ordinary values.
        const Plats& vanlig = k.hela[f].empty() ? k.delar[f].front() : k.hela[f].front();
        int ram = -1;
        for (const Ordfynd& o : vanlig.second.ord)
            if (!o.ritade.empty() && ram < 0) ram = fältFör(kort.ritade[vanlig.first].ord[o.ritade.front()], ramar);
        for (size_t n = 0; l.hela[f].size() + n < k.visas(f); ++n) {
            if (n < l.delar[f].size()) {
                const Plats& plats = l.delar[f][n];
                l.tillhör(f, plats);
                if (!synligtKortad(plats.second) &&
                    !(ram >= 0 && harEllips(lång, ramar[size_t(ram)].ram) &&
                      std::none_of(plats.second.ord.begin(), plats.second.ord.end(), [](const Ordfynd& o) {
                          return o.brist == Brist::klippt || o.brist == Brist::dold;
                      })))
                    ut.push_back(beskriv(plats, fälten[f]) + ", with no ellipsis");
            } else if (ram < 0 || !harEllips(lång, ramar[size_t(ram)].ram)) {
                ut.push_back(fälten[f].namn + ": missing, with no ellipsis in its field");
            }
        }
    }
    for (size_t p = 0; p < lång.ritade.size(); ++p)
        for (size_t i = 0; i < lång.ritade[p].ord.size(); ++i) {
            const RitatOrd& o = lång.ritade[p].ord[i];
            if (!syns(o)) continue;
            const int f = fältFör(o, ramar);
            if (f < 0) {
                ut.push_back(sidan(p) + "outside its field: '" + o.syns + "' (" + etikett(o, l.fält[p][i], fälten) +
                             ")");
            } else if (o.storlek < 0.7 * ramar[size_t(f)].storlek - 0.01) {
                char rad[160];
                std::snprintf(rad, sizeof rad, "set at %.1f pt, below 70 %% of %.1f", o.storlek,
                              ramar[size_t(f)].storlek);
                ut.push_back(sidan(p) + "'" + o.syns + "' (" + etikett(o, l.fält[p][i], fälten) + ") " + rad);
            }
        }
    for (const std::string& rad : överlapp(kort, k, fälten, {})) ut.push_back("ordinary values: " + rad);
    for (const std::string& rad : överlapp(lång, l, fälten, överlappandeTexter(kort))) ut.push_back(rad);
    return ut;
}

class LångaVärdenEgenMall : public testhjalp::MedTillfälligKatalog {
protected:
    // KONTOBOK_MATRIX_PDF_DIR keeps every PDF made, for a look.
    fs::path pdfKatalog() const {
        const char* k = std::getenv("KONTOBOK_MATRIX_PDF_DIR");
        return k ? fs::path(k) : katalog;
    }

    // Every fault on standard output, for the template's test to fail on.
    static void rapportera(const std::string& kod, const std::vector<std::string>& fel) {
        for (const std::string& f : fel) std::printf("%s: %s\n", kod.c_str(), f.c_str());
        EXPECT_TRUE(fel.empty()) << fel.size() << " faults, listed above";
    }
};

class LångaVärden : public LångaVärdenEgenMall, public ::testing::WithParamInterface<InbyggdFakturamall> {};

TEST_P(LångaVärden, EveryTextShowsWholeOverNoOtherText) {
    const std::string kod(::kod(GetParam()));
    std::vector<std::string> fel;
    for (const std::string& profil : exempelprofiler())
        for (const char* språk : språken) {
            const auto kort = skriv(kod, språk, {profil, false}, pdfKatalog());
            const auto lång = skriv(kod, språk, {profil, true}, pdfKatalog());
            for (const std::string& b : brister(*kort, *lång, profilfält(profil, språk)))
                fel.push_back(kod + " | " + profil + " profile, " + språk + " captions | " + b);
        }
    rapportera(kod, fel);
}

TEST_F(LångaVärdenEgenMall, EveryTextStaysInItsFieldAndIsCutOnlyWithAnEllipsis) {
    std::vector<std::string> fel;
    for (const std::string& profil : exempelprofiler())
        for (const char* språk : språken) {
            std::vector<Egetfält> ramar;
            const auto kort = skriv("user", språk, {profil, false}, pdfKatalog(), egenMall(ramar));
            const auto lång = skriv("user", språk, {profil, true}, pdfKatalog(), egenMall(ramar));
            for (const std::string& b : egnaBrister(*kort, *lång, profilfält(profil, språk), ramar))
                fel.push_back("user | " + profil + " profile, " + språk + " captions | " + b);
        }
    rapportera("user", fel);
}

INSTANTIATE_TEST_SUITE_P(AllaMallar, LångaVärden, ::testing::ValuesIn(allaInbyggdaFakturamallar()),
                         [](const auto& info) { return std::string(kod(info.param)); });

}  // namespace
