// The faces the build completes (faces/complete_faces.py) against the
// originals Debian installs: every glyph keeps its number, outline and
// advance, and text of the letters the originals have is shaped to the same
// glyphs at the same places, kerning and ligatures included. So an invoice
// without the new letters looks as it did.
#include "Programkorning.h"

#include "Plattform/Ritning/FontConfiguration.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <gtest/gtest.h>
#include <hb.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Fil {
    std::string original, kompletterad;
    icu::UnicodeString nygjorda;  // letters Debian's face has, made anew
};

std::vector<Fil> kompletteradeFiler() {
    const auto k = testhjalp::körProgram(
        "/usr/bin/python3", {"-B", std::string(KONTOBOK_SOURCE_DIR) + "/faces/complete_faces.py", "--list"});
    EXPECT_EQ(k.status, 0) << k.fel;
    std::vector<Fil> ut;
    std::istringstream rader(k.ut);
    for (std::string rad; std::getline(rader, rad);) {
        const size_t tab = rad.find('\t'), tab2 = rad.find('\t', tab + 1);
        if (tab2 == std::string::npos) continue;
        ut.push_back({rad.substr(0, tab), fonts::fontDirectories().front() + "/" + rad.substr(tab + 1, tab2 - tab - 1),
                      icu::UnicodeString::fromUTF8(rad.substr(tab2 + 1))});
    }
    return ut;
}

// Every pair of the characters of Latin-1 Debian's face has, each pair
// followed by a space.
std::string parAv(FT_Face face) {
    std::vector<std::string> bokstäver;
    for (UChar32 c = 0x21; c <= 0xFF; ++c)
        if (u_isgraph(c) && FT_Get_Char_Index(face, FT_ULong(c))) {
            bokstäver.emplace_back();
            icu::UnicodeString(c).toUTF8String(bokstäver.back());
        }
    std::string ut;
    for (const std::string& a : bokstäver)
        for (const std::string& b : bokstäver) ut += a + b + " ";
    return ut;
}

struct Formad {
    std::vector<hb_glyph_info_t> glyfer;
    std::vector<hb_glyph_position_t> platser;
};

// Shaped in font units, as the file has it.
Formad forma(const std::string& fil, const std::string& text) {
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
    Formad ut{{info, info + n}, {pos, pos + n}};
    hb_buffer_destroy(buffer);
    hb_font_destroy(font);
    hb_face_destroy(face);
    hb_blob_destroy(blob);
    return ut;
}

TEST(CompletedFaces, KeepEveryGlyphAndItsPlacesAndGainOnlyLetters) {
    FT_Library lib = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&lib), 0);
    const std::vector<Fil> filer = kompletteradeFiler();
    EXPECT_GE(filer.size(), 20u);
    for (const Fil& fil : filer) {
        SCOPED_TRACE(fil.kompletterad);
        FT_Face före = nullptr, efter = nullptr;
        ASSERT_EQ(FT_New_Face(lib, fil.original.c_str(), 0, &före), 0);
        ASSERT_EQ(FT_New_Face(lib, fil.kompletterad.c_str(), 0, &efter), 0);
        EXPECT_EQ(före->units_per_EM, efter->units_per_EM);
        EXPECT_EQ(före->ascender, efter->ascender);
        EXPECT_EQ(före->descender, efter->descender);
        EXPECT_EQ(före->height, efter->height);
        EXPECT_GT(efter->num_glyphs, före->num_glyphs);
        for (FT_Long g = 0; g < före->num_glyphs; ++g) {
            ASSERT_EQ(FT_Load_Glyph(före, FT_UInt(g), FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING), 0);
            ASSERT_EQ(FT_Load_Glyph(efter, FT_UInt(g), FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING), 0);
            const FT_Outline &a = före->glyph->outline, &b = efter->glyph->outline;
            ASSERT_EQ(före->glyph->advance.x, efter->glyph->advance.x) << "glyph " << g;
            ASSERT_EQ(a.n_points, b.n_points) << "glyph " << g;
            ASSERT_EQ(a.n_contours, b.n_contours) << "glyph " << g;
            for (int p = 0; p < a.n_points; ++p)
                ASSERT_TRUE(a.points[p].x == b.points[p].x && a.points[p].y == b.points[p].y && a.tags[p] == b.tags[p])
                    << "glyph " << g << " point " << p;
        }
        // Every character keeps its glyph but those made anew, which get a
        // glyph of their own; the new ones are letters.
        FT_UInt g = 0;
        for (FT_ULong c = FT_Get_First_Char(efter, &g); g != 0; c = FT_Get_Next_Char(efter, c, &g)) {
            const FT_UInt vad = FT_Get_Char_Index(före, c);
            if (fil.nygjorda.indexOf(UChar32(c)) >= 0) EXPECT_GE(g, FT_UInt(före->num_glyphs)) << "U+" << std::hex << c;
            else if (vad) EXPECT_EQ(vad, g) << "U+" << std::hex << c;
            else EXPECT_TRUE(u_isalpha(UChar32(c)) || c == 0xAF) << "U+" << std::hex << c;
        }
        const std::string text = parAv(före);
        const Formad a = forma(fil.original, text), b = forma(fil.kompletterad, text);
        ASSERT_EQ(a.glyfer.size(), b.glyfer.size());
        for (size_t i = 0; i < a.glyfer.size(); ++i) {
            ASSERT_EQ(a.glyfer[i].codepoint, b.glyfer[i].codepoint) << i;
            ASSERT_EQ(a.platser[i].x_advance, b.platser[i].x_advance) << i;
            ASSERT_EQ(a.platser[i].x_offset, b.platser[i].x_offset) << i;
            ASSERT_EQ(a.platser[i].y_offset, b.platser[i].y_offset) << i;
        }
        FT_Done_Face(före);
        FT_Done_Face(efter);
    }
    FT_Done_FreeType(lib);
}

}  // namespace
