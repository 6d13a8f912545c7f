#pragma once
// What the room plan (Rumsplan.h) fits text with: a text is set smaller,
// by one factor for all of it (line pitch, tab stops and indents
// included), until it is no taller than its room, has no line wider than
// it and breaks no word for lack of room; never below 70 % of its size.
// Here are the sizes it tries and the one halving search that finds a
// size, a width or a cut, how a text is measured in its frame, where lines
// kept to their line (a table's values, påEnRad) wrap instead, and how
// what does not fit even at 70 % is cut, visibly.
#include "Plattform/Ritning/AttributedString.h"
#include "Plattform/Geometry.h"
#include "Plattform/Ritning/TextMeasurer.h"

#include <limits>
#include <numeric>
#include <optional>

// How far a measure may pass its frame and still count as inside it: the
// same text measured twice differs by less.
inline constexpr double passningsmån = 0.5;

// Whole percent, so that texts that differ a little get the same size.
inline constexpr int minstaProcent = 70;
inline constexpr double minstaTextskala = minstaProcent / 100.0;

// `x` (a text or its attributes) set at `procent` of its size: itself at
// 100, so that what fits is set exactly as given.
template <class T>
T vidProcent(const T& x, int procent) {
    return procent < 100 ? x.scaled(procent / 100.0) : x;
}

// Between `ja`, where `prov` holds, and `nej`, where it does not (neither
// tried here), the value nearest `nej` at which it still holds, for a
// `prov` that holds up to some point from `ja` and not beyond: halving
// the interval, each try at its middle, rounded towards `ja`. Every
// search of the view for a size, a width, a growth or a cut is this one.
template <class Tal, class Prov>
Tal sistaSomHåller(Tal ja, Tal nej, const Prov& prov) {
    while ((ja < nej ? nej - ja : ja - nej) > 1) {
        const Tal mitt = std::midpoint(ja, nej);
        (prov(mitt) ? ja : nej) = mitt;
    }
    return ja;
}

// The largest whole percent from 70 to 100 at which `passar(procent)`
// holds, as a block that fits at one size fits at every smaller one: 100
// tried first, then 70, then halving between them. None when even 70 does
// not fit: the block is then set at 70 % and cut, or the caller has
// another way out. Every text and block fitted so finds its size here.
// `passar`'s last true call is always at the answer.
template <class Passar>
std::optional<int> störstaProcent(const Passar& passar) {
    if (passar(100)) return 100;
    if (!passar(minstaProcent)) return std::nullopt;
    return sistaSomHåller(minstaProcent, 100, passar);
}

// As störstaProcent, of `passar(procent, helaOrd)`: the largest percent
// at which the block fits and breaks no word between characters for lack
// of room, or, where no size keeps every word whole, the largest at which
// it fits.
template <class Passar>
std::optional<int> störstaProcentMedHelaOrd(const Passar& passar) {
    if (auto procent = störstaProcent([&](int p) { return passar(p, true); })) return procent;
    return störstaProcent([&](int p) { return passar(p, false); });
}

// The mark where a text is cut.
inline constexpr std::string_view ellips = "\u2026";

// The text as the fitter sets it in a frame `bredd` wide and as high as it
// needs: wrapped where lines kept to their line are too wide even at 70 %,
// else as it is. For a text that is set smaller before it wraps: what a
// frame that grows to hold it measures. Only the lines that a frame
// `höjd` high shows are measured.
AttributedString radbrutenDärDenMåste(const TextMeasurer& mätare, const AttributedString& text, double bredd,
                                      TextDrawingMode läge = TextDrawingMode::layoutManager,
                                      double höjd = std::numeric_limits<double>::infinity());

// Whether any of the text is kept to its line (påEnRad), cut at its
// frame's edge rather than wrapped.
bool klipper(const AttributedString& text);

// The text as set in a frame of `ram`, laid out only as far as the frame
// shows (all of it for an infinite height): a line kept to its line that
// the frame's edge cuts counts as wide as it is uncut.
TextExtent uppmättIRam(const TextMeasurer& mätare, const AttributedString& text, Size ram, TextDrawingMode läge);
// Whether a text so measured lies within the frame, every line of it.
bool inomRamen(const TextExtent& mått, Size ram);

// The text without its last line, the line before it ending in an
// ellipsis (as avkortad cuts), laid out `bredd` wide: what a text gives up
// when the one below it has no room for a line of its own. A text of one
// line stays as it is.
AttributedString utanSistaRaden(const TextMeasurer& mätare, const AttributedString& text, double bredd,
                                TextDrawingMode läge = TextDrawingMode::layoutManager);

// The text at its own size cut to the frame, when it does not fit: a line
// that keeps to its line (clipping) ends in an ellipsis where the frame's
// edge would cut it; of lines that wrap, those the frame holds are kept
// and the last of them ends in an ellipsis, at a character boundary, so
// nothing is set below the frame. The first line is kept in any frame.
AttributedString avkortad(const TextMeasurer& mätare, const AttributedString& text, Size ram,
                          TextDrawingMode läge = TextDrawingMode::layoutManager);
