#pragma once
// A band of facts along the page in which a long value wraps instead of
// crowding out the facts after it, and which takes more rows rather than
// leave a fact out.
#include "Vyer/Faktura/Fakturavy.h"
#include "Vyer/Faktura/MallverktygFakta.h"

#include <vector>

namespace mallverktyg {

// The facts of `fakta` with caption and value, each its caption over its
// value after the separator (scaled by `skala`, centred on the row's
// middle), running right from the band's left edge, each as wide as its
// text.
//
// On one row, as Fakturavy::datalistMedKolumndata lays them, when they fit
// there: a value wider than 80 points is a long one, which counts for the
// row only what its caption takes; the facts then share the band's frame,
// or, if they need more, the width up to 6 points from the page's edge (as
// far as any fact may reach),
// the long values narrowed the widest first, each reaching down to y `fot`.
// Where a long value would break a word or pass the foot, the band is set
// smaller, all of it by one factor down to 70 %.
//
// Facts that do not fit one row so flow on to more rows below it, each
// fact whole on its row and no wider than the row, every row as high as
// its tallest fact, down to y `nederst`; rows that pass it are set
// smaller, all by one factor down to 70 %, and past that the tallest facts
// are cut with an ellipsis to one height, the largest at which the rows
// end there. No fact is left out.
// For facts the ledger and the customer fill in; a strip of the invoice's
// own dates, number and terms, which no ledger makes long, running from
// the page's edge leftward and telling where it begins, is
// datalistMedKolumndata's as it is (CL, Gu).
struct Faktabandval {
    Rect ram;  // given upward from the page's foot, as datalistMedKolumndata takes it
    double fot = 0;
    double nederst = 0;
    double skala = 1;
};
struct Faktabandet {
    std::vector<CachatObjekt> objekt;
    double överkant = 0;  // the separators' tops
    double nederkant = 0;  // of its lowest text or separator
};
Faktabandet faktaband(const Fakturavy& vy, const std::vector<Fakt>& fakta, const TextAttributes& rubrikattribut,
                      const TextAttributes& värdeattribut, const BezierPath& separator, const Color& färg,
                      const Faktabandval& val);

}  // namespace mallverktyg
