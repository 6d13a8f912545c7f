#pragma once
// Whether a laid-out invoice keeps to the rooms its layout declared
// (Fakturavy::planeradeRum): no two rooms that show on one page overlap,
// and every line of text stands in the room that holds it. Rows stand in
// the item rows' room of their page; a text that no room holds is a fault.
// Checked on the display lists, by where the text engine sets each line,
// so for any content of the rooms.
#include "Vyer/Faktura/Fakturavy.h"

#include <string>
#include <vector>

namespace rumskontroll {

// One sentence per fault.
std::vector<std::string> fel(const Fakturavy& vy);

}  // namespace rumskontroll
