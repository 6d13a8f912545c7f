#include "Plattform/Ritning/FontRegistry.h"

#include "Plattform/Ritning/FontConfiguration.h"
#include "Plattform/Ritning/FontFaces.h"

#include <array>
#include <cctype>
#include <string>

namespace fonts {
namespace {

// Every name the built-in layouts use, with the free face that stands for
// it. Faces were chosen by style, as no metric-compatible clones exist
// (Courier New excepted); where a family lacks a weight or width the
// nearest member stands in. Within a family the regular member comes first:
// the mapping of unknown names prefers it on a tie.
constexpr bool B = true, I = true, L = true, C = true, _ = false;
constexpr std::array faces{
    //    name                               substitute                         family        bold italic light cond
    Face{"HelveticaNeue",                   "KontobokGrotesk-Regular",         "HelveticaNeue", _, _, _, _},
    Face{"HelveticaNeue-Italic",            "KontobokGrotesk-Italic",          "HelveticaNeue", _, I, _, _},
    Face{"HelveticaNeue-Light",             "KontobokGrotesk-Light",           "HelveticaNeue", _, _, L, _},
    Face{"HelveticaNeue-LightItalic",       "KontobokGrotesk-LightItalic",     "HelveticaNeue", _, I, L, _},
    Face{"HelveticaNeue-UltraLight",        "KontobokGrotesk-Light",           "HelveticaNeue", _, _, L, _},
    Face{"HelveticaNeue-UltraLightItalic",  "KontobokGrotesk-LightItalic",     "HelveticaNeue", _, I, L, _},
    Face{"HelveticaNeue-Bold",              "KontobokGrotesk-Bold",            "HelveticaNeue", B, _, _, _},
    Face{"HelveticaNeue-BoldItalic",        "KontobokGrotesk-BoldItalic",      "HelveticaNeue", B, I, _, _, false},
    Face{"HelveticaNeue-CondensedBold",     "KontobokGrotesk-BoldCond",        "HelveticaNeue", B, _, _, C},
    Face{"HelveticaNeue-CondensedBlack",    "KontobokGrotesk-BoldCond",        "HelveticaNeue", B, _, _, C},
    Face{"Baskerville",                     "KontobokTransitional-Regular",    "Baskerville", _, _, _, _},
    Face{"Baskerville-Italic",              "KontobokTransitional-Italic",     "Baskerville", _, I, _, _},
    Face{"Baskerville-Bold",                "KontobokTransitional-Bold",       "Baskerville", B, _, _, _},
    Face{"Baskerville-BoldItalic",          "KontobokTransitional-BoldItalic", "Baskerville", B, I, _, _},
    Face{"Baskerville-SemiBold",            "KontobokTransitional-Bold",       "Baskerville", B, _, _, _},
    Face{"Baskerville-SemiBoldItalic",      "KontobokTransitional-BoldItalic", "Baskerville", B, I, _, _},
    Face{"AmericanTypewriter",              "KontobokSlab-Regular",            "AmericanTypewriter", _, _, _, _},
    Face{"AmericanTypewriter-Light",        "KontobokSlab-Light",              "AmericanTypewriter", _, _, L, _},
    Face{"AmericanTypewriter-Bold",         "KontobokSlab-Bold",               "AmericanTypewriter", B, _, _, _},
    Face{"AmericanTypewriter-CondensedBold","KontobokSlab-Bold",               "AmericanTypewriter", B, _, _, C},
    Face{"Geneva",                          "DejaVuSans",                      "Geneva", _, _, _, _},
    Face{"LucidaGrande",                    "DejaVuSans",                      "LucidaGrande", _, _, _, _},
    Face{"LucidaGrande-Bold",               "DejaVuSans-Bold",                 "LucidaGrande", B, _, _, _},
    Face{"Didot",                           "KontobokDidone-Regular",          "Didot", _, _, _, _},
    Face{"Didot-Italic",                    "KontobokDidone-Italic",           "Didot", _, I, _, _},
    Face{"Didot-Bold",                      "KontobokDidone-Bold",             "Didot", B, _, _, _},
    Face{"GillSans",                        "KontobokHumanist-Regular",        "GillSans", _, _, _, _},
    Face{"GillSans-Italic",                 "KontobokHumanist-Italic",         "GillSans", _, I, _, _},
    Face{"GillSans-Light",                  "KontobokHumanist-Regular",        "GillSans", _, _, L, _},
    Face{"GillSans-LightItalic",            "KontobokHumanist-Italic",         "GillSans", _, I, L, _},
    Face{"GillSans-Bold",                   "KontobokHumanist-Bold",           "GillSans", B, _, _, _},
    Face{"GillSans-BoldItalic",             "KontobokHumanist-BoldItalic",     "GillSans", B, I, _, _, false},
    Face{"TrebuchetMS",                     "KontobokSans-Regular",            "TrebuchetMS", _, _, _, _},
    Face{"TrebuchetMS-Italic",              "KontobokSans-Italic",             "TrebuchetMS", _, I, _, _},
    Face{"TrebuchetMS-Bold",                "KontobokSans-Bold",               "TrebuchetMS", B, _, _, _},
    Face{"Trebuchet-BoldItalic",            "KontobokSans-BoldItalic",         "TrebuchetMS", B, I, _, _, false},
    Face{"Cochin",                          "KontobokGaralde-Regular",         "Cochin", _, _, _, _},
    Face{"Cochin-Italic",                   "KontobokGaralde-Italic",          "Cochin", _, I, _, _},
    Face{"Cochin-Bold",                     "KontobokGaralde-Bold",            "Cochin", B, _, _, _},
    Face{"Cochin-BoldItalic",               "KontobokGaralde-BoldItalic",      "Cochin", B, I, _, _},
    Face{"Futura-Medium",                   "URWGothic-Book",                  "Futura", _, _, _, _},
    Face{"Futura-MediumItalic",             "URWGothic-BookOblique",           "Futura", _, I, _, _},
    Face{"Futura-Bold",                     "URWGothic-Demi",                  "Futura", B, _, _, _, false},
    Face{"Futura-CondensedExtraBold",       "URWGothic-Demi",                  "Futura", B, _, _, C},
    Face{"Copperplate-Bold",                "URWGothic-Demi",                  "Copperplate", B, _, _, _},
    Face{"CourierNewPSMT",                  "LiberationMono",                  "CourierNew", _, _, _, _},
    Face{"CourierNewPS-ItalicMT",           "LiberationMono-Italic",           "CourierNew", _, I, _, _},
    Face{"CourierNewPS-BoldMT",             "LiberationMono-Bold",             "CourierNew", B, _, _, _},
    Face{"CourierNewPS-BoldItalicMT",       "LiberationMono-BoldItalic",       "CourierNew", B, I, _, _, false},
};

// Faces whose ligatures set the glyph of another character for letters,
// and the feature that holds them, which is off wherever the face draws
// (a rule of our font configuration, FontConfiguration.cpp): the ADF
// faces' required ligatures set "ae" and "oe" as "æ" and "œ", URW Gothic's
// standard ones "Nr." as "№". Ligatures that only join letters (fi, fl)
// stay where another feature holds them.
constexpr std::array<FeatureOff, 18> featuresOff{{
    {"KontobokGrotesk-Regular", "rlig"},
    {"KontobokGrotesk-Italic", "rlig"},
    {"KontobokGrotesk-Light", "rlig"},
    {"KontobokGrotesk-LightItalic", "rlig"},
    {"KontobokGrotesk-Bold", "rlig"},
    {"KontobokGrotesk-BoldItalic", "rlig"},
    {"KontobokGrotesk-BoldCond", "rlig"},
    {"KontobokHumanist-Regular", "rlig"},
    {"KontobokHumanist-Italic", "rlig"},
    {"KontobokHumanist-Bold", "rlig"},
    {"KontobokHumanist-BoldItalic", "rlig"},
    {"KontobokGaralde-Regular", "rlig"},
    {"KontobokGaralde-Italic", "rlig"},
    {"KontobokGaralde-Bold", "rlig"},
    {"KontobokGaralde-BoldItalic", "rlig"},
    {"URWGothic-Book", "liga"},
    {"URWGothic-BookOblique", "liga"},
    {"URWGothic-Demi", "liga"},
}};

// Family prefixes of names outside the table, lower case without blanks,
// longest first where one is the start of another.
constexpr std::array<std::pair<std::string_view, std::string_view>, 15> familyPrefixes{{
    {"helveticaneue", "HelveticaNeue"},
    {"helvetica", "HelveticaNeue"},
    {"baskerville", "Baskerville"},
    {"americantypewriter", "AmericanTypewriter"},
    {"geneva", "Geneva"},
    {"lucidagrande", "LucidaGrande"},
    {"didot", "Didot"},
    {"gillsans", "GillSans"},
    {"trebuchet", "TrebuchetMS"},
    {"cochin", "Cochin"},
    {"futura", "Futura"},
    {"copperplate", "Copperplate"},
    {"couriernew", "CourierNew"},
    {"courier", "CourierNew"},
    {"menlo", "CourierNew"},
}};

std::string folded(std::string_view name) {
    std::string out;
    for (char c : name)
        if (c != ' ' && c != '_') out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool holds(const std::string& text, std::initializer_list<std::string_view> words) {
    for (std::string_view w : words)
        if (text.find(w) != std::string::npos) return true;
    return false;
}

const Face& mapped(std::string_view anyName) {
    std::string name = folded(anyName);
    std::string_view family = "HelveticaNeue";
    size_t styleStart = 0;
    for (auto [prefix, f] : familyPrefixes)
        if (name.starts_with(prefix)) {
            family = f;
            styleStart = prefix.size();
            break;
        }
    std::string style = name.substr(styleStart);
    bool bold = holds(style, {"bold", "black", "heavy", "demi", "semibold"});
    bool italic = holds(style, {"italic", "oblique"});
    bool light = holds(style, {"light", "thin"});
    bool condensed = holds(style, {"condensed", "narrow", "cond"});
    // The member differing least, a wrong weight counting most.
    const Face* best = nullptr;
    int bestCost = 0;
    for (const Face& f : faces) {
        if (f.family != family) continue;
        int cost = 8 * (f.bold != bold) + 4 * (f.italic != italic) + 2 * (f.condensed != condensed) +
                   (f.light != light);
        if (!best || cost < bestCost) best = &f, bestCost = cost;
    }
    return *best;
}

}  // namespace

std::span<const Face> allFaces() { return faces; }

std::span<const FeatureOff> faceFeaturesOff() { return featuresOff; }

const Face* faceNamed(std::string_view name) {
    for (const Face& f : faces)
        if (f.name == name) return &f;
    return nullptr;
}

const Face& faceFor(std::string_view anyName) {
    if (const Face* f = faceNamed(anyName)) return *f;
    return mapped(anyName);
}

std::optional<Font> fontWithName(std::string_view postScriptName, double pointSize) {
    const Face* face = faceNamed(postScriptName);
    if (!face || !face->inTable || !loadFace(*face)) return std::nullopt;
    return Font{std::string(postScriptName), pointSize};
}

Font boldFont(const Font& font) {
    const Face& face = faceFor(font.name);
    if (face.bold) return font;
    for (const Face& f : faces)
        if (f.family == face.family && f.bold && f.italic == face.italic && f.condensed == face.condensed)
            return {std::string(f.name), font.pointSize};
    return font;
}

Font systemFont(double pointSize) { return {"HelveticaNeue", pointSize}; }
Font defaultFont() { return systemFont(12); }

Font mappedFont(std::string_view anyName, double pointSize) {
    return {std::string(faceFor(anyName).name), pointSize};
}

std::optional<std::string> substituteFaceName(std::string_view postScriptName) {
    const Face* face = faceNamed(postScriptName);
    if (!face) return std::nullopt;
    return std::string(face->substitute);
}

}  // namespace fonts
