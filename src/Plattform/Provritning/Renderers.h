#pragma once
// Page 1 of a PDF drawn whole at a resolution, on white, by one of the
// renderers its readers use, into pixels that are then thrown away: what
// it costs is the verdict. Each runs in a process of its own; running out
// of memory or processor time ends that process.
#include "Plattform/Provritning/PdfJudge.h"

#include <string_view>

namespace pdfjudge {

// poppler's Splash rasteriser, antialiased as pdftoppm draws by default.
Verdict drawnBySplash(std::string_view pdf, double dpi);
// poppler's cairo output, into an image surface, as a viewer draws.
Verdict drawnByCairo(std::string_view pdf, double dpi);

}  // namespace pdfjudge
