#pragma once
// Small pieces the built-in templates share: their text and panel objects,
// and facts that several of them list in the same way.
#include "Vyer/Faktura/Fakturavy.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mallverktyg {

// Where something stands across the page.
struct Spalt {
    double x = 0;
    double bredd = 0;
};

// A text set in a frame with one attribute set.
CachatObjekt text(std::string_view text, const TextAttributes& attribut, const Rect& ram);
// The widths of columns side by side across `bredd` with at least
// `mellanrum` between each two: as wide as `önskade` (their widest texts)
// where that leaves room, else the widest cut down to one width, the
// narrower keeping theirs, so that their texts wrap there instead of
// running into the next column.
std::vector<double> kolumnbredder(std::vector<double> önskade, double bredd, double mellanrum);
// Boxes of `bredder` side by side, each as near its wished middle in
// `mittpunkter` as it can be while no two come nearer than `mellanrum`,
// in their order, between `vänster` and `höger`: boxes that would come
// nearer move apart as a group, about the mean of their wishes; the
// others stay where they were wished. The left edge of each.
std::vector<double> isärIRaden(const std::vector<double>& bredder, const std::vector<double>& mittpunkter,
                               double mellanrum, double vänster, double höger);
// A rectangle with rounded corners, filled, without an outline.
CachatObjekt panel(const Rect& ram, double hörnradie, const Color& fyllning);
// The outline of a rectangle; with a corner radius, of a rounded one.
CachatObjekt kontur(const Rect& ram, double linjebredd, const Color& färg, double hörnradie = 0);
// Straight rules, one path of separate segments.
struct Sträcka {
    Point från, till;
};
CachatObjekt streck(const std::vector<Sträcka>& sträckor, double linjebredd, const Color& färg);

// A text set in `ram` of a system turned by `vinkel` radians (negative:
// counter-clockwise on the page) about the page point `vid`, which is the
// system's origin.
CachatObjekt roteradText(std::string_view text, const TextAttributes& attribut, const Rect& ram, Point vid,
                         double vinkel);
CachatObjekt roteradText(AttributedString text, const Rect& ram, Point vid, double vinkel);
// A caption turned a quarter turn so that it runs upward: `ram` lies in a
// system whose origin is the page point `vid`, whose x axis points up the
// page and whose y axis points right, so (x, y) lands on (vid.x + y,
// vid.y - x).
CachatObjekt textUppåt(std::string_view text, const TextAttributes& attribut, const Rect& ram, Point vid);
CachatObjekt textUppåt(AttributedString text, const Rect& ram, Point vid);

// The dot leader of fact labels: set in a style that wraps between
// characters in a label frame one row high, the dots run on after the
// caption up to the value column and the rest is cut off.
extern const std::string punktledare;

// The colour darkened, all its channels by one factor, until white text
// stands out from it by `kontrast` (the ratio of relative luminances, as
// for legibility on screen and paper); a dark enough colour as it is.
Color mörkadFörVitText(Color färg, double kontrast = 3);

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
