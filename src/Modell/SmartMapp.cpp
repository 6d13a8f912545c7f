#include "Modell/SmartMapp.h"

#include "Modell/SkadatDokument.h"

SmartMapp::SmartMapp(Inström& ström, const Referenser&) {
    rubrik = ström.string();
    predikat = ström.optionalData();
    int64_t typkod = ström.int64();
    auto t = frånKod<TypAvSmartMapp>(typkod);
    if (!t) throw SkadatDokument("Okänd typ av smart mapp " + std::to_string(typkod));
    typ = *t;
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
