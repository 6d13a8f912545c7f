#pragma once
// The company's details as three tables side by side at a page's foot.
#include "Vyer/Faktura/Fakturavy.h"
#include "Vyer/Faktura/Rumsplan.h"

#include <array>

namespace mallverktyg {

// Its registered office and contact details, its address and registration
// numbers, and its ways of payment, in that order left to right: each
// table a block in its frame `ram`, in a room `rum` of `plan`.
struct Fottabell {
    Rect rum, ram;
};
void företagetsTabeller(const Fakturavy& vy, rumsplan::Plan& plan, const TextAttributes& etikettattribut,
                        const TextAttributes& värdeattribut, const std::array<Fottabell, 3>& platser);

}  // namespace mallverktyg
