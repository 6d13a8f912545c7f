#include "Kommandorad/Dokument.h"

#include "Fillagring.h"

#include <stdexcept>

Dokument läsDokument(std::span<const uint8_t> fil) {
    Bokfil bokfil = läsBokfil(fil);
    // NOT YET AVAILABLE: the ledger's body reader. When it exists, build the
    // document from `bokfil.kropp`, set its logo from `bokfil.logotyp`, and
    // return it here. Until then a readable file ends as a load failure
    // rather than as a run on a document that was never read.
    (void)bokfil;
    throw std::logic_error("This build of the tool cannot read the ledger in a document yet.");
}
