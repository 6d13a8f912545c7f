#include "Kommandorad/JsonFalt.h"
#include "Kommandorad/JsonImportDelar.h"
#include "Modell/Bokforingsbas.h"
#include "Modell/Konto.h"
#include "Modell/Kostnadsstalle.h"
#include "Modell/Rad.h"
#include "Modell/Rakenskapsar.h"
#include "Modell/Verifikation.h"

#include <optional>
#include <string>
#include <unordered_map>

namespace {

std::unique_ptr<Rad> rad(JsonVärde tobjekt, JsonVärde vobjekt, const Bokföringsbas& till, const Taggar& taggar) {
    const std::optional<JsonVärde> kontovärde = tobjekt.medlem("account");
    std::optional<int64_t> kontonummer = kontovärde ? kontovärde->heltal() : std::nullopt;
    const std::optional<std::string_view> belopptext = jsonfält::textOmDenFinns(tobjekt, "amount");
    if (!kontonummer || !belopptext) throw JSONImportfel::ogiltigTransaktion(tobjekt, vobjekt);

    Konto* konto = Konto::hittaKontoMedNummer(*kontonummer, till.konton);
    if (!konto) throw JSONImportfel::kontoFinnsInte(*kontonummer);

    // An amount must be a number and nothing else: "12,50" or "12 kr" would
    // otherwise be read as 12, a text without digits as not-a-number, and
    // digits beyond what the decimal type holds would be rounded away.
    std::optional<Decimal> belopp = Decimal::parseExact(*belopptext);
    if (!belopp || belopp->isNaN()) throw JSONImportfel::ogiltigTransaktion(tobjekt, vobjekt);

    auto r = std::make_unique<Rad>(*konto, *belopp, *kontonummer, std::vector<Kostnadsställe*>{}, std::nullopt,
                                   std::nullopt, std::nullopt, std::nullopt, std::nullopt);
    if (auto t = jsonfält::text(tobjekt, "tags")) r->kostnadsställen = taggar.kostnadsställen(*t);
    return r;
}

Räkenskapsår* räkenskapsårFör(Datum datum, const Bokföringsbas& till) {
    for (const auto& år : till.räkenskapsår)
        if (år->frånOchMed <= datum && datum <= år->tillOchMed) return år.get();
    return nullptr;
}

}  // namespace

bool balanserar(const Radlista& rader) {
    DecimalExactnessWatch exakthet;
    try {
        Decimal summa;
        for (const auto& r : rader) summa = summa.adding(r->ursprungligtBelopp);
        return summa.isZero() && exakthet.exact();
    } catch (const DecimalError&) {
        return false;
    }
}

Taggar::Taggar(const Bokföringsbas& till) {
    for (const auto& k : till.kostnadsställen)
        if (k->dimensionsnummer == 0) efterNummer_.try_emplace(k->nummer, k.get());
}

// Two blanks give an empty part, which names nothing.
std::vector<Kostnadsställe*> Taggar::kostnadsställen(const std::string& taggar) const {
    std::vector<Kostnadsställe*> ut;
    size_t början = 0;
    while (true) {
        size_t slut = taggar.find(' ', början);
        std::string_view del(taggar.data() + början, (slut == std::string::npos ? taggar.size() : slut) - början);
        if (auto it = efterNummer_.find(del); it != efterNummer_.end()) ut.push_back(it->second);
        if (slut == std::string::npos) break;
        början = slut + 1;
    }
    return ut;
}

void importeraVerifikationer(const JsonLista& verifikationsobjekt, const Bokföringsbas& till,
                             Importresultat& resultat, const Förloppsrad& skrivRad) {
    // One counter over every year: entries booked earlier in the run push
    // the numbers of later ones, whichever year they went to. The highest
    // number of a year is of the document's entries only, so it is taken
    // once per year.
    int64_t bokförda = 0;
    std::unordered_map<const Räkenskapsår*, int64_t> högsta;
    const Taggar taggar(till);

    for (const JsonVärde vobjekt : verifikationsobjekt) {
        const std::optional<std::string_view> beskrivningstext = jsonfält::textOmDenFinns(vobjekt, "description");
        const std::optional<std::string_view> datumtext =
            beskrivningstext ? jsonfält::textOmDenFinns(vobjekt, "date") : std::nullopt;
        std::optional<Datum> datum = datumtext ? Datum::från(*datumtext) : std::nullopt;
        // A date that names no calendar day ("2024-02-30") is refused for
        // new entries.
        if (datum && !datum->ärGiltigt()) datum.reset();
        const std::optional<JsonVärde> transaktioner = datum ? vobjekt.medlem("transactions") : std::nullopt;
        const std::optional<JsonLista> tobjekt = transaktioner ? transaktioner->listaAvObjekt() : std::nullopt;
        if (!tobjekt) throw JSONImportfel::ogiltigVerifikation(vobjekt);
        const std::string beskrivning(*beskrivningstext);

        Radlista rader;
        rader.reserve(tobjekt->size());
        for (const JsonVärde t : *tobjekt) rader.push_back(rad(t, vobjekt, till, taggar));

        if (!balanserar(rader)) throw JSONImportfel::verifikationEjBalanserad(beskrivning);

        std::optional<std::string> kommentar = jsonfält::text(vobjekt, "comment");
        auto v = std::make_unique<Verifikation>(std::nullopt, beskrivning, Verifikationstyp::okänd, *datum,
                                                std::move(rader), std::move(kommentar), std::nullopt, std::nullopt);

        const bool bokför = jsonfält::boolesk(vobjekt, "pending") == false;
        if (!bokför) {
            skrivRad("Added pending entry '" + beskrivning + "'.");
            resultat.verifikationer.push_back({std::move(v), nullptr});
            continue;
        }

        Räkenskapsår* år = räkenskapsårFör(*datum, till);
        if (!år) throw JSONImportfel::räkenskapsårSaknas(*datum);
        auto [it, ny] = högsta.try_emplace(år, 0);
        if (ny) it->second = år->högstaVerifikationsnummer();
        int64_t nummer;
        if (__builtin_add_overflow(it->second, bokförda + 1, &nummer))
            throw JSONImportfel::nummerTarSlut(beskrivning);
        v->sättNummer(nummer);
        ++bokförda;

        skrivRad("Added entry " + std::to_string(nummer) + " '" + beskrivning + "' to fiscal year " + år->namn + ".");
        resultat.verifikationer.push_back({std::move(v), år});
    }
}
