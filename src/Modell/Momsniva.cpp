#include "Modell/Momsniva.h"

#include "Modell/Konto.h"
#include "Modell/SkadatDokument.h"

Momsnivå::Momsnivå(int64_t index, Decimal nivå) : index(index), nivå(nivå) {}

Momsnivå::Momsnivå(Inström& ström, const Referenser& ref) {
    index = ström.int64();
    auto sats = ström.optionalDecimalNumber();
    if (!sats) throw SkadatDokument("Momsnivå " + std::to_string(index) + " saknar momssats");
    nivå = *sats;
    for (Konto** fält : {&kontoFörUtgåendeMoms, &kontoFörIngåendeMoms, &kontoFörUtgåendeMomsOmvändSkattskyldighet,
                         &kontoFörUtgåendeMomsImportAvVaror, &kontoFörUtgåendeMomsVMB})
        *fält = ref.konto(ström.int64());
    ström.int64();  // closing word
}

void Momsnivå::spara(Utström& ström) const {
    ström.writeInt64(index);
    ström.writeDecimalNumber(nivå);
    for (const Konto* konto : {kontoFörUtgåendeMoms, kontoFörIngåendeMoms, kontoFörUtgåendeMomsOmvändSkattskyldighet,
                               kontoFörUtgåendeMomsImportAvVaror, kontoFörUtgåendeMomsVMB})
        ström.writeInt64(konto ? konto->nummer : -1);
    ström.writeInt64(0);
}
