// libFuzzer target: any bytes on standard input end as "not JSON", as one
// import failure, or as a result that the document takes and saves into a
// file that reads back. Parsed JSON written out and parsed again is the
// same value.
#include "Exempel/Importexempel.h"
#include "Fillagring.h"
#include "Kommandorad/JsonImport.h"
#include "Kommandorad/JsonLasare.h"
#include "Kommandorad/JsonTextform.h"

#include <cstdlib>

namespace {

const Bokföring& exempel() {
    static const std::unique_ptr<Bokföring> dok = importexempel::dokument();
    return *dok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::optional<JsonVärde> json = läsJson(std::span<const uint8_t>(data, size));
    if (!json) return 0;

    std::string text = jsonTextform(*json, {.djup = högstaJsondjup + 1, .längd = SIZE_MAX});
    auto igen = läsJson(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    if (!igen || !(*igen == *json)) std::abort();

    try {
        Importresultat resultat = importera(*json, exempel(), [](std::string_view) {});
        auto dok = importexempel::dokument();
        // The result refers to the objects of the document it was made for.
        Importresultat förKopian = importera(*json, *dok, [](std::string_view) {});
        läggTillImporten(*dok, std::move(förKopian));
        Bytes fil = dok->dataMedMellansteg(versionSomSkrivs);
        auto läst = Bokföring::från(fil);
        if (läst->kontakter.size() != 2 + resultat.kontakter.size()) std::abort();
    } catch (const JSONImportfel& fel) {
        std::string m = fel.description();
        if (!isValidUtf8(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(m.data()), m.size()))) std::abort();
    }
    return 0;
}
