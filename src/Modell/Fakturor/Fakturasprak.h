#pragma once
// One language version of a user invoice template: its page background,
// the fields shown only in this language and its own phrases.
#include "Modell/Fakturor/Fakturafalt.h"
#include "Modell/Fakturor/Frastabell.h"
#include "Modell/Referenser.h"
#include "Plattform/Bytes.h"
#include "Strommar.h"

#include <optional>
#include <string>
#include <vector>

class Fakturaspråk : public Sparbar {
public:
    std::optional<Bytes> pdfData;  // background PDF
    std::string språk;             // two-letter language code
    std::vector<Fakturafält> fält;
    // Keyed by phrase codes such as "_invoice" and "_1st_reminder".
    Frastabell fraser;

    Fakturaspråk() = default;
    Fakturaspråk(Inström& ström, const Referenser& ref);

    // Record: optional PDF data, language, fields, phrases as pairs of
    // byte blocks, closing word 0.
    void spara(Utström& ström) const override;
};
