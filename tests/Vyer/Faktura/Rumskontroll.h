#pragma once
// Whether a laid-out invoice keeps to the rooms its layout declared
// (Fakturavy::planeradeRum): no two rooms that show on one page overlap,
// and every line of text stands in the room that holds it. Rows stand in
// the item rows' room of their page. Checked on the display lists, by where
// the text engine sets each line, so for any content of the rooms.
#include "Vyer/Faktura/Fakturavy.h"

#include <string>
#include <vector>

namespace rumskontroll {

// One sentence per fault. With `allaTexter`, a text that no room holds is
// one too; without, such a text only may not stand in another's room.
std::vector<std::string> fel(const Fakturavy& vy, bool allaTexter);

}  // namespace rumskontroll
