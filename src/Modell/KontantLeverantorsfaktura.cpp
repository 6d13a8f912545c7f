#include "Modell/KontantLeverantorsfaktura.h"

KontantLeverantörsfaktura::KontantLeverantörsfaktura(Inström& ström, const Referenser& ref) {
    betalningsdatum = Datum(ström.int64());
    ström.int64();  // closing word of the own part
    läsGemensamDel(ström, ref);
}

void KontantLeverantörsfaktura::spara(Utström& ström) const {
    ström.writeInt64(betalningsdatum.d);
    ström.writeInt64(0);
    Leverantörsfaktura::spara(ström);
}
