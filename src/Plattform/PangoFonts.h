#pragma once
// The pango setup every text is shaped with: the program's own font
// configuration, 72 units per inch (a pango point is a page point),
// hinting off and glyph positions unrounded, so that measuring and PDF
// output agree to the fraction of a point.
#include <pango/pangocairo.h>

struct Font;

namespace fonts {

PangoFontMap* pangoFontMap();
// Shared; callers serialise their use of it (the text engine holds a lock).
PangoContext* pangoContext();

// The description pango loads the face standing for the font with: the
// family our configuration gives the name, the size in absolute points.
// A size that is not a positive number is 12 points, as the platform
// takes it; a huge one is capped.
PangoFontDescription* pangoDescription(const Font& font);
double usableSize(double pointSize);

// Vertical metrics of a loaded font from its hhea table, in points, as
// the platform's text system uses them (pango itself may prefer the OS/2
// typographic values).
struct LineMetrics {
    double ascent = 0;
    double descent = 0;  // positive below the baseline
    double lineGap = 0;
};
LineMetrics lineMetrics(PangoFont* font);
LineMetrics lineMetrics(const Font& font);

}  // namespace fonts
