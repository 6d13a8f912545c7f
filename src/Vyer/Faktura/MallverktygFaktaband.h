#pragma once
// A band of facts along the page which takes more rows rather than leave a
// fact out.
#include "Vyer/Faktura/Fakturavy.h"
#include "Vyer/Faktura/Rumsplan.h"

namespace mallverktyg {

// A stroke 52 points high with a notch pointing right at its middle: the
// separator of a band of facts.
BezierPath skåra();

// The facts of `data` with caption and value, each its caption over its
// value after the separator (scaled by `skala`, centred on the row's
// middle), running right from the band's left edge, each as wide as its
// text: on one row where they all fit before the page's margin, else on as
// many rows as they take, each fact whole on its row and no wider than it,
// a row as high as its tallest fact and the band's frame, 10 points above
// the next. Each row is a room of `plan`, the rows set smaller together;
// rows that would pass y `nederst` are given less height, the tallest
// first down to one height, for the plan to set them smaller and cut them
// there rather than leave a fact out. Where the band ends: y `fot` for an
// ordinary row, else the foot of its last row or separator.
struct Faktabandval {
    Rect ram;  // given upward from the page's foot, as datalistMedKolumndata takes it
    double fot = 0;
    double nederst = 0;
    double skala = 1;
};
double faktaband(rumsplan::Plan& plan, const Fakturavy& vy, const Datalista& data,
                 const TextAttributes& rubrikattribut, const TextAttributes& värdeattribut,
                 const BezierPath& separator, const Color& färg, const Faktabandval& val);

}  // namespace mallverktyg
