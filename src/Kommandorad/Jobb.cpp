#include "Kommandorad/Jobb.h"

#include "Kommandorad/Utskrift.h"
#include "Kommandorad/Visningsval.h"
#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Faktura.h"

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
    // invoice does, so a run without the options resets them.
    sparaVisningsval(läsVisningsval(args));
    // The invoice view that lays the invoice out and renders its PDF is not
    // part of this build; say so rather than write an empty file.
    skrivFel("The latest-invoice job is not available in this build: invoice " + faktura->nummer() +
             " cannot be laid out.");
    return 1;
}
