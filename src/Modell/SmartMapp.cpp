#include "Modell/SmartMapp.h"

#include "Modell/LagradKod.h"

SmartMapp::SmartMapp(Inström& ström, const Referenser&) {
    rubrik = ström.string();
    predikat = ström.optionalData();
    typ = läsKod<TypAvSmartMapp>(ström, "Okänd typ av smart mapp");
    visaIndikator = ström.boolByte();
    ström.int64();  // closing word
}

void SmartMapp::spara(Utström& ström) const {
    ström.writeString(rubrik);
    ström.writeData(predikat);
    ström.writeInt64(kod(typ));
    ström.writeByte(visaIndikator);
    ström.writeInt64(0);
}
