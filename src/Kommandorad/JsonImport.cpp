#include "Kommandorad/JsonImport.h"

#include "Kommandorad/JsonFalt.h"
#include "Kommandorad/JsonImportDelar.h"
#include "Kommandorad/JsonImportFakturor.h"
#include "Modell/Affarskontakt.h"
#include "Modell/Bokforingsbas.h"
#include "Modell/Rakenskapsar.h"
#include "Modell/Verifikation.h"

#include <algorithm>

Importresultat::Importresultat() = default;
Importresultat::Importresultat(Importresultat&&) noexcept = default;
Importresultat& Importresultat::operator=(Importresultat&&) noexcept = default;
Importresultat::~Importresultat() = default;

Importresultat importera(JsonVärde json, const Bokföringsbas& till, const Förloppsrad& skrivRad) {
    if (!json.ärObjekt()) throw JSONImportfel(JSONImportfel::Fall::felToppobjekt);
    // Every key is checked before any section runs.
    for (const JsonMedlem m : json.medlemmar()) {
        if (std::find(godk.begin(), godk.end(), m.nyckel) == godk.end())
            throw JSONImportfel::okändNyckel(std::string(m.nyckel));
    }

    Importresultat resultat;
    // A section that is absent, null or empty is skipped; one that is not an
    // array of objects is an error.
    auto sektion = [&](std::string_view nyckel) -> std::optional<JsonLista> {
        std::optional<JsonLista> lista = jsonfält::listaAvObjekt(json, nyckel);
        return lista && !lista->empty() ? lista : std::nullopt;
    };
    if (auto lista = sektion("entries")) importeraVerifikationer(*lista, till, resultat, skrivRad);
    if (auto lista = sektion("customers")) importeraKunder(*lista, till, resultat, skrivRad);
    if (auto lista = sektion("invoices")) importeraFakturor(*lista, till, resultat, skrivRad);
    return resultat;
}

void läggTillImporten(Bokföringsbas& bokföring, Importresultat&& resultat) {
    for (auto& post : resultat.verifikationer) {
        if (post.år) post.år->verifikationer.push_back(std::move(post.v));
        else bokföring.kommandeVerifikationer.push_back(std::move(post.v));
    }
    for (auto& kontakt : resultat.kontakter) bokföring.kontakter.push_back(std::move(kontakt));
    läggTillFakturor(bokföring, std::move(resultat.fakturor));
}
