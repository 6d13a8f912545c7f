// The drawn signs are the text's signs: in no face of the font table does
// shaping put the glyph of another character for what the text holds
// ("Nr." as "№", "ae" as "æ"). A ligature of letters whose glyph no
// character maps to (a face's own "ft"), or the character whose
// compatibility decomposition is the text ("ﬁ" for "fi"), is the same text
// drawn joined.
#include "Plattform/Ritning/FontConfiguration.h"
#include "Plattform/Ritning/FontFaces.h"
#include "Plattform/Ritning/PangoText.h"

#include <gtest/gtest.h>
#include <hb.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <map>
#include <mutex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Pairs of letters, digits and punctuation, and the abbreviations of
// invoices in the languages they are written in.
std::vector<std::string> samples() {
    const std::string signs = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789.,:;-/&'\"()!?%+#@*<>=";
    std::vector<std::string> out;
    for (char a : signs)
        for (char b : signs) out.push_back({a, b});
    for (const char* s : {"Nr", "Nr.", "Art.-Nr.", "No", "No.", "Nº", "Tel", "Tel.", "Fax", "TM", "Co", "c/o", "1/2",
                          "1/4", "3/4", "a/s", "A/S", "ffi", "ffl", "fft", "www", "...", "--", "---", "->", "<-",
                          "=>", "<=", ">=", "!=", "(c)", "(C)", "(r)", "(R)", "(tm)", "1st", "2nd", "3rd", "4th",
                          "kr", "Kr", "SEK", "EUR", "Rs", "Pts", "SM", "sm", "ct", "st", "Th", "fj", "tt", "Ltd",
                          "Inc.", "GmbH", "ApS", "Oy", "Ab", "Nº", "n°", "N°", "ä", "å", "ö", "Äpfel", "Straße",
                          "Größe", "Œuvre", "Æble", "Øre", "Mwst.", "Ust-IdNr.", "IVA", "TVA", "BTW", "MVA"})
        out.push_back(s);
    return out;
}

std::u32string nfkd(std::u32string_view s) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* n = icu::Normalizer2::getNFKDInstance(status);
    icu::UnicodeString u = icu::UnicodeString::fromUTF32(reinterpret_cast<const UChar32*>(s.data()),
                                                       static_cast<int32_t>(s.size()));
    icu::UnicodeString d = n->normalize(u, status);
    std::u32string out(static_cast<size_t>(d.countChar32()), 0);
    d.toUTF32(reinterpret_cast<UChar32*>(out.data()), static_cast<int32_t>(out.size()), status);
    return out;
}

std::u32string codePoints(std::string_view s) {
    std::u32string out;
    for (size_t i = 0; i < s.size();) {
        UChar32 c;
        U8_NEXT(s.data(), i, s.size(), c);
        out.push_back(static_cast<char32_t>(c));
    }
    return out;
}

std::string utf8(std::u32string_view s) {
    std::string out;
    for (char32_t c : s) {
        char bytes[U8_MAX_LENGTH];
        int32_t n = 0;
        U8_APPEND_UNSAFE(bytes, n, static_cast<UChar32>(c));
        out.append(bytes, static_cast<size_t>(n));
    }
    return out;
}

// The characters the font's cmap maps to each glyph. Private-use ones
// are no character: faces give their ligatures such code points to be
// typed by.
std::map<hb_codepoint_t, std::u32string> charactersOfGlyphs(hb_font_t* font) {
    hb_set_t* unicodes = hb_set_create();
    hb_face_collect_unicodes(hb_font_get_face(font), unicodes);
    std::map<hb_codepoint_t, std::u32string> out;
    for (hb_codepoint_t u = HB_SET_VALUE_INVALID; hb_set_next(unicodes, &u);) {
        hb_codepoint_t glyph;
        if (u_charType(static_cast<UChar32>(u)) != U_PRIVATE_USE_CHAR && hb_font_get_nominal_glyph(font, u, &glyph))
            out[glyph].push_back(u);
    }
    hb_set_destroy(unicodes);
    return out;
}

// Whether a glyph drawn for `text` stands for it: no character maps to it,
// or one that is `text` or decomposes to it; a glyph among several of a
// cluster may stand for a part of it.
bool standsFor(const std::u32string& charactersOfGlyph, const std::u32string& text, bool alone) {
    if (charactersOfGlyph.empty()) return true;
    const std::u32string decomposed = nfkd(text);
    for (char32_t c : charactersOfGlyph) {
        const std::u32string d = nfkd(std::u32string(1, c));
        if (alone ? d == decomposed : decomposed.find(d) != std::u32string::npos) return true;
    }
    return false;
}

// The glyphs shaping `words` in the face draws for other characters than
// the ones of their cluster: "Nr → №" for each.
std::vector<std::string> foreignSigns(const fonts::Face& face, const std::vector<std::string>& words) {
    std::string all;
    for (const std::string& w : words) all += w + " ";
    TextAttributes a;
    a.font = Font{std::string(face.name), 12};
    const text::PangoText t = text::pangoText(AttributedString(all, a), 0, all.size(), true, {});
    text::LayoutPtr layout = text::newLayout(t);
    std::map<PangoFont*, std::map<hb_codepoint_t, std::u32string>> cmaps;
    std::set<std::string> found;
    for (GSList* r = pango_layout_get_line_readonly(layout.get(), 0)->runs; r; r = r->next) {
        const auto* run = static_cast<PangoGlyphItem*>(r->data);
        PangoFont* font = run->item->analysis.font;
        if (!cmaps.contains(font)) cmaps[font] = charactersOfGlyphs(pango_font_get_hb_font(font));
        const auto& glyphChars = cmaps[font];
        const PangoGlyphString* g = run->glyphs;
        // Clusters in text order (left to right: every sample is).
        for (int i = 0; i < g->num_glyphs;) {
            int end = i;
            while (end < g->num_glyphs && g->log_clusters[end] == g->log_clusters[i]) ++end;
            const size_t from = static_cast<size_t>(run->item->offset + g->log_clusters[i]);
            const size_t to = end < g->num_glyphs ? static_cast<size_t>(run->item->offset + g->log_clusters[end])
                                                  : static_cast<size_t>(run->item->offset + run->item->length);
            const std::u32string text = codePoints(std::string_view(t.text).substr(from, to - from));
            for (int k = i; k < end; ++k) {
                const PangoGlyph glyph = g->glyphs[k].glyph;
                if (glyph & PANGO_GLYPH_UNKNOWN_FLAG || glyph == PANGO_GLYPH_EMPTY) continue;
                auto chars = glyphChars.find(glyph);
                const std::u32string none;
                const std::u32string& of = chars == glyphChars.end() ? none : chars->second;
                if (!standsFor(of, text, end - i == 1)) found.insert(utf8(text) + " → " + utf8(of));
            }
            i = end;
        }
    }
    return {found.begin(), found.end()};
}

}  // namespace

TEST(FontLigatures, EveryFaceDrawsTheTextsOwnSigns) {
    std::lock_guard lock(fonts::fontLock());
    const std::vector<std::string> words = samples();
    std::set<std::string_view> shaped;
    for (const fonts::Face& face : fonts::allFaces()) {
        if (!shaped.insert(face.substitute).second) continue;
        SCOPED_TRACE(face.substitute);
        std::ostringstream signs;
        for (const std::string& s : foreignSigns(face, words)) signs << s << "; ";
        EXPECT_EQ(signs.str(), "");
    }
}
