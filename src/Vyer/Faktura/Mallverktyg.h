#pragma once
// Small pieces the built-in templates share: their text and panel objects,
// and facts that several of them list in the same way.
#include "Modell/Adress.h"
#include "Vyer/Faktura/Fakturavy.h"

#include <optional>
#include <string>
#include <string_view>

namespace mallverktyg {

// A text set in a frame with one attribute set.
CachatObjekt text(std::string_view text, const TextAttributes& attribut, const Rect& ram);
// A rectangle with rounded corners, filled, without an outline.
CachatObjekt panel(const Rect& ram, double hörnradie, const Color& fyllning);
// A table made by tabellMedData, laid out in full text layout in its frame.
CachatObjekt tabell(AttributedString tabell, const Rect& ram);
// A text set in `ram` of a system turned by `vinkel` radians (negative:
// counter-clockwise on the page) about the page point `vid`, which is the
// system's origin.
CachatObjekt roteradText(std::string_view text, const TextAttributes& attribut, const Rect& ram, Point vid,
                         double vinkel);

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

// One of the invoice's addresses (recipient or delivery) written for the
// ledger's country, attention line first; none for none.
std::optional<std::string> adressFrånAvsändaren(const Fakturavy& vy, const std::optional<Adress>& adress);

// The sender as the footer tables list it: name, the ledger's address
// written for the recipient's country, organisation number, VAT number.
Datalista avsändaruppgifter(const Fakturavy& vy);
// Telephone, fax, e-mail and web site of the ledger.
Datalista kontaktuppgifter(const Fakturavy& vy);

}  // namespace mallverktyg
