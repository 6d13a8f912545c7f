#include "Modell/Leverantorsfaktura.h"

#include "Modell/Affarskontakt.h"
#include "Modell/Kostnadsstalle.h"
#include "Modell/SkadatDokument.h"

Datum Leverantörsfaktura::datum() const { return Datum::idag(); }

void Leverantörsfaktura::läsGemensamDel(Inström& ström, const Referenser& ref) {
    avsändare = ref.kontaktMedNummer(ström.string());
    if (!avsändare) throw SkadatDokument("Kunde inte hitta kontakt!");
    externtNummer = ström.string();
    int64_t antal = ström.listCount();
    poster.clear();
    for (int64_t i = 0; i < antal; ++i) poster.emplace_back(ström, ref);
    valuta = ström.string();
    växelkurs = ström.decimalNumber();
    kostnadsställen = Kostnadsställe::läsInReferenserTillKostnadsställen(ref, ström);
    harSenareGrupp_ = false;
    kommentar.reset();
    if (ström.int64() >= 1) {
        harSenareGrupp_ = true;
        kommentar = ström.optionalString();
        ström.int64();  // closing word
    }
    NumreratObjekt::operator=(NumreratObjekt(ström, ref));
}

void Leverantörsfaktura::spara(Utström& ström) const {
    // Refused rather than written as a record no reader could take back.
    if (!avsändare) throw SkadatDokument("Kunde inte hitta kontakt!");
    ström.writeString(avsändare->nummer);
    ström.writeString(externtNummer);
    skrivListaMedSparbaraObjekt(ström, poster);
    ström.writeString(valuta);
    ström.writeDecimalNumber(växelkurs);
    Kostnadsställe::sparaReferenserTillKostnadsställen(kostnadsställen, ström);
    if (harSenareGrupp_ || kommentar) {
        ström.writeInt64(1);
        ström.writeString(kommentar);
    }
    ström.writeInt64(0);
    NumreratObjekt::spara(ström);
}
