#include "Modell/Fakturor/Fakturapost.h"

#include "Modell/Belopp.h"
#include "Modell/Konto.h"
#include "Modell/LagradKod.h"

namespace {
Decimal krävDecimal(Inström& ström) {
    auto d = ström.optionalDecimalNumber();
    if (!d) throw FormatError("Fakturapost: belopp saknas");
    return *d;
}
}  // namespace

Fakturapost::Fakturapost(Inström& ström, const Referenser& ref) {
    artikelnummer_ = ström.optionalString();
    artikelnamn_ = ström.optionalString();
    typ = läsKod<Artikeltyp>(ström, "Okänd artikeltyp", " i fakturapost");
    rotOchRut = läsKod<ROT_och_RUT_kategori>(ström, "Okänd ROT/RUT-kategori", " i fakturapost");
    int64_t kontonummer = ström.int64();
    försäljningskonto = ref.konto(kontonummer);
    // An account that is gone: the item's article still knows where it sells.
    if (!försäljningskonto && artikelnummer_)
        if (Artikel* artikel = ref.artikel(*artikelnummer_)) försäljningskonto = artikel->försäljningskonto;
    momssats_ = krävDecimal(ström);
    relativRabatt = ström.optionalDecimalNumber();
    absolutRabatt = ström.optionalDecimalNumber();
    rabattbeskrivning_ = ström.optionalString();
    pris_ = krävDecimal(ström);
    antal_ = krävDecimal(ström);
    kommentar_ = ström.optionalString();
    enhet_ = ström.optionalString();
    beloppExklMomsInnanRabatt = krävDecimal(ström);
    rabattbeloppExklMoms = krävDecimal(ström);
    momsbelopp_ = krävDecimal(ström);
    beloppExklMoms_ = krävDecimal(ström);
    belopp_ = krävDecimal(ström);
    // Older versions stored the rate in percent; the amounts derived from it
    // were scaled alike. A value above 100 is no percentage either: it is
    // kept as it is, so that reading a saved document again changes nothing.
    if (momssats_ > ett && momssats_ <= Decimal::smallInteger(100)) {
        const Decimal hundradel = Decimal::make(1, -2, false);
        DecimalBehavior exakt{RoundingMode::plain, std::nullopt, false, false, false};
        momssats_ = momssats_.multiplying(hundradel, exakt);
        momsbelopp_ = momsbelopp_.multiplying(hundradel, exakt);
        belopp_ = belopp_.multiplying(hundradel, exakt);
        fixadMomssats = true;
    }
    ström.int64();  // closing word
}

void Fakturapost::spara(Utström& ström) const {
    ström.writeString(artikelnummer_);
    ström.writeString(artikelnamn_);
    ström.writeInt64(kod(typ));
    ström.writeInt64(kod(rotOchRut));
    ström.writeInt64(försäljningskonto ? försäljningskonto->nummer : -1);
    ström.writeDecimalNumber(momssats_);
    ström.writeDecimalNumber(relativRabatt);
    ström.writeDecimalNumber(absolutRabatt);
    ström.writeString(rabattbeskrivning_);
    ström.writeDecimalNumber(pris_);
    ström.writeDecimalNumber(antal_);
    ström.writeString(kommentar_);
    ström.writeString(enhet_);
    ström.writeDecimalNumber(beloppExklMomsInnanRabatt);
    ström.writeDecimalNumber(rabattbeloppExklMoms);
    ström.writeDecimalNumber(momsbelopp_);
    ström.writeDecimalNumber(beloppExklMoms_);
    ström.writeDecimalNumber(belopp_);
    ström.writeInt64(0);
}

Decimal Fakturapost::prisInklMoms() const { return pris_.multiplying(ett.adding(momssats_), helaÖren); }
