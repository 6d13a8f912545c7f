#pragma once
// A payroll payment: the tax table used, the day of payment and its amounts.
#include "Modell/Datum.h"
#include "Modell/Referenser.h"
#include "Plattform/Decimal.h"
#include "Strommar.h"

#include <cstdint>

class Löneutbetalning : public Sparbar {
public:
    int64_t skattetabell = 0;
    Datum datum;
    Decimal bruttolön;
    Decimal skatt;
    Decimal arbetsgivaravgift;
    Decimal avgift;
    Decimal lönekostnad;

    Löneutbetalning() = default;
    // Every amount must be present (FormatError otherwise).
    Löneutbetalning(Inström& ström, const Referenser& ref);
    void spara(Utström& ström) const override;

    // Table, date, gross pay, tax and employer fee, the amounts by value;
    // the fee and the wage cost take no part.
    friend bool operator==(const Löneutbetalning& a, const Löneutbetalning& b);
};
