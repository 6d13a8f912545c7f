// Stand-in until the font table lands: every name is taken as given.
#include "Plattform/FontRegistry.h"

namespace fonts {

std::optional<Font> fontWithName(std::string_view postScriptName, double pointSize) {
    if (postScriptName.empty()) return std::nullopt;
    return Font{std::string(postScriptName), pointSize};
}

Font boldFont(const Font& font) { return font; }
Font systemFont(double pointSize) { return {"HelveticaNeue", pointSize}; }
Font defaultFont() { return systemFont(12); }
Font mappedFont(std::string_view anyName, double pointSize) { return {std::string(anyName), pointSize}; }
std::optional<std::string> substituteFaceName(std::string_view) { return std::nullopt; }

}  // namespace fonts
