#pragma once
// What the text engine hands to pango's layouts, watched from the test
// program: it defines pango_layout_new, pango_layout_set_text and
// pango_layout_set_attributes itself, notes what each is given and passes
// it on to pango's own.
#include <cstddef>

namespace pangowatch {

struct Seen {
    size_t texts = 0;            // texts handed to a layout
    size_t longestText = 0;      // bytes
    size_t allText = 0;          // bytes of every text handed, added up
    size_t mostBreakAttributes = 0;  // of one layout: where breaks are allowed or show a hyphen
};

// From now on.
void reset();
Seen seen();

// Pango layouts made and not yet freed, whenever made.
size_t layoutsAlive();

}  // namespace pangowatch
