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

    int status;
    if (n == 3 && args[2] == "--latestEntry")
        status = senasteVerifikationsjobbet(*dokument);
    else if (n >= 3 && args[2] == "--latestInvoice")
        status = senasteFakturajobbet(*dokument, args);
    else
        status = importjobbet(*dokument, args[1]);
    // The document is kept to the end of the process, where its memory goes
    // back at once: freeing a large ledger entry by entry would add a fifth
    // to a --latestEntry run. Held from a static, so it is not a leak.
    static auto* kvar = new Dokument;
    *kvar = std::move(dokument);
    return status;
}
