// Every letter the build makes (faces/complete_faces.py), in every face,
// judged against the letter it is made from as a reader sees them: drawn by
// FreeType at 300 pixels per em and shaped by HarfBuzz. Its pieces of ink,
// the side and form of a mark below, the apostrophe beside the stem, how
// high its ink reaches, its advance and its kerning.
#include "Kodpunkter.h"
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
#include <vector>

namespace {

constexpr int ppem = 300, marginal = ppem / 100;

// How a letter is made of its base: a mark above, a comma below, a cedilla,
// an ogonek, an apostrophe beside the stem, a mark joined to it (bars, Ŋ's
// hook, ĸ, ſ), the middle dot inside Ŀ, or two letters side by side.
enum class Slag { ovan, komma, cedilj, ogonek, bredvid, fogad, punkt, par };

struct Bokstav {
    Slag slag;
    char32_t bas, märke;  // märke: the mark drawn alone, or a pair's second letter
};

std::optional<Bokstav> hurGjord(char32_t c) {
    using enum Slag;
    // Letters Unicode does not decompose, or whose readers write them
    // otherwise than it decomposes them; Đ is drawn as Ð.
    static const std::map<char32_t, Bokstav> egna = {
        {U'ď', {bredvid, U'd', U'’'}}, {U'ľ', {bredvid, U'l', U'’'}}, {U'ť', {bredvid, U't', U'’'}},
        {U'Ľ', {bredvid, U'L', U'’'}}, {U'ģ', {ovan, U'g', U'‘'}},    {U'Đ', {fogad, U'Ð', 0}},
        {U'đ', {fogad, U'd', 0}},      {U'Ħ', {fogad, U'H', 0}},      {U'ħ', {fogad, U'h', 0}},
        {U'Ŧ', {fogad, U'T', 0}},      {U'ŧ', {fogad, U't', 0}},      {U'Ŋ', {fogad, U'N', 0}},
        {U'ŋ', {fogad, U'n', 0}},      {U'ĸ', {fogad, U'k', 0}},      {U'ſ', {fogad, U'f', 0}},
        {U'Ĳ', {par, U'I', U'J'}},     {U'ĳ', {par, U'i', U'j'}},     {U'ŉ', {par, U'’', U'n'}},
        {U'Ŀ', {punkt, U'L', U'·'}},   {U'ŀ', {par, U'l', U'·'}},
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

// A glyph's ink as FreeType draws it, in pixels from the origin, y upwards.
struct Bild {
    int vänster = 0, topp = 0, bredd = 0, höjd = 0;
    std::vector<bool> bläck;
    bool vid(int x, int y) const {
        const int k = x - vänster, r = topp - y;
        return k >= 0 && k < bredd && r >= 0 && r < höjd && bläck[size_t(r * bredd + k)];
    }
    // Whether the point has ink, which it then no longer has.
    bool ta(int x, int y) {
        if (!vid(x, y)) return false;
        bläck[size_t((topp - y) * bredd + x - vänster)] = false;
        return true;
    }
};

Bild rita(FT_Face face, char32_t c) {
    Bild b;
    if (!FT_Get_Char_Index(face, c) || FT_Load_Char(face, c, FT_LOAD_RENDER | FT_LOAD_NO_HINTING)) return b;
    const FT_Bitmap& m = face->glyph->bitmap;
    b = {face->glyph->bitmap_left, face->glyph->bitmap_top, int(m.width), int(m.rows), {}};
    for (int r = 0; r < b.höjd; ++r)
        for (int k = 0; k < b.bredd; ++k) b.bläck.push_back(m.buffer[r * m.pitch + k] >= 128);
    return b;
}

// The points of a's ink that b's, a pixel wider all round, leaves bare.
std::vector<std::pair<int, int>> utöver(const Bild& a, const Bild& b) {
    std::vector<std::pair<int, int>> ut;
    for (int y = a.topp; y > a.topp - a.höjd; --y)
        for (int x = a.vänster; x < a.vänster + a.bredd; ++x) {
            bool täckt = !a.vid(x, y);
            for (int d = 0; d < 9 && !täckt; ++d) täckt = b.vid(x + d % 3 - 1, y + d / 3 - 1);
            if (!täckt) ut.emplace_back(x, y);
        }
    return ut;
}

// Pieces of ink, touching at a corner counting as one; specks of fewer
// than 6 pixels, which anti-aliasing leaves at thin joins, left out.
int bitar(Bild b) {
    int n = 0;
    for (int y = b.topp; y > b.topp - b.höjd; --y)
        for (int x = b.vänster; x < b.vänster + b.bredd; ++x) {
            std::vector<std::pair<int, int>> kö;
            if (b.ta(x, y)) kö.emplace_back(x, y);
            int storlek = 0;
            for (; !kö.empty(); ++storlek) {
                const auto [px, py] = kö.back();
                kö.pop_back();
                for (int d = 0; d < 9; ++d)
                    if (b.ta(px + d % 3 - 1, py + d / 3 - 1)) kö.emplace_back(px + d % 3 - 1, py + d / 3 - 1);
            }
            n += storlek >= 6;
        }
    return n;
}

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

// How much HarfBuzz's shaping of the pair moves the second letter from where
// the first's advance puts it; none where the pair is not two glyphs (a
// ligature), which has no kerning to compare.
std::optional<int> kerning(hb_font_t* font, char32_t a, char32_t b) {
    hb_buffer_t* buffer = hb_buffer_create();
    const uint32_t text[] = {uint32_t(a), uint32_t(b)};
    hb_buffer_add_utf32(buffer, text, 2, 0, 2);
    hb_buffer_guess_segment_properties(buffer);
    hb_shape(font, buffer, nullptr, 0);
    unsigned n = 0;
    const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer, &n);
    const hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(buffer, &n);
    std::optional<int> ut;
    if (n == 2) ut = pos[0].x_advance - hb_font_get_glyph_h_advance(font, info[0].codepoint);
    hb_buffer_destroy(buffer);
    return ut;
}

std::string u8(char32_t c) { return testhjalp::utf8(std::u32string(1, c)); }

// Whether the two letters, shaped side by side, touch: ink within a pixel.
bool rör(FT_Face face, hb_font_t* font, char32_t x, char32_t y) {
    const Bild vänster = rita(face, x), höger = rita(face, y);
    const long steg = mått(face, x).framsteg + kerning(font, x, y).value_or(0);
    const int dx = int(std::lround(double(steg) * ppem / face->units_per_EM));
    for (int py = höger.topp; py > höger.topp - höger.höjd; --py)
        for (int px = höger.vänster; px < höger.vänster + höger.bredd; ++px)
            for (int d = 0; d < 9 && höger.vid(px, py); ++d)
                if (vänster.vid(px + dx + d % 3 - 1, py + d / 3 - 1)) return true;
    return false;
}

// A completed face beside Debian's, with what every made letter of it is
// measured against, measured once.
struct Ansikte {
    FT_Face original, face;
    hb_font_t* font;
    long egenTopp = 0, djup = 0;  // how high its own accented letters reach, how deep its descenders
    long radhöjd = 0;             // its own line height (hhea's), which the program sets lines at
    int cediljensBitar = 0;       // the pieces of ink ç has more than c

    Ansikte(FT_Face o, FT_Face f, hb_font_t* hb) : original(o), face(f), font(hb) {
        for (char32_t e = 0xC0; e <= 0xFF; ++e)
            if (u_isalpha(UChar32(e))) egenTopp = std::max(egenTopp, mått(original, e).topp);
        for (char32_t e : std::u32string_view(U"gjpqy")) djup = std::max(djup, -mått(original, e).botten);
        if (const auto* h = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(original, FT_SFNT_HHEA)))
            radhöjd = h->Ascender - h->Descender + h->Line_Gap;
        cediljensBitar = bitar(rita(face, U'ç')) - bitar(rita(face, U'c'));
    }
};

// The faults of one made letter, each a line.
std::vector<std::string> granska(const Ansikte& a, char32_t c, const Bokstav& hur) {
    const FT_Face original = a.original, face = a.face;
    std::vector<std::string> fel;
    auto felet = [&](const std::string& s) { fel.push_back(u8(c) + ": " + s); };
    const Bild bild = rita(face, c), bas = rita(face, hur.bas);
    const int egna = bitar(bild);
    int väntade = bitar(bas);
    std::string skäl = u8(hur.bas) + " has " + std::to_string(väntade);
    const bool prickigt = hur.slag == Slag::ovan && (hur.bas == U'i' || hur.bas == U'j');
    if (hur.slag == Slag::cedilj) {
        const int fler = a.cediljensBitar;
        väntade += fler, skäl += ", ç " + (fler ? std::to_string(fler) + " more than c" : "as many as c");
    } else if (hur.slag != Slag::ogonek && hur.slag != Slag::fogad) {
        // A double acute is two strokes, however the face draws ˝ alone.
        const int märkets = hur.märke == U'˝' ? 2 : bitar(rita(face, hur.märke));
        väntade += märkets - prickigt;
        skäl += " and " + u8(hur.märke) + " " + std::to_string(märkets) + (prickigt ? ", less the dot" : "");
    }
    if (egna != väntade) felet(std::to_string(egna) + (egna == 1 ? " piece" : " pieces") + " of ink, " + skäl);

    // The letter's ink off its base's: row by row from the top, each row from the left.
    const auto märket = utöver(bild, bas);
    if (märket.empty() && hur.slag != Slag::fogad && hur.slag != Slag::par) felet("no mark apart from its letter");
    if (hur.slag == Slag::ogonek && !märket.empty()) {
        // Hung from the right foot, as Polish and Lithuanian write it.
        int från = ppem, till = -ppem;
        for (int y = 1; y <= ppem / 20; ++y)
            for (int x = bas.vänster; x < bas.vänster + bas.bredd; ++x)
                if (bas.vid(x, y)) från = std::min(från, x), till = std::max(till, x);
        if (std::ranges::max(märket | std::views::keys) <= (från + till) / 2)
            felet("its ogonek hangs left of the middle of the letter's foot");
    }
    if (hur.slag == Slag::komma && !märket.empty()) {
        if (märket.front().second > 0) felet("its comma below reaches above the baseline");
        // Romanian readers tell the comma from the cedilla Turkish writes. A
        // face drawing Ș ș itself may draw Ţ ţ with its comma (GFS Didot does).
        static const std::map<char32_t, char32_t> cedilj = {{U'Ș', U'Ş'}, {U'ș', U'ş'}, {U'Ț', U'Ţ'}, {U'ț', U'ţ'}};
        const bool eget = std::ranges::any_of(cedilj, [&](auto p) { return FT_Get_Char_Index(original, p.first); });
        if (auto it = cedilj.find(c); it != cedilj.end() && !eget && FT_Get_Char_Index(face, it->second)) {
            const auto annat = utöver(rita(face, it->second), bas);  // the cedilla, near the letter as the comma is
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

    // Nearer the line above than the face's own accented letters by no
    // more than 0.05 em, and never into its descenders at the face's own
    // line height, the leading of the templates' tables.
    const Mått m = mått(face, c);
    const long em = face->units_per_EM, egenTopp = a.egenTopp, djup = a.djup;
    if ((m.topp - egenTopp) * 20 > em || (m.topp > egenTopp && m.topp + djup > a.radhöjd))
        felet("its ink reaches " + std::to_string(m.topp) + ", the face's own letters " + std::to_string(egenTopp) +
              ", the descenders " + std::to_string(djup) + " below, lines " + std::to_string(a.radhöjd) +
              " apart, in " + std::to_string(em) + " to the em");

    // As wide as its base; over i and j as that or its dotless form, as
    // the face's own ì í î ï are.
    long väntat = mått(face, hur.bas).framsteg + (hur.slag == Slag::par ? mått(face, hur.märke).framsteg : 0);
    if (prickigt && m.framsteg == mått(face, hur.bas == U'i' ? U'ı' : U'ȷ').framsteg) väntat = m.framsteg;
    if (hur.slag == Slag::bredvid ? m.framsteg < väntat : m.framsteg != väntat)
        felet("advance " + std::to_string(m.framsteg) + ", " + std::to_string(väntat) + " expected");

    // Kerned as its base on each side the two share: not right of an
    // apostrophe beside the stem or of a middle dot, though Ľ kerns as L with
    // the small letters, and never nearer the capitals. A bar may kern less,
    // its base's kerning brought it into the next letter (Ŧa read as Fa):
    // it meets no neighbour its base does not.
    const bool högerLik = hur.slag != Slag::bredvid && hur.slag != Slag::punkt && c != U'ŀ';
    const char32_t högerBas = hur.slag == Slag::par ? hur.märke : hur.bas;
    const bool streck = hur.slag == Slag::fogad && std::u32string_view(U"dHhTt").find(hur.bas) != std::u32string_view::npos;
    std::string olika, möter;
    auto jämför = [&](char32_t x, char32_t y, char32_t bx, char32_t by) {
        const auto k = kerning(a.font, x, y), kb = kerning(a.font, bx, by);
        if (k && kb && *k != *kb && !(streck && *kb < *k && *k <= 0))
            olika += " " + u8(x) + u8(y) + " " + std::to_string(*k) + " (" + u8(bx) + u8(by) + " " +
                     std::to_string(*kb) + ")";
    };
    for (char32_t x = U'A'; x <= U'z'; x = x == U'Z' ? U'a' : x + 1) {
        jämför(x, c, x, hur.bas);
        if (högerLik) jämför(c, x, högerBas, x);
    }
    if (c == U'Ľ') {
        for (char32_t x : std::u32string_view(U"acegmnopqrsuvwxyz")) jämför(c, x, U'L', x);
        for (char32_t x : std::u32string_view(U"TVY"))
            if (const auto k = kerning(a.font, c, x); k && *k < 0) olika += " Ľ" + u8(x) + " " + std::to_string(*k);
    }
    if (!olika.empty()) felet("kerned otherwise than " + u8(hur.bas) + ":" + olika);
    for (char32_t x : std::u32string_view(streck ? U"aenouvAOVY" : U""))
        for (const auto& [p, q, bp, bq] : {std::array{c, x, hur.bas, x}, std::array{x, c, x, hur.bas}})
            if (rör(face, a.font, p, q) && !rör(face, a.font, bp, bq)) möter += " " + u8(p) + u8(q);
    if (!möter.empty()) felet("its bar meets what " + u8(hur.bas) + " does not:" + möter);
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
        const Ansikte ansikte(original, face, font);
        std::string fel;
        FT_UInt g = 0;
        for (FT_ULong c = FT_Get_First_Char(face, &g); g != 0; c = FT_Get_Next_Char(face, c, &g)) {
            const bool gjord = !FT_Get_Char_Index(original, c) || fil.nygjorda.find(char32_t(c)) != fil.nygjorda.npos;
            const auto hur = gjord ? hurGjord(char32_t(c)) : std::nullopt;
            if (!hur) continue;
            for (const std::string& f : granska(ansikte, char32_t(c), *hur)) fel += "\n  " + f;
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
