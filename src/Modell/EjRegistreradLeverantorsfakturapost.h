#pragma once
// An item of a supplier invoice not yet registered: an account and an
// amount, either of which may still be missing.
#include "Modell/Referenser.h"
#include "Plattform/Decimal.h"
#include "Strommar.h"

#include <optional>

class Konto;

class EjRegistreradLeverantörsfakturapost : public Sparbar {
public:
    Konto* konto = nullptr;
    std::optional<Decimal> belopp;

    EjRegistreradLeverantörsfakturapost() = default;
    // An account that is not among those given is left out.
    EjRegistreradLeverantörsfakturapost(Inström& ström, const Referenser& ref);
    void spara(Utström& ström) const override;
};
