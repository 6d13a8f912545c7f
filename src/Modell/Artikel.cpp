#include "Modell/Artikel.h"

#include "Modell/Konto.h"
#include "Modell/LagradKod.h"
#include "Modell/Momsniva.h"
#include "Plattform/UnicodeText.h"

Artikel::Artikel(Inström& ström, const Referenser& ref) {
    // Line breaks belong to the name; only spaces and tabs are trimmed.
    namn = trimmingSpacesAndTabs(ström.string());
    enhet = ström.optionalString();
    pris = ström.decimalNumber();
    typ = läsKod<Artikeltyp>(ström, "Okänd artikeltyp");
    rot_och_rut = läsKod<ROT_och_RUT_kategori>(ström, "Okänd ROT/RUT-kategori");
    valuta = ström.string();
    påminnelseavgift = ström.boolByte();
    försäljningskonto = ref.konto(ström.int64());

    harSenareGrupp_ = false;
    if (ström.int64() >= 1) {
        harSenareGrupp_ = true;
        _momssats = ström.decimalNumber();
        ström.int64();  // closing word
    }
    NumreratObjekt::operator=(NumreratObjekt(ström, ref));
}

void Artikel::spara(Utström& ström) const {
    ström.writeString(namn);
    ström.writeString(enhet);
    ström.writeDecimalNumber(pris);
    ström.writeInt64(kod(typ));
    ström.writeInt64(kod(rot_och_rut));
    ström.writeString(valuta);
    ström.writeByte(påminnelseavgift);
    ström.writeInt64(försäljningskonto ? försäljningskonto->nummer : -1);
    if (harSenareGrupp_ || !_momssats.isZero()) {
        ström.writeInt64(1);
        ström.writeDecimalNumber(_momssats);
    }
    ström.writeInt64(0);
    NumreratObjekt::spara(ström);
}

Decimal Artikel::momssats() const {
    if (!försäljningskonto) return _momssats;
    return försäljningskonto->momsnivå ? försäljningskonto->momsnivå->nivå : Decimal();
}
