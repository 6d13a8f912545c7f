#pragma once
// Small pieces the built-in templates share: their text and panel objects,
// and facts that several of them list in the same way.
#include "Vyer/Faktura/Fakturavy.h"

#include <optional>
#include <string>
#include <string_view>

namespace mallverktyg {

// A text set in a frame with one attribute set.
CachatObjekt text(std::string_view text, const TextAttributes& attribut, const Rect& ram);
// A rectangle with rounded corners, filled, without an outline.
CachatObjekt panel(const Rect& ram, double hörnradie, const Color& fyllning);

// A date as invoices print it; none for none.
std::optional<std::string> datum(const std::optional<Datum>& datum);

// The ROT and RUT facts in the order the templates list them: first and
// second personal identity number (ROT or RUT), property designation (ROT
// on a house), flat number (ROT on a tenant-owned flat). A pair whose fact
// does not apply has no value.
Datalista rotOchRutUppgifter(const Fakturavy& vy);

// The country the sender's address is written for: the recipient's when
// the invoice has a recipient address, else the ledger's own.
std::string landFörAvsändaradressen(const Fakturavy& vy);

}  // namespace mallverktyg
