#pragma once
// Whether a laid-out invoice can be read, checked on its display list as
// the drawing will set it: every line of text where the text engine puts
// it, against its frame, the page, the other texts and what is drawn
// under it.
#include "Vyer/Faktura/Fakturavy.h"

#include <string>
#include <vector>

namespace läsbarhet {

// One sentence per fault, naming the page and the text:
//  - a line of text outside its frame (1 point of slack);
//  - a line closer than 6 points to the paper's edge, unless its frame
//    lies that close and holds it;
//  - a line over a line of another text;
//  - a line whose colour stands out from the ground under it (background
//    artwork, panels, images) by less than 3:1, or by less than it would on
//    white paper for a pale text.
// Text covered by an opaque area drawn after it is not seen and not
// checked. The view is drawn page by page without its text for the last
// check, and left as it was.
std::vector<std::string> fel(Fakturavy& vy);

// WCAG contrast ratio of two colours (alpha ignored), 1 to 21.
double kontrast(const Color& a, const Color& b);

}  // namespace läsbarhet
