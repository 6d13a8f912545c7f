#pragma once
// Text made to fit its frame: set smaller, by one factor for all of it
// (line pitch, tab stops and indents included), until it is no taller than
// the frame, has no line wider than it and breaks no word for lack of
// room; never below 70 % of its size. Nothing is dropped.
#include "Plattform/Ritning/AttributedString.h"
#include "Plattform/Geometry.h"
#include "Plattform/Ritning/TextMeasurer.h"

inline constexpr double minstaTextskala = 0.7;

struct PassadText {
    AttributedString text;  // as it is to be set
    double skala = 1;
    Size storlek;           // its measured size in that drawing mode
    // False when even at 70 % it is taller than the frame: it is then set
    // at 70 % and its frame must make room for it.
    bool passar = true;
};

// Whether a frame takes the height of a text that does not fit it even
// at 70 % (`storlek`), or stays as it is, the text running on below it.
enum class Ramhöjd { växer, fast };

// `ram` may be unbounded in height (infinite) for text that only has to
// fit across. Each size tried is laid out only as far as the frame shows
// (TextBound::frame): a text that fills it does not fit, however long. Of
// a text that does not fit even at 70 %, the whole is measured for a frame
// that grows, only that far for a fixed one.
PassadText passadText(const TextMeasurer& mätare, const AttributedString& text, Size ram,
                      TextDrawingMode läge = TextDrawingMode::layoutManager, Ramhöjd ramhöjd = Ramhöjd::växer);
