#pragma once
// Two addresses side by side, each with its caption running upward in a
// strip along its left edge (templates G, EB and EBs).
#include "Vyer/Faktura/Rumsplan.h"

#include <string>

namespace mallverktyg {

// The captions' frames lie in a system turned a quarter about `vid`, so
// that they read upward (textUppåt): the delivery address's at (0,
// `leveransrubrikensY`, 100, 14), the invoice address's at (0, 0, 100, 14).
// Each address stands alone in a room from its frame's top down to `fot`,
// where a long one is set smaller, run together where even 70 % of its
// lines do not fit (MallverktygAdress.h), then cut.
struct Adressremsor {
    Point vid;
    double leveransrubrikensY = 0;
    Rect leverans, faktura;
    double fot = 0;
};

// The addresses the invoice has, written for the sender's country, with
// their captions on `plan`; the invoice address's caption is
// `fakturarubrik`. Whether there is a delivery address.
bool adresserMedRubrikerUppåt(rumsplan::Plan& plan, const Fakturavy& vy, const TextAttributes& adress,
                              const TextAttributes& rubrik, const std::string& fakturarubrik,
                              const Adressremsor& val);

}  // namespace mallverktyg
