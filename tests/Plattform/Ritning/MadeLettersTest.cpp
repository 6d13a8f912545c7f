// Every letter the build means to make (faces/complete_faces.py), in every
// face, judged against the letter it is made from as a reader sees them:
// drawn by FreeType at 300 pixels per em and shaped by HarfBuzz. Its pieces
// of ink; the side and form of a mark below and the apostrophe beside the
// stem; where a mark stands and how large it is, against the face's own
// accented letters, a double acute's strokes against its acute; a bar's or
// hook's ink, and Ŧ's bar's length; how high its ink reaches; its advance,
// its kerning and what it runs into beside other letters.
#include "Kodpunkter.h"
#include "Plattform/Ritning/Glyfbild.h"
#include "Plattform/Ritning/KompletteradeTypsnitt.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BBOX_H
#include FT_TRUETYPE_TABLES_H
#include <gtest/gtest.h>
#include <hb.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <ranges>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace glyfbild;

constexpr int ppem = 300, marginal = ppem / 100;

// How a letter is made of its base: a mark above, a comma below, a cedilla,
// an ogonek, an apostrophe beside the stem, a bar or hook joined to it, the
// letter reshaped (ĸ, ſ), the middle dot inside Ŀ, two letters side by
// side, or a copy of another sign.
enum class Slag { ovan, komma, cedilj, ogonek, bredvid, streck, omformad, punkt, par, kopia };

struct Bokstav {
    Slag slag;
    // märke: the mark drawn alone, a pair's second letter, or the letter a
    // bar crosses where that is not the base (Đ kerns as Ð, its bar crosses D).
    char32_t bas, märke;
};

std::optional<Bokstav> hurGjord(char32_t c) {
    using enum Slag;
    // Letters Unicode does not decompose, or whose readers write them
    // otherwise than it decomposes them; Đ is drawn as Ð.
    static const std::map<char32_t, Bokstav> egna = {
        {U'ď', {bredvid, U'd', U'’'}}, {U'ľ', {bredvid, U'l', U'’'}}, {U'ť', {bredvid, U't', U'’'}},
        {U'Ľ', {bredvid, U'L', U'’'}}, {U'ģ', {ovan, U'g', U'‘'}},    {U'Đ', {streck, U'Ð', U'D'}},
        {U'đ', {streck, U'd', 0}},     {U'Ħ', {streck, U'H', 0}},     {U'ħ', {streck, U'h', 0}},
        {U'Ŧ', {streck, U'T', 0}},     {U'ŧ', {streck, U't', 0}},     {U'Ŋ', {streck, U'N', 0}},
        {U'ŋ', {streck, U'n', 0}},     {U'ĸ', {omformad, U'k', 0}},   {U'ſ', {omformad, U'f', 0}},
        {U'Ĳ', {par, U'I', U'J'}},     {U'ĳ', {par, U'i', U'j'}},     {U'ŉ', {par, U'’', U'n'}},
        {U'Ŀ', {punkt, U'L', U'·'}},   {U'ŀ', {par, U'l', U'·'}},     {U'¯', {kopia, U'ˉ', 0}},
    };
    // The spacing forms of the combining marks U+0300–U+030C letters are made with.
    static const std::u32string_view ovanför = U"`´ˆ˜¯ ˘˙¨ ˚˝ˇ";
    if (auto it = egna.find(c); it != egna.end()) return it->second;
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
    icu::UnicodeString delar;
    if (U_FAILURE(status) || !nfd->getRawDecomposition(UChar32(c), delar) || delar.countChar32() != 2) return {};
    const char32_t bas = char32_t(delar.char32At(0)), tecken = char32_t(delar.char32At(delar.moveIndex32(0, 1)));
    // Latvian writes a comma under the letters Unicode gives a cedilla.
    const bool lettiskt = tecken == 0x327 && std::u32string_view(U"GKkLlNnRr").find(bas) != std::u32string_view::npos;
    if (tecken >= 0x300 && tecken <= 0x30C && ovanför[tecken - 0x300] != U' ')
        return Bokstav{ovan, bas, ovanför[tecken - 0x300]};
    if (tecken == 0x326 || lettiskt) return Bokstav{komma, bas, U','};
    if (tecken == 0x327) return Bokstav{cedilj, bas, U'¸'};
    if (tecken == 0x328) return Bokstav{ogonek, bas, U'˛'};
    return {};
}

std::string u8(char32_t c) { return testhjalp::utf8(std::u32string(1, c)); }

std::string namn(char32_t märke) {
    static const std::map<char32_t, std::string> namn = {
        {U'`', "grave"}, {U'´', "acute"},  {U'ˆ', "circumflex"},   {U'˜', "tilde"}, {U'¯', "macron"},
        {U'˘', "breve"}, {U'˙', "dot"},    {U'¨', "dieresis"},     {U'˚', "ring"},  {U'˝', "double acute"},
        {U'ˇ', "caron"}, {U'‘', "turned comma"}, {U',', "comma"}, {U'¸', "cedilla"}};
    const auto it = namn.find(märke);
    return it == namn.end() ? u8(märke) : it->second;
}

std::string procent(double andel) { return std::to_string(std::lround(andel * 100)) + " %"; }

// In font units: the glyph's advance and the top and bottom of its outline.
struct Mått {
    long framsteg = 0, topp = 0, botten = 0;
};

Mått mått(FT_Face face, char32_t c) {
    FT_BBox box;
    if (!FT_Get_Char_Index(face, c) || FT_Load_Char(face, c, FT_LOAD_NO_SCALE) ||
        FT_Outline_Get_BBox(&face->glyph->outline, &box))
        return {};
    return {face->glyph->advance.x, box.yMax, box.yMin};
}

double median(std::vector<double> v) {
    std::ranges::sort(v);
    return v.empty() ? 0 : (v[(v.size() - 1) / 2] + v[v.size() / 2]) / 2;
}

// A capital, a small letter, or a small one reaching up as the capitals do.
enum class Fall { versal, gemen, hög };

// A mark's ink apart from its letter's and how thick its strokes are;
// where it stands against the letter, in pixels, the face's slant taken
// out: how far right of the letter's middle (of all its ink, of its foot or
// top where the mark is, of t's stem), how wide the letter is, how far the
// mark is from the letter's ink under or over it, the rows between the two
// and at what height.
struct Märke {
    Bild bild;
    Ram ram;
    std::array<double, 3> förskjutning{};
    double bredd = 1;
    int avstånd = 0, rader = 0, höjd = 0;
    double tjocklek = 0;
};

// A pair as HarfBuzz sets it: its glyphs, the second this many pixels right
// of the first, and how much the pair's kerning moves it.
struct Satt {
    FT_UInt första, andra;
    int dx;
    long kerning;
};

// A completed face beside Debian's, with what every made letter of it is
// measured against, measured once; its glyphs drawn and its pairs set once.
struct Ansikte {
    FT_Face original, face;
    hb_font_t* font;
    std::u32string nygjorda;
    long egenTopp = 0, djup = 0;  // how high its own accented letters reach, how deep its descenders
    long radavstånd = 0;          // the tightest line spacing the layouts set it at
    int cediljensBitar = 0;       // the pieces of ink ç has more than c
    int xhöjd = 0, versalhöjd = 0;
    double lutning = 0;     // pixels right for each pixel up
    double versalkvot = 1;  // how much flatter its flattest capital mark is than the mark drawn alone
    // The marks of its own accented letters, by mark and the case of the letter.
    std::map<std::pair<char32_t, Fall>, std::vector<std::pair<char32_t, Märke>>> egnaMärken;

    struct Glyf {
        Bild bild;
        mutable std::optional<Bild> vidgad;  // its ink a pixel wider all round
        mutable std::optional<int> bitar;
        mutable std::optional<Ram> ram;
    };
    mutable std::map<FT_UInt, Glyf> glyfer;
    mutable std::map<std::pair<char32_t, char32_t>, std::optional<Satt>> satta;
    mutable std::map<std::tuple<char32_t, char32_t, bool, int>, std::optional<int>> rörda;

    Ansikte(FT_Face o, FT_Face f, hb_font_t* hb, std::u32string nya);

    bool egen(char32_t c) const { return FT_Get_Char_Index(original, c) && nygjorda.find(c) == nygjorda.npos; }
    const Glyf& glyf(FT_UInt g) const {
        auto it = glyfer.find(g);
        if (it == glyfer.end()) it = glyfer.emplace(g, Glyf{rita(face, g), {}, {}}).first;
        return it->second;
    }
    const Bild& vidgad(char32_t c) const { return vidgadGlyf(FT_Get_Char_Index(face, c)); }
    const Bild& vidgadGlyf(FT_UInt g) const {
        const Glyf& glyfen = glyf(g);
        if (!glyfen.vidgad) glyfen.vidgad = glyfbild::vidgad(glyfen.bild);
        return *glyfen.vidgad;
    }
    const Glyf& tecken(char32_t c) const { return glyf(FT_Get_Char_Index(face, c)); }
    const Bild& bild(char32_t c) const { return tecken(c).bild; }
    int bitar(char32_t c) const {
        const Glyf& g = tecken(c);
        if (!g.bitar) g.bitar = glyfbild::bitar(g.bild);
        return *g.bitar;
    }
    const Ram& ramen(char32_t c) const {
        const Glyf& g = tecken(c);
        if (!g.ram) g.ram = ram(g.bild).value_or(Ram{});
        return *g.ram;
    }
    int topp(char32_t c) const { return ramen(c).topp; }
    // The letter a mark above stands on: i and j without their dots.
    Bild grund(char32_t bas) const {
        const Bild& b = bild(bas);
        return bas == U'i' || bas == U'j' ? rader(b, b.botten(), topp(U'ı')) : b;
    }
    Fall fall(char32_t bas) const {
        if (u_isupper(UChar32(bas))) return Fall::versal;
        return topp(bas == U'i' || bas == U'j' ? U'ı' : bas) * 2 > xhöjd + versalhöjd ? Fall::hög : Fall::gemen;
    }
    std::optional<Märke> märke(char32_t c, const Bokstav& hur) const;
    std::optional<Satt> sätt(char32_t a, char32_t b) const;
    std::optional<int> rör(char32_t a, char32_t b, bool grannenFörst, int topp) const;
};

std::optional<Märke> Ansikte::märke(char32_t c, const Bokstav& hur) const {
    // The pieces of the letter's ink its base's leaves bare that reach well
    // above the base's top or below its foot: not the slivers a base drawn
    // a shade otherwise leaves along it.
    const bool ovan = hur.slag == Slag::ovan;
    const bool prickig = ovan && (hur.bas == U'i' || hur.bas == U'j');
    const Bild utanPrick = prickig ? grund(hur.bas) : Bild{};
    const Bild& bas = prickig ? utanPrick : bild(hur.bas);
    const auto b = prickig ? ram(bas) : std::optional(ramen(hur.bas));
    if (!b || bas.bläck.empty()) return {};
    const Bild kvar = utan(bild(c), prickig ? glyfbild::vidgad(bas) : vidgad(hur.bas));
    std::vector<Lopp> märkets;
    for (const auto& del : delar(kvar)) {
        const auto [låg, hög] = std::ranges::minmax(del | std::views::transform(&Lopp::y));
        if (ovan ? hög > b->topp + marginal : låg < b->botten - marginal) märkets.insert(märkets.end(), del.begin(), del.end());
    }
    if (märkets.empty()) return {};
    const auto [botten, topp] = std::ranges::minmax(märkets | std::views::transform(&Lopp::y));
    const int vänster = std::ranges::min(märkets | std::views::transform(&Lopp::x0));
    const int höger = std::ranges::max(märkets | std::views::transform(&Lopp::x1));
    Märke m{tom(vänster, topp, höger - vänster + 1, topp - botten + 1), {vänster, höger, botten, topp}};
    for (const Lopp& l : märkets)
        for (int x = l.x0; x <= l.x1; ++x) m.bild.at(x, l.y) = 1;
    const Ram* r = &m.ram;
    m.tjocklek = streck(m.bild);
    m.höjd = ovan ? r->botten : r->topp;
    // Upright: its middle against the letter's middle, the middle of the
    // letter's foot or top, and t's stem.
    const double märketsMitt = upprätt(m.bild, lutning, r->botten, r->topp).first;
    const auto [bokstavensMitt, bredd] = upprätt(bas, lutning, b->botten, b->topp);
    const int nära = ovan ? b->topp - ppem / 20 : b->botten + ppem / 20;
    const double närmast = upprätt(bas, lutning, ovan ? nära : b->botten, ovan ? b->topp : nära).first;
    // Under t a comma hangs from the stem (as Romanian writes it).
    const int stam = xhöjd * 3 / 10;
    const double stammen = hur.slag == Slag::komma && hur.bas == U't' ? upprätt(bas, lutning, stam, stam).first : närmast;
    m.förskjutning = {märketsMitt - bokstavensMitt, märketsMitt - närmast, märketsMitt - stammen};
    m.bredd = bredd;
    // The nearest the two come in a column they share, to the letter's
    // ink near its top (or foot) under the mark: not down through a u's or
    // an h's open top to its bowl. Where they share none, and over an
    // ascender, where a mark stands as over a capital, the rows between.
    const int steg = ovan ? -1 : 1;
    std::vector<std::pair<int, int>> spalter;  // (the mark's edge, the letter's nearest ink)
    for (int x = r->vänster; x <= r->höger && !(ovan && fall(hur.bas) == Fall::hög); ++x) {
        int y = ovan ? r->botten : r->topp;
        while (y >= r->botten && y <= r->topp && !m.bild.vid(x, y)) y -= steg;
        int by = y + steg;
        while ((ovan ? by >= b->botten : by <= b->topp) && !bas.vid(x, by)) by += steg;
        if (m.bild.vid(x, y) && bas.vid(x, by)) spalter.emplace_back(y, by);
    }
    m.avstånd = ppem;
    if (!spalter.empty()) {
        const int närmastBläck = ovan ? std::ranges::max(spalter | std::views::values)
                                      : std::ranges::min(spalter | std::views::values);
        for (const auto& [y, by] : spalter)
            if (std::abs(by - närmastBläck) <= ppem / 20) m.avstånd = std::min(m.avstånd, std::abs(y - by) - 1);
    }
    m.rader = ovan ? r->botten - b->topp - 1 : b->botten - r->topp - 1;
    if (m.avstånd == ppem) m.avstånd = m.rader;
    return m;
}

std::optional<Satt> Ansikte::sätt(char32_t a, char32_t b) const {
    const auto nyckel = std::pair(a, b);
    if (auto it = satta.find(nyckel); it != satta.end()) return it->second;
    hb_buffer_t* buffer = hb_buffer_create();
    const uint32_t text[] = {uint32_t(a), uint32_t(b)};
    hb_buffer_add_utf32(buffer, text, 2, 0, 2);
    hb_buffer_guess_segment_properties(buffer);
    hb_shape(font, buffer, nullptr, 0);
    unsigned n = 0;
    const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer, &n);
    const hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(buffer, &n);
    // None where the pair is not two glyphs (a ligature), which has no
    // kerning to compare.
    std::optional<Satt> ut;
    if (n == 2)
        ut = Satt{info[0].codepoint, info[1].codepoint,
                  int(std::lround(double(pos[0].x_advance + pos[1].x_offset - pos[0].x_offset) * ppem /
                                  face->units_per_EM)),
                  pos[0].x_advance - hb_font_get_glyph_h_advance(font, info[0].codepoint)};
    hb_buffer_destroy(buffer);
    return satta[nyckel] = ut;
}

// How many points of the pair's ink, set as HarfBuzz sets it, touch each
// other up to `topp`: those of the letter that is not the neighbour.
std::optional<int> Ansikte::rör(char32_t a, char32_t b, bool grannenFörst, int topp) const {
    const auto nyckel = std::tuple(a, b, grannenFörst, topp);
    if (auto it = rörda.find(nyckel); it != rörda.end()) return it->second;
    std::optional<int> ut;
    if (const auto s = sätt(a, b))
        ut = grannenFörst ? glyfbild::rör(glyf(s->andra).bild, vidgadGlyf(s->första), s->dx, 0, topp)
                          : glyfbild::rör(glyf(s->första).bild, vidgadGlyf(s->andra), -s->dx, 0, topp);
    return rörda[nyckel] = ut;
}

Ansikte::Ansikte(FT_Face o, FT_Face f, hb_font_t* hb, std::u32string nya)
    : original(o), face(f), font(hb), nygjorda(std::move(nya)) {
    for (char32_t e = 0xC0; e <= 0xFF; ++e)
        if (u_isalpha(UChar32(e))) egenTopp = std::max(egenTopp, mått(original, e).topp);
    for (char32_t e : std::u32string_view(U"gjpqy")) djup = std::max(djup, -mått(original, e).botten);
    // Set without its line gap (TextLayout.cpp, but for a layout manager's
    // text). The Finnish giro form's 6 points on lines of 7 are set in
    // Kontobok Grotesk, whose own lines are tighter still.
    const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    radavstånd = hhea ? long(hhea->Ascender - hhea->Descender) : long(face->height);
    if (const auto* post = static_cast<const TT_Postscript*>(FT_Get_Sfnt_Table(face, FT_SFNT_POST)))
        lutning = -std::tan(double(post->italicAngle) / 65536 * M_PI / 180);
    cediljensBitar = bitar(U'ç') - bitar(U'c');
    xhöjd = topp(U'x'), versalhöjd = topp(U'H');
    for (char32_t c = 0xC0; c <= 0x21B; ++c) {
        const auto hur = c <= 0x17F || c >= 0x218 ? hurGjord(c) : std::nullopt;
        if (!hur || !egen(c) || (hur->slag != Slag::ovan && hur->slag != Slag::komma && hur->slag != Slag::cedilj))
            continue;
        if (auto m = märke(c, *hur)) egnaMärken[{hur->märke, fall(hur->bas)}].emplace_back(c, std::move(*m));
    }
    std::vector<double> kvoter;
    for (const auto& [nyckel, versaler] : egnaMärken)
        if (const auto ensamt = ram(bild(nyckel.first)); nyckel.second == Fall::versal && ensamt)
            kvoter.push_back(double(versaler[0].second.ram.höjd()) / ensamt->höjd());
    if (!kvoter.empty()) versalkvot = std::ranges::min(kvoter);
}

bool underLinjen(char32_t märke) { return märke == U',' || märke == U'¸'; }

// The face's own letters with that mark on letters of those cases (or with
// any mark on that side): their names and their marks.
struct Förebilder {
    std::string namn;
    std::vector<const Märke*> märken;
};

Förebilder förebilder(const Ansikte& a, char32_t märke, const std::vector<Fall>& fallen, bool allaMärken) {
    Förebilder ut;
    for (const auto& [nyckel, märken] : a.egnaMärken)
        if (std::ranges::count(fallen, nyckel.second) &&
            (allaMärken ? underLinjen(nyckel.first) == underLinjen(märke) : nyckel.first == märke))
            for (const auto& [e, em] : märken) ut.namn += " " + u8(e), ut.märken.push_back(&em);
    return ut;
}

template <class T>
std::string spann(T från, T till, const char* enhet) {
    return std::to_string(std::lround(från)) + " to " + std::to_string(std::lround(till)) + enhet;
}

// Where a made letter's mark stands and how large it is, against the face's
// own letters with that mark on letters of that case, or, where it has
// none, with any of its marks on that side: the faults, each a line.
std::vector<std::string> granskaMärket(const Ansikte& a, char32_t c, const Bokstav& hur) {
    const auto m = a.märke(c, hur);
    const bool under = hur.slag != Slag::ovan;
    if (!m) return {"no mark " + std::string(under ? "below" : "above") + " its letter"};
    std::vector<std::string> fel;
    const std::string vad = "its " + namn(hur.märke);
    const Fall fall = a.fall(hur.bas);
    // A mark over an ascender stands as over a capital (the face's own ĥ ĺ, DejaVu's).
    const auto fallen = fall == Fall::hög ? std::vector{Fall::versal, Fall::hög} : std::vector{fall};
    const auto samma = förebilder(a, hur.märke, fallen, false);
    const bool sammaMärke = !samma.märken.empty();
    const auto egna = sammaMärke ? samma : förebilder(a, hur.märke, fallen, true);

    // Where they stand across: against the letter's middle, or its top's,
    // over it, against its foot's middle, or t's stem for a comma, under it;
    // and where the face's own marks on that side of this letter do,
    // against any of those. Above to 0.05 em, or 0.08 em against other
    // marks; below, to a fifth of the letter's width, as wide letters' feet
    // leave room, and 0.05 em at least.
    const Förebilder påBasen = [&] {
        Förebilder ut;
        for (const auto& [nyckel, märken] : a.egnaMärken)
            for (const auto& [e, em] : märken)
                if (hurGjord(e)->bas == hur.bas && underLinjen(nyckel.first) == under) ut.märken.push_back(&em);
        return ut;
    }();
    auto läge = [&](const Märke& e, size_t k) { return e.förskjutning[k] * (under ? m->bredd / e.bredd : 1); };
    bool somEgna = egna.märken.empty() && påBasen.märken.empty();
    for (const auto* f : {&egna, &påBasen})
        for (size_t k = 0; k < 3 && !f->märken.empty(); ++k) {
            if (f == &egna && (under ? k == 0 : k == 2)) continue;
            const double nog = under ? std::max(m->bredd / 5, ppem / 20.0)
                                     : sammaMärke || f == &påBasen ? ppem / 20.0 : ppem / 12.5;
            const auto [vänster, höger] =
                std::ranges::minmax(f->märken | std::views::transform([&](auto e) { return läge(*e, k); }));
            somEgna = somEgna || std::max(vänster - läge(*m, k), läge(*m, k) - höger) <= nog;
        }
    if (!somEgna) {
        const auto& vittnen = egna.märken.empty() ? påBasen.märken : egna.märken;
        const auto [vänster, höger] =
            std::ranges::minmax(vittnen | std::views::transform([](auto e) { return e->förskjutning[0]; }));
        fel.push_back(vad + " stands " + std::to_string(std::lround(m->förskjutning[0])) +
                      " px right of the letter's middle, on the face's own" + egna.namn + " " + spann(vänster, höger, " px"));
    }

    // How far from its letter, or at what height, as on the face's own to
    // 0.013 em (0.033 em against other marks); above, nearer, but no nearer
    // than half the gap the face leaves over its capitals. Marks that meet
    // their letter (Å's ring, a cedilla) tell nothing of it.
    auto fria = [](const Förebilder& f) {
        std::vector<const Märke*> ut;
        for (const Märke* e : f.märken)
            if (e->avstånd > 1) ut.push_back(e);
        return ut;
    };
    auto fritt = fria(egna);
    if (fritt.empty() && !under) fritt = fria(förebilder(a, hur.märke, fallen, true));
    if (!fritt.empty() && (!under || (sammaMärke && hur.slag == Slag::komma))) {
        const auto [närmast, längst] = std::ranges::minmax(fritt | std::views::transform(&Märke::avstånd));
        const auto [lägst, högst] = std::ranges::minmax(fritt | std::views::transform(&Märke::höjd));
        std::vector<double> överVersaler;
        for (const Märke* v : förebilder(a, hur.märke, {Fall::versal}, true).märken) överVersaler.push_back(v->avstånd);
        const int nog = sammaMärke ? ppem / 75 : ppem / 30;
        // Above, lower than the face sets it and nearer its letter's top than
        // half the gap over capitals is near, though it meets nothing (a
        // caron dipping between N's serifs); a tall mark may come down so far.
        const double halvGap = median(överVersaler) / 2;
        const bool nära = under ? m->avstånd < närmast - nog && m->höjd > högst + nog
                                : m->avstånd < std::min<double>(närmast, halvGap) - 1 ||
                                      (m->höjd < lägst - nog && m->rader < halvGap - 1);
        // Far: further from its letter than the face's own stand, by its ink
        // or by the rows between (a column may fall through an open top),
        // and higher (or lower) than they stand.
        const int flestRader = std::ranges::max(fritt | std::views::transform(&Märke::rader));
        const bool långt = (m->avstånd > längst + nog || m->rader > flestRader + nog) &&
                           (fall == Fall::hög || (under ? m->höjd < lägst - nog : m->höjd > högst + nog));
        if (nära || långt)
            fel.push_back(vad + " stands " + std::to_string(m->avstånd) + " px " + (under ? "under" : "over") +
                          " its letter, " + std::to_string(m->höjd) + " px up; on the face's own" + egna.namn + " " +
                          spann(närmast, längst, " px, ") + spann(lägst, högst, " px up"));
    }

    // As high, as wide and as thick as the face's own mark of that kind on
    // letters of that case, to a tenth under and 6 % over; over an
    // ascender, as the capitals' or the small letters'. No taller than
    // those that stand free of their letter (a ring on Å's apex may be
    // drawn smaller). Where the face has none, no flatter than the mark
    // drawn alone, over capitals than as much flatter as the flattest of
    // its own capital marks is.
    if (!under && hur.märke != U'‘') {
        std::vector<double> höjder, högsta, bredder, tjocklekar;
        std::string namnen;
        for (Fall f : fall == Fall::hög ? std::vector{Fall::versal, Fall::gemen} : std::vector{fall}) {
            auto [namn, märken] = förebilder(a, hur.märke, {f}, false);
            std::vector<double> h, b, t;
            for (const Märke* e : märken) {
                h.push_back(e->ram.höjd()), b.push_back(e->ram.höger - e->ram.vänster + 1), t.push_back(e->tjocklek);
                if (e->avstånd > 1) högsta.push_back(e->ram.höjd());
            }
            if (märken.empty()) {
                const Bild& ensamt = a.bild(hur.märke);
                const double kvot = f == Fall::versal ? a.versalkvot : 1;
                h = {kvot * ram(ensamt).value_or(Ram{0, 0, 1, 0}).höjd()}, t = {kvot * streck(ensamt)};
                namn = " " + u8(hur.märke) + " alone";
            }
            höjder.push_back(median(h));
            if (!b.empty()) bredder.push_back(median(b));
            tjocklekar.push_back(median(t)), namnen += namn;
        }
        const double höjd = m->ram.höjd(), bredd = m->ram.höger - m->ram.vänster + 1;
        // Flatter, narrower or thinner than the least of the face's own by
        // more than a tenth (narrower by 12 %) and a pixel, or taller or wider
        // than the most by more than 6 % and a pixel: a mark drawn at 90 %
        // may come out a pixel short of it.
        auto utom = [](double v, const std::vector<double>& minst, const std::vector<double>& mest, double nog) {
            return (!minst.empty() && v + 1 < (1 - nog) * std::ranges::min(minst)) ||
                   (!mest.empty() && v > 1.06 * std::ranges::max(mest) + 1);
        };
        auto andel = [](double v, const std::vector<double>& egna, const char* som) {
            if (egna.empty()) return std::string();
            return procent(v / std::clamp(v, std::ranges::min(egna), std::ranges::max(egna))) + som;
        };
        // A stroke a few pixels thick is measured to a pixel.
        if (utom(höjd, höjder, högsta, 0.1) || utom(bredd, bredder, bredder, 0.12) ||
            m->tjocklek + 1 < 0.9 * std::ranges::min(tjocklekar))
            fel.push_back(vad + " is " + andel(höjd, höjder, " as high, ") + andel(bredd, bredder, " as wide, ") +
                          andel(m->tjocklek, tjocklekar, " as thick") + " as the face's own on" + namnen + " (" +
                          std::to_string(int(höjd)) + " px high, " + std::to_string(int(bredd)) + " wide, " +
                          std::to_string(std::lround(m->tjocklek)) + " thick)");
    }
    if (hur.märke == U'˝') {
        // Two strokes, no nearer than 0.033 em: nearer, they print as one at
        // 9 points (1.24 px at 300 dpi: a pixel clear and a hair of ink either side).
        auto bitarna = delar(m->bild);
        const size_t n = bitarna.size();
        if (n != 2) {
            fel.push_back(vad + " is " + std::to_string(n) + (n == 1 ? " piece" : " pieces") + " of ink, not two strokes");
            return fel;
        }
        if (bitarna[1].front().x0 < bitarna[0].front().x0) std::swap(bitarna[0], bitarna[1]);
        int närmast = ppem;
        for (const Lopp& l : bitarna[0])
            for (const Lopp& r : bitarna[1])
                if (std::abs(l.y - r.y) <= 1) närmast = std::min(närmast, r.x0 - l.x1 - 1);
        if (närmast < ppem / 30) fel.push_back(vad + "'s strokes come " + std::to_string(närmast) + " px apart, printing as one");
        // Each stroke the face's own acute on this letter and case (Ő's Ó's,
        // ű's ú's): as tall to a tenth and a pixel, its top as high to 0.02
        // em, and 0.75 to 1.2 times as heavy (native faces' strokes carry
        // 0.78 to 1.06 of their acute's ink): another case's acute, or a
        // lighter one, shows beside the face's Ó and ó at 9 points.
        std::pair<char32_t, const Märke*> akut{};
        if (const auto it = a.egnaMärken.find({U'´', fall}); it != a.egnaMärken.end())
            for (const auto& [e, em] : it->second)
                if (hurGjord(e)->bas == hur.bas) akut = {e, &em};
        if (!akut.second) {
            fel.push_back(vad + " has no acute of the face's own on " + u8(hur.bas) + " to be measured against");
            return fel;
        }
        const Märke& dess = *akut.second;
        std::vector<double> bläck;
        for (const auto& bit : bitarna) {
            double n = 0;
            for (const Lopp& l : bit) n += l.x1 - l.x0 + 1;
            bläck.push_back(n / double(punkter(dess.bild).size()));
        }
        const auto [lättast, tyngst] = std::ranges::minmax(bläck);
        const double höjd = m->ram.höjd(), akutensHöjd = dess.ram.höjd();
        const int över = m->ram.topp - dess.ram.topp;
        if (höjd + 1 < 0.9 * akutensHöjd || höjd > 1.1 * akutensHöjd + 1 || std::abs(över) > ppem / 50 ||
            lättast < 0.75 || tyngst > 1.2)
            fel.push_back(vad + " is " + procent(höjd / akutensHöjd) + " as high as the acute on the face's own " +
                          u8(akut.first) + ", its top " + std::to_string(över) + " px above that one's, its strokes " +
                          procent(lättast) + " and " + procent(tyngst) + " as heavy");
    }
    return fel;
}

// The faults of one made letter, each a line.
std::vector<std::string> granska(const Ansikte& a, char32_t c, const Bokstav& hur) {
    const FT_Face original = a.original, face = a.face;
    std::vector<std::string> fel;
    auto felet = [&](const std::string& s) { fel.push_back(u8(c) + ": " + s); };
    const Bild &bild = a.bild(c), &bas = a.bild(hur.bas);
    const int egna = a.bitar(c);
    int väntade = a.bitar(hur.bas);
    std::string skäl = u8(hur.bas) + " has " + std::to_string(väntade);
    const bool prickigt = hur.slag == Slag::ovan && (hur.bas == U'i' || hur.bas == U'j');
    const bool medMärke = hur.slag != Slag::streck && hur.slag != Slag::omformad && hur.slag != Slag::kopia;
    if (hur.slag == Slag::cedilj) {
        const int fler = a.cediljensBitar;
        väntade += fler, skäl += ", ç " + (fler ? std::to_string(fler) + " more than c" : "as many as c");
    } else if (hur.slag != Slag::ogonek && medMärke) {
        // A double acute is two strokes, however the face draws ˝ alone.
        const int märkets = hur.märke == U'˝' ? 2 : a.bitar(hur.märke);
        väntade += märkets - prickigt;
        skäl += " and " + u8(hur.märke) + " " + std::to_string(märkets) + (prickigt ? ", less the dot" : "");
    }
    if (egna != väntade) felet(std::to_string(egna) + (egna == 1 ? " piece" : " pieces") + " of ink, " + skäl);

    // The letter's ink off its base's: row by row from the top, each row from the left.
    const auto märket = punkter(utan(bild, a.vidgad(hur.bas)));
    if (märket.empty() && medMärke && hur.slag != Slag::par) felet("no mark apart from its letter");
    if (hur.slag == Slag::kopia && (!märket.empty() || !punkter(utan(bas, a.vidgad(c))).empty()))
        felet("drawn otherwise than " + u8(hur.bas));
    if (hur.slag == Slag::streck) {
        // A bar or a hook reaches where the letter it crosses has no ink.
        const char32_t korsad = hur.märke ? hur.märke : hur.bas;
        const Bild bortom = utan(bild, a.vidgad(korsad));
        const size_t utanför = punkter(bortom).size();
        if (utanför * 1000 < size_t(ppem * ppem))
            felet(std::to_string(utanför) + " px of ink beyond " + u8(korsad) + ": no bar or hook");
        // Ŧ's bar, stem and all, across 0.4 to 0.85 of T's arm (the native
        // faces' 0.58 to 0.78, ours half): across the whole arm it meets the
        // next letter ("Ŧano" read "Fano"), much shorter it reads as a T.
        if (const auto ramen = ram(bortom); ramen && hur.bas == U'T') {
            const double längd = upprätt(bild, a.lutning, ramen->botten, ramen->topp).second;
            const double arm = upprätt(bas, a.lutning, a.topp(U'T') - ppem / 30, a.topp(U'T')).second;
            if (längd < 0.4 * arm || längd > 0.85 * arm)
                felet("its bar is " + procent(längd / arm) + " as long as " + u8(korsad) + "'s arm");
        }
    }
    if (hur.slag == Slag::ogonek && !märket.empty() && hur.bas != U'I' && hur.bas != U'i') {
        // Hung from the right foot, as Polish and Lithuanian write it: where
        // it leaves the letter, its top rows, right of the foot's middle by
        // a tenth of the foot (Į į hang it from their one stem).
        int från = ppem, till = -ppem;
        for (int y = 1; y <= ppem / 20; ++y)
            for (int x = bas.vänster; x < bas.vänster + bas.bredd; ++x)
                if (bas.vid(x, y)) från = std::min(från, x), till = std::max(till, x);
        double summa = 0, antal = 0;
        for (auto [x, y] : märket)
            if (y > märket.front().second - ppem / 50) summa += x, ++antal;
        if (summa / antal < (från + till) / 2.0 + (till - från) / 10.0)
            felet("its ogonek hangs at the middle of the letter's foot or left of it");
    }
    if (hur.slag == Slag::komma && !märket.empty()) {
        if (märket.front().second > 0) felet("its comma below reaches above the baseline");
        // Romanian readers tell the comma from the cedilla Turkish writes. A
        // face drawing Ș ș itself may draw Ţ ţ with its comma (GFS Didot does).
        static const std::map<char32_t, char32_t> cedilj = {{U'Ș', U'Ş'}, {U'ș', U'ş'}, {U'Ț', U'Ţ'}, {U'ț', U'ţ'}};
        const bool eget = std::ranges::any_of(cedilj, [&](auto p) { return FT_Get_Char_Index(original, p.first); });
        if (auto it = cedilj.find(c); it != cedilj.end() && !eget && FT_Get_Char_Index(face, it->second)) {
            // The cedilla, near the letter as the comma is.
            const auto annat = punkter(utan(a.bild(it->second), a.vidgad(hur.bas)));
            size_t båda = 0;
            for (auto [x, y] : annat) båda += bild.vid(x, y);
            if (båda * 10 >= (märket.size() + annat.size() - båda) * 6) felet("its comma is drawn as the cedilla");
        }
    }
    if (hur.slag == Slag::bredvid && !märket.empty()) {
        // Beside the stem, not over it, and clear of it and its serif in
        // every row: an apostrophe that touches reads as a hook of the letter.
        if (märket.back().second >= bas.topp) felet("its apostrophe stands above the letter, not beside it");
        for (size_t i = 0; i < märket.size(); ++i) {
            const auto [x, y] = märket[i];
            if (i > 0 && märket[i - 1].second == y) continue;
            int höger = bas.vänster - ppem;
            for (int bx = bas.vänster; bx < bas.vänster + bas.bredd; ++bx)
                if (bas.vid(bx, y)) höger = bx;
            if (x - höger - 1 >= marginal) continue;
            felet("its apostrophe comes within " + std::to_string(x - höger - 1) + " px of the letter, " +
                  std::to_string(y) + " px up");
            break;
        }
    }
    if (hur.slag == Slag::ovan || hur.slag == Slag::komma || hur.slag == Slag::cedilj)
        for (const std::string& f : granskaMärket(a, c, hur)) felet(f);

    // Nearer the line above than the face's own accented letters by no more
    // than native faces come (0.05 em); and where its own stand clear of the
    // descenders of the line above at the layouts' tightest leading, by more
    // than a hair, clear of them too. Where its own reach them already (the
    // capitals' accents of a face whose lines are an em apart), only the
    // first holds.
    const Mått m = mått(face, c);
    const long em = face->units_per_EM, fritt = a.radavstånd - a.djup - a.egenTopp;
    if (m.topp > a.egenTopp + (fritt > em / 100 ? std::min(em / 20, fritt) : em / 20))
        felet("its ink reaches " + std::to_string(m.topp) + ", the face's own letters " + std::to_string(a.egenTopp) +
              ", the descenders " + std::to_string(a.djup) + " below at lines " + std::to_string(a.radavstånd) +
              " apart, in " + std::to_string(em) + " to the em");

    // As wide as its base; over i and j as that or its dotless form, as
    // the face's own ì í î ï are.
    long väntat = mått(face, hur.bas).framsteg + (hur.slag == Slag::par ? mått(face, hur.märke).framsteg : 0);
    if (prickigt && m.framsteg == mått(face, hur.bas == U'i' ? U'ı' : U'ȷ').framsteg) väntat = m.framsteg;
    if (hur.slag == Slag::bredvid ? m.framsteg < väntat : m.framsteg != väntat)
        felet("advance " + std::to_string(m.framsteg) + ", " + std::to_string(väntat) + " expected");

    // Kerned as its base on each side the two share: not right of an
    // apostrophe beside the stem or of a middle dot, though Ľ kerns as L with
    // the small letters, and never nearer the capitals. A bar may kern less
    // where its base's kerning brought it into the next letter (Ŧa read as
    // Fa), never looser than unkerned: what it then meets is judged below.
    const bool högerLik = hur.slag != Slag::bredvid && hur.slag != Slag::punkt && c != U'ŀ';
    const char32_t högerBas = hur.slag == Slag::par ? hur.märke : hur.bas;
    const bool medStreck = hur.slag == Slag::streck && std::u32string_view(U"dHhTt").find(hur.bas) != std::u32string_view::npos;
    std::string olika;
    auto jämför = [&](char32_t x, char32_t y, char32_t bx, char32_t by) {
        const auto k = a.sätt(x, y), kb = a.sätt(bx, by);
        if (k && kb && k->kerning != kb->kerning && !(medStreck && kb->kerning < k->kerning && k->kerning <= 0))
            olika += " " + u8(x) + u8(y) + " " + std::to_string(k->kerning) + " (" + u8(bx) + u8(by) + " " +
                     std::to_string(kb->kerning) + ")";
    };
    for (char32_t x = U'A'; x <= U'z'; x = x == U'Z' ? U'a' : x + 1) {
        jämför(x, c, x, hur.bas);
        if (högerLik) jämför(c, x, högerBas, x);
    }
    if (c == U'Ľ') {
        for (char32_t x : std::u32string_view(U"acegmnopqrsuvwxyz")) jämför(c, x, U'L', x);
        for (char32_t x : std::u32string_view(U"TVY"))
            if (const auto k = a.sätt(c, x); k && k->kerning < 0) olika += " Ľ" + u8(x) + " " + std::to_string(k->kerning);
    }
    if (!olika.empty()) felet("kerned otherwise than " + u8(hur.bas) + ":" + olika);

    // Beside ordinary letters as words set them (a small letter between
    // small ones and after a capital, a capital between capitals and before
    // a small letter), it runs into them no more than its base does, up to
    // its base's top: a mark above or below meets capitals' arms and J's
    // tail in native faces too (DejaVu's Tĩ, ĄJ). A grazing touch is a few
    // pixels, and a base that meets its neighbour already does so by a
    // shade more or less at another fraction of a pixel; so does a pair's
    // second letter, which stands a fraction of a pixel otherwise than a
    // glyph of its own would.
    const int kropp = prickigt ? a.topp(U'ı') : a.topp(hur.bas);
    const bool versal = u_isupper(UChar32(hur.bas));
    std::string rör;
    for (char32_t x : std::u32string_view(U"aeounvABCDEFGHIJKLMNOPQRSTUVWXYZ"))
        for (bool före : {false, true}) {
            if ((bool(u_isupper(UChar32(x))) != versal && före != versal) || (före && hur.slag == Slag::par)) continue;
            const char32_t b = före ? högerBas : hur.bas;
            const auto r = före ? a.rör(c, x, false, kropp) : a.rör(x, c, true, kropp);
            const auto rb = före ? a.rör(b, x, false, kropp) : a.rör(x, b, true, kropp);
            if (r && rb && *r > *rb + ppem / 25 + *rb / 10)
                rör += " " + (före ? u8(c) + u8(x) : u8(x) + u8(c)) + " touches " + std::to_string(*r - *rb) +
                       " px more than " + (före ? u8(b) + u8(x) : u8(x) + u8(b));
        }
    if (!rör.empty()) felet("runs into its neighbours:" + rör);
    return fel;
}

TEST(MadeLetters, StandAsTheFaceWouldHaveDrawnThem) {
    FT_Library lib = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&lib), 0);
    int granskade = 0;
    for (const auto& fil : testhjalp::kompletteradeFiler()) {
        FT_Face original = nullptr, face = nullptr;
        ASSERT_EQ(FT_New_Face(lib, fil.original.c_str(), 0, &original), 0) << fil.original;
        ASSERT_EQ(FT_New_Face(lib, fil.kompletterad.c_str(), 0, &face), 0) << fil.kompletterad;
        FT_Set_Pixel_Sizes(face, 0, ppem);
        hb_blob_t* blob = hb_blob_create_from_file(fil.kompletterad.c_str());
        hb_face_t* hbFace = hb_face_create(blob, 0);
        hb_font_t* font = hb_font_create(hbFace);
        const Ansikte ansikte(original, face, font, fil.nygjorda);
        // Every letter the build means to make: those Debian's file lacks
        // or draws otherwise than readers write them.
        std::string fel;
        for (char32_t c : fil.önskade) {
            if (ansikte.egen(c)) continue;
            const auto hur = hurGjord(c);
            if (!FT_Get_Char_Index(face, c))
                fel += "\n  " + u8(c) + ": not in the face";
            else if (!hur)
                fel += "\n  " + u8(c) + ": made of nothing this check can judge it against";
            else
                for (const std::string& f : granska(ansikte, c, *hur)) fel += "\n  " + f;
            ++granskade;
        }
        EXPECT_TRUE(fel.empty()) << fil.kompletterad << ":" << fel;
        hb_font_destroy(font);
        hb_face_destroy(hbFace);
        hb_blob_destroy(blob);
        FT_Done_Face(face);
        FT_Done_Face(original);
    }
    EXPECT_GT(granskade, 20 * 100);
    FT_Done_FreeType(lib);
}

}  // namespace
