#pragma once
// An item of a registered supplier invoice: an account and an amount.
#include "Modell/Referenser.h"
#include "Plattform/Decimal.h"
#include "Strommar.h"

class Konto;

class Leverantörsfakturapost : public Sparbar {
public:
    Konto* konto = nullptr;  // never null in a registered invoice
    Decimal belopp;

    Leverantörsfakturapost(Konto* konto, Decimal belopp) : konto(konto), belopp(belopp) {}
    // The account must be among those given ("Kontot kunde inte hittas!"),
    // and the amount must be present.
    Leverantörsfakturapost(Inström& ström, const Referenser& ref);
    void spara(Utström& ström) const override;
};
