#pragma once
// The door to the drawing side: the one header of it the ledger side
// includes. The tool reaches the entry in the invoice module, which it
// loads only for the latest-invoice job (Kommandorad/Fakturamodul.h).
// What crosses: the ledger's invoice and document, by reference and read
// only, which the module reads through the ledger's own code, exported by
// the tool (so each of the ledger's objects exists once in the process);
// back comes a Fakturautskrift of standard types. No exception crosses.
// Why not plain values: docs/ARCHITECTURE.md, "The door".
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

// The module also carries the stamp in an ELF note, which the tool reads
// from the file before it loads it (Plattform/BuildStampNote.h).
