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
// kept edge may give way when that is not enough. A block that grows first
// (`växerFörst`) takes the room its text needs at its own size before it is
// set smaller; otherwise it is set smaller in its frame first and grows
// only when even 70 % does not fit.
enum class Växer { nedåt, uppåt };
struct Växtval {
    Växer riktning = Växer::nedåt;
    double gräns = 0;
    std::optional<double> bortom;
    bool växerFörst = false;
};

// `ram` when the text fits it (set smaller down to 70 %, Textpassning.h,
// unless it grows first); else `ram` grown by what the text lacks at its
// own size, its moving edge no further than `gräns`, then its kept edge no
// further than `bortom`. The text is then fitted to the grown frame, and
// cut there when even 70 % does not fit it.
Rect ramSomRymmer(const Fakturavy& vy, const AttributedString& text, const Rect& ram, const Växtval& val,
                  TextDrawingMode läge = TextDrawingMode::layoutManager);

// A plain string fitted to its frame as passandeText does, in the frame
// that holds it.
CachatObjekt växandeSträng(const Fakturavy& vy, const AttributedString& text, const Rect& ram,
                           const Växtval& val);

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

}  // namespace mallverktyg
