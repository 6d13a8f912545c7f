#pragma once
// Tables placed by their measured size: side by side on a common foot,
// about a line of the page or about a point; and the two fact tables of
// templates with a narrow fact column beside the item column.
#include "Vyer/Faktura/Fakturavy.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/Rumsplan.h"

#include <functional>
#include <limits>
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
    bool passar = true;  // false when they rise above the height they were given
};
TabellerPåFot tabellerPåGemensamFot(const Fakturavy& vy, std::vector<Tabellplats> tabeller, double fot,
                                    const std::function<double(double)>& höjdAv = nullptr);
// The same, rising no higher than `högst` above the foot: taller tables
// are all set smaller by one factor until the tallest fits (Textpassning.h).
// Only tables too tall even at 70 % rise above it, at 70 % (`passar`
// false), and no higher than `yttersta` above the foot: there they are
// cut, their last line that fits ending in an ellipsis.
TabellerPåFot tabellerPåGemensamFotInom(const Fakturavy& vy, std::vector<Tabellplats> tabeller, double fot,
                                        double högst,
                                        double yttersta = std::numeric_limits<double>::infinity());
// Tables side by side on one foot in frames of the height `höjdAv` makes
// of the tallest's (each measured at its own width), or fixed; each set
// smaller to fit its frame (Textpassning.h). Only tables too tall for it
// even at 70 % raise the frames to their height so set, no higher than
// `högst` above the foot, where they are cut (`passar` false).
TabellerPåFot tabellerPåGemensamFotEfterRegel(const Fakturavy& vy, std::vector<Tabellplats> tabeller, double fot,
                                              const std::function<double(double)>& höjdAv, double högst);

// Two tables of facts on one foot, as above, made by `tabell` in the
// columns `vänster` and `höger`, rising no higher than y `överkant`. Only
// when even 70 % of their size would rise above it (every way of payment
// and contact detail listed in a narrow foot, say) do the right table's
// first rows go to the end of the left one, one list flowing over both
// columns, for as long as that lowers the pair.
struct Fotval {
    Spalt vänster, höger;
    double fot = 0;
    double överkant = 0;
};
TabellerPåFot faktaPåGemensamFot(const Fakturavy& vy, Datalista vänsterData, Datalista högerData,
                                 const std::function<AttributedString(const Datalista&)>& tabell, const Fotval& val);

// The company's name on a line 18 points high (x 55, 271 wide) over two
// tables that stand on y 807 and grow upward together: at x 56 the
// sender's address, organisation and VAT numbers, `adressbredd` wide, at
// x 210 its contact and payment details, `kontaktbredd` wide, the first row
// of each bold. The name stays below y `namnetUnder`, the tables set
// smaller or their rows moved as above; a name too long for its line
// wraps upward while it stays below it, then is set smaller and cut
// (MallverktygRum.h).
struct Avsändartabellval {
    double adressbredd = 0;
    double kontaktbredd = 0;
    double namnetUnder = 0;
};
std::vector<CachatObjekt> företagsnamnÖverAvsändartabeller(const Fakturavy& vy, const TextAttributes& etikettattribut,
                                                            const TextAttributes& värdeattribut,
                                                            const TextAttributes& namnattribut,
                                                            const Avsändartabellval& val);

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

// The two tables in one column room, each about its line (`andel` of it
// above the line, its top rounded as `avrundning` says); the sender's
// starts on the whole point 13 below a recipient's that reaches down to it.
struct Kolumnlinjer {
    double mottagare, avsändare;
    double andelAvAvsändarenOvanför = 0.5;
};
std::vector<CachatObjekt> faktatabellerIKolumn(Fakturavy& vy, Faktatabeller tabeller, const Rect& rum,
                                               Kolumnlinjer linjer, rumsplan::Avrundning avrundning);

// A table in full text layout whose text, measured at most `gränsbredd`
// wide, has its middle on the point `mitt`; its frame, on whole points, is
// one point higher than the text and `bredd` wide, or one point wider than
// the text without a width. A table whose frame would be higher than
// `högst` or whose lines are wider than `gränsbredd` is set smaller
// (Textpassning.h) until it is not, a value too wide even at 70 % wrapping
// in its column. One too high for `högst` even so is measured at most
// `bredast` wide, where the page has that room, and what does not fit
// even then is cut at `högst`.
struct Punktval {
    Point mitt;
    double gränsbredd = 0;
    std::optional<double> bredd;
    double högst = std::numeric_limits<double>::infinity();
    double bredast = 0;
};
CachatObjekt tabellKringPunkt(const Fakturavy& vy, AttributedString tabell, const Punktval& val);

// The height a table drawn with full text layout needs in the frame
// `ram`: the frame's own, or, when the table does not fit it even set at
// 70 % (Textpassning.h; a ledger with every way of payment, say), its
// height so set, for the frame to grow to.
double höjdSomRymmer(const Fakturavy& vy, const AttributedString& tabell, const Rect& ram);

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
struct Linjeval {
    double x = 0;
    double bredd = 0;
    double linje = 0;
    double andelOvanför = 0;
    Avrundning avrundning = Avrundning::överkant;
};
CachatObjekt tabellVidLinje(const Fakturavy& vy, AttributedString tabell, const Linjeval& val);

// Tables placed so about lines of the page, whose value columns line up,
// each kept between the y `överst` and `nederst`: when one is too tall for
// its room or too wide for its width, all are set smaller by one factor
// (Textpassning.h), then each stands about its line as far as its room
// allows, moved inside it otherwise. A value too wide even at 70 % wraps
// in its column. A table too tall for its room even at 70 % first takes
// the width `bredast`, where the page has it, and is cut where even that
// is not enough.
struct TabellVidLinje {
    AttributedString tabell;
    Linjeval val;
    double överst = 0;
    double nederst = 0;
    double bredast = 0;
};
std::vector<CachatObjekt> tabellerVidLinjer(const Fakturavy& vy, std::vector<TabellVidLinje> tabeller);
// Two tables, each placed about its line as above, the lower one never
// starting less than `mellanrum` below the upper one's end: a long list of
// facts above pushes the table below it down instead of running into it.
// Both keep to the column's room: the upper starts no higher than
// `överst`; a lower one that would end below `nederst` rises to end there,
// then the upper rises too; when that is not enough both are set smaller
// by one factor (Textpassning.h), a value too wide even at 70 % wrapping
// in its column; past 70 % each is cut to a share of the room as large as
// its share of their heights, or the lower one alone in what is left.
struct Kolumnrum {
    double överst = -std::numeric_limits<double>::infinity();
    double nederst = std::numeric_limits<double>::infinity();
};
std::vector<CachatObjekt> tabellUnderTabell(const Fakturavy& vy, AttributedString övre, const Linjeval& övreVal,
                                            AttributedString undre, const Linjeval& undreVal, double mellanrum,
                                            const Kolumnrum& rum = {});

}  // namespace mallverktyg
