#pragma once
// A user invoice template: fields laid out on the page, shared by all
// languages, plus one language version per invoice language. Invoices and
// the JSON import find a template by its name.
#include "Modell/Fakturor/Fakturafalt.h"
#include "Modell/Fakturor/Fakturasprak.h"
#include "Modell/Referenser.h"
#include "Strommar.h"

#include <string>
#include <vector>

class Fakturamall : public Sparbar {
public:
    std::vector<Fakturaspråk> språk;
    std::vector<Fakturafält> fält;  // shown in every language
    std::string namn;
    double radavstånd = 0;  // line spacing of the item table
    bool gammaldagsStränghantering = false;

    Fakturamall() = default;
    // Reads any of the three record versions; see the .cpp.
    Fakturamall(Inström& ström, const Referenser& ref);

    // Always writes the current version: languages, fields, name, marker 2,
    // line spacing, flag byte, closing word 0.
    void spara(Utström& ström) const override;

    // The language version the layout engine uses for an invoice language:
    // the first one with that code, else the first one; null when none.
    const Fakturaspråk* språkversion(const std::string& fakturaspråk) const;
};
