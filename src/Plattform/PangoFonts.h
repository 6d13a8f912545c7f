#pragma once
// The pango setup every text is shaped with: the program's own font
// configuration, 72 units per inch (a pango point is a page point),
// hinting off and glyph positions unrounded, so that measuring and PDF
// output agree to the fraction of a point.
#include <pango/pangocairo.h>

namespace fonts {

PangoFontMap* pangoFontMap();
// Shared; callers serialise their use of it (the text engine holds a lock).
PangoContext* pangoContext();

}  // namespace fonts
