#pragma once
// The facts the built-in templates list, each a caption in the invoice's
// language with its value as the templates show it. A template names the
// facts it lists, in its own order; a fact the invoice or ledger lacks has
// no value (or no caption), and the layout steps leave it out.
#include "Vyer/Faktura/Fakturavy.h"

#include <initializer_list>

namespace mallverktyg {

enum class Fakt {
    // The invoice and its recipient.
    mottagare,             // the recipient's company name
    mottagaradress,        // written for the ledger's country, with the attention line
    leveransadress,        // likewise
    erReferens,
    vårReferens,
    kundnummer,            // only when the ledger shows customer numbers
    personnummer,          // ROT or RUT
    personnummer2,         // ROT or RUT
    fastighetsbeteckning,  // ROT on a house
    lägenhetsnummer,       // ROT on a tenant-owned flat
    mottagarensMomsregistreringsnummer,
    inköpsordernummer,
    leveranssätt,
    leveransdatum,
    fakturanummer,
    fakturadatum,
    förfallodatum,
    betalningsvillkor,     // the payment term in days
    // The sender.
    avsändare,             // the company's name
    säte,                  // the registered office of a limited company
    organisationsnummer,
    momsregistreringsnummer,
    avsändaradress,        // written for the recipient's country (landFörAvsändaradressen)
    telefon,
    fax,
    email,
    hemsida,
};

Datapost fakt(const Fakturavy& vy, Fakt fakt);
Datalista fakta(const Fakturavy& vy, std::initializer_list<Fakt> lista);
// The facts named, then the sender's payment details.
Datalista faktaOchBetalning(const Fakturavy& vy, std::initializer_list<Fakt> lista);

}  // namespace mallverktyg
