#pragma once
// Every paragraph is laid out here, a long one in windows of bounded
// length. Pango's
// breaker converts the start of every attribute it is given from the
// text's beginning, and the engine gives attributes per word (no short
// pieces of words, hyphens only at soft hyphens), so one layout of a long
// paragraph costs its words times its length; its lines are also held in
// memory, some 60 bytes a character. Greedy breaking is local: a line
// depends only on the text from its own start. So a window of a few
// thousand bytes is laid out at the paragraph's width, the lines that end
// well before the window's end are kept, and the next window starts where
// the first line not kept does. Only what a line needs to be stacked and
// measured is kept, never a layout; a line is drawn from its window laid
// out again (TextLayout.cpp), which gives the same lines. Paragraphs of
// every day are shorter than one window: their layout is handed back, for
// drawing while it is still at hand. A paragraph that is not broken into
// lines (no width, or one line cut short) is one window.
#include "Plattform/Ritning/LongWords.h"
#include "Plattform/Ritning/PangoText.h"

#include <pango/pango.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace text {

// Paragraphs of more bytes of pango text are laid out in windows of about
// this many bytes.
inline constexpr size_t windowBytes = 4096;

struct TabArrayFree {
    void operator()(PangoTabArray* a) const { pango_tab_array_free(a); }
};
using TabArrayPtr = std::unique_ptr<PangoTabArray, TabArrayFree>;

// How each window of a paragraph is laid out: as the whole paragraph would
// be, in pango units. What pango is told of a paragraph is told here only.
struct WindowFrame {
    // Of the layout: lines are broken at it, or with `ellipsize` the one
    // line is cut short at it; -1 for none: lines end at separators only.
    int width = -1;
    PangoEllipsizeMode ellipsize = PANGO_ELLIPSIZE_NONE;
    int indent = 0;  // of the first line against the others (pango_layout_set_indent)
    PangoWrapMode wrap = PANGO_WRAP_WORD_CHAR;
    bool justify = false;
    // Lines of long words broken by the engine (LongWords.h) where it can.
    bool engineBreaks = false;
    WindowBreaks breaks;
    // For a paragraph with tabs: the stops of the paragraph, and the same
    // for windows after its first under a hanging indent (pango measures
    // the stops of lines after the first from the indented edge).
    TabArrayPtr tabs, laterTabs;
    // The paragraph's base direction, found from its text as pango finds
    // it; a window whose own first letter says otherwise is laid out in it.
    PangoDirection direction = PANGO_DIRECTION_LTR;
};

// The base direction pango gives a paragraph of that text: right to left
// when its first letter is of such a script.
PangoDirection baseDirection(std::string_view text);

struct Window {
    size_t start = 0;  // bytes of the paragraph's pango text
    size_t end = 0;
    // Laid out with the attributes of its rules of breaking (the frame's
    // `breaks`); without them where they change none of its lines.
    bool ruled = false;
    // Laid out at no width: a short paragraph of one window that fits it,
    // as most do.
    bool atNoWidth = false;
};

// A window laid out by pango: its text and layout, and what each line's
// logical x takes besides (the indent a window after the first stands for).
struct WindowLayout {
    PangoText text;
    LayoutPtr layout;
    int leftIndent = 0;
};

// The window laid out as when it was measured, for drawing.
WindowLayout layOutWindow(const PangoText& paragraph, const WindowFrame& frame, const Window& window);

struct WindowLine {
    size_t window = 0;
    size_t index = 0;  // in its window's layout, for a line pango broke
    size_t start = 0;  // bytes of the paragraph's pango text
    size_t end = 0;
    bool paragraphStart = false;
    bool engineBroken = false;  // by the engine: drawn alone from [start, end)
    bool hyphenated = false;    // a line the engine broke at a soft hyphen
    // Points: where the line starts from the layout's left edge (pango's
    // lines), its width and ink as TextLayout keeps them.
    double x = 0, width = 0;
    double inkLeft = 0, inkWidth = 0, inkAbove = 0, inkBelow = 0;
    std::optional<fonts::LineMetrics> metrics;
};

struct WindowedParagraph {
    std::vector<Window> windows;
    bool brokeWord = false;  // a line breaks inside a word for lack of room
    bool stopped = false;    // `line` wanted no more lines
    // The layout of a paragraph pango laid out in one window.
    std::optional<WindowLayout> whole;
};

// Lays out `t` in windows of about `bytes`, handing each line to `line`
// in order until it answers false: no window is laid out after that. A
// window that holds no line it may keep grows, up to 16 times that; a
// line longer than that is cut where the window ends. A paragraph not
// broken into lines is one window.
WindowedParagraph layOutInWindows(const PangoText& t, const WindowFrame& frame,
                                  const std::function<bool(const WindowLine&)>& line, size_t bytes = windowBytes);

}  // namespace text
