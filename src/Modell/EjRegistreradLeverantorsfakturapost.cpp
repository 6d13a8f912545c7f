#include "Modell/EjRegistreradLeverantorsfakturapost.h"

#include "Modell/Konto.h"

EjRegistreradLeverantörsfakturapost::EjRegistreradLeverantörsfakturapost(Inström& ström, const Referenser& ref) {
    if (ström.u8() == 1) konto = ref.konto(ström.int64());
    belopp = ström.optionalDecimalNumber();
    ström.int64();  // closing word
}

void EjRegistreradLeverantörsfakturapost::spara(Utström& ström) const {
    if (konto) {
        ström.u8(1);
        ström.writeInt64(konto->nummer);
    } else {
        ström.u8(0);
    }
    ström.writeDecimalNumber(belopp);
    ström.writeInt64(0);
}
