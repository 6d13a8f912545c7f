#pragma once
// Small pieces the built-in templates share: their text and panel objects,
// and facts that several of them list in the same way.
#include "Vyer/Faktura/Fakturavy.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mallverktyg {

// A text set in a frame with one attribute set.
CachatObjekt text(std::string_view text, const TextAttributes& attribut, const Rect& ram);
// A tabbed table drawn with full text layout (every line, also past the
// frame's foot).
CachatObjekt tabelltext(AttributedString tabell, const Rect& ram);
// A rectangle with rounded corners, filled, without an outline.
CachatObjekt panel(const Rect& ram, double hörnradie, const Color& fyllning);
// The outline of a rectangle; with a corner radius, of a rounded one.
CachatObjekt kontur(const Rect& ram, double linjebredd, const Color& färg, double hörnradie = 0);
// Straight rules, one path of separate segments.
struct Sträcka {
    Point från, till;
};
CachatObjekt streck(const std::vector<Sträcka>& sträckor, double linjebredd, const Color& färg);

// The size of a text laid out within `gräns` (unbounded by default),
// never negative.
Size uppmätt(const Fakturavy& vy, const AttributedString& text, Size gräns = {10000, 10000});
// A text set in `ram` of a system turned by `vinkel` radians (negative:
// counter-clockwise on the page) about the page point `vid`, which is the
// system's origin.
CachatObjekt roteradText(std::string_view text, const TextAttributes& attribut, const Rect& ram, Point vid,
                         double vinkel);
// A caption turned a quarter turn so that it runs upward: `ram` lies in a
// system whose origin is the page point `vid`, whose x axis points up the
// page and whose y axis points right, so (x, y) lands on (vid.x + y,
// vid.y - x).
CachatObjekt textUppåt(std::string_view text, const TextAttributes& attribut, const Rect& ram, Point vid);

// Facts listed down from `start`, rows 12 points high: each caption in a
// column 110 wide followed by a space and a leader of 36 dots that runs to
// the value column, the value 90 wide beside it (the giro templates').
// Facts without a value are left out.
std::vector<CachatObjekt> faktaMedPunktledare(const Fakturavy& vy, const Datalista& fakta,
                                              const TextAttributes& etikettattribut,
                                              const TextAttributes& värdeattribut, Point start);

// The dot leader of fact labels: set in a style that wraps between
// characters in a label frame one row high, the dots run on after the
// caption up to the value column and the rest is cut off.
extern const std::string punktledare;

// A date as invoices print it; none for none.
std::optional<std::string> datum(const std::optional<Datum>& datum);

// The ROT and RUT facts in the order the templates list them: first and
// second personal identity number (ROT or RUT), property designation (ROT
// on a house), flat number (ROT on a tenant-owned flat). A pair whose fact
// does not apply has no value.
Datalista rotOchRutUppgifter(const Fakturavy& vy);

// The country the sender's address is written for: the recipient's when
// the invoice has a recipient address, else the ledger's own.
std::string landFörAvsändaradressen(const Fakturavy& vy);

}  // namespace mallverktyg
