#pragma once
// A band of facts along the page in which a long value wraps instead of
// crowding out the facts after it.
#include "Vyer/Faktura/Fakturavy.h"
#include "Vyer/Faktura/MallverktygFakta.h"

#include <vector>

namespace mallverktyg {

// The facts of `fakta` with caption and value, each its caption over its
// value after the separator (scaled by `skala`, centred on the band's
// middle), running right from the band's left edge, as
// Fakturavy::datalistMedKolumndata lays them: each as wide as its text, and
// facts that would cross the page's edge give way from the end, never the
// invoice number or date (alltidMed).
//
// A value wider than 80 points is a long one: it wraps, and counts for the
// room only what its caption takes, so that it crowds out no fact a short
// one leaves in. The facts then share the band's frame, or, if they need
// more, the width up to 6 points from the page's edge, the long values
// narrowed the widest first, each reaching down to y `fot`. Where a long
// value would break a word or pass the foot, the band is set smaller, all
// of it by one factor down to 70 %, and at last such a value is cut there.
// For facts the ledger and the customer fill in; a strip of the invoice's
// own dates, number and terms, which no ledger makes long, running from
// the page's edge leftward and telling where it begins, is
// datalistMedKolumndata's as it is (CL, Gu).
struct Faktabandval {
    Rect ram;  // given upward from the page's foot, as datalistMedKolumndata takes it
    double fot = 0;
    double skala = 1;
};
std::vector<CachatObjekt> faktaband(const Fakturavy& vy, const std::vector<Fakt>& fakta,
                                    const TextAttributes& rubrikattribut, const TextAttributes& värdeattribut,
                                    const BezierPath& separator, const Color& färg, const Faktabandval& val);

}  // namespace mallverktyg
