#pragma once
// How high a template's item data area is, told by the page count: the
// invoice's only item is one cell of a pinned height, and the last row of
// a page needs 3 points below it. A data area h high holds an item h - 3
// high on one page and puts one h - 2 high on a second.
#include "Vyer/Faktura/Fakturavy.h"

#include "FastMatare.h"
#include "Provfaktura.h"

inline int sidorMedEnPostSomÄr(prov::Faktura faktura, const Bokföring& bok, FastMätare& mätare, double höjd) {
    prov::Post post;
    post.artikelnamn_ = "Hög";
    faktura.poster = {post};
    faktura.kolumner_ = {Fakturakolumn::artikelnamn};
    mätare.fasta["Hög"] = {40, höjd};
    Fakturavy vy(faktura, bok, false, mätare);
    return vy.antalSidor();
}
