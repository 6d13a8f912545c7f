#include "Kommandorad/Kommandorad.h"

#include "Kommandorad/Jobb.h"
#include "Kommandorad/Laddning.h"

int kör(const std::vector<std::string>& args) {
    const size_t n = args.size();
    if (n < 2) return 1;

    // The document comes first: a file that cannot be loaded ends every job,
    // and standard input is never read for it.
    Dokument dokument = bokföring(args[1]);
    if (!dokument) return 1;

    if (n == 3 && args[2] == "--latestEntry") return senasteVerifikationsjobbet(*dokument);
    if (n >= 3 && args[2] == "--latestInvoice") return senasteFakturajobbet(*dokument, args);
    return importjobbet(*dokument, args[1]);
}
