#include "Kommandorad/Kommandorad.h"

#include "Kommandorad/Jobb.h"
#include "Kommandorad/Laddning.h"
#include "Kommandorad/Utskrift.h"

namespace {

// The document is kept to the end of the process, where its memory goes back
// at once: freeing a large ledger entry by entry would add a fifth to a
// --latestEntry run. Held from a static, so it is not a leak.
int behållTillSlutet(Dokument dokument, int status) {
    static auto* kvar = new Dokument;
    *kvar = std::move(dokument);
    return status;
}

int körJobbet(const std::vector<std::string>& args) {
    const size_t n = args.size();
    const bool senasteVerifikation = n == 3 && args[2] == "--latestEntry";
    const bool senasteFaktura = n >= 3 && args[2] == "--latestInvoice";

    // The document comes first: a file that cannot be loaded ends every job,
    // and standard input is never read for it.
    if (senasteVerifikation || senasteFaktura) {
        Dokument dokument = bokföring(args[1]);
        if (!dokument) return 1;
        int status = senasteVerifikation ? senasteVerifikationsjobbet(*dokument) : senasteFakturajobbet(*dokument, args);
        return behållTillSlutet(std::move(dokument), status);
    }
    // An import locks the file only once its input is in; until then it
    // keeps the file it read open, so that no other file takes its inode.
    HeldFile läst;
    Dokument dokument = bokföringFörÄndring(args[1], läst);
    if (!dokument) return 1;
    int status = importjobbet(dokument, args[1], läst);
    return behållTillSlutet(std::move(dokument), status);
}

}  // namespace

int kör(const std::vector<std::string>& args) {
    if (args.size() < 2) return 1;
    const int status = körJobbet(args);
    // Output that never arrived is no completed job.
    return rapporteraStandardutensFel() ? 1 : status;
}
