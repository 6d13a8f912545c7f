#pragma once
// The facts the built-in templates list, each a caption in the invoice's
// language with its value as the templates show it. A template names the
// facts it lists, in its own order; a fact the invoice or ledger lacks has
// no value (or no caption), and the layout steps leave it out.
#include "Vyer/Faktura/Fakturavy.h"

#include <functional>
#include <vector>

namespace mallverktyg {

enum class Fakt {
    // The invoice and its recipient.
    mottagare,             // the recipient's company name
    mottagaradress,        // written for the ledger's country, with the attention line
    fakturaadress,         // the recipient's name and address as one block, under the recipient caption
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
Datalista fakta(const Fakturavy& vy, const std::vector<Fakt>& lista);

// The invoice number, invoice date and due date: where a template has too
// few places for its facts, these are never the ones left out.
bool alltidMed(Fakt fakt);

// The facts of `lista` that are shown (caption and value present, an empty
// value counts), in order, as many as `fårPlats` accepts: while it rejects
// them, the others give way one at a time, the last first, before a fact
// that is always shown would. When only those are left they are given as
// they are.
Datalista faktaSomFårPlats(const Fakturavy& vy, const std::vector<Fakt>& lista,
                           const std::function<bool(const Datalista&)>& fårPlats);
// At most `platser` of them.
Datalista faktaSomFårPlats(const Fakturavy& vy, const std::vector<Fakt>& lista, size_t platser);

// The facts named, then the sender's payment details.
Datalista faktaOchBetalning(const Fakturavy& vy, const std::vector<Fakt>& lista);

}  // namespace mallverktyg
