#pragma once
// Template E's item-table headings: each heading black on white in a box
// with rounded corners and a black outline, the boxes in one row across
// the page, pushed apart so that they neither collide nor leave the row.
#include "Plattform/Font.h"
#include "Plattform/Geometry.h"
#include "Plattform/Ritning/TextMeasurer.h"
#include "Vyer/Faktura/Fakturavy.h"

#include <vector>

// The own headings for the item table: on the plan, per heading its box
// then its text in a room of the box, in heading order. Boxes are filled
// with `fyllning` and outlined with `kant`. Texts too wide for their boxes
// are set smaller alike, and boxes still colliding after the pushes below
// stand side by side.
Fakturavy::EgnaRubriker rubrikrutor(const TextMeasurer& mätare, const Color& fyllning, const Color& kant);

// Final centres for boxes of text widths `bredder`, proposed at
// `ursprungligaPositioner` (at least one per width; any further ones come
// back unchanged). A box covers its width plus `padding` on each side;
// neighbours keep `separation` apart. The end boxes are pulled inside
// [utrymme.minX, utrymme.maxX] and stay put; inner boxes move away from a
// fixed neighbour, the ends inward, in at most ten passes. Collisions that
// cannot be mended that way remain.
std::vector<double> nyaPositionerFörEgnaRubrikerMedBredder(const std::vector<double>& bredder,
                                                           const std::vector<double>& ursprungligaPositioner,
                                                           const Rect& utrymme, double padding, double separation);
