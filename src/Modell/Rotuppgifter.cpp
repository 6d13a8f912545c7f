#include "Modell/Rotuppgifter.h"

#include "Modell/SkadatDokument.h"
#include "Plattform/UnicodeText.h"

void Rotuppgifter::spara(Utström& ström) const {
    if (const Hus* h = somHus()) {
        ström.writeInt64(1);
        ström.writeString(h->fastighetsbeteckning);
    } else if (const Bostadsrätt* b = somBostadsrätt()) {
        ström.writeInt64(2);
        ström.writeString(b->bostadsrättsförening);
        ström.writeString(b->lägenhetsnummer);
    }
}

Rotuppgifter Rotuppgifter::ladda(Inström& ström) {
    int64_t typ = ström.int64();
    if (typ == 1) return hus(ström.string());
    if (typ == 2) {
        std::string förening = ström.string();
        return bostadsrätt(std::move(förening), ström.string());
    }
    throw SkadatDokument("Ogiltiga ROT-uppgifter " + std::to_string(typ));
}

bool operator==(const Rotuppgifter& a, const Rotuppgifter& b) {
    if (const auto* ha = a.somHus()) {
        const auto* hb = b.somHus();
        return hb && canonicallyEqual(ha->fastighetsbeteckning, hb->fastighetsbeteckning);
    }
    const auto* ba = a.somBostadsrätt();
    const auto* bb = b.somBostadsrätt();
    return ba && bb && canonicallyEqual(ba->bostadsrättsförening, bb->bostadsrättsförening) &&
           canonicallyEqual(ba->lägenhetsnummer, bb->lägenhetsnummer);
}
