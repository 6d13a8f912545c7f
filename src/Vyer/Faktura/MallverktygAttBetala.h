#pragma once
// A caption and its value on one line, as several templates set the amount
// to pay or the due date: the caption at the left of one frame, the value
// at its right.
#include "Vyer/Faktura/Fakturavy.h"
#include "Vyer/Faktura/Rumsplan.h"

#include <string>

namespace mallverktyg {

// A caption and its value at the two ends of one frame (the value in
// right-aligned attributes): one block of a room of `ram` on the pages
// `sidor`.
void rubrikOchVärdeIRam(rumsplan::Plan& plan, std::string namn, AttributedString rubrik, AttributedString värde,
                        const Rect& ram, Sidslag sidor = Sidslag::alla);

// So the caption `rubrik` and the invoice's amount to pay; nothing on a
// delivery note.
void attBetalaIRam(rumsplan::Plan& plan, const Fakturavy& vy, std::string rubrik, const TextAttributes& rubrikattribut,
                   const TextAttributes& beloppsattribut, const Rect& ram, Sidslag sidor = Sidslag::alla);

}  // namespace mallverktyg
