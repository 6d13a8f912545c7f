#include "Kommandorad/Importjobb.h"

#include "Fillagring.h"
#include "Kommandorad/Jobb.h"
#include "Kommandorad/JsonImport.h"
#include "Kommandorad/JsonLasare.h"
#include "Kommandorad/Laddning.h"
#include "Kommandorad/Utskrift.h"
#include "Modell/Bokforing.h"

#include <cstdio>

namespace {

Bytes läsStandardinmatning() {
    Bytes data;
    uint8_t buffert[1 << 16];
    size_t n;
    while ((n = std::fread(buffert, 1, sizeof buffert, stdin)) > 0) data.insert(data.end(), buffert, buffert + n);
    return data;
}

}  // namespace

int importeraOchSpara(Bokföring& bokföring, std::span<const uint8_t> indata, const std::string& fil,
                      const BeforeReplaceHook& innanErsättning) {
    std::optional<JsonVärde> json = läsJson(indata);
    if (!json) {
        skrivFel("Input data is not valid JSON.");
        return 1;
    }

    Importresultat resultat;
    try {
        resultat = importera(*json, bokföring, [](std::string_view rad) { skrivRad(rad); });
    } catch (const JSONImportfel& fel) {
        skrivFel(fel.description());
        return 1;
    }
    // The whole import succeeded: only now does the document change.
    läggTillImporten(bokföring, std::move(resultat));
    // The parsed input is done with; a large one should not stay beside the
    // document's body while it is saved.
    json.reset();

    Bytes utdata;
    try {
        utdata = bokföring.dataMedMellansteg(versionSomSkrivs);
    } catch (const Sparfel&) {
        // A document that would not read back is never written.
        skrivFel("Unable to write output file!");
        return 1;
    }
    return skrivÖverDokumentfilen(fil, utdata, innanErsättning) ? 0 : 1;
}

int importjobbet(Bokföring& bokföring, const std::string& fil) {
    Bytes indata = läsStandardinmatning();
    return importeraOchSpara(bokföring, indata, fil);
}
