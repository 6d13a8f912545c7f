#include "Kommandorad/Jobb.h"

#include "Kommandorad/Fakturafil.h"
#include "Kommandorad/Utskrift.h"
#include "Kommandorad/Visningsval.h"
#include "Modell/Bokforing.h"
#include "Modell/Affarskontakt.h"
#include "Modell/Fakturor/Faktura.h"
#include "Plattform/Filer.h"
#include "Vyer/Faktura/Fakturavy.h"

#include <string>

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
    // Laid out, rendered and in place before the result line is printed, so
    // that a failure (thrown on to main) leaves neither a line nor a file.
    const std::vector<uint8_t> pdf = Fakturavy(*faktura, bokföring, false).pdf();
    const std::string sökväg = sökvägFörFaktura(temporaryDirectory(), faktura->nummer());
    writeNewFileSafely(sökväg, pdf);
    const std::optional<std::string>& epost = faktura->mottagare->epost;
    skrivRad(faktura->nummer() + ";" + epost.value_or("") + ";" + sökväg);
    return 0;
}
