#pragma once
// What layout code may ask of the text engine: sizes, never drawing. The
// layout is written against this interface so tests can hand it a
// measurer with fixed widths.
#include "Plattform/Ritning/AttributedString.h"
#include "Plattform/Ritning/Canvas.h"
#include "Plattform/Geometry.h"

#include <cstddef>
#include <limits>
#include <vector>

// Of a text in a frame that cannot grow, at most this much is laid out:
// more than any frame shows.
inline constexpr size_t mostBytesInAFrame = 64 * 1024;

// How far a text is laid out: its lines until one starts more than its
// own height below `height` (measured from the frame's top; that line,
// which a frame ending there cannot show and drawing leaves out, ends
// them), and none that starts at byte `bytes` of the text or after it.
// Every line by default. What is laid out is the text's own first lines.
struct TextBound {
    double height = std::numeric_limits<double>::infinity();
    size_t bytes = std::numeric_limits<size_t>::max();

    // What a frame that cannot grow, `height` high, can show.
    static TextBound frame(double height) { return {height, mostBytesInAFrame}; }
    bool none() const { return *this == TextBound{}; }
    friend bool operator==(const TextBound&, const TextBound&) = default;
};

// Where a text's lines land when it is set in a frame.
struct TextExtent {
    // The box of each line's glyphs (their ink, as far as it lies within
    // the line's advance, ascent and descent), in the frame's space.
    std::vector<Rect> lines;
    Size size;               // the text's size as measured for that mode
    bool brokeWord = false;  // a word was broken between two characters for lack of room
    // Every line of the text is counted: none was left out at a bound.
    bool whole = true;
};

// The size of a text laid out up to a bound.
struct BoundedSize {
    Size size;  // of the lines laid out
    double tallestLine = 0;  // of them
    // Every line was laid out; when not, the text is taller than the
    // bound's height or longer than its bytes.
    bool whole = true;
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

    // As boundingSize, but laid out only up to `bound`: a text that flows
    // over pages is counted so before its lines are kept. By default
    // boundingSize, whole, as one line.
    virtual BoundedSize boundedSize(const AttributedString& text, Size bounds, const TextBound& bound) const;

    // The lines of the text as drawn in `frame` in that mode, up to
    // `bound` (for a frame that cannot grow, TextBound::frame). By
    // default one box of the measured size at the frame's top left.
    virtual TextExtent extent(const AttributedString& text, const Rect& frame, TextDrawingMode mode,
                              const TextBound& bound = {}) const;

    // The lines of the text in a frame `width` wide in that mode, top to
    // bottom: where the text may be cut without cutting through a line.
    virtual std::vector<TextLine> lines(const AttributedString& text, double width, TextDrawingMode mode) const = 0;

    // As lines(), laid out only up to `bound`: where a text is cut to a
    // frame, only the lines that frame can show. By default every line.
    virtual std::vector<TextLine> linesUpTo(const AttributedString& text, double width, TextDrawingMode mode,
                                            const TextBound& bound) const;
};

// The text engine of the drawing layer (shaping by the fonts the program
// ships with), shared by measuring and drawing so that a measured frame
// is where the text lands.
const TextMeasurer& systemTextMeasurer();
