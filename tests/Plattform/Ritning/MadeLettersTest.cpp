// Every letter the build makes (faces/complete_faces.py), in every face,
// judged against the letter it is made from as a reader sees them: drawn by
// FreeType at 300 pixels per em and shaped by HarfBuzz. Its pieces of ink,
// the side and form of a mark below, the apostrophe beside the stem, how
// high its ink reaches, its advance and its kerning.
#include "Kodpunkter.h"
#include "Plattform/Ritning/KompletteradeTypsnitt.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include <gtest/gtest.h>
#include <hb.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int ppem = 300;

// How a letter is made of its base (Đ is drawn as Ð): a mark above, a comma below, a
// cedilla, an ogonek, an apostrophe beside the stem, a mark joined to it
// (bars, Ŋ's hook, ĸ, ſ), the middle dot of Ŀ, or two letters side by side.
enum class Slag { ovan, komma, cedilj, ogonek, bredvid, fogad, punkt, par };

struct Bokstav {
    Slag slag;
    char32_t bas, märke;  // märke: the mark drawn alone, or a pair's second letter
};

std::optional<Bokstav> hurGjord(char32_t c) {
    static const std::map<char32_t, Bokstav> egna = {
        {U'ď', {Slag::bredvid, U'd', U'’'}}, {U'ľ', {Slag::bredvid, U'l', U'’'}},
        {U'ť', {Slag::bredvid, U't', U'’'}}, {U'Ľ', {Slag::bredvid, U'L', U'’'}},
        {U'ģ', {Slag::ovan, U'g', U'‘'}},    {U'Đ', {Slag::fogad, U'Ð', 0}},
        {U'đ', {Slag::fogad, U'd', 0}},      {U'Ħ', {Slag::fogad, U'H', 0}},
        {U'ħ', {Slag::fogad, U'h', 0}},      {U'Ŧ', {Slag::fogad, U'T', 0}},
        {U'ŧ', {Slag::fogad, U't', 0}},      {U'Ŋ', {Slag::fogad, U'N', 0}},
        {U'ŋ', {Slag::fogad, U'n', 0}},      {U'ĸ', {Slag::fogad, U'k', 0}},
        {U'ſ', {Slag::fogad, U'f', 0}},      {U'Ĳ', {Slag::par, U'I', U'J'}},
        {U'ĳ', {Slag::par, U'i', U'j'}},     {U'ŉ', {Slag::par, U'’', U'n'}},
        {U'Ŀ', {Slag::punkt, U'L', U'·'}},   {U'ŀ', {Slag::par, U'l', U'·'}},
    };
    if (auto it = egna.find(c); it != egna.end()) return it->second;
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
    icu::UnicodeString delar;
    if (U_FAILURE(status) || !nfd->getRawDecomposition(UChar32(c), delar) || delar.countChar32() != 2) return {};
    const char32_t bas = char32_t(delar.char32At(0)), tecken = char32_t(delar.char32At(delar.moveIndex32(0, 1)));
    // Latvian writes a comma under the letters Unicode gives a cedilla.
    const bool lettiskt = tecken == 0x327 && std::u32string_view(U"GKkLlNnRr").find(bas) != std::u32string_view::npos;
    static const std::map<char32_t, Bokstav> märken = {
        {0x300, {Slag::ovan, 0, 0x60}},   {0x301, {Slag::ovan, 0, 0xB4}},  {0x302, {Slag::ovan, 0, 0x2C6}},
        {0x303, {Slag::ovan, 0, 0x2DC}},  {0x304, {Slag::ovan, 0, 0xAF}},  {0x306, {Slag::ovan, 0, 0x2D8}},
        {0x307, {Slag::ovan, 0, 0x2D9}},  {0x308, {Slag::ovan, 0, 0xA8}},  {0x30A, {Slag::ovan, 0, 0x2DA}},
        {0x30B, {Slag::ovan, 0, 0x2DD}},  {0x30C, {Slag::ovan, 0, 0x2C7}}, {0x326, {Slag::komma, 0, U','}},
        {0x327, {Slag::cedilj, 0, 0xB8}}, {0x328, {Slag::ogonek, 0, 0x2DB}},
    };
    auto it = märken.find(lettiskt ? 0x326 : tecken);
    if (it == märken.end()) return {};
    return Bokstav{it->second.slag, bas, it->second.märke};
}

// A glyph's ink as FreeType draws it, in pixels from the origin, y upwards.
struct Bild {
    int vänster = 0, topp = 0, bredd = 0, höjd = 0;
    std::vector<bool> bläck;
    bool vid(int x, int y) const {
        const int k = x - vänster, r = topp - y;
        return k >= 0 && k < bredd && r >= 0 && r < höjd && bläck[size_t(r * bredd + k)];
    }
};

Bild rita(FT_Face face, char32_t c) {
    Bild b;
    if (FT_Load_Char(face, c, FT_LOAD_RENDER | FT_LOAD_NO_HINTING)) return b;
    const FT_Bitmap& m = face->glyph->bitmap;
    b = {face->glyph->bitmap_left, face->glyph->bitmap_top, int(m.width), int(m.rows), {}};
    for (int r = 0; r < b.höjd; ++r)
        for (int k = 0; k < b.bredd; ++k) b.bläck.push_back(m.buffer[r * m.pitch + k] >= 128);
    return b;
}

// The points of a's ink that b's, a pixel wider all round, leaves bare.
std::vector<std::pair<int, int>> utöver(const Bild& a, const Bild& b) {
    std::vector<std::pair<int, int>> ut;
    for (int r = 0; r < a.höjd; ++r)
        for (int k = 0; k < a.bredd; ++k) {
            const int x = a.vänster + k, y = a.topp - r;
            if (!a.vid(x, y)) continue;
            bool täckt = false;
            for (int dx = -1; dx <= 1 && !täckt; ++dx)
                for (int dy = -1; dy <= 1 && !täckt; ++dy) täckt = b.vid(x + dx, y + dy);
            if (!täckt) ut.emplace_back(x, y);
        }
    return ut;
}

// Pieces of ink, touching at a corner counting as one; specks of fewer
// than 6 pixels, which anti-aliasing leaves at thin joins, left out.
int bitar(const Bild& b) {
    std::vector<int> sedd(b.bläck.size());
    int n = 0;
    for (size_t i = 0; i < b.bläck.size(); ++i) {
        if (!b.bläck[i] || sedd[i]) continue;
        std::vector<size_t> kö = {i};
        sedd[i] = 1;
        size_t storlek = 0;
        while (!kö.empty()) {
            const size_t p = kö.back();
            kö.pop_back();
            ++storlek;
            const int r = int(p) / b.bredd, k = int(p) % b.bredd;
            for (int dr = -1; dr <= 1; ++dr)
                for (int dk = -1; dk <= 1; ++dk) {
                    const int rr = r + dr, kk = k + dk;
                    if (rr < 0 || kk < 0 || rr >= b.höjd || kk >= b.bredd) continue;
                    const size_t q = size_t(rr * b.bredd + kk);
                    if (b.bläck[q] && !sedd[q]) sedd[q] = 1, kö.push_back(q);
                }
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
    if (FT_Load_Char(face, c, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING)) return {};
    FT_BBox box;
    FT_Outline_Get_CBox(&face->glyph->outline, &box);
    return {face->glyph->advance.x, box.yMax, box.yMin};
}

// HarfBuzz's shaping of the completed file: how much nearer than their
// advances place them a pair of letters stands; none where they are not
// two glyphs (a ligature).
class Formare {
public:
    explicit Formare(const std::string& fil)
        : blob_(hb_blob_create_from_file(fil.c_str())), face_(hb_face_create(blob_, 0)),
          font_(hb_font_create(face_)), buffer_(hb_buffer_create()) {}
    ~Formare() {
        hb_buffer_destroy(buffer_);
        hb_font_destroy(font_);
        hb_face_destroy(face_);
        hb_blob_destroy(blob_);
    }
    std::optional<int> kerning(char32_t a, char32_t b) {
        hb_buffer_clear_contents(buffer_);
        const uint32_t text[] = {uint32_t(a), uint32_t(b)};
        hb_buffer_add_utf32(buffer_, text, 2, 0, 2);
        hb_buffer_guess_segment_properties(buffer_);
        hb_shape(font_, buffer_, nullptr, 0);
        unsigned n = 0;
        const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer_, &n);
        const hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(buffer_, &n);
        if (n != 2) return {};
        return pos[0].x_advance - hb_font_get_glyph_h_advance(font_, info[0].codepoint) + pos[1].x_offset;
    }

private:
    hb_blob_t* blob_;
    hb_face_t* face_;
    hb_font_t* font_;
    hb_buffer_t* buffer_;
};

std::string u8(char32_t c) { return testhjalp::utf8(std::u32string(1, c)); }

// One letter's faults, each a sentence.
class Granskning {
public:
    Granskning(FT_Face original, FT_Face face, Formare& formare) : face_(face), formare_(formare) {
        // A face with a comma below of its own lends it to the letters made.
        for (char32_t c : std::u32string_view(U"ȘșȚț")) egetKomma_ = egetKomma_ || FT_Get_Char_Index(original, c);
        const long em = face->units_per_EM;
        for (char32_t c = 0xC0; c <= 0xFF; ++c)
            if (u_isalpha(UChar32(c)) && FT_Get_Char_Index(original, c)) egenTopp_ = std::max(egenTopp_, mått(original, c).topp);
        for (char32_t c : std::u32string_view(U"gjpqy")) djup_ = std::max(djup_, -mått(original, c).botten);
        tillåtetÖver_ = em / 50;
        radavstånd_ = em * 6 / 5;
        marginal_ = ppem / 100;
    }

    void granska(char32_t c, const Bokstav& hur, std::vector<std::string>& fel) {
        const std::string namn = u8(c);
        auto felet = [&](const std::string& s) { fel.push_back(namn + ": " + s); };
        const Bild bild = rita(face_, c), bas = rita(face_, hur.bas);
        const int bitarna = bitar(bild), basens = bitar(bas);
        const int märkets = hur.märke && hur.slag != Slag::par ? bitar(rita(face_, hur.märke)) : 0;
        std::optional<int> väntade;
        switch (hur.slag) {
        case Slag::ovan: väntade = basens + märkets - (hur.bas == U'i' || hur.bas == U'j'); break;
        case Slag::komma:
        case Slag::bredvid:
        case Slag::punkt: väntade = basens + märkets; break;
        case Slag::cedilj: väntade = basens + bitar(rita(face_, U'ç')) - bitar(rita(face_, U'c')); break;
        case Slag::ogonek:
        case Slag::fogad: väntade = basens; break;
        case Slag::par: väntade = basens + bitar(rita(face_, hur.märke)); break;
        }
        if (väntade && bitarna != *väntade)
            felet(std::to_string(bitarna) + " pieces of ink, " + std::to_string(*väntade) + " expected (" +
                  u8(hur.bas) + " has " + std::to_string(basens) + ")");

        const auto märket = utöver(bild, bas);
        if (hur.slag == Slag::ogonek) sidaUnder(bas, märket, felet);
        if (hur.slag == Slag::komma) kommaUnder(c, hur, märket, felet);
        if (hur.slag == Slag::bredvid) bredvidStammen(bas, märket, felet);

        // A mark over i or j stands on its dotless form, as wide as that.
        const bool prickfri = hur.slag == Slag::ovan && (hur.bas == U'i' || hur.bas == U'j');
        const char32_t utan = hur.bas == U'i' ? U'ı' : U'ȷ';
        const Mått m = mått(face_, c), b = mått(face_, prickfri && FT_Get_Char_Index(face_, utan) ? utan : hur.bas);
        if (m.topp > egenTopp_ + tillåtetÖver_)
            felet("its ink reaches " + std::to_string(m.topp) + ", the face's own letters " + std::to_string(egenTopp_));
        if (m.topp > egenTopp_ && m.topp + djup_ > radavstånd_) felet("it reaches into the line above");
        long framsteg = b.framsteg;
        if (hur.slag == Slag::par) framsteg += mått(face_, hur.märke).framsteg;
        if (hur.slag == Slag::bredvid ? m.framsteg < framsteg : m.framsteg != framsteg)
            felet("advance " + std::to_string(m.framsteg) + ", " + std::to_string(framsteg) + " expected");
        kerning(c, hur, felet);
    }

private:
    // The ogonek joins the right foot: its ink reaches right of the middle
    // of the base's ink just above the baseline.
    template <class Fel>
    void sidaUnder(const Bild& bas, const std::vector<std::pair<int, int>>& märket, Fel felet) {
        int från = 1 << 20, till = -(1 << 20), höger = -(1 << 20);
        for (int y = 1; y <= ppem / 20; ++y)
            for (int x = bas.vänster; x < bas.vänster + bas.bredd; ++x)
                if (bas.vid(x, y)) från = std::min(från, x), till = std::max(till, x);
        for (auto [x, y] : märket)
            if (y <= 0) höger = std::max(höger, x);
        if (höger <= (från + till) / 2) felet("the ogonek hangs left of the middle of its letter");
    }

    // A comma below, under the baseline, drawn otherwise than the face's
    // cedilla under the same letter.
    template <class Fel>
    void kommaUnder(char32_t c, const Bokstav& hur, const std::vector<std::pair<int, int>>& märket, Fel felet) {
        if (märket.empty()) return felet("no comma below");
        int topp = -(1 << 20);
        for (auto [x, y] : märket) topp = std::max(topp, y);
        if (topp > marginal_) felet("its comma reaches above the baseline");
        static const std::map<char32_t, char32_t> cedilj = {{U'Ș', U'Ş'}, {U'ș', U'ş'}, {U'Ț', U'Ţ'}, {U'ț', U'ţ'}};
        auto it = cedilj.find(c);
        if (egetKomma_ || it == cedilj.end() || !FT_Get_Char_Index(face_, it->second)) return;
        const auto annat = utöver(rita(face_, it->second), rita(face_, hur.bas));
        const std::set<std::pair<int, int>> a(märket.begin(), märket.end()), b(annat.begin(), annat.end());
        size_t båda = 0;
        for (const auto& p : a) båda += b.count(p);
        if (båda * 10 >= (a.size() + b.size() - båda) * 6) felet("its comma below is drawn as the cedilla");
    }

    // The apostrophe of ď ľ ť Ľ stands beside the letter, not above it, and
    // clear of it, a serif included, in every row it takes.
    template <class Fel>
    void bredvidStammen(const Bild& bas, const std::vector<std::pair<int, int>>& märket, Fel felet) {
        if (märket.empty()) return felet("no apostrophe");
        std::map<int, int> vänsterIRad;
        int botten = 1 << 20;
        for (auto [x, y] : märket) {
            auto [it, ny] = vänsterIRad.try_emplace(y, x);
            if (!ny) it->second = std::min(it->second, x);
            botten = std::min(botten, y);
        }
        if (botten >= bas.topp) felet("its apostrophe stands above the letter, not beside it");
        for (auto [y, x] : vänsterIRad)
            for (int bx = x - 1; bx >= x - marginal_; --bx)
                if (bas.vid(bx, y)) return felet("its apostrophe touches the letter");
    }

    // Kerning as the base's with every letter A–Z a–z, on each side it
    // shares with the base.
    template <class Fel>
    void kerning(char32_t c, const Bokstav& hur, Fel felet) {
        const bool högerLikt = hur.slag != Slag::bredvid && hur.slag != Slag::punkt && c != U'ŀ';
        const char32_t vänsterBas = hur.bas, högerBas = hur.slag == Slag::par ? hur.märke : hur.bas;
        // A pair the base joins into a ligature has no kerning to compare.
        auto lika = [](std::optional<int> a, std::optional<int> b) { return !a || !b || *a == *b; };
        std::string olika;
        for (char32_t x = U'A'; x <= U'z'; x = x == U'Z' ? U'a' : x + 1) {
            if (!lika(formare_.kerning(x, c), formare_.kerning(x, vänsterBas))) olika += u8(x) + u8(c) + " ";
            if (högerLikt && !lika(formare_.kerning(c, x), formare_.kerning(högerBas, x))) olika += u8(c) + u8(x) + " ";
        }
        if (c == U'Ľ') {
            for (char32_t x : std::u32string_view(U"acegmnopqrsuvwxyz"))
                if (!lika(formare_.kerning(c, x), formare_.kerning(U'L', x))) olika += "Ľ" + u8(x) + " ";
            for (char32_t x : std::u32string_view(U"TVY"))
                if (formare_.kerning(c, x).value_or(0) < 0) olika += "Ľ" + u8(x) + " (closer) ";
        }
        if (!olika.empty()) felet("kerned otherwise than its base in " + olika);
    }

    FT_Face face_;
    Formare& formare_;
    long egenTopp_ = 0, djup_ = 0, tillåtetÖver_ = 0, radavstånd_ = 0;
    int marginal_ = 0;
    bool egetKomma_ = false;
};

TEST(MadeLetters, StandAsTheFaceWouldHaveDrawnThem) {
    FT_Library lib = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&lib), 0);
    const auto filer = testhjalp::kompletteradeFiler();
    EXPECT_GE(filer.size(), 20u);
    int granskade = 0;
    for (const auto& fil : filer) {
        FT_Face original = nullptr, face = nullptr;
        ASSERT_EQ(FT_New_Face(lib, fil.original.c_str(), 0, &original), 0) << fil.original;
        ASSERT_EQ(FT_New_Face(lib, fil.kompletterad.c_str(), 0, &face), 0) << fil.kompletterad;
        FT_Set_Pixel_Sizes(face, 0, ppem);
        Formare formare(fil.kompletterad);
        Granskning granskning(original, face, formare);
        std::vector<std::string> fel;
        FT_UInt g = 0;
        for (FT_ULong c = FT_Get_First_Char(face, &g); g != 0; c = FT_Get_Next_Char(face, c, &g)) {
            const bool gjord = !FT_Get_Char_Index(original, c) || fil.nygjorda.find(char32_t(c)) != std::u32string::npos;
            const auto hur = gjord ? hurGjord(char32_t(c)) : std::nullopt;
            if (!hur) continue;
            granskning.granska(char32_t(c), *hur, fel);
            ++granskade;
        }
        std::ostringstream text;
        for (const std::string& f : fel) text << "\n  " << f;
        EXPECT_TRUE(fel.empty()) << fil.kompletterad << ":" << text.str();
        FT_Done_Face(face);
        FT_Done_Face(original);
    }
    EXPECT_GT(granskade, 20 * 100);
    FT_Done_FreeType(lib);
}

}  // namespace
