#include "Modell/VanligLeverantorsfaktura.h"

#include "Modell/LagratDatum.h"

VanligLeverantörsfaktura::VanligLeverantörsfaktura(Inström& ström, const Referenser& ref) {
    fakturadatum = Datum(ström.int64());
    betalningsfrist = ström.int64();
    betalningsdatum = optionalDatum(ström);
    ström.int64();  // closing word of the own part
    läsGemensamDel(ström, ref);
}

void VanligLeverantörsfaktura::spara(Utström& ström) const {
    ström.writeInt64(fakturadatum.d);
    ström.writeInt64(betalningsfrist);
    writeDatum(ström, betalningsdatum);
    ström.writeInt64(0);
    Leverantörsfaktura::spara(ström);
}
