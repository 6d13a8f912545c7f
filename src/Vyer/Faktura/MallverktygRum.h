#pragma once
// Whether a room holds its texts at all: where it does not, a template
// gives them more room.
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Textpassning.h"

namespace mallverktyg {

// Whether `rum` holds its blocks at all, set as small as the fitter sets
// any.
inline bool rymsAlls(const rumsplan::Plan& plan, const rumsplan::Rum& rum) { return plan.rymmer(rum, minstaProcent); }

}  // namespace mallverktyg
