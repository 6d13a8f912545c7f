#include "Modell/Konto.h"

#include "Modell/LagradKod.h"
#include "Modell/Momsniva.h"
#include "Plattform/UnicodeText.h"

template <>
std::optional<Kontotyp> frånKod<Kontotyp>(int64_t kod) {
    switch (kod) {
        case 0: return Kontotyp::tillgång;
        case 1: return Kontotyp::skuld;
        case 2: return Kontotyp::intäkt;
        case 3: return Kontotyp::kostnad;
        case 6: return Kontotyp::okänd;
        default: return std::nullopt;
    }
}

Konto::Konto(int64_t nummer, std::string namn, Kontotyp typ) : nummer(nummer), namn(std::move(namn)), typ(typ) {}

Konto::Konto(Inström& ström, const Referenser&) {
    nummer = ström.int64();
    namn = trimmingSpacesAndTabs(ström.string());
    momskod = ström.optionalString();
    srukod = ström.optionalString();
    typ = läsKod<Kontotyp>(ström, "Okänd kontotyp", " för konto " + std::to_string(nummer));
    _momsnivåindex = ström.int64();
    importprofil = ström.optionalData();
    ström.int64();  // closing word
}

void Konto::spara(Utström& ström) const {
    ström.writeInt64(nummer);
    ström.writeString(trimmingSpacesAndTabs(namn));
    ström.writeString(momskod);
    ström.writeString(srukod);
    ström.writeInt64(kod(typ));
    ström.writeInt64(momsnivå ? momsnivå->index : -1);
    ström.writeData(importprofil);
    ström.writeInt64(0);
}
