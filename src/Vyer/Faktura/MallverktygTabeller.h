#pragma once
// Tables placed by their measured size: side by side on a common foot,
// about a line of the page; and the two fact tables of
// templates with a narrow fact column beside the item column.
#include "Vyer/Faktura/Fakturavy.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/Rumsplan.h"

#include <functional>
#include <optional>
#include <vector>

namespace mallverktyg {

// Tables side by side that stand on one foot and share one height, that of
// the tallest (each measured at its own width), so that their tops line
// up: each in a frame from the tallest's top down to `fot`.
struct Tabellplats {
    AttributedString tabell;
    double x = 0;
    double bredd = 0;
};
std::vector<rumsplan::Text> tabellerPåFot(const rumsplan::Plan& plan, std::vector<Tabellplats> tabeller, double fot);

// Tables side by side on the foot `fot` from one top, as high above it as
// `höjd` makes of the tallest's height at its full size (as the plan
// measures it) and at least that, up to `överkant`: each in a room of its
// own from that top, or from the lower `rumstopp` it gives (under a note
// above it), down to the foot, set smaller alone where its room does not
// hold it. The top.
struct Tabellrum {
    AttributedString tabell;
    double x = 0;
    double bredd = 0;
    double rumstopp = 0;
};
double tabellerFrånEnTopp(rumsplan::Plan& plan, std::vector<Tabellrum> tabeller, double fot, double överkant,
                          const std::function<double(double)>& höjd);

// Two tables of facts on one foot (tabellerPåFot), made by `tabell` in
// the columns `vänster` and `höger`, each alone in a room of `plan` from
// their top down to `fot`, rising no higher than y `överkant`: a table too
// wide for its column is set smaller alone, in its place; tables too tall
// for the rooms are set smaller together, then cut. Only when even 70 % of
// their size would rise above it (every way of payment and contact detail
// listed in a narrow foot, say) do the right table's first rows go to the
// end of the left one, one list flowing over both columns, for as long as
// that lowers the pair. Where the left table's room ends at `vänsterFot`
// (above a note beside the foot), both stand on that line when the left
// would reach below it. The rooms' top, for what stands on them.
struct Fotval {
    Spalt vänster, höger;
    double fot = 0;
    double överkant = 0;
    std::optional<double> vänsterFot;
};
double faktaPåFotIRum(rumsplan::Plan& plan, const std::string& namn, Datalista vänsterData, Datalista högerData,
                      const std::function<AttributedString(const Datalista&)>& tabell, const Fotval& val);

// The sender in two tables on a foot (faktaPåFotIRum): at x 46, 162 wide,
// its name, address, organisation and VAT numbers; at x 213, 195 wide, its
// contact and payment details (templates G, EB and EBs).
void avsändarenPåFoten(const Fakturavy& vy, rumsplan::Plan& plan, const TextAttributes& etikettattribut,
                       const TextAttributes& värdeattribut, double fot, double överkant,
                       std::optional<double> vänsterFot = std::nullopt);

// The room of the credit terms the title block sets in `ram`
// (Titelrum::villkor): as high as they reach at their full size, running on
// below the frame as far as their lines go, so that what follows can stay
// below them; none high without terms.
Rect kreditvillkorensRum(const Fakturavy& vy, const rumsplan::Plan& plan, const TextAttributes& attribut,
                         const Rect& ram);

// Widths of the two sender tables under the company's name
// (företagsnamnÖverAvsändartabellerIRum), and the line the name stays below.
struct Avsändartabellval {
    double adressbredd = 0;
    double kontaktbredd = 0;
    double namnetUnder = 0;
};

// The recipient's facts above the sender's, their values lined up in one
// column, each placed by its measured height about a line of the page, so
// that it grows up and down alike however many rows it has.
//
// Name, address, references, customer number, the ROT and RUT facts, the
// recipient's VAT number, purchase order, delivery method, delivery date
// and delivery address.
Datalista mottagarfakta(const Fakturavy& vy);
// The same facts with the purchase order before the recipient's VAT number
// and the delivery date before the delivery method.
Datalista mottagarfaktaMedInköpsordernFörst(const Fakturavy& vy);
// Name, registered office, organisation and VAT numbers, telephone, fax,
// e-mail, web site and address, then the payment details.
Datalista avsändarfakta(const Fakturavy& vy);

struct Faktatabeller {
    AttributedString mottagare, avsändare;
};
// Both lists as tables, the first row bold, whose values start at one x.
Faktatabeller mottagarOchAvsändartabeller(const Fakturavy& vy, const TextAttributes& etikettattribut,
                                          const TextAttributes& värdeattribut);
// The same with the recipient's facts as `mottagare` lists them (as
// mottagarfaktaMedInköpsordernFörst, say).
Faktatabeller mottagarOchAvsändartabeller(const Fakturavy& vy, const TextAttributes& etikettattribut,
                                          const TextAttributes& värdeattribut, const Datalista& mottagare);

// Tables stacked in a column room, each a block (Rumsplan.h) standing as
// `val` says: in one room where they all fit at full size, else each set
// smaller alone in its own part of the column, from where it stands at
// full size, so that a table too wide for the column does not make the
// others smaller with it.
struct Kolumntabell {
    std::string namn;
    AttributedString tabell;
    Rect ram;
    rumsplan::Blockval val;
};
void tabellerIKolumn(rumsplan::Plan& plan, const Rect& rum, std::vector<Kolumntabell> tabeller);

// The two tables in one column room, each about its line (`andel` of it
// above the line, its top rounded as `avrundning` says); the sender's
// starts on the whole point 13 below a recipient's that reaches down to it.
struct Kolumnlinjer {
    double mottagare, avsändare;
    double andelAvAvsändarenOvanför = 0.5;
};
void faktatabellerIKolumn(rumsplan::Plan& plan, Faktatabeller tabeller, const Rect& rum, Kolumnlinjer linjer,
                          rumsplan::Avrundning avrundning);

// The invoice's references, dates and numbers in three columns (Trekolumnsval,
// Fakturavy.h) as blocks of `rummen`, each column in the room its place
// lies in, moved down to `avstånd` under the blocks above them there (an
// address that runs on into the band), up from the room's foot no higher
// than the band's top, and set smaller with the room. In one room they
// stand with the tallest centred on its line at the size the room sets
// them; in rooms of their own, where they stand at full size.
void faktakolumnerIRum(Fakturavy& vy, const rumsplan::Plan& plan, const std::vector<rumsplan::Rum*>& rummen,
                       const TextAttributes& rubrikattribut, const TextAttributes& värdeattribut,
                       const Trekolumnsval& val, double avstånd);
// The columns alone in a room of their band (`val.inom`), from the first
// column's left edge to the last one's right.
void faktakolumnerIBandet(Fakturavy& vy, rumsplan::Plan& plan, const TextAttributes& rubrikattribut,
                          const TextAttributes& värdeattribut, const Trekolumnsval& val);

// Addresses over the three fact columns (templates O and P), in rooms
// from x `vänster` to `höger` and from y `överkant` down to the band's
// foot: addresses that end above the band stand in a room of their own
// (with `färdiga`, captions the template placed among them) and the
// columns in the band's. An address that runs on into the band shares a
// room with the columns below it alone, the rooms meeting at the x of
// `delning`, and all are set smaller together; where even 70 % would cut
// them, the columns' rows flow between neighbouring columns as one list,
// the fewest moved at which every room holds its own. Columns that end
// below the band's foot take room below it, by whole points, as far as
// `gräns` (what stands below moving down with it): the foot the rooms
// reach down to.
struct AdresserÖverFakta {
    std::vector<rumsplan::Text> adresser;
    std::vector<CachatObjekt> färdiga;
    double vänster = 0, höger = 0, överkant = 0;
    std::vector<double> delning;
    double gräns = 0;
};
double faktakolumnerUnderAdresser(Fakturavy& vy, rumsplan::Plan& plan, AdresserÖverFakta adresser,
                                  const TextAttributes& rubrikattribut, const TextAttributes& värdeattribut,
                                  const Trekolumnsval& val);

// The company's name on a line 18 points high (x 55, 271 wide) over two
// tables that stand on y 807 and grow upward together: at x 56 the
// sender's address, organisation and VAT numbers, `adressbredd` wide, at
// x 210 its contact and payment details, `kontaktbredd` wide, the first row
// of each bold. Two rooms of `plan` from y `namnetUnder` down to the
// tables' foot, split where the tables' top is, but a line below
// `namnetUnder` at most: the tables are set smaller and cut in theirs, the
// name keeping its size above them, a long one wrapping upward in its own
// (Rumsplan.h).
void företagsnamnÖverAvsändartabellerIRum(const Fakturavy& vy, rumsplan::Plan& plan,
                                          const TextAttributes& etikettattribut,
                                          const TextAttributes& värdeattribut,
                                          const TextAttributes& namnattribut, const Avsändartabellval& val);

// Facts with their captions (Fakturavy::faktarader, a dot leader, say) as
// blocks of `rum`, a row each: every row stands on its line, a value of
// several lines pushing the rows below it down, and the room sets them
// smaller and cuts them as it does any block; each row keeps `avstånd`
// under the one above it, the first `förstaAvstånd` under what the room
// holds before it. How many rows, and where their frames end as set (the
// rows' top without rows).
struct Faktaraderna {
    size_t antal = 0;
    double fot = 0;
};
Faktaraderna faktaraderIRum(const Fakturavy& vy, rumsplan::Rum& rum, const Datalista& data, const TextAttributes& etikett,
                            const TextAttributes& värde, const Dataradsval& val, double avstånd = 0,
                            double förstaAvstånd = 0);

// The giro templates' sender tables side by side from y `y`, each in a
// frame `ramhöjd` high and a room down to `fot`: the sender's name and
// contact details in `vänster`, its registration and payment details in
// `höger`. Both are set smaller together, so that their rows line up.
struct Avsändartabeller {
    Spalt vänster, höger;
    double y = 0, ramhöjd = 0, fot = 0;
};
void avsändartabellerSidaVidSida(const Fakturavy& vy, rumsplan::Plan& plan, const TextAttributes& etikettattribut,
                                 const TextAttributes& värdeattribut, const Avsändartabeller& val);

// The giro templates' two lists of facts with dot leaders, rows 12 points
// high: each caption in a column 110 wide followed by a space and a leader
// that runs to the value column, the value 90 wide beside it; facts
// without a value are left out. One room of `plan` at x from `förstaY` to
// `fot` (the foot of its rows' frames), each list a block: the first from
// `förstaY`, the second from `andraY`, or higher when it would end below
// the foot, no nearer than `mellanrum` under the first. A value too wide
// for its column wraps there and pushes the rows below it down; the room
// sets them smaller and cuts them as any blocks.
struct Punktledarlistor {
    double x = 0;
    double förstaY = 0;
    double andraY = 0;
    double fot = 0;
    double mellanrum = 0;
};
rumsplan::Rum& faktalistorMedPunktledare(const Fakturavy& vy, rumsplan::Plan& plan, const Datalista& första,
                                         const Datalista& andra, const TextAttributes& etikettattribut,
                                         const TextAttributes& värdeattribut, const Punktledarlistor& val);

}  // namespace mallverktyg
