#pragma once
// The text engine: pango shapes, breaks lines, sets tabs and ellipses;
// lines are stacked here from the fonts' hhea metrics, as the platform's
// text system stacks them. Measuring and drawing run the same layout, so
// a measured frame is where the text lands.
#include "Plattform/Ritning/AttributedString.h"
#include "Plattform/Ritning/Canvas.h"
#include "Plattform/Geometry.h"
#include "Plattform/Ritning/TextMeasurer.h"

#include <cairo.h>

namespace text {

// The size of the text laid out from the top left, wrapped to
// bounds.width (no wrapping for a width that is not a positive number);
// bounds.height does not cut lines off. An empty text measures 0 x 0.
Size measure(const AttributedString& text, Size bounds);
// The same up to the bound, which draws no line after it either.
BoundedSize measure(const AttributedString& text, Size bounds, const TextBound& bound);

// Lays the text out only as far as the clip reaches below the frame's top
// (a frame that cannot grow, TextBound::frame): lines past it would not
// show.
void draw(cairo_t* cr, const AttributedString& text, const Rect& frame, TextDrawingMode mode);

// Where `draw` sets the text's lines, up to the bound.
TextExtent extent(const AttributedString& text, const Rect& frame, TextDrawingMode mode, const TextBound& bound = {});

// The lines `draw` sets the text in, in a frame `width` wide, measured
// from the frame's top (for baselineAtFoot, from the top of its one line),
// up to the bound.
std::vector<TextLine> lines(const AttributedString& text, double width, TextDrawingMode mode,
                            const TextBound& bound = {});

// Drops the layouts kept from measuring for drawing, so that a benchmark
// starts each round as a fresh process would.
void forgetLayouts();

// Ascent, descent and line gap of the font's face.
double defaultLineHeight(const Font& font);

}  // namespace text
