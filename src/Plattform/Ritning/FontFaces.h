#pragma once
// The font table behind FontRegistry.h, for the platform's own drawing
// code: which face of the shipped fonts stands for each PostScript name.
#include <span>
#include <string_view>

namespace fonts {

struct Face {
    std::string_view name;        // the PostScript name layouts ask for
    std::string_view substitute;  // the PostScript name of the face drawn
    std::string_view family;      // the family the name belongs to
    bool bold = false;
    bool italic = false;
    bool light = false;
    bool condensed = false;
    // False for a bold member that only "convert to bold" reaches: font
    // by name does not know it, as the table lists only what layouts name.
    bool inTable = true;
};

std::span<const Face> allFaces();

// An OpenType feature a face is never shaped with: one whose ligatures
// would draw the glyph of another character for the text's letters.
struct FeatureOff {
    std::string_view substitute;  // the face, by PostScript name
    std::string_view feature;     // its tag
};
std::span<const FeatureOff> faceFeaturesOff();

// The face of that exact name (table or bold member); null for others.
const Face* faceNamed(std::string_view name);

// The face drawn for any name: the named one, else the one the mapping
// by family prefix and style words picks. Never fails.
const Face& faceFor(std::string_view anyName);

}  // namespace fonts
