#pragma once
// Room shared between blocks beyond the room plan's own: columns that
// give width to a neighbour, a title's attributes fitted to its frame, the
// foot of what a list of objects sets.
#include "Vyer/Faktura/Fakturavy.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Textpassning.h"

#include <optional>
#include <string_view>
#include <vector>

namespace mallverktyg {

// Columns of tables side by side (full text layout), each as high as its
// room: the columns as given where every table fits its own even at 70 %.
// A table that does not takes width from the column beside it, the one
// to its right first, as much as it lacks and as that one's table can give
// while it still fits at 70 %; the gap between them moves with it.
std::vector<Rect> kolumnerSomDelarBredden(const Fakturavy& vy, const std::vector<AttributedString>& tabeller,
                                          std::vector<Rect> kolumner);

// `attribut` set smaller, by one factor down to 70 %, so that `text` in
// them fits `ram` as a plain string; a title that the shared header step
// sets, say, in a frame too narrow for its longest wording.
TextAttributes passadeAttribut(const Fakturavy& vy, std::string_view text, const TextAttributes& attribut, Size ram);

// The lowest y at which the texts of `objekt` set ink, as the text engine
// lays them out; `tom` when there is no text.
double nederkant(const Fakturavy& vy, const std::vector<CachatObjekt>& objekt, double tom);

// Whether `rum` holds its blocks at all, set as small as the fitter sets
// any: where it does not, a template gives its texts more room.
inline bool rymsAlls(const rumsplan::Plan& plan, const rumsplan::Rum& rum) { return plan.rymmer(rum, minstaProcent); }

}  // namespace mallverktyg
