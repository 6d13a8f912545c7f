#pragma once
// A registered supplier invoice to be paid later.
#include "Modell/Leverantorsfaktura.h"

#include <cstdint>
#include <optional>

class VanligLeverantörsfaktura : public Leverantörsfaktura {
public:
    Datum fakturadatum;
    int64_t betalningsfrist = 0;  // days
    std::optional<Datum> betalningsdatum;  // none until paid

    VanligLeverantörsfaktura() = default;
    VanligLeverantörsfaktura(Inström& ström, const Referenser& ref);
    void spara(Utström& ström) const override;

    Datum datum() const override { return fakturadatum; }
};
