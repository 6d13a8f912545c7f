#pragma once
// The invoice section of the JSON import: the objects under "invoices".
#include "Kommandorad/JsonImport.h"

// Makes a sent invoice (and its booking entry, as a pending entry) from
// each object, in order, after the entries and customers of the same run.
// Throws JSONImportfel.
void importeraFakturor(const JsonLista& fakturaobjekt, const Bokföringsbas& till,
                       Importresultat& resultat, const Förloppsrad& skrivRad);

// Moves the imported invoices to the end of the document's sent invoices.
void läggTillFakturor(Bokföringsbas& bokföring, std::vector<ImporteradFaktura>&& fakturor);
