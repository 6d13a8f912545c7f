#pragma once
// Blocks that can grow and the room the page has for them: a text that
// does not fit its frame even at 70 % takes the room beside the frame
// rather than run on over what stands there, and a block that must sit
// below a growing one starts where that one ends.
#include "Vyer/Faktura/Fakturavy.h"

#include <optional>
#include <string_view>
#include <vector>

namespace mallverktyg {

// Which edge of its frame a growing text keeps: its top (it grows down) or
// its foot (it grows up); how far the other edge may go, and how far the
// kept edge may give way when that is not enough. A text is set smaller in
// its frame first and grows only when even 70 % does not fit.
enum class Växer { nedåt, uppåt };
struct Växtval {
    Växer riktning = Växer::nedåt;
    double gräns = 0;
    std::optional<double> bortom;
};

// `ram` when the table fits it (set smaller down to 70 %, Textpassning.h);
// else `ram` grown by what the table lacks at its own size, its moving
// edge no further than `gräns`, then its kept edge no further than
// `bortom`. The table is then fitted to the grown frame, and cut there
// when even 70 % does not fit it.
Rect ramSomRymmer(const Fakturavy& vy, const AttributedString& text, const Rect& ram, const Växtval& val);

// A table in full text layout (as tabelltext) in the frame that holds it.
CachatObjekt växandeTabell(const Fakturavy& vy, const AttributedString& tabell, const Rect& ram,
                           const Växtval& val);

// `attribut` set smaller, by one factor down to 70 %, so that `text` in
// them fits `ram` as a plain string; a title that the shared header step
// sets, say, in a frame too narrow for its longest wording.
TextAttributes passadeAttribut(const Fakturavy& vy, std::string_view text, const TextAttributes& attribut, Size ram);

// The lowest y at which the texts of `objekt` set ink, as the text engine
// lays them out; `tom` when there is no text.
double nederkant(const Fakturavy& vy, const std::vector<CachatObjekt>& objekt, double tom);

}  // namespace mallverktyg
