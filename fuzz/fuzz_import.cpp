// libFuzzer target: any bytes on standard input end as "not JSON", as one
// import failure, or as a result that the document takes and saves into a
// file that reads back. Parsed JSON written out and parsed again is the
// same value, and an import gives the same result on a copy of the
// document read back from its saved body. Every entry it makes sums to
// zero exactly.
#include "Exempel/Exempelbokforing.h"
#include "Fillagring.h"
#include "Kommandorad/JsonImport.h"
#include "Kommandorad/JsonLasare.h"
#include "Kommandorad/JsonTextform.h"
#include "Modell/Rad.h"
#include "Modell/Verifikation.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// A ledger that can take whatever the import makes: the example's chart
// (VAT, receivable, rounding and ROT accounts and the demo's 6110 and
// 2640), fiscal years 2024 to 2026, articles with a default one, user
// templates, customers and suppliers, sent invoices to take the template
// from, unsent ones holding numbers, and cost centres in dimension 0, the
// only one tags name.
std::unique_ptr<Bokföring> byggDokument() {
    Exempelval val;
    val.antalVerifikationer = 6;
    val.antalKontakter = 5;
    val.antalSkickadeFakturor = 3;
    val.antalEjSkickadeFakturor = 2;
    val.allaPostformer = true;
    return byggExempelbokföring(val);
}

bool balanserarExakt(const Verifikation& v) {
    DecimalExactnessWatch exakthet;
    Decimal summa;
    try {
        for (const auto& rad : v.rader) summa = summa.adding(rad->ursprungligtBelopp);
    } catch (const DecimalError&) {
        return false;
    }
    return exakthet.exact() && summa.isZero();
}

Bytes kropp(const Bokföring& bok) {
    Utström ström;
    bok.spara(ström);
    return ström.take();
}

const Bokföring& exempel() {
    static const std::unique_ptr<Bokföring> dok = byggDokument();
    return *dok;
}

std::unique_ptr<Bokföring> kopia() {
    static const Bytes sparad = kropp(exempel());
    Inström ström(sparad);
    return std::make_unique<Bokföring>(ström);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::optional<JsonDokument> json = läsJson(Bytes(data, data + size));
    if (!json) return 0;

    std::string text = jsonTextform(json->rot(), {.djup = högstaJsondjup + 1, .längd = SIZE_MAX});
    auto igen = läsJson(Bytes(text.begin(), text.end()));
    if (!igen || !(igen->rot() == json->rot())) std::abort();

    std::vector<std::string> rader;
    Importresultat resultat;
    try {
        resultat = importera(json->rot(), exempel(), [&](std::string_view rad) { rader.emplace_back(rad); });
    } catch (const JSONImportfel& fel) {
        std::string m = fel.description();
        if (!isValidUtf8(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(m.data()), m.size()))) std::abort();
        return 0;
    }

    for (const auto& post : resultat.verifikationer)
        if (!balanserarExakt(*post.v)) std::abort();

    // The result refers to the objects of the document it was made for, so
    // the copy gets its own; it must not differ.
    auto dok = kopia();
    std::vector<std::string> raderIgen;
    Importresultat förKopian;
    try {
        förKopian = importera(json->rot(), *dok, [&](std::string_view rad) { raderIgen.emplace_back(rad); });
    } catch (const JSONImportfel&) {
        std::abort();
    }
    if (raderIgen != rader) std::abort();

    const size_t kontakter = dok->kontakter.size() + förKopian.kontakter.size();
    const size_t fakturor = dok->skickadeFakturor.size() + förKopian.fakturor.size();
    läggTillImporten(*dok, std::move(förKopian));
    Bytes fil = dok->dataMedMellansteg(versionSomSkrivs);
    auto läst = Bokföring::från(fil);
    if (läst->kontakter.size() != kontakter || läst->skickadeFakturor.size() != fakturor) std::abort();
    return 0;
}
