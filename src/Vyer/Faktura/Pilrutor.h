#pragma once
// Template E's amount to pay: two arrow boxes (Pilbana.h) mirrored about
// the page's middle, as wide as the wider caption and 24 points more, the
// black one pointing up at the amount, the white one down at the due
// date; the payment terms centred under the black one.
#include "Vyer/Faktura/Fakturavy.h"
#include "Vyer/Faktura/Rumsplan.h"

struct Pilrutsattribut {
    TextAttributes vitRubrik, rubrik, stor, villkor;
};

// The boxes and their texts on `plan`, in drawing order.
void pilrutor(const Fakturavy& vy, rumsplan::Plan& plan, const Pilrutsattribut& attribut);
