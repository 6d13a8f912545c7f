#pragma once
// The pango setup every text is shaped with: the program's own font
// configuration, 72 units per inch (a pango point is a page point),
// hinting off and glyph positions unrounded, so that measuring and PDF
// output agree to the fraction of a point.
#include <pango/pangocairo.h>

#include <algorithm>

struct Font;

namespace fonts {

// Both shared; callers hold fontLock() while they use them. Fonts added to
// the configuration since the last call are taken in.
PangoFontMap* pangoFontMap();
PangoContext* pangoContext();
// The same with the base direction of every paragraph fixed (left to right
// or right to left) rather than taken from its first letter: for a piece
// of a paragraph whose first letter is of the other direction.
PangoContext* pangoContext(PangoDirection baseDirection);

// The description pango loads the face standing for the font with: the
// family our configuration gives the name, the size in absolute points.
// The face is loaded into the configuration first.
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
// The metrics of a line holding text of both: each the larger.
inline LineMetrics tallest(const LineMetrics& a, const LineMetrics& b) {
    return {std::max(a.ascent, b.ascent), std::max(a.descent, b.descent), std::max(a.lineGap, b.lineGap)};
}

}  // namespace fonts
