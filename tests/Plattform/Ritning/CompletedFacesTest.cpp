// The faces the build completes (faces/complete_faces.py) against the
// originals Debian installs: every glyph keeps its number, outline and
// advance, and text of the letters the originals have is shaped to the same
// glyphs at the same places, kerning and ligatures included. So an invoice
// without the new letters looks as it did.
#include "Kodpunkter.h"
#include "Plattform/Ritning/KompletteradeTypsnitt.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <gtest/gtest.h>
#include <hb.h>
#include <unicode/uchar.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {

// Every pair of the characters of Latin-1 Debian's face has, each pair
// followed by a space.
std::string parAv(FT_Face face) {
    std::u32string tecken, ut;
    for (char32_t c = 0x21; c <= 0xFF; ++c)
        if (u_isgraph(UChar32(c)) && FT_Get_Char_Index(face, c)) tecken += c;
    for (char32_t a : tecken)
        for (char32_t b : tecken) ut += {a, b, U' '};
    return testhjalp::utf8(ut);
}

// Each glyph of the text shaped as the file has it (in font units): its
// number, advance and offsets.
std::vector<std::array<int32_t, 4>> forma(const std::string& fil, const std::string& text) {
    hb_blob_t* blob = hb_blob_create_from_file(fil.c_str());
    hb_face_t* face = hb_face_create(blob, 0);
    hb_font_t* font = hb_font_create(face);
    hb_buffer_t* buffer = hb_buffer_create();
    hb_buffer_add_utf8(buffer, text.data(), int(text.size()), 0, -1);
    hb_buffer_guess_segment_properties(buffer);
    hb_shape(font, buffer, nullptr, 0);
    unsigned n = 0;
    const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer, &n);
    const hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(buffer, &n);
    std::vector<std::array<int32_t, 4>> ut;
    for (unsigned i = 0; i < n; ++i)
        ut.push_back({int32_t(info[i].codepoint), pos[i].x_advance, pos[i].x_offset, pos[i].y_offset});
    hb_buffer_destroy(buffer);
    hb_font_destroy(font);
    hb_face_destroy(face);
    hb_blob_destroy(blob);
    return ut;
}

// A glyph's advance and outline, as the file has them: its points, their
// tags and where its contours end.
std::vector<long> glyf(FT_Face face, FT_Long g) {
    EXPECT_EQ(FT_Load_Glyph(face, FT_UInt(g), FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING), 0);
    const FT_Outline& o = face->glyph->outline;
    std::vector<long> ut = {face->glyph->advance.x, o.n_points, o.n_contours};
    for (int p = 0; p < o.n_points; ++p) ut.insert(ut.end(), {o.points[p].x, o.points[p].y, o.tags[p]});
    for (int c = 0; c < o.n_contours; ++c) ut.push_back(o.contours[c]);
    return ut;
}

TEST(CompletedFaces, KeepEveryGlyphAndItsPlacesAndGainOnlyLetters) {
    FT_Library lib = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&lib), 0);
    const auto filer = testhjalp::kompletteradeFiler();
    EXPECT_GE(filer.size(), 20u);
    for (const auto& fil : filer) {
        SCOPED_TRACE(fil.kompletterad);
        FT_Face före = nullptr, efter = nullptr;
        ASSERT_EQ(FT_New_Face(lib, fil.original.c_str(), 0, &före), 0);
        ASSERT_EQ(FT_New_Face(lib, fil.kompletterad.c_str(), 0, &efter), 0);
        EXPECT_EQ(före->units_per_EM, efter->units_per_EM);
        EXPECT_EQ(före->ascender, efter->ascender);
        EXPECT_EQ(före->descender, efter->descender);
        EXPECT_EQ(före->height, efter->height);
        EXPECT_GT(efter->num_glyphs, före->num_glyphs);
        for (FT_Long g = 0; g < före->num_glyphs; ++g) ASSERT_EQ(glyf(före, g), glyf(efter, g)) << "glyph " << g;
        // Every character keeps its glyph but those made anew, which get a
        // glyph of their own; the new ones are letters.
        FT_UInt g = 0;
        for (FT_ULong c = FT_Get_First_Char(efter, &g); g != 0; c = FT_Get_Next_Char(efter, c, &g)) {
            const FT_UInt vad = FT_Get_Char_Index(före, c);
            if (fil.nygjorda.find(char32_t(c)) != std::u32string::npos)
                EXPECT_GE(g, FT_UInt(före->num_glyphs)) << "U+" << std::hex << c;
            else if (vad) EXPECT_EQ(vad, g) << "U+" << std::hex << c;
            else EXPECT_TRUE(u_isalpha(UChar32(c)) || c == 0xAF) << "U+" << std::hex << c;
        }
        const std::string text = parAv(före);
        const auto a = forma(fil.original, text), b = forma(fil.kompletterad, text);
        ASSERT_EQ(a.size(), b.size());
        const auto skiljer = std::mismatch(a.begin(), a.end(), b.begin());
        EXPECT_TRUE(skiljer.first == a.end()) << "shaped apart from glyph " << skiljer.first - a.begin();
        FT_Done_Face(före);
        FT_Done_Face(efter);
    }
    FT_Done_FreeType(lib);
}

}  // namespace
