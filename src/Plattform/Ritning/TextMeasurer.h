#pragma once
// What layout code may ask of the text engine: sizes, never drawing. The
// layout is written against this interface so tests can hand it a
// measurer with fixed widths.
#include "Plattform/Ritning/AttributedString.h"
#include "Plattform/Ritning/Canvas.h"
#include "Plattform/Geometry.h"

#include <vector>

// Where a text's lines land when it is set in a frame.
struct TextExtent {
    // The box of each line's glyphs (their ink, as far as it lies within
    // the line's advance, ascent and descent), in the frame's space.
    std::vector<Rect> lines;
    Size size;               // the text's size as measured for that mode
    bool brokeWord = false;  // a word was broken between two characters for lack of room
};

// One line of a text set in a frame: the byte of the text it starts at
// and the band it takes, down from the frame's top.
struct TextLine {
    size_t start = 0;
    double top = 0;
    double bottom = 0;
};

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

    // The lines of the text as drawn in `frame` in that mode. By default
    // one box of the measured size at the frame's top left.
    virtual TextExtent extent(const AttributedString& text, const Rect& frame, TextDrawingMode mode) const;

    // The lines of the text in a frame `width` wide in that mode, top to
    // bottom: where the text may be cut without cutting through a line.
    virtual std::vector<TextLine> lines(const AttributedString& text, double width, TextDrawingMode mode) const = 0;
};

// The text engine of the drawing layer (shaping by the fonts the program
// ships with), shared by measuring and drawing so that a measured frame
// is where the text lands.
const TextMeasurer& systemTextMeasurer();
