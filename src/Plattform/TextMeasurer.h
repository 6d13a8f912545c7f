#pragma once
// What layout code may ask of the text engine: sizes, never drawing. The
// layout is written against this interface so tests can hand it a
// measurer with fixed widths.
#include "Plattform/AttributedString.h"
#include "Plattform/Geometry.h"

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;

    // The size of the text laid out from the top left of a frame of
    // `bounds` (wrapped to its width by each paragraph's line-break mode),
    // unrounded. The height counts every line, also those past
    // bounds.height. An empty text measures 0 x 0.
    virtual Size boundingSize(const AttributedString& text, Size bounds) const = 0;

    // The height of one line of the font as full text layout stacks it:
    // ascent, descent and the font's line gap.
    virtual double defaultLineHeight(const Font& font) const = 0;
};

// The text engine of the drawing layer (shaping by the fonts the program
// ships with), shared by measuring and drawing so that a measured frame
// is where the text lands.
const TextMeasurer& systemTextMeasurer();
