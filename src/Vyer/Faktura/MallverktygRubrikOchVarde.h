#pragma once
// Captions with their values in one text: on one line (a caption, a space
// and the value in its own attributes), or stacked (the caption in
// capitals over its value), and stacks of such texts placed by their
// measured heights.
#include "Vyer/Faktura/Fakturavy.h"
#include "Vyer/Faktura/Mallverktyg.h"

#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace mallverktyg {

// "Caption value": the caption and one space, then the value.
AttributedString rubrikOchVärde(std::string_view rubrik, const TextAttributes& rubrikattribut, std::string_view värde,
                                const TextAttributes& värdeattribut);

// The caption in capitals and a paragraph separator, then the value.
AttributedString rubrikÖverVärde(std::string_view rubrik, const TextAttributes& rubrikattribut, std::string_view värde,
                                 const TextAttributes& värdeattribut);
// One such text for each fact with both caption and value (an empty value
// counts), in the list's order.
std::vector<AttributedString> rubrikerÖverVärden(const Datalista& data, const TextAttributes& rubrikattribut,
                                                 const TextAttributes& värdeattribut);

// Rows of texts one below the other from y `överkant`: the texts of a row
// side by side from x, each in a frame `bredd` wide, the next
// `kolumnsteg` further right; each row as high as its tallest text h,
// measured at that width, its frames h + 1 high, the next row starting
// h + `avstånd` lower (a row without text takes no room). A stack that
// would end below `fot` is set smaller, its texts and gaps by one factor,
// until it ends there, but never below 70 %; what then still passes the
// foot is cut (Textpassning.h): the row that crosses it keeps the lines
// that end above it, the last of them ending in an ellipsis, and the rows
// after it are left out. For rows with no place of their own; blocks that
// have one stand in a room of the plan (Rumsplan.h).
struct Stapelval {
    double x = 0;
    double överkant = 0;
    double bredd = 0;
    double avstånd = 0;
    double fot = std::numeric_limits<double>::infinity();
    double kolumnsteg = 0;
};
struct Stapel {
    std::vector<CachatObjekt> objekt;  // row by row, left to right
    double slut = 0;                   // the foot of the last row's frames; `överkant` without rows
    bool avkortad = false;
};
Stapel stapladeRader(const Fakturavy& vy, std::vector<std::vector<AttributedString>> rader, const Stapelval& val);
// One text to a row.
std::vector<CachatObjekt> staplade(const Fakturavy& vy, std::vector<AttributedString> texter, const Stapelval& val);

// The payment term and the due date on one line:
// "Payment terms 30 days  •  Due date 2024-03-05".
std::string villkorOchFörfallodatum(const Fakturavy& vy);

// The foot of an item column at the right, on every page of an invoice:
// the payment term and the due date on one line at (x, 698, bredd, 17),
// "Payment terms 30 days  •  Due date 2024-03-05", and above it the amount
// to pay at (x, 679, bredd, 21), its caption and a space in one face, the
// amount in another. Nothing on a delivery note.
std::vector<CachatObjekt> villkorOchAttBetala(const Fakturavy& vy, Spalt spalt,
                                              const TextAttributes& villkorsattribut,
                                              const TextAttributes& beloppsrubrikattribut,
                                              const TextAttributes& beloppsattribut);

}  // namespace mallverktyg
