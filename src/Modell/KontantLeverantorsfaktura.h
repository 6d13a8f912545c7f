#pragma once
// A registered supplier invoice paid at once (a cash purchase).
#include "Modell/Leverantorsfaktura.h"

class KontantLeverantörsfaktura : public Leverantörsfaktura {
public:
    Datum betalningsdatum;

    KontantLeverantörsfaktura() = default;
    KontantLeverantörsfaktura(Inström& ström, const Referenser& ref);
    void spara(Utström& ström) const override;

    Datum datum() const override { return betalningsdatum; }
};
