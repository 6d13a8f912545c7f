#pragma once
// A laid-out line shown at cairo's current point, as
// pango_cairo_show_layout_line shows it, except for the glyphs no face
// has. Pango draws each of those as a box with its code point in small
// hex digits, one frame and one text object a digit: some 15 µs a box,
// against well under one for a glyph of a face. Here they are left out of
// what pango draws and drawn in one batch per line and style: the frames
// as one path stroked once, the digits with one show of glyphs, at
// pango's places and in pango's measures. The digits carry the characters
// they stand for, so text taken from the PDF gives the characters.
#include <cairo.h>
#include <pango/pango.h>

namespace text {

// The line's glyphs are changed while it is drawn and put back after, so
// a layout kept in a cache draws the same next time. Caller holds the font
// lock.
void showLayoutLine(cairo_t* cr, PangoLayoutLine* line);

}  // namespace text
