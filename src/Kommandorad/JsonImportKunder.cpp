#include "Kommandorad/JsonFalt.h"
#include "Kommandorad/JsonImportDelar.h"
#include "Modell/Affarskontakt.h"
#include "Modell/Bokforingsbas.h"

#include <optional>
#include <string>

using jsonfält::text;

void importeraKunder(const JsonLista& kundobjekt, const Bokföringsbas& till, Importresultat& resultat,
                     const Förloppsrad& skrivRad) {
    // The document's contacts, then those of this run: each new customer is
    // numbered after all of them.
    std::vector<const NumreratObjekt*> tidigare = somNumrerade(till.kontakter);
    for (const auto& k : resultat.kontakter) tidigare.push_back(k.get());
    Nummerserie serie(tidigare);

    for (const JsonVärde objekt : kundobjekt) {
        // As Affärskontakt(tidigare) would number it, with the list so far.
        auto kontakt = std::make_unique<Affärskontakt>();
        try {
            serie.numrera(*kontakt);
        } catch (const OgiltigtNummer&) {
            throw JSONImportfel::nummerTarSlut(
                text(objekt, "company").value_or(text(objekt, "name").value_or(std::string())));
        }
        kontakt->företag = text(objekt, "company");
        kontakt->namn = text(objekt, "name");
        Adress adress;
        adress.gata = text(objekt, "address").value_or("");
        adress.postnummer = text(objekt, "postal code").value_or("");
        adress.postadress = text(objekt, "city").value_or("");
        adress.delstat = text(objekt, "state");
        adress.land = text(objekt, "country").value_or("se");
        kontakt->epost = text(objekt, "email");
        kontakt->telefon = text(objekt, "phone");
        kontakt->hemsida = text(objekt, "web");
        kontakt->mobil = text(objekt, "mobile");
        kontakt->organisationsnummer = text(objekt, "organisation #");
        adress.attention = text(objekt, "attention");
        kontakt->momsregistreringsnummer = text(objekt, "vat #");
        kontakt->adress = std::move(adress);
        kontakt->typ = Kontakttyp::kund;

        if (!kontakt->företag && !kontakt->namn) throw JSONImportfel(JSONImportfel::Fall::nödvändigKundinformationSaknas);

        skrivRad("Added customer " + kontakt->alternativBeskrivning());
        serie.läggTill(*kontakt);
        resultat.kontakter.push_back(std::move(kontakt));
    }
}
