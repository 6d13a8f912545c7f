#include "Modell/Fakturor/Fakturasprak.h"

#include "Modell/Fakturor/Mallantal.h"

Fakturaspråk::Fakturaspråk(Inström& ström, const Referenser& ref) {
    pdfData = ström.optionalData();
    språk = ström.string();
    for (int64_t i = 0, n = läsMallantal(ström); i < n; ++i) fält.emplace_back(ström, ref);
    for (int64_t i = 0, n = läsMallantal(ström); i < n; ++i) {
        auto nyckel = ström.string();
        auto värde = ström.string();
        fraser.sätt(std::move(nyckel), std::move(värde));
    }
    ström.int64();  // closing word; its value is not used
}

void Fakturaspråk::spara(Utström& ström) const {
    ström.writeData(pdfData);
    ström.writeString(språk);
    skrivListaMedSparbaraObjekt(ström, fält);
    ström.writeInt64(static_cast<int64_t>(fraser.size()));
    for (const auto& [nyckel, värde] : fraser) {
        ström.writeString(nyckel);
        ström.writeString(värde);
    }
    ström.writeInt64(0);
}
