// The program's translation tables, one block per language. Keys are the
// English texts as the program looks them up; "no" and "nb" are both
// Norwegian Bokmål and carry the same texts. Notes printed on invoices
// have no closing full stop in translation: they stand alone on a line.
#include "Plattform/Lokalisering.h"

namespace {

constexpr const char* kFSkatt = "Registered for tax.";
constexpr const char* kMoms = "Registered for VAT.";
constexpr const char* kTitel = "Invoice #%@";
constexpr const char* kFortsätterPå = "\u2026 continued on page %d";
constexpr const char* kFortsättningFrån = "\u2026 continued from page %d";

#define NORSKA(nyckel, text) {"no", nyckel, text}, {"nb", nyckel, text}

constexpr Översättningsrad kRader[] = {
    {"da", kFSkatt, "Godkendt for F-skat"},
    {"da", kMoms, "Momsregistreret"},
    {"da", kTitel, "Faktura nr. %@"},
    {"da", kFortsätterPå, "\u2026 fortsættes på side %d"},
    {"da", kFortsättningFrån, "\u2026 fortsat fra side %d"},

    {"de", kFSkatt, "Steuerlich registriert"},
    {"de", kMoms, "Umsatzsteuerlich registriert"},
    {"de", kTitel, "Rechnung Nr. %@"},
    {"de", kFortsätterPå, "\u2026 Fortsetzung auf Seite %d"},
    {"de", kFortsättningFrån, "\u2026 Fortsetzung von Seite %d"},

    {"en", kFSkatt, "Registered for tax."},
    {"en", kMoms, "Registered for VAT."},
    {"en", kTitel, "Invoice #%@"},
    {"en", kFortsätterPå, "\u2026 continued on page %d"},
    {"en", kFortsättningFrån, "\u2026 continued from page %d"},

    {"es", kFSkatt, "Registrado a efectos fiscales"},
    {"es", kMoms, "Registrado a efectos del IVA"},
    {"es", kTitel, "Factura n.º %@"},
    {"es", kFortsätterPå, "\u2026 continúa en la página %d"},
    {"es", kFortsättningFrån, "\u2026 continuación de la página %d"},

    {"fi", kFSkatt, "Merkitty ennakkoperintärekisteriin"},
    {"fi", kMoms, "Merkitty arvonlisäverorekisteriin"},
    {"fi", kTitel, "Lasku nro %@"},
    {"fi", kFortsätterPå, "\u2026 jatkuu sivulla %d"},
    {"fi", kFortsättningFrån, "\u2026 jatkoa sivulta %d"},

    {"fr", kFSkatt, "Enregistré à des fins fiscales"},
    {"fr", kMoms, "Assujetti à la TVA"},
    {"fr", kTitel, "Facture n° %@"},
    {"fr", kFortsätterPå, "\u2026 suite à la page %d"},
    {"fr", kFortsättningFrån, "\u2026 suite de la page %d"},

    {"it", kFSkatt, "Registrato ai fini fiscali"},
    {"it", kMoms, "Registrato ai fini IVA"},
    {"it", kTitel, "Fattura n. %@"},
    {"it", kFortsätterPå, "\u2026 continua a pagina %d"},
    {"it", kFortsättningFrån, "\u2026 continua da pagina %d"},

    {"nl", kFSkatt, "Geregistreerd voor belastingdoeleinden"},
    {"nl", kMoms, "Geregistreerd voor de btw"},
    {"nl", kTitel, "Factuur nr. %@"},
    {"nl", kFortsätterPå, "\u2026 vervolg op pagina %d"},
    {"nl", kFortsättningFrån, "\u2026 vervolg van pagina %d"},

    NORSKA(kFSkatt, "Godkjent for F-skatt"),
    NORSKA(kMoms, "Registrert i Merverdiavgiftsregisteret"),
    NORSKA(kTitel, "Faktura nr. %@"),
    NORSKA(kFortsätterPå, "\u2026 fortsetter på side %d"),
    NORSKA(kFortsättningFrån, "\u2026 fortsatt fra side %d"),

    {"sv", kFSkatt, "Godkänd för F-skatt"},
    {"sv", kMoms, "Registrerad för mervärdesskatt"},
    {"sv", kTitel, "Faktura nr %@"},
    {"sv", kFortsätterPå, "\u2026 fortsätter på sida %d"},
    {"sv", kFortsättningFrån, "\u2026 fortsättning från sida %d"},
};

#undef NORSKA

}  // namespace

std::span<const Översättningsrad> inbyggdaÖversättningar() { return kRader; }
