#pragma once
// Tables placed by their measured size: side by side on a common foot,
// about a line of the page or about a point; and the two fact tables of
// templates with a narrow fact column beside the item column.
#include "Vyer/Faktura/Fakturavy.h"

#include <functional>
#include <optional>
#include <vector>

namespace mallverktyg {

// Tables side by side that stand on one foot and share one height, that of
// the tallest (each measured at its own width), so that they grow upward
// together; or a height made from the tallest's by `höjdAv`. Drawn with
// full text layout.
struct Tabellplats {
    AttributedString tabell;
    double x = 0;
    double bredd = 0;
};
struct TabellerPåFot {
    std::vector<CachatObjekt> objekt;  // in the order given
    double höjd = 0;
};
TabellerPåFot tabellerPåGemensamFot(const Fakturavy& vy, std::vector<Tabellplats> tabeller, double fot,
                                    const std::function<double(double)>& höjdAv = nullptr);

// Where a table stands across the page.
struct Spalt {
    double x = 0;
    double bredd = 0;
};

// Two tables of facts on one foot, as above, made by `tabell` in the
// columns `vänster` and `höger`. When the pair would rise above y
// `överkant` (every way of payment listed, say), the right table's first
// rows go to the end of the left one, one list flowing over both columns,
// for as long as that lowers the pair.
TabellerPåFot faktaPåGemensamFot(const Fakturavy& vy, Datalista vänsterData, Datalista högerData,
                                 const std::function<AttributedString(const Datalista&)>& tabell,
                                 Spalt vänster, Spalt höger, double fot, double överkant);

// The company's name on a line 18 points high (x 55, 271 wide) over two
// tables that stand on y 807 and grow upward together: at x 56 the
// sender's address, organisation and VAT numbers, at x 210 its contact and
// payment details, the first row of each bold. When that would put the
// name above y `namnetUnder`, rows move from the right table to the left.
std::vector<CachatObjekt> företagsnamnÖverAvsändartabeller(const Fakturavy& vy, const TextAttributes& etikettattribut,
                                                            const TextAttributes& värdeattribut,
                                                            const TextAttributes& namnattribut, double adressbredd,
                                                            double kontaktbredd, double namnetUnder);

// The recipient's facts above the sender's, their values lined up in one
// column, each placed by its measured height about a line of the page, so
// that it grows up and down alike however many rows it has.
//
// Name, address, references, customer number, the ROT and RUT facts, the
// recipient's VAT number, purchase order, delivery method, delivery date
// and delivery address.
Datalista mottagarfakta(const Fakturavy& vy);
// Name, registered office, organisation and VAT numbers, telephone, fax,
// e-mail, web site and address, then the payment details.
Datalista avsändarfakta(const Fakturavy& vy);

struct Faktatabeller {
    AttributedString mottagare, avsändare;
};
// Both lists as tables, the first row bold, whose values start at one x.
Faktatabeller mottagarOchAvsändartabeller(const Fakturavy& vy, const TextAttributes& etikettattribut,
                                          const TextAttributes& värdeattribut);

// A table in full text layout whose text, measured at most `gränsbredd`
// wide, has its middle on the point `mitt`; its frame, on whole points, is
// one point higher than the text and `bredd` wide, or one point wider than
// the text without a width.
CachatObjekt tabellKringPunkt(const Fakturavy& vy, AttributedString tabell, Point mitt, double gränsbredd,
                              std::optional<double> bredd = std::nullopt);

// How far a table set at `ram` (measured at its width) must rise for its
// last row to end `marginal` above the page's foot; 0 when it already
// does. A ledger with every way of payment can fill more rows than a
// footer frame holds.
double lyftInomSidan(const Fakturavy& vy, const AttributedString& tabell, const Rect& ram, double marginal);

// A line's frame `ram` under a table that runs down past its own frame to
// y `fot` (every way of payment listed): moved to just below the table when
// the table reaches it, as long as the page keeps the frame whole.
Rect underTabellen(const Fakturavy& vy, Rect ram, double fot);

// How a table's frame meets whole points.
enum class Avrundning {
    överkant,  // its top to the nearest point, halves away from zero
    utåt,      // the whole frame outward to whole points
};
// A table in full text layout, `bredd` wide at x and one point higher than
// its measured height h, with `andelOvanför` of h above the line y = linje.
CachatObjekt tabellVidLinje(const Fakturavy& vy, AttributedString tabell, double x, double bredd, double linje,
                            double andelOvanför, Avrundning avrundning);

}  // namespace mallverktyg
