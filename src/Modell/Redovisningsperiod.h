#pragma once
// A span of days (a VAT reporting period) that can be marked as closed;
// the document keeps the closed ones.
#include "Modell/Datum.h"
#include "Modell/Referenser.h"
#include "Strommar.h"

struct Redovisningsperiod : public Sparbar {
    Datum start;  // fixed
    Datum slut;   // fixed
    bool avslutad = false;

    Redovisningsperiod(Datum start, Datum slut, bool avslutad = false) : start(start), slut(slut), avslutad(avslutad) {}
    Redovisningsperiod(Inström& ström, const Referenser& ref);
    void spara(Utström& ström) const override;

    // Equal on both days (`avslutad` takes no part); ordered by start.
    friend bool operator==(const Redovisningsperiod& a, const Redovisningsperiod& b) {
        return a.start == b.start && a.slut == b.slut;
    }
    friend bool operator<(const Redovisningsperiod& a, const Redovisningsperiod& b) { return a.start < b.start; }
};
