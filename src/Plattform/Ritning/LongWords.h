#pragma once
// A paragraph holding a word too long for any line is broken into lines
// here rather than by pango, whose line breaker shapes each line over
// again for every place it tries to break it (a microsecond a letter,
// minutes for an invoice of such words): the paragraph is shaped once,
// unbounded, and its lines are found from the widths of its characters,
// where pango would break them. Only the lines that are drawn are shaped
// again, one by one (TextLayout.cpp). Other paragraphs are broken by
// pango as they always were.
#include "Plattform/Ritning/PangoText.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace text {

struct BrokenLine {
    size_t start = 0;  // bytes of the paragraph's pango text
    size_t end = 0;
    // Points; the last white space of a wrapped line left out, the hyphen
    // of a break at a soft hyphen put in.
    double width = 0;
    // None for a line of white space without a font of its own.
    std::optional<fonts::LineMetrics> metrics;
    bool hyphenated = false;
    bool insideWord = false;  // ends between two characters of a word
};

// The lines of `t`: the first at most `firstWidth` pango units wide, the
// others at most `otherWidth`; broken at the last word boundary that fits
// and, where a word has no room on a line of its own, after the last
// character that fits (always between characters with `characterWrap`),
// at least one character a line; a hyphen only at a soft hyphen. None
// where pango must break the text itself: tabs and right-to-left text.
std::optional<std::vector<BrokenLine>> breakLongWords(const PangoText& t, int firstWidth, int otherWidth,
                                                      bool characterWrap);

}  // namespace text
