#pragma once
// Fonts by PostScript name. Every name a built-in layout asks for maps to
// one face of the fonts the program is installed with (src/Plattform/
// fonts.conf names their directories); the program loads that
// configuration itself, so a PDF comes out the same on every machine.
#include "Plattform/Font.h"

#include <optional>
#include <string>
#include <string_view>

namespace fonts {

// The font of that name at that size, or none when the name is not one
// of the table (as the platform answers for a font it does not have) or
// its face is one of the system's font packages' and not installed (an
// invoice of a built-in template then fails naming the font). A face the
// build completed is never answered for so: its file missing, unreadable
// or not the file the build made throws FaceFileError (FontFiles.h), which
// the tool reports naming the file, with status 1.
std::optional<Font> fontWithName(std::string_view postScriptName, double pointSize);

// The same family's bold member; the font unchanged when it has none.
Font boldFont(const Font& font);

// The font drawn where no font is given ("system font"), and the default
// font of text without a font attribute.
Font systemFont(double pointSize);
Font defaultFont();  // the system font at 12 points

// For archived fonts of user templates, whose names can be anything: a
// face of the table chosen by family prefix and style words (Bold, Italic,
// Oblique, Light, Condensed). Never fails.
Font mappedFont(std::string_view anyName, double pointSize);

// The PostScript name of the face that stands for a name of the table or
// a bold member boldFont gives (what ends up embedded in a PDF); none for
// other names.
std::optional<std::string> substituteFaceName(std::string_view postScriptName);

}  // namespace fonts
