#include "Modell/Redovisningsperiod.h"

Redovisningsperiod::Redovisningsperiod(Inström& ström, const Referenser&) {
    start = Datum(ström.int64());
    slut = Datum(ström.int64());
    avslutad = ström.boolByte();
    ström.int64();  // closing word
}

void Redovisningsperiod::spara(Utström& ström) const {
    ström.writeInt64(start.d);
    ström.writeInt64(slut.d);
    ström.writeByte(avslutad);
    ström.writeInt64(0);
}
