#pragma once
// The amount to pay as several templates set it: its caption at the left
// and the amount at the right of one frame.
#include "Vyer/Faktura/Fakturavy.h"
#include "Vyer/Faktura/Rumsplan.h"

#include <string>

namespace mallverktyg {

// The caption `rubrik` and the invoice's amount to pay, one block of a
// room of `ram` on the pages `sidor`.
void attBetalaIRam(rumsplan::Plan& plan, const Fakturavy& vy, std::string rubrik, const TextAttributes& rubrikattribut,
                   const TextAttributes& beloppsattribut, const Rect& ram, Sidslag sidor = Sidslag::alla);

}  // namespace mallverktyg
