#include "Modell/Leverantorsfakturapost.h"

#include "Modell/Konto.h"
#include "Modell/SkadatDokument.h"

Leverantörsfakturapost::Leverantörsfakturapost(Inström& ström, const Referenser& ref) {
    konto = ref.konto(ström.int64());
    if (!konto) throw SkadatDokument("Kontot kunde inte hittas!");
    belopp = ström.decimalNumber();
    ström.int64();  // closing word
}

void Leverantörsfakturapost::spara(Utström& ström) const {
    if (!konto) throw SkadatDokument("Kontot kunde inte hittas!");
    ström.writeInt64(konto->nummer);
    ström.writeDecimalNumber(belopp);
    ström.writeInt64(0);
}
