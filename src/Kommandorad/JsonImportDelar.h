#pragma once
// The sections of the JSON import, each adding to the run's result. Only
// the import's own files use these.
#include "Kommandorad/JsonImport.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "Modell/Verifikation.h"

class Kostnadsställe;

// "entries": booked and pending ledger entries.
void importeraVerifikationer(const JsonLista& verifikationsobjekt, const Bokföringsbas& till,
                             Importresultat& resultat, const Förloppsrad& skrivRad);

// "customers": new contacts numbered after the document's.
void importeraKunder(const JsonLista& kundobjekt, const Bokföringsbas& till, Importresultat& resultat,
                     const Förloppsrad& skrivRad);

// The cost centres a "tags" text names, found by number among the
// document's of dimension 0 (the first of equal numbers), looked up once
// per part however many the document has.
class Taggar {
public:
    explicit Taggar(const Bokföringsbas& till);
    // `taggar` holds numbers separated by single blanks; parts that name
    // nothing are skipped.
    std::vector<Kostnadsställe*> kostnadsställen(const std::string& taggar) const;

private:
    std::unordered_map<std::string_view, Kostnadsställe*> efterNummer_;
};

// The rows' amounts sum to zero, exactly: a sum the decimal type cannot
// hold without losing digits cannot be shown to balance.
bool balanserar(const Radlista& rader);
