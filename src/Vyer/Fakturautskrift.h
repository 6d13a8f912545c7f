#pragma once
// The one way into the invoice view from the rest of the program: an
// invoice in, its PDF out. The tool reaches it in the invoice module,
// which it loads only for the latest-invoice job (Kommandorad/Fakturamodul.h);
// what crosses is plain values, and no exception crosses.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class Bokföring;
class Faktura;

struct Fakturautskrift {
    std::vector<uint8_t> pdf;
    // Why the ledger's logo is not on the invoice, when it is not.
    std::optional<std::string> utelämnadLogotyp;
    // Why there is no PDF: the message the tool prints.
    std::optional<std::string> fel;
};

// Lays the invoice out as a PDF. Never throws.
void skrivFakturan(const Faktura& faktura, const Bokföring& bokföring, Fakturautskrift& ut);

using Fakturautskriftsfunktion = void (*)(const Faktura&, const Bokföring&, Fakturautskrift&);

// The name the module gives skrivFakturan by holds the build's stamp (a
// bare word defined for the two files that use it), so a module of another
// build is not taken for this one's.
#define KONTOBOK_MODULE_ENTRY_I(stamp) kontobok_fakturautskrift_##stamp
#define KONTOBOK_MODULE_ENTRY(stamp) KONTOBOK_MODULE_ENTRY_I(stamp)
