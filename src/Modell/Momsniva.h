#pragma once
// A VAT level: one VAT rate and the accounts VAT at that rate is booked to.
#include "Modell/Referenser.h"
#include "Plattform/Decimal.h"
#include "Strommar.h"

#include <cstdint>

class Konto;

class Momsnivå : public Sparbar {
public:
    // Fixed when the level is made. Accounts store it, but the document
    // reader resolves an account's stored index as a position in the
    // document's list of levels.
    int64_t index = 0;
    Decimal nivå;  // the rate as a fraction: 0.25 is 25 %
    Konto* kontoFörUtgåendeMoms = nullptr;
    Konto* kontoFörIngåendeMoms = nullptr;
    Konto* kontoFörUtgåendeMomsOmvändSkattskyldighet = nullptr;
    Konto* kontoFörUtgåendeMomsImportAvVaror = nullptr;
    Konto* kontoFörUtgåendeMomsVMB = nullptr;

    Momsnivå(int64_t index, Decimal nivå);
    // Accounts are looked up among those read before the levels; a number
    // without a match leaves its field empty. Throws SkadatDokument when
    // the rate is missing.
    Momsnivå(Inström& ström, const Referenser& ref);
    void spara(Utström& ström) const override;

    friend bool operator==(const Momsnivå& a, const Momsnivå& b) { return a.index == b.index; }
};
