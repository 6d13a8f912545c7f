#include "Modell/Fakturor/EjSkickadFakturapost.h"

#include "Modell/Artikel.h"
#include "Modell/Belopp.h"
#include "Modell/Fakturor/EjSkickadFaktura.h"
#include "Plattform/Lokal.h"
#include "Plattform/NumberFormatter.h"

EjSkickadFakturapost::EjSkickadFakturapost(EjSkickadFaktura* faktura) : faktura(faktura), antal_(ett) {}

void EjSkickadFakturapost::sättArtikel(Artikel* artikel) {
    artikel_ = artikel;
    if (!artikel) return;
    pris_ = artikel->pris;
    enhet_ = artikel->enhet;
}

bool EjSkickadFakturapost::harOmvändSkattskyldighet() const {
    return faktura && faktura->omvändSkattskyldighetFörMoms();
}

Decimal EjSkickadFakturapost::momssats() const {
    const Artikel* artikel = artikel_;
    if (!artikel && faktura) artikel = faktura->förvaldArtikel();
    return artikel ? artikel->momssats() : noll;
}

Decimal EjSkickadFakturapost::beloppExklMomsInnanRabatt() const { return pris_.multiplying(antal_, helaÖren); }

Decimal EjSkickadFakturapost::rabattbeloppExklMoms() const {
    if (relativRabatt) return beloppExklMomsInnanRabatt().multiplying(*relativRabatt, helaÖren).multiplying(minusEtt);
    if (absolutRabatt) return absolutRabatt->multiplying(minusEtt).dividing(ett.adding(momssats()), helaÖren);
    return noll;
}

Decimal EjSkickadFakturapost::beloppExklMoms() const {
    return beloppExklMomsInnanRabatt().adding(rabattbeloppExklMoms());
}

Decimal EjSkickadFakturapost::momsbelopp() const {
    if (harOmvändSkattskyldighet()) return noll;
    return beloppExklMoms().multiplying(momssats(), helaÖren);
}

Decimal EjSkickadFakturapost::belopp() const {
    return beloppExklMoms().multiplying(ett.adding(momssats()), helaÖren);
}

Decimal EjSkickadFakturapost::prisInklMoms() const { return pris_.multiplying(ett.adding(momssats()), helaÖren); }

std::optional<std::string> EjSkickadFakturapost::artikelnamn() const {
    if (artikel_) return artikel_->namn;
    return benämning;
}

std::optional<std::string> EjSkickadFakturapost::artikelnummer() const {
    if (artikel_) return artikel_->nummer;
    return std::nullopt;
}

std::optional<std::string> EjSkickadFakturapost::rabattbeskrivning() const {
    if (relativRabatt) {
        NumberFormatter procent(NumberFormatter::Style::percent, lokal::aktuell());
        return procent.format(*relativRabatt).value_or("");
    }
    if (absolutRabatt) {
        NumberFormatter valuta(NumberFormatter::Style::currency, lokal::aktuell());
        if (faktura) valuta.setCurrencyCode(faktura->valuta());
        return valuta.format(*absolutRabatt).value_or("");
    }
    return std::nullopt;
}

void EjSkickadFakturapost::sättRabattbeskrivning(const std::optional<std::string>& text) {
    relativRabatt.reset();
    absolutRabatt.reset();
    if (!text) return;
    // The whole text must be the number: ICU alone would stop at the first
    // character it does not know and take "10.5%" in Swedish for 10 %.
    if (text->find('%') != std::string::npos) {
        NumberFormatter procent(NumberFormatter::Style::percent, lokal::aktuell());
        procent.setLenient(true);
        relativRabatt = procent.parse(*text);
        return;
    }
    // Not lenient: ICU's lenient parse takes a misplaced separator for
    // grouping, so "12.50" in Swedish would become a discount of 1250.
    NumberFormatter tal(NumberFormatter::Style::decimal, lokal::aktuell());
    absolutRabatt = tal.parse(valutaTecken.trimmad(*text));
}

EjSkickadFakturapost::EjSkickadFakturapost(Inström& ström, const Referenser& ref)
    : pris_(ström.decimalNumber()), antal_(ström.decimalNumber()) {
    enhet_ = ström.optionalString();
    benämning = ström.optionalString();
    kommentar_ = ström.optionalString();
    relativRabatt = ström.optionalDecimalNumber();
    absolutRabatt = ström.optionalDecimalNumber();
    if (std::optional<std::string> artikelnummer = ström.optionalString()) artikel_ = ref.artikel(*artikelnummer);
    ström.int64();  // closing word
}

void EjSkickadFakturapost::spara(Utström& ström) const {
    ström.writeDecimalNumber(pris_);
    ström.writeDecimalNumber(antal_);
    ström.writeString(enhet_);
    ström.writeString(benämning);
    ström.writeString(kommentar_);
    ström.writeDecimalNumber(relativRabatt);
    ström.writeDecimalNumber(absolutRabatt);
    ström.writeString(artikel_ ? std::optional<std::string>(artikel_->nummer) : std::nullopt);
    ström.writeInt64(0);
}
