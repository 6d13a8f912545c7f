#pragma once
// Which file of the installed fonts holds each face the font table draws
// with, so that a run reads only the files of the faces it uses instead of
// every file of fonts.conf's directories.
#include <optional>
#include <string_view>

namespace fonts {

// The file name (without directory) of the face of that PostScript name;
// none for a face the table does not draw with. The file lies in one of the
// directories fonts.conf names.
std::optional<std::string_view> fileOfFace(std::string_view postScriptName);

// The face that draws what a face lacks (fonts.conf appends its family to
// every pattern), as its PostScript name.
inline constexpr std::string_view fallbackFace = "DejaVuSans";

}  // namespace fonts
