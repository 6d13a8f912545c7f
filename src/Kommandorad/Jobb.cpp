#include "Kommandorad/Jobb.h"

#include "Kommandorad/Fakturafil.h"
#include "Kommandorad/Fakturamodul.h"
#include "Kommandorad/Utskrift.h"
#include "Kommandorad/Visningsval.h"
#include "Modell/Bokforing.h"
#include "Modell/Affarskontakt.h"
#include "Modell/Fakturor/Faktura.h"
#include "Plattform/Filer.h"
#include "Plattform/TemporaryFiles.h"

#include <cstring>
#include <string>
#include <unistd.h>

// The import job is in Importjobb.cpp.

int senasteVerifikationsjobbet(Bokföring& bokföring) {
    if (auto nummer = bokföring.senasteVerifikationsnummer()) skrivRad(std::to_string(*nummer));
    return 0;
}

int senasteFakturajobbet(Bokföring& bokföring, const std::vector<std::string>& args) {
    const Faktura* faktura = senasteSkickadeFaktura(bokföring.skickadeFakturor);
    if (!faktura) return 0;  // nothing to lay out, and the settings stay as they were
    // The settings are written before any layout, as every run that finds an
    // invoice does, so a run without the options resets them; the view's
    // amount formatter reads them.
    sparaVisningsval(läsVisningsval(args));
    const std::string sökväg = sökvägFörFaktura(temporaryDirectory(), faktura->nummer());
    if (const auto hinder = hinderIResultatraden(sökväg)) {
        skrivFel("The temporary directory " + temporaryDirectory() +
                 " cannot be named on the result line: its path holds " + *hinder + ". TMPDIR can name another.");
        return 1;
    }
    // Laid out, rendered and in place before the result line is printed, so
    // that a failure leaves neither a line nor a file.
    Fakturautskrift utskrift;
    fakturautskriften()(*faktura, bokföring, utskrift);
    if (utskrift.fel) {
        skrivFel(*utskrift.fel);
        return 1;
    }
    // From the rename until its line is out, the file is named or taken
    // away: whoever reads no line must find no file. The signals that would
    // end the run meanwhile are caught, and the run itself removes the file.
    EndingSignalsCaught signaler;
    try {
        writeNewFileSafely(sökväg, utskrift.pdf, {}, {.signalsCaught = &signaler});
    } catch (const FileError& fel) {
        // The message names the file alone; the user must know where it
        // went, and what chose that place.
        throw FileError(std::string(fel.what()) + " " + temporaryDirectorySentence(), fel.errnoValue, fel.path,
                        fel.cause);
    }
    // The invoice is made without what the layout had to leave out; the
    // user learns why.
    if (utskrift.utelämnadLogotyp)
        skrivFel(signaler, "Warning: the invoice is made without the ledger's logo: " + *utskrift.utelämnadLogotyp + ".");
    if (!signaler.signal())
        skrivRad(signaler, resultatradFörFaktura(faktura->nummer(), faktura->mottagare->epost.value_or(""), sökväg));
    if (const int signal = signaler.signal()) {
        ::unlink(sökväg.c_str());
        const char* namn = ::sigabbrev_np(signal);
        throw Avbrott("Interrupted by " + (namn ? "SIG" + std::string(namn) : "signal " + std::to_string(signal)) +
                      " before the result line was printed; the file \u201C" + filnamnFörFaktura(faktura->nummer()) +
                      "\u201D was removed.");
    }
    // A line that did not arrive fails the run (main says why), and a
    // failed run leaves no file.
    if (standardutensFel()) {
        ::unlink(sökväg.c_str());
        return 1;
    }
    // The line is out: the run has done its work, and no signal undoes it.
    signaler.ignoreFromNowOn();
    return 0;
}
