// The drawn signs are the text's signs, and a reader of the PDF gets the
// text back: in no face of the font table does shaping put the glyph of
// another character for what the text holds ("Nr." as "№", "ae" as "æ"),
// nor a ligature whose text in the PDF is not its letters. cairo writes a
// glyph's text as the lowest code point the character map of the face it
// draws with gives the glyph, and the characters the glyph was drawn for
// only where that map gives none. A glyph stands for its cluster when no
// character maps to it, or when the lowest that does is the text or
// decomposes to it ("ﬁ" is "fi"); a ligature the file's map gives a code
// point of private use ("ft" as U+E09D) stands for it only because cairo
// draws with a copy that leaves such code points out.
#include "PdfVerktyg.h"
#include "Programkorning.h"

#include "Plattform/Ritning/FontConfiguration.h"
#include "Plattform/Ritning/FontFaces.h"
#include "Plattform/Ritning/PangoText.h"
#include "Plattform/Ritning/PdfWriter.h"

#include <cairo-ft.h>
#include <gtest/gtest.h>
#include <hb-ot.h>
#include <hb.h>
#include <pango/pangocairo.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <map>
#include <memory>
#include <mutex>
#include <optional>
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
                          "1/4", "3/4", "a/s", "A/S", "www", "...", "--", "---", "->", "<-", "=>", "<=", ">=", "!=",
                          "(c)", "(C)", "(r)", "(R)", "(tm)", "1st", "2nd", "3rd", "4th", "kr", "Kr", "SEK", "EUR",
                          "Rs", "Pts", "SM", "sm", "Ltd", "Inc.", "GmbH", "ApS", "Oy", "Ab", "Nº", "n°", "N°",
                          "Mwst.", "Ust-IdNr.", "IVA", "TVA", "BTW", "MVA"})
        out.push_back(s);
    return out;
}

const std::string latin = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// Every two letters of the ten languages.
std::vector<std::string> letterPairs() {
    std::vector<std::string> letters;
    for (char c : latin) letters.push_back({c});
    for (const char* c : {"å", "ä", "ö", "æ", "ø", "é", "è", "ê", "ë", "á", "à", "â", "í", "ì", "î", "ï", "ó", "ò",
                          "ô", "õ", "ú", "ù", "û", "ü", "ý", "ÿ", "ñ", "ç", "ß", "œ", "Å", "Ä", "Ö", "Æ", "Ø", "É",
                          "Ü", "Ñ", "Ç", "Œ"})
        letters.push_back(c);
    std::vector<std::string> out;
    for (const std::string& a : letters)
        for (const std::string& b : letters) out.push_back(a + b);
    return out;
}

// Every three Latin letters whose first the face's joining features may
// take in; no other letter can start a ligature.
std::vector<std::string> letterTriples(hb_font_t* font) {
    hb_face_t* face = hb_font_get_face(font);
    const hb_tag_t joining[] = {HB_TAG('l', 'i', 'g', 'a'), HB_TAG('c', 'l', 'i', 'g'), HB_TAG('r', 'l', 'i', 'g'),
                                HB_TAG('d', 'l', 'i', 'g'), HB_TAG('h', 'l', 'i', 'g'), HB_TAG('c', 'a', 'l', 't'),
                                HB_TAG('c', 'c', 'm', 'p'), HB_TAG('l', 'o', 'c', 'l'), HB_TAG_NONE};
    hb_set_t* lookups = hb_set_create();
    hb_ot_layout_collect_lookups(face, HB_OT_TAG_GSUB, nullptr, nullptr, joining, lookups);
    hb_set_t* input = hb_set_create();
    for (hb_codepoint_t l = HB_SET_VALUE_INVALID; hb_set_next(lookups, &l);)
        hb_ot_layout_lookup_collect_glyphs(face, HB_OT_TAG_GSUB, l, nullptr, input, nullptr, nullptr);
    std::vector<std::string> out;
    for (char a : latin)
        if (hb_codepoint_t glyph; hb_font_get_nominal_glyph(font, static_cast<unsigned char>(a), &glyph) &&
                                  hb_set_has(input, glyph))
            for (char b : latin)
                for (char c : latin) out.push_back({a, b, c});
    hb_set_destroy(input);
    hb_set_destroy(lookups);
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

std::string named(char32_t c) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
    return name;
}

// A face as pango shapes it: its font and the features its pattern lists.
struct Shaping {
    std::unique_ptr<PangoFont, decltype(&g_object_unref)> font{nullptr, g_object_unref};
    std::vector<hb_feature_t> features;
    // The text cairo writes for each glyph its face's character map gives
    // a character: the lowest such character.
    std::map<hb_codepoint_t, char32_t> textOfGlyph;
};

Shaping shapingOf(const fonts::Face& face) {
    TextAttributes a;
    a.font = Font{std::string(face.name), 12};
    const text::PangoText t = text::pangoText(AttributedString("a", a), 0, 1, true, {});
    text::LayoutPtr layout = text::newLayout(t);
    const auto* run = static_cast<PangoGlyphItem*>(pango_layout_get_line_readonly(layout.get(), 0)->runs->data);
    Shaping s;
    s.font.reset(PANGO_FONT(g_object_ref(run->item->analysis.font)));
    hb_feature_t features[64];
    guint n = 0;
    pango_font_get_features(s.font.get(), features, 64, &n);
    s.features.assign(features, features + n);
    cairo_scaled_font_t* scaled = pango_cairo_font_get_scaled_font(PANGO_CAIRO_FONT(s.font.get()));
    FT_Face drawn = cairo_ft_scaled_font_lock_face(scaled);
    FT_UInt glyph = 0;
    for (FT_ULong c = FT_Get_First_Char(drawn, &glyph); glyph != 0; c = FT_Get_Next_Char(drawn, c, &glyph))
        s.textOfGlyph.emplace(glyph, static_cast<char32_t>(c));
    cairo_ft_scaled_font_unlock_face(scaled);
    return s;
}

// Each cluster of `words` (joined by spaces) shaped as pango shapes the
// face, with the extra features given: its text and the glyphs drawn for it.
template <class Cluster>
void forEachCluster(const Shaping& s, const std::vector<std::string>& words, const std::vector<hb_feature_t>& extra,
                    const Cluster& cluster) {
    std::string all;
    for (const std::string& w : words) all += w + " ";
    hb_buffer_t* buffer = hb_buffer_create();
    hb_buffer_add_utf8(buffer, all.data(), static_cast<int>(all.size()), 0, static_cast<int>(all.size()));
    hb_buffer_set_direction(buffer, HB_DIRECTION_LTR);
    hb_buffer_set_script(buffer, HB_SCRIPT_LATIN);
    std::vector<hb_feature_t> features = s.features;
    features.insert(features.end(), extra.begin(), extra.end());
    hb_shape(pango_font_get_hb_font(s.font.get()), buffer, features.data(), static_cast<unsigned>(features.size()));
    unsigned n = 0;
    const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer, &n);
    std::vector<hb_codepoint_t> glyphs;
    for (unsigned i = 0; i < n;) {
        unsigned end = i;
        glyphs.clear();
        while (end < n && info[end].cluster == info[i].cluster) glyphs.push_back(info[end++].codepoint);
        const size_t to = end < n ? info[end].cluster : all.size();
        cluster(std::string_view(all).substr(info[i].cluster, to - info[i].cluster), glyphs);
        i = end;
    }
    hb_buffer_destroy(buffer);
}

// The character of a glyph that does not stand for its cluster's text,
// if any: alone in it, the glyph's text must be the text; among several,
// a part of it.
std::optional<char32_t> foreignSign(const Shaping& s, std::string_view cluster,
                                    const std::vector<hb_codepoint_t>& glyphs) {
    const bool alone = glyphs.size() == 1;
    for (hb_codepoint_t glyph : glyphs) {
        auto text = s.textOfGlyph.find(glyph);
        if (text == s.textOfGlyph.end()) continue;
        const std::string sign = utf8(std::u32string(1, text->second));
        if (alone ? cluster == sign : cluster.find(sign) != std::string_view::npos) continue;
        const std::u32string d = nfkd(codePoints(sign)), decomposed = nfkd(codePoints(cluster));
        if (alone ? d != decomposed : decomposed.find(d) == std::u32string::npos) return text->second;
    }
    return std::nullopt;
}

// The feature of those shaping may apply that joins the text, found by
// shaping it without each in turn.
std::string featureJoining(const Shaping& s, const std::string& text) {
    for (const char* tag : {"liga", "clig", "rlig", "dlig", "hlig", "calt", "ccmp", "locl"}) {
        const hb_feature_t off{hb_tag_from_string(tag, 4), 0, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END};
        bool joined = false;
        forEachCluster(s, {text}, {off}, [&](std::string_view c, const auto& glyphs) {
            joined |= foreignSign(s, c, glyphs).has_value();
        });
        if (!joined) return tag;
    }
    return "?";
}

// Each glyph shaping `words` in the face draws for other characters than
// its cluster's: "ft → U+E09D (liga)".
std::vector<std::string> foreignSigns(const Shaping& s, const std::vector<std::string>& words) {
    std::set<std::string> found;
    forEachCluster(s, words, {}, [&](std::string_view c, const auto& glyphs) {
        if (auto sign = foreignSign(s, c, glyphs))
            found.insert(std::string(c) + " → " + named(*sign) + " (" + featureJoining(s, std::string(c)) + ")");
    });
    return {found.begin(), found.end()};
}

// Every face of the font table, each once.
std::vector<const fonts::Face*> distinctFaces() {
    std::vector<const fonts::Face*> out;
    std::set<std::string_view> seen;
    for (const fonts::Face& face : fonts::allFaces())
        if (seen.insert(face.substitute).second) out.push_back(&face);
    return out;
}

bool privateUse(char32_t c) { return c >= 0xE000 && c <= 0xF8FF; }

}  // namespace

// A face that fails names the feature its row of featuresOff (FontRegistry.cpp)
// must turn off.
TEST(FontLigatures, EveryFaceDrawsTheTextsOwnSigns) {
    std::lock_guard lock(fonts::fontLock());
    std::vector<std::string> common = samples();
    for (std::string& w : letterPairs()) common.push_back(std::move(w));
    for (const fonts::Face* face : distinctFaces()) {
        SCOPED_TRACE(face->substitute);
        const Shaping s = shapingOf(*face);
        std::vector<std::string> words = common;
        for (std::string& w : letterTriples(pango_font_get_hb_font(s.font.get()))) words.push_back(std::move(w));
        std::ostringstream signs;
        for (const std::string& sign : foreignSigns(s, words)) signs << sign << "; ";
        EXPECT_EQ(signs.str(), "");
    }
}

// The words, one line in each face, read back from our PDF by mupdf and by
// poppler: letter for letter, with no private-use character.
TEST(FontLigatures, EveryFacesTextReadsBackFromThePdf) {
    const std::string words = "efter Auftrag Kraft fjärde Nordfjord official affirm fluffy";
    const std::vector<const fonts::Face*> faces = distinctFaces();
    PdfWriter writer({"Ligatures", "", "kontobok", 0});
    Canvas& page = writer.beginPage({595, 842});
    double y = 30;
    for (const fonts::Face* face : faces) {
        page.drawText(AttributedString(words, {std::nullopt, std::nullopt, Font{std::string(face->name), 12}}),
                      {30, y, 535, 20}, TextDrawingMode::fromTopLeft);
        y += 20;
    }
    writer.endPage();
    const testhjalp::PdfFil pdf(writer.finish());
    for (const auto& [reader, run] :
         {std::pair{"mutool", testhjalp::körProgram("mutool", {"draw", "-F", "txt", "-o", "-", pdf.path().string()})},
          std::pair{"pdftotext", testhjalp::körProgram("pdftotext", {pdf.path().string(), "-"})}}) {
        SCOPED_TRACE(reader);
        ASSERT_EQ(run.status, 0) << run.fel;
        std::vector<std::string> lines;
        std::istringstream in(run.ut);
        for (std::string line; std::getline(in, line);) {
            while (!line.empty() && (line.back() == ' ' || line.back() == '\f')) line.pop_back();
            if (!line.empty() && line != "\f") lines.push_back(line);
        }
        ASSERT_EQ(lines.size(), faces.size()) << run.ut;
        for (size_t i = 0; i < faces.size(); ++i) {
            EXPECT_EQ(lines[i], words) << faces[i]->substitute;
            for (char32_t c : codePoints(lines[i])) EXPECT_FALSE(privateUse(c)) << faces[i]->substitute;
        }
    }
}
