#include "Kodpunkter.h"

#include "Plattform/Ritning/FontConfiguration.h"
#include "Plattform/Ritning/FontFaces.h"
#include "Plattform/Ritning/FontRegistry.h"
#include "Plattform/Ritning/PangoFonts.h"

#include <gtest/gtest.h>
#include <hb.h>
#include <pango/pangofc-font.h>

#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace {

// The decided mapping: every name the layouts use and the face that must
// draw it. A face missing here is an installation error, never a case for
// silently drawing another font.
const std::vector<std::pair<std::string, std::string>> table = {
    {"HelveticaNeue", "KontobokGrotesk-Regular"},
    {"HelveticaNeue-Light", "KontobokGrotesk-Light"},
    {"HelveticaNeue-UltraLight", "KontobokGrotesk-Light"},
    {"HelveticaNeue-Italic", "KontobokGrotesk-Italic"},
    {"HelveticaNeue-LightItalic", "KontobokGrotesk-LightItalic"},
    {"HelveticaNeue-UltraLightItalic", "KontobokGrotesk-LightItalic"},
    {"HelveticaNeue-Bold", "KontobokGrotesk-Bold"},
    {"HelveticaNeue-CondensedBold", "KontobokGrotesk-BoldCond"},
    {"HelveticaNeue-CondensedBlack", "KontobokGrotesk-BoldCond"},
    {"Baskerville", "KontobokTransitional-Regular"},
    {"Baskerville-Italic", "KontobokTransitional-Italic"},
    {"Baskerville-Bold", "KontobokTransitional-Bold"},
    {"Baskerville-SemiBold", "KontobokTransitional-Bold"},
    {"Baskerville-BoldItalic", "KontobokTransitional-BoldItalic"},
    {"Baskerville-SemiBoldItalic", "KontobokTransitional-BoldItalic"},
    {"AmericanTypewriter", "KontobokSlab-Regular"},
    {"AmericanTypewriter-Light", "KontobokSlab-Light"},
    {"AmericanTypewriter-Bold", "KontobokSlab-Bold"},
    {"AmericanTypewriter-CondensedBold", "KontobokSlab-Bold"},
    {"Geneva", "DejaVuSans"},
    {"LucidaGrande", "DejaVuSans"},
    {"LucidaGrande-Bold", "DejaVuSans-Bold"},
    {"Didot", "KontobokDidone-Regular"},
    {"Didot-Italic", "KontobokDidone-Italic"},
    {"Didot-Bold", "KontobokDidone-Bold"},
    {"GillSans", "KontobokHumanist-Regular"},
    {"GillSans-Light", "KontobokHumanist-Regular"},
    {"GillSans-Italic", "KontobokHumanist-Italic"},
    {"GillSans-LightItalic", "KontobokHumanist-Italic"},
    {"GillSans-Bold", "KontobokHumanist-Bold"},
    {"TrebuchetMS", "KontobokSans-Regular"},
    {"TrebuchetMS-Bold", "KontobokSans-Bold"},
    {"TrebuchetMS-Italic", "KontobokSans-Italic"},
    {"Cochin", "KontobokGaralde-Regular"},
    {"Cochin-Italic", "KontobokGaralde-Italic"},
    {"Cochin-Bold", "KontobokGaralde-Bold"},
    {"Cochin-BoldItalic", "KontobokGaralde-BoldItalic"},
    {"Futura-Medium", "URWGothic-Book"},
    {"Futura-MediumItalic", "URWGothic-BookOblique"},
    {"Futura-CondensedExtraBold", "URWGothic-Demi"},
    {"Copperplate-Bold", "URWGothic-Demi"},
    {"CourierNewPSMT", "LiberationMono"},
    {"CourierNewPS-BoldMT", "LiberationMono-Bold"},
    {"CourierNewPS-ItalicMT", "LiberationMono-Italic"},
};

// The PostScript name of the face pango shapes a name of the table with.
std::string pangoFace(const std::string& tableName) {
    std::lock_guard lock(fonts::fontLock());
    PangoFontDescription* d = fonts::pangoDescription({tableName, 12});
    PangoFont* font = pango_font_map_load_font(fonts::pangoFontMap(), fonts::pangoContext(), d);
    pango_font_description_free(d);
    std::string name;
    FcChar8* value = nullptr;
    if (font && PANGO_IS_FC_FONT(font) &&
        FcPatternGetString(pango_fc_font_get_pattern(PANGO_FC_FONT(font)), FC_POSTSCRIPT_NAME, 0, &value) ==
            FcResultMatch)
        name = reinterpret_cast<char*>(value);
    if (font) g_object_unref(font);
    return name;
}

}  // namespace

TEST(FontRegistry, EveryNameOfTheTableIsDrawnWithItsFace) {
    ASSERT_EQ(table.size(), 44u);
    for (const auto& [name, face] : table) {
        SCOPED_TRACE(name);
        std::optional<Font> font = fonts::fontWithName(name, 9.5);
        ASSERT_TRUE(font) << "font not installed: " << face;
        EXPECT_EQ(*font, (Font{name, 9.5}));
        EXPECT_EQ(fonts::substituteFaceName(name), face);
        EXPECT_EQ(pangoFace(name), face);
        EXPECT_EQ(fonts::mappedFont(name, 7), (Font{name, 7}));
    }
}

// Every letter of Europe's Latin alphabets is drawn by the face itself:
// none of them from the face that draws what a face lacks, mid-word.
TEST(FontRegistry, EveryFaceDrawsEveryLetterOfEuropesLatinAlphabets) {
    std::lock_guard lock(fonts::fontLock());
    for (const fonts::Face& face : fonts::allFaces()) {
        PangoFontDescription* d = fonts::pangoDescription({std::string(face.name), 12});
        PangoFont* font = pango_font_map_load_font(fonts::pangoFontMap(), fonts::pangoContext(), d);
        pango_font_description_free(d);
        ASSERT_TRUE(font) << face.name;
        // A letter mapped to a glyph with no ink draws nothing.
        hb_font_t* hb = pango_font_get_hb_font(font);
        std::u32string saknas;
        for (char32_t c : testhjalp::europasBokstäver()) {
            hb_codepoint_t g = 0;
            hb_glyph_extents_t e{};
            if (!hb_font_get_nominal_glyph(hb, c, &g) || !hb_font_get_glyph_extents(hb, g, &e) || e.width == 0)
                saknas += c;
        }
        EXPECT_EQ(testhjalp::utf8(saknas), "") << face.substitute << " lacks them";
        g_object_unref(font);
    }
}

TEST(FontRegistry, NamesOutsideTheTableAreNotFonts) {
    for (const char* name : {"", "Helvetica", "Arial", "helveticaneue", "HelveticaNeue-BoldItalic",
                             "HelveticaNeue-Bold ", "KontobokGrotesk-Regular", "DejaVu Sans"})
        EXPECT_FALSE(fonts::fontWithName(name, 12)) << name;
}

TEST(FontRegistry, BoldMembers) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"HelveticaNeue", "HelveticaNeue-Bold"},
        {"HelveticaNeue-Light", "HelveticaNeue-Bold"},
        {"HelveticaNeue-Italic", "HelveticaNeue-BoldItalic"},
        {"HelveticaNeue-CondensedBold", "HelveticaNeue-CondensedBold"},
        {"Baskerville-Italic", "Baskerville-BoldItalic"},
        {"AmericanTypewriter-Light", "AmericanTypewriter-Bold"},
        {"GillSans-LightItalic", "GillSans-BoldItalic"},
        {"TrebuchetMS-Italic", "Trebuchet-BoldItalic"},
        {"Futura-Medium", "Futura-Bold"},
        {"CourierNewPSMT", "CourierNewPS-BoldMT"},
        {"LucidaGrande", "LucidaGrande-Bold"},
        // No bold member: the font unchanged.
        {"Geneva", "Geneva"},
        {"Didot-Italic", "Didot-Italic"},
        {"Copperplate-Bold", "Copperplate-Bold"},
    };
    for (const auto& [name, bold] : cases) {
        Font b = fonts::boldFont({name, 11});
        EXPECT_EQ(b, (Font{bold, 11})) << name;
        // Reached only through "convert to bold", yet drawn with its face.
        EXPECT_TRUE(fonts::substituteFaceName(b.name)) << bold;
    }
    EXPECT_EQ(pangoFace("HelveticaNeue-BoldItalic"), "KontobokGrotesk-BoldItalic");
    EXPECT_EQ(pangoFace("Trebuchet-BoldItalic"), "KontobokSans-BoldItalic");
}

TEST(FontRegistry, ArbitraryNamesMapByFamilyAndStyleWords) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Helvetica", "HelveticaNeue"},
        {"Helvetica-BoldOblique", "HelveticaNeue-BoldItalic"},
        {"HelveticaNeue-Medium", "HelveticaNeue"},
        {"HelveticaNeue-ThinItalic", "HelveticaNeue-LightItalic"},
        {"Helvetica Neue Condensed Bold", "HelveticaNeue-CondensedBold"},
        {"GillSans-SemiBold", "GillSans-Bold"},
        {"Futura-CondensedMedium", "Futura-Medium"},
        {"Courier", "CourierNewPSMT"},
        {"Courier-BoldOblique", "CourierNewPS-BoldItalicMT"},
        {"Copperplate", "Copperplate-Bold"},
        {"Times-Roman", "HelveticaNeue"},
        {"ZapfDingbats", "HelveticaNeue"},
        {"", "HelveticaNeue"},
        {"MyriadPro-BoldItalic", "HelveticaNeue-BoldItalic"},
    };
    for (const auto& [name, mapped] : cases) EXPECT_EQ(fonts::mappedFont(name, 10), (Font{mapped, 10})) << name;
}

TEST(FontRegistry, SystemFontIsTheHelveticaNeueSubstitute) {
    EXPECT_EQ(fonts::systemFont(9), (Font{"HelveticaNeue", 9}));
    EXPECT_EQ(fonts::defaultFont(), (Font{"HelveticaNeue", 12}));
}

TEST(FontRegistry, CharactersTheFaceLacksComeFromDejaVuSans) {
    // U+2192 is not in Switzera ADF; the fallback is the last-resort face,
    // not whatever fontconfig would sort next.
    std::lock_guard lock(fonts::fontLock());
    fonts::loadFacesFor(fonts::faceFor("HelveticaNeue"), "\u2192");
    PangoFontDescription* d = pango_font_description_from_string("HelveticaNeue 12");
    PangoFontset* set = pango_font_map_load_fontset(fonts::pangoFontMap(), fonts::pangoContext(), d,
                                                    pango_language_from_string("sv"));
    pango_font_description_free(d);
    PangoFont* font = pango_fontset_get_font(set, 0x2192);
    FcChar8* value = nullptr;
    ASSERT_EQ(FcPatternGetString(pango_fc_font_get_pattern(PANGO_FC_FONT(font)), FC_POSTSCRIPT_NAME, 0, &value),
              FcResultMatch);
    EXPECT_STREQ(reinterpret_cast<char*>(value), "DejaVuSans");
    g_object_unref(font);
    g_object_unref(set);
}
