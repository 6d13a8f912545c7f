#include "Kommandorad/Jobb.h"

#include "Kommandorad/Utskrift.h"

// NOT YET AVAILABLE: the jobs need the ledger (latest entry), the invoice
// view (latest invoice) and the JSON importer (import). No document can be
// loaded before the ledger exists, so these are not reached; they say so
// rather than pretend to work.
//
// Already in place for them: läsVisningsval / sparaVisningsval
// (Visningsval.h) for the latest-invoice job, skrivÖverDokumentfilen
// (Laddning.h) and skrivBokfil (Fillagring.h) for the import job's save.

int senasteVerifikationsjobbet(Bokföring&) {
    skrivFel("The latest-entry job is not available in this build.");
    return 1;
}

int senasteFakturajobbet(Bokföring&, const std::vector<std::string>&) {
    skrivFel("The latest-invoice job is not available in this build.");
    return 1;
}
