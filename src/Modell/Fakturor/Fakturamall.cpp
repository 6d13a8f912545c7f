#include "Modell/Fakturor/Fakturamall.h"

#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Fakturor/Mallantal.h"

namespace {
constexpr int64_t nuvarandeVersion = 2;
}

// Line spacing and the drawing flag came later. Marker 2 is followed by
// both, marker 1 by the flag only; in an older record the closing word 0
// stands where the marker is, and such templates drew the older way.
Fakturamall::Fakturamall(Inström& ström, const Referenser& ref) {
    for (int64_t i = 0, n = läsMallantal(ström); i < n; ++i) språk.emplace_back(ström, ref);
    for (int64_t i = 0, n = läsMallantal(ström); i < n; ++i) fält.emplace_back(ström, ref);
    namn = ström.string();
    int64_t version = ström.int64();
    if (version == 2) {
        radavstånd = ström.float64();
        gammaldagsStränghantering = ström.boolByte();
        ström.int64();  // closing word
    } else if (version == 1) {
        gammaldagsStränghantering = ström.boolByte();
        ström.int64();  // closing word
    } else {
        gammaldagsStränghantering = true;
    }
}

void Fakturamall::spara(Utström& ström) const {
    skrivListaMedSparbaraObjekt(ström, språk);
    skrivListaMedSparbaraObjekt(ström, fält);
    ström.writeString(namn);
    ström.writeInt64(nuvarandeVersion);
    ström.writeFloat64(radavstånd);
    ström.writeByte(gammaldagsStränghantering);
    ström.writeInt64(0);
}

const Fakturaspråk* Fakturamall::språkversion(const std::string& fakturaspråk) const {
    for (const auto& s : språk)
        if (s.språk == fakturaspråk) return &s;
    return språk.empty() ? nullptr : &språk.front();
}

const std::string& fakturamallensNamn(const Fakturamall& mall) { return mall.namn; }
