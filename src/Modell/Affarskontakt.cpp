#include "Modell/Affarskontakt.h"

#include "Plattform/UnicodeText.h"

#include <algorithm>
#include <functional>

template <>
std::optional<Kontakttyp> frånKod<Kontakttyp>(int64_t kod) {
    if (kod < 0 || kod > 3) return std::nullopt;
    return static_cast<Kontakttyp>(kod);
}

Affärskontakt::Affärskontakt(Inström& ström, const Referenser& ref) {
    namn = ström.optionalString();
    företag = ström.optionalString();
    adress = Adress(ström, ref);
    telefon = ström.optionalString();
    mobil = ström.optionalString();
    epost = ström.optionalString();
    hemsida = ström.optionalString();
    organisationsnummer = ström.optionalString();
    andraOrganisationsnummer = ström.optionalString();
    momsregistreringsnummer = ström.optionalString();
    bostadsrättsförening = ström.optionalString();
    lägenhetsnummer = ström.optionalString();
    fastighetsbeteckning = ström.optionalString();
    // The attention is stored once more after the address; this copy wins.
    adress.attention = ström.optionalString();
    if (ström.int64() == 1) leveransadress = Adress(ström, ref);
    typ = frånKod<Kontakttyp>(ström.int64()).value_or(Kontakttyp::okänd);
    logotyp = ström.optionalData();
    avböjLogotyp = ström.boolByte();

    senareGrupper_ = 0;
    if (ström.int64() > 0) {
        senareGrupper_ = 1;
        kommentar = ström.optionalString();
        behållEfter7År = ström.boolByte();
        standardrabatt = ström.optionalDecimalNumber();
        makulerad = ström.boolByte();
        if (ström.int64() > 0) {
            senareGrupper_ = 2;
            gln = ström.optionalString();
            ström.int64();  // closing word
        }
    }
    NumreratObjekt::operator=(NumreratObjekt(ström, ref));
}

void Affärskontakt::spara(Utström& ström) const {
    ström.writeString(namn);
    ström.writeString(företag);
    adress.spara(ström);
    for (const auto* fält : {&telefon, &mobil, &epost, &hemsida, &organisationsnummer, &andraOrganisationsnummer,
                             &momsregistreringsnummer, &bostadsrättsförening, &lägenhetsnummer, &fastighetsbeteckning})
        ström.writeString(*fält);
    ström.writeString(adress.attention);
    if (leveransadress) {
        ström.writeInt64(1);
        leveransadress->spara(ström);
    } else {
        ström.writeInt64(0);
    }
    ström.writeInt64(kod(typ));
    ström.writeData(logotyp);
    ström.writeByte(avböjLogotyp);

    int grupper = senareGrupper_;
    if (kommentar || !behållEfter7År || standardrabatt || makulerad) grupper = std::max(grupper, 1);
    if (gln) grupper = 2;
    if (grupper >= 1) {
        ström.writeInt64(1);
        ström.writeString(kommentar);
        ström.writeByte(behållEfter7År);
        ström.writeDecimalNumber(standardrabatt);
        ström.writeByte(makulerad);
        if (grupper >= 2) {
            ström.writeInt64(1);
            ström.writeString(gln);
        }
    }
    ström.writeInt64(0);
    NumreratObjekt::spara(ström);
}

void Affärskontakt::sättKund(bool ärKund) {
    bool lev = leverantör();
    typ = ärKund ? (lev ? Kontakttyp::bådeOch : Kontakttyp::kund) : (lev ? Kontakttyp::leverantör : Kontakttyp::okänd);
}

void Affärskontakt::sättLeverantör(bool ärLeverantör) {
    bool kun = kund();
    typ = ärLeverantör ? (kun ? Kontakttyp::bådeOch : Kontakttyp::leverantör) : (kun ? Kontakttyp::kund : Kontakttyp::okänd);
}

std::string Affärskontakt::alternativBeskrivning() const {
    if (företag && namn && canonicallyEqual(*företag, *namn)) return *företag;
    std::string text;
    if (företag) text = *företag;
    if (namn) {
        if (företag) text += " / ";
        text += *namn;
    }
    return text;
}

size_t Affärskontakt::hashValue() const {
    size_t h = std::hash<std::string>{}(företag.value_or("Inget företag"));
    return h * 31 + std::hash<std::string>{}(namn.value_or("Inget namn"));
}
