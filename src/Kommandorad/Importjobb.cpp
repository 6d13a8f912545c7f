#include "Kommandorad/Importjobb.h"

#include "Fillagring.h"
#include "Kommandorad/Jobb.h"
#include "Kommandorad/JsonImport.h"
#include "Kommandorad/JsonLasare.h"
#include "Kommandorad/Laddning.h"
#include "Kommandorad/Utskrift.h"
#include "Modell/Bokforing.h"
#include "Plattform/MemoryPages.h"

#include <optional>
#include <unistd.h>

int importeraOchSpara(Bokföring& bokföring, Bytes indata, const std::string& fil,
                      const FileIdentity& lästFil, const BeforeReplaceHook& innanErsättning,
                      const std::function<void()>& efterErsättning) {
    // The input's bytes become the parsed text's.
    std::optional<JsonDokument> json = läsJson(std::move(indata));
    if (!json) {
        skrivFel("Input data is not valid JSON.");
        return 1;
    }

    Importresultat resultat;
    try {
        resultat = importera(json->rot(), bokföring, [](std::string_view rad) { skrivRad(rad); });
    } catch (const JSONImportfel& fel) {
        skrivFel(fel.description());
        return 1;
    }
    // Progress lines that did not reach their reader must not be taken for
    // a report of what was saved: such a run saves nothing.
    if (rapporteraStandardutensFel()) return 1;
    // The whole import succeeded: only now does the document change.
    läggTillImporten(bokföring, std::move(resultat));
    // The parsed input is done with; a large one should not stay beside the
    // document's body while it is saved.
    json.reset();
    returnFreeMemory();

    Bytes utdata;
    try {
        utdata = bokföring.dataMedMellansteg(versionSomSkrivs);
    } catch (const Sparfel& fel) {
        // A document that would not read back is never written.
        skrivSparfel(fil, fel.what());
        return 1;
    }
    return skrivÖverDokumentfilen(fil, utdata, lästFil, innanErsättning, efterErsättning) ? 0 : 1;
}

int importjobbet(Dokument& dokument, const std::string& fil, const HeldFile& läst) {
    // The whole input comes before the lock: a run waiting for its input
    // holds up no other.
    std::optional<Bytes> indata;
    try {
        indata = readToEnd(STDIN_FILENO, störstaIndata, "standard input");
    } catch (const FileError& fel) {
        skrivFel("Unable to read input data: " + fel.cause + ".");
        return 1;
    }
    if (!indata) {
        skrivFel("Input data is larger than " + sizeText(störstaIndata) + ".");
        return 1;
    }
    std::optional<LockedFile> lås;
    if (!låsFörÄndring(fil, dokument, läst, lås)) return 1;
    // The lock goes when the job returns, after the save.
    return importeraOchSpara(*dokument, std::move(*indata), fil, lås->identity());
}
