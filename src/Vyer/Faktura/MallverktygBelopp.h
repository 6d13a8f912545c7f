#pragma once
// What the last page of an invoice sets below its rows: the amount rows
// and the VAT summary, on the caller's plan.
#include "Vyer/Faktura/Fakturavy.h"
#include "Vyer/Faktura/Rumsplan.h"

#include <optional>
#include <vector>

namespace mallverktyg {

// The amount rows (Fakturavy::beloppfältMedRubrikattribut), captions and
// values from `ram`, and the VAT summary, if the invoice has one, in
// `ruta`: each in a room of what it takes on the last page. A delivery
// note has neither, so that its rows and message keep clear of nothing.
struct Beloppsrader {
    TextAttributes rubrik, värde;
    Rect ram;
    Beloppsradsval val = {};
};
struct Momsruta {
    TextAttributes rubrik, sammanfattning;
    Rect ruta;
    Momsval val = {};
};
void beloppOchMoms(rumsplan::Plan& plan, const Fakturavy& vy, const Beloppsrader& belopp, const Momsruta& moms);
// The same for amount rows and a summary a template has set itself.
void beloppOchMoms(rumsplan::Plan& plan, Fakturavy::Beloppsfält belopp, std::optional<std::vector<CachatObjekt>> moms);

}  // namespace mallverktyg
