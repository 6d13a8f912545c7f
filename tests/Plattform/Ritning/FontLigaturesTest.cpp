// The drawn signs are the text's signs, and a reader of the PDF gets the
// text back: in no face of the font table does shaping put the glyph of
// another character for what the text holds ("Nr." as "№", "ae" as "æ"),
// nor a ligature whose text in the PDF is not its letters. cairo writes a
// glyph's text as the lowest code point the character map of the face it
// draws with gives the glyph, and the characters the glyph was drawn for
// only where that map gives none. A glyph stands for its cluster when no
// character maps to it, or when the lowest that does is the text or
// decomposes to it ("ﬁ" is "fi"); a ligature the file's map gives a code
// point of private use ("ft" as U+E09D) stands for it because cairo draws
// with a copy that leaves such code points out, and maps every other as
// the file does.
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
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string latin = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// Pairs of letters of the ten languages, digits and punctuation, and the
// abbreviations of invoices in the languages they are written in.
std::vector<std::string> samples() {
    std::vector<std::string> signs;
    for (char c : latin + "0123456789.,:;-/&'\"()!?%+#@*<>=") signs.push_back({c});
    for (const char* c : {"å", "ä", "ö", "æ", "ø", "é", "è", "ê", "ë", "á", "à", "â", "í", "î", "ï", "ó", "ò", "ô",
                          "ú", "ù", "û", "ü", "ñ", "ç", "ß", "œ", "Å", "Ä", "Ö", "Æ", "Ø", "É", "Ü", "Ñ", "Ç", "Œ"})
        signs.push_back(c);
    std::vector<std::string> out;
    for (const std::string& a : signs)
        for (const std::string& b : signs) out.push_back(a + b);
    for (const char* s : {"Nr", "Nr.", "Art.-Nr.", "No.", "Nº", "Tel.", "Fax", "TM", "c/o", "1/2", "1/4", "3/4",
                          "a/s", "A/S", "www", "...", "---", "->", "<-", "=>", "<=", ">=", "!=", "(c)", "(C)", "(r)",
                          "(R)", "(tm)", "1st", "2nd", "3rd", "4th", "SEK", "EUR", "Rs", "Pts", "Ltd", "Inc.", "GmbH",
                          "ApS", "n°", "N°", "Mwst.", "Ust-IdNr.", "IVA", "TVA", "BTW", "MVA"})
        out.push_back(s);
    return out;
}

// Every three Latin letters whose first a lookup of the face's joining
// features takes in; no other can start a ligature.
std::vector<std::string> letterTriples(hb_font_t* font) {
    hb_face_t* face = hb_font_get_face(font);
    const hb_tag_t joining[] = {HB_TAG('l', 'i', 'g', 'a'), HB_TAG('c', 'l', 'i', 'g'), HB_TAG('r', 'l', 'i', 'g'),
                                HB_TAG('d', 'l', 'i', 'g'), HB_TAG('h', 'l', 'i', 'g'), HB_TAG('c', 'a', 'l', 't'),
                                HB_TAG('c', 'c', 'm', 'p'), HB_TAG('l', 'o', 'c', 'l'), HB_TAG_NONE};
    hb_set_t* lookups = hb_set_create();
    hb_set_t* input = hb_set_create();
    hb_ot_layout_collect_lookups(face, HB_OT_TAG_GSUB, nullptr, nullptr, joining, lookups);
    for (hb_codepoint_t l = HB_SET_VALUE_INVALID; hb_set_next(lookups, &l);)
        hb_ot_layout_lookup_collect_glyphs(face, HB_OT_TAG_GSUB, l, nullptr, input, nullptr, nullptr);
    std::vector<std::string> out;
    for (char a : latin)
        if (hb_codepoint_t g; hb_font_get_nominal_glyph(font, static_cast<unsigned char>(a), &g) && hb_set_has(input, g))
            for (char b : latin)
                for (char c : latin) out.push_back({a, b, c});
    hb_set_destroy(input);
    hb_set_destroy(lookups);
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

std::u32string nfkd(std::u32string_view s) {
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString d = icu::Normalizer2::getNFKDInstance(status)->normalize(
        icu::UnicodeString::fromUTF32(reinterpret_cast<const UChar32*>(s.data()), static_cast<int32_t>(s.size())),
        status);
    std::u32string out(static_cast<size_t>(d.countChar32()), 0);
    d.toUTF32(reinterpret_cast<UChar32*>(out.data()), static_cast<int32_t>(out.size()), status);
    return out;
}

bool privateUse(char32_t c) { return (c >= 0xE000 && c <= 0xF8FF) || c >= 0xF0000; }

// A face as pango shapes it and cairo draws it: pango's font, the features
// its pattern lists, and the character map of the face cairo draws with,
// and of the file, from each character to its glyph.
struct Face {
    std::unique_ptr<PangoFont, decltype(&g_object_unref)> font{nullptr, g_object_unref};
    std::vector<hb_feature_t> features;
    std::map<char32_t, hb_codepoint_t> drawnMap, fileMap;
    std::map<hb_codepoint_t, char32_t> textOfGlyph;  // the lowest character cairo's map gives it
};

Face faceOf(const fonts::Face& entry) {
    const AttributedString a("a", {std::nullopt, std::nullopt, Font{std::string(entry.name), 12}});
    text::LayoutPtr layout = text::newLayout(text::pangoText(a, 0, 1, true, {}));
    Face f;
    const auto* run = static_cast<PangoGlyphItem*>(pango_layout_get_line_readonly(layout.get(), 0)->runs->data);
    f.font.reset(PANGO_FONT(g_object_ref(run->item->analysis.font)));
    hb_feature_t features[64];
    guint n = 0;
    pango_font_get_features(f.font.get(), features, 64, &n);
    f.features.assign(features, features + n);
    cairo_scaled_font_t* scaled = pango_cairo_font_get_scaled_font(PANGO_CAIRO_FONT(f.font.get()));
    FT_Face drawn = cairo_ft_scaled_font_lock_face(scaled);
    FT_UInt glyph = 0;
    for (FT_ULong c = FT_Get_First_Char(drawn, &glyph); glyph != 0; c = FT_Get_Next_Char(drawn, c, &glyph))
        f.drawnMap[static_cast<char32_t>(c)] = glyph, f.textOfGlyph.emplace(glyph, static_cast<char32_t>(c));
    cairo_ft_scaled_font_unlock_face(scaled);
    hb_font_t* file = pango_font_get_hb_font(f.font.get());
    hb_set_t* unicodes = hb_set_create();
    hb_face_collect_unicodes(hb_font_get_face(file), unicodes);
    for (hb_codepoint_t u = HB_SET_VALUE_INVALID; hb_set_next(unicodes, &u);)
        if (hb_codepoint_t g; !privateUse(u) && hb_font_get_nominal_glyph(file, u, &g)) f.fileMap[u] = g;
    hb_set_destroy(unicodes);
    return f;
}

// Each glyph shaping `words` (joined by spaces) in the face draws whose
// text in the PDF is not its cluster's: "ft → U+E09D". Alone in its
// cluster a glyph's text must be the text; among several, a part of it.
std::vector<std::string> foreignSigns(const Face& f, const std::vector<std::string>& words) {
    std::string all;
    for (const std::string& w : words) all += w + " ";
    hb_buffer_t* buffer = hb_buffer_create();
    hb_buffer_add_utf8(buffer, all.data(), static_cast<int>(all.size()), 0, static_cast<int>(all.size()));
    hb_buffer_set_direction(buffer, HB_DIRECTION_LTR);
    hb_buffer_set_script(buffer, HB_SCRIPT_LATIN);
    hb_shape(pango_font_get_hb_font(f.font.get()), buffer, f.features.data(), static_cast<unsigned>(f.features.size()));
    unsigned n = 0;
    const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer, &n);
    std::set<std::string> found;
    for (unsigned i = 0, end = 0; i < n; i = end) {
        while (end < n && info[end].cluster == info[i].cluster) ++end;
        const std::string_view cluster = std::string_view(all).substr(
            info[i].cluster, (end < n ? info[end].cluster : all.size()) - info[i].cluster);
        const std::u32string text = codePoints(cluster);
        for (unsigned k = i; k < end; ++k) {
            auto sign = f.textOfGlyph.find(info[k].codepoint);
            if (sign == f.textOfGlyph.end() || (end - i == 1 ? text == std::u32string(1, sign->second)
                                                             : text.find(sign->second) != std::u32string::npos))
                continue;
            const std::u32string d = nfkd(std::u32string(1, sign->second)), decomposed = nfkd(text);
            if (end - i == 1 ? d != decomposed : decomposed.find(d) == std::u32string::npos) {
                char code[16];
                std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(sign->second));
                found.insert(std::string(cluster) + " → " + code);
            }
        }
    }
    hb_buffer_destroy(buffer);
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

}  // namespace

// A face that fails needs a row of featuresOff (FontRegistry.cpp) for the
// feature that joins what it names.
TEST(FontLigatures, EveryFaceDrawsTheTextsOwnSigns) {
    std::lock_guard lock(fonts::fontLock());
    const std::vector<std::string> common = samples();
    for (const fonts::Face* entry : distinctFaces()) {
        SCOPED_TRACE(entry->substitute);
        const Face f = faceOf(*entry);
        EXPECT_EQ(f.drawnMap, f.fileMap);
        std::vector<std::string> words = common;
        for (std::string& w : letterTriples(pango_font_get_hb_font(f.font.get()))) words.push_back(std::move(w));
        std::ostringstream signs;
        for (const std::string& sign : foreignSigns(f, words)) signs << sign << "; ";
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
    for (size_t i = 0; i < faces.size(); ++i)
        page.drawText(AttributedString(words, {std::nullopt, std::nullopt, Font{std::string(faces[i]->name), 12}}),
                      {30, 30 + 20 * static_cast<double>(i), 535, 20}, TextDrawingMode::fromTopLeft);
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
            if (!line.empty()) lines.push_back(line);
        }
        ASSERT_EQ(lines.size(), faces.size()) << run.ut;
        for (size_t i = 0; i < faces.size(); ++i) {
            EXPECT_EQ(lines[i], words) << faces[i]->substitute;
            for (char32_t c : codePoints(lines[i])) EXPECT_FALSE(privateUse(c)) << faces[i]->substitute;
        }
    }
}
