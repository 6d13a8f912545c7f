#pragma once
// One piece of an attributed string as pango is handed it: the text pango
// can take, the attributes of its runs, and what the text engine must
// know besides to stack its lines (TextLayout.cpp).
#include "Plattform/Ritning/AttributedString.h"
#include "Plattform/Ritning/PangoFonts.h"

#include <pango/pango.h>

#include <cmath>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace text {

struct AttrListUnref {
    void operator()(PangoAttrList* l) const { pango_attr_list_unref(l); }
};
using AttrListPtr = std::unique_ptr<PangoAttrList, AttrListUnref>;
struct LayoutUnref {
    void operator()(PangoLayout* l) const { g_object_unref(l); }
};
using LayoutPtr = std::unique_ptr<PangoLayout, LayoutUnref>;

// Byte ranges [first, second) of a text.
using ByteRanges = std::vector<std::pair<size_t, size_t>>;

struct PangoText {
    std::string text;
    AttrListPtr attributes{pango_attr_list_new()};
    // Runs without a font that hold only white space (the tab and separator
    // a table appends bare): they take no part in the line height.
    std::vector<std::pair<size_t, size_t>> metricsIgnored;
    Font fallbackFont;  // for a line without glyphs
    // Holds a word (characters between white space) of at least
    // `longWordLength` characters: too long for any line.
    bool longWord = false;
    // The font and colour of each run, in text order, from which a piece
    // of the text is given its attributes again (lineText).
    struct Span {
        size_t start = 0;
        size_t end = 0;
        Font font;
        Color color;
    };
    std::vector<Span> spans;
    // Where the bytes of `text` come from in the attributed string: from
    // each pair's first byte of `text` on, they follow the string's bytes
    // from the pair's second one for one, until the next pair. Bytes put
    // in (a soft hyphen, a no-break space) count as the character after
    // them.
    std::vector<std::pair<size_t, size_t>> sources;
};

// The byte of the attributed string that byte `at` of `t.text` stands for.
size_t sourceOffset(const PangoText& t, size_t at);

inline constexpr size_t longWordLength = 256;
// A paragraph of more bytes is handed to pango in pieces, and never fits a
// line anyway.
inline constexpr size_t longParagraphBytes = 4096;

inline double finiteOrZero(double v) { return std::isfinite(v) ? v : 0; }

// A pango layout of `t`'s text and attributes, in the engine's context.
LayoutPtr newLayout(const PangoText& t);

// The text of [start, end) of `s` as pango gets it: NUL dropped (pango
// takes no NUL); noncharacters replaced; with `separatorsAsSpaces` every
// line and paragraph separator a space; a soft hyphen before each byte
// offset of `hyphens` (increasing).
PangoText pangoText(const AttributedString& s, size_t start, size_t end, bool separatorsAsSpaces,
                    const std::vector<size_t>& hyphens);

// One line of a text broken by the text engine itself: the bytes
// [start, end) of `t` with their attributes, a line separator at its end
// left out, and a soft hyphen at its end shown as a hyphen when
// `hyphenated`.
PangoText lineText(const PangoText& t, size_t start, size_t end, bool hyphenated);

// Which rules of breaking a paragraph that is broken into lines is given.
// Pango draws a hyphen at every break inside a word unless told not to:
// with `hyphensOnlyAtSoftHyphens` it is told so everywhere but at soft
// hyphens (the character and the one after it), whose break is meant to
// show one, so a word broken for lack of room shows no hyphen. With
// `noShortPiecesOfWords`, a word of six letters or more that must be
// broken for lack of room keeps at least three letters on either side of
// the break ("ventilationsaggre-gat", never "ventilationsaggrega-t"), as a
// dictionary's break does.
struct WindowBreaks {
    bool hyphensOnlyAtSoftHyphens = false;
    bool noShortPiecesOfWords = false;
};

// Where those rules apply within a window of a paragraph, in bytes from
// its start: as they apply there in the whole paragraph, also to a word
// the window starts inside.
struct WindowRules {
    ByteRanges withoutHyphens;  // a break shows no hyphen
    ByteRanges wordEnds;        // no line breaks
};
WindowRules windowRules(const PangoText& t, size_t start, size_t end, WindowBreaks breaks);

// The bytes [start, end) of `t` as a text of their own, with the
// attributes they have in `t` and those of `rules`: laid out from a line's
// start in `t`, the window breaks its lines as `t` does, but for those the
// window's end cuts short.
PangoText windowText(const PangoText& t, size_t start, size_t end, const WindowRules& rules = {});

// The metrics an item of `t` (shaped by pango) gives its line: none for
// white space without a font of its own.
std::optional<fonts::LineMetrics> itemMetrics(const PangoText& t, const PangoItem* item);

}  // namespace text
