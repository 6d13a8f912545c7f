#include "Modell/Bokforing.h"

#include "Modell/Affarskontakt.h"
#include "Modell/Artikel.h"
#include "Modell/Dokumentlistor.h"
#include "Modell/Konto.h"
#include "Modell/Kostnadsstalle.h"
#include "Modell/LagradKod.h"
#include "Modell/Loneutbetalning.h"
#include "Modell/Momsniva.h"
#include "Modell/Organisationsnummer.h"
#include "Modell/Rakenskapsar.h"
#include "Modell/SkadatDokument.h"
#include "Modell/Verifikation.h"

#include <string>

Bokföring::Bokföring(std::string valuta, std::string organisationsnummer, const std::string& landskod,
                     std::optional<std::string> uuid, Företagsform företagsform)
    : Bokföringsbas(std::move(valuta), std::move(organisationsnummer), landskod, std::move(uuid)),
      företagsform(företagsform) {}

Bokföring::~Bokföring() = default;

Bokföring::Bokföring(Inström& ström) : Bokföring(ström, läsInledning(ström)) {}

// Neither the currency nor the country is stored: a document read from a
// file is always a Swedish ledger in kronor.
Bokföring::Bokföring(Inström& ström, Läsläge&& läge)
    : Bokföringsbas("SEK", std::move(läge.organisationsnummer), "se", std::move(läge.uuid)),
      företagsform(läge.företagsform) {
    läsKropp(ström);
}

Bokföring::Läsläge Bokföring::läsInledning(Inström& ström) {
    Läsläge läge{};
    läge.uuid = ström.string();
    läge.organisationsnummer = rengörOrganisationsnummer(ström.string(), Land::Sverige);
    läge.företagsform = läsKod<Företagsform>(ström, "Okänd företagsform");
    return läge;
}

namespace {
// Items 8 to 12: an empty text is no text.
std::optional<std::string> kontaktuppgift(Inström& ström) {
    auto text = ström.optionalString();
    if (text && text->empty()) return std::nullopt;
    return text;
}

// A count that is never a list record's: a negative one is damage.
int64_t antal(Inström& ström, int64_t minstaStorlek, const char* vad) {
    int64_t n = ström.int64();
    if (n < 0 || static_cast<uint64_t>(n) > ström.remaining() / static_cast<uint64_t>(minstaStorlek))
        throw FormatError(std::string("impossible count of ") + vad + ": " + std::to_string(n));
    return n;
}

void skrivKonto(Utström& ström, const Konto* konto) { ström.writeInt64(konto ? konto->nummer : -1); }
}  // namespace

void Bokföring::läsKropp(Inström& ström) {
    upprättarFörenklatÅrsbokslut = ström.optionalBool();
    momsregistrerat = ström.boolByte();
    namn = ström.string();
    adress = Adress(ström, Referenser());
    telefon = kontaktuppgift(ström);
    fax = kontaktuppgift(ström);
    email = kontaktuppgift(ström);
    mobil = kontaktuppgift(ström);
    hemsida = kontaktuppgift(ström);
    momsredovisningsalternativ = läsKod<RedovisningsalternativFörMoms>(ström, "Okänt redovisningsalternativ för moms");
    _säte = ström.optionalString();
    godkändFörFSkatt = ström.boolByte();
    metod = läsKod<Bokföringsmetod>(ström, "Okänd bokföringsmetod");
    bokförFakturorAutomatiskt = ström.boolByte();
    betalningsfrist = ström.int64();
    kontoindelningEnligtBAS = ström.boolByte();
    // The stored set replaces the default one, even when it is empty.
    tillåtnaKolumner.clear();
    for (int64_t i = 0, n = antal(ström, 8, "invoice columns"); i < n; ++i)
        läggTillKolumn(läsFakturakolumn(ström));

    Referenser ref;
    läsInLista(ström, konton, ref);
    ref.sättKonton(konton);
    läsInLista(ström, momsnivåer, ref);
    // Accounts name their level by its position in the list, but each level
    // writes its own index, which accounts then store. A level whose index is
    // not its position would send its accounts to another level (or past the
    // end) on the next save, so the index becomes the position.
    for (size_t i = 0; i < momsnivåer.size(); ++i) momsnivåer[i]->index = static_cast<int64_t>(i);
    for (const auto& konto : konton) {
        if (konto->_momsnivåindex < 0) continue;
        if (static_cast<uint64_t>(konto->_momsnivåindex) >= momsnivåer.size())
            throw SkadatDokument("Momsnivån för konto " + std::to_string(konto->nummer) + " saknas");
        konto->momsnivå = momsnivåer[static_cast<size_t>(konto->_momsnivåindex)].get();
    }
    läsArtiklar(ström, ref, *this);
    läsInLista(ström, kostnadsställen, Referenser());
    ref.sättKostnadsställen(kostnadsställen);
    // Fiscal years and pending entries see accounts and cost centres only.
    Referenser kontonOchKostnadsställen;
    kontonOchKostnadsställen.sättKonton(konton);
    kontonOchKostnadsställen.sättKostnadsställen(kostnadsställen);
    läsInLista(ström, räkenskapsår, kontonOchKostnadsställen);
    läsInLista(ström, kommandeVerifikationer, kontonOchKostnadsställen);
    läsFakturamallar(ström, *this);
    läsInLista(ström, kontakter, Referenser());
    ref.sättArtiklar(artiklar);
    ref.sättKontakter(kontakter);
    läsEjSkickadeFakturor(ström, ref, *this);
    läsSkickadeFakturor(ström, ref, *this);
    länkaSkickadeFakturorTillMallar(*this);
    läsLeverantörsfakturor(ström, ref, *this);
    läsSmartaMappar(ström, ref, *this);
    läsInLista(ström, avslutadePerioder, ref);

    kontoFörResultat = hittaKonto(ström.int64());
    kontoFörLeverantörsskulder = hittaKonto(ström.int64());
    kontoFörKundfordringar = hittaKonto(ström.int64());
    kontoFörÖresutjämning = hittaKonto(ström.int64());
    kontoFörValutakursvinster = hittaKonto(ström.int64());
    kontoFörValutakursförluster = hittaKonto(ström.int64());
    kontoFörMomsredovisning = hittaKonto(ström.int64());
    kontoFörROT = hittaKonto(ström.int64());
    int64_t kontoutdrag = ström.int64();
    if (kontoutdrag != -1) nummerPåSenastImporteradeKontoutdrag = kontoutdrag;
    if (auto artikelnummer = ström.optionalString()) {
        for (const auto& artikel : artiklar)
            if (artikel->nummer == *artikelnummer) {
                förvaldArtikel = artikel.get();
                break;
            }
    }
    for (int64_t i = 0, n = antal(ström, 16, "credit terms"); i < n; ++i) {
        std::string språk = ström.string();
        sättKreditvillkor(språk, ström.string());
    }
    bank = ström.optionalString();
    bankkonto = ström.optionalString();
    plusgiro = ström.optionalString();
    bankgiro = ström.optionalString();
    iban = ström.optionalString();
    bic = ström.optionalString();
    swish = ström.optionalString();
    visaKundnummerPåFakturor = ström.boolByte();
    kontoFörAskatt = hittaKonto(ström.int64());
    kontoFörArbetsgivaravgifter = hittaKonto(ström.int64());
    kontoFörKostnaderFörArbetsgivaravgifter = hittaKonto(ström.int64());
    kontoFörLönekostnader = hittaKonto(ström.int64());
    kontoFörKreditering = hittaKonto(ström.int64());
    skattetabell = ström.int64();
    namnPåLöneutbetalning = ström.optionalString();

    // Bodies written before the receivable changes were stored say 0 here.
    bool kundfordringarSparade = ström.int64() != 0;
    arbetsgivaravgift = frånKod<NivåPåArbetsgivaravgift>(ström.int64()).value_or(NivåPåArbetsgivaravgift::Efter1951);
    // In older bodies the record ends here: this word is its closing 0.
    int64_t läge = ström.int64();
    if (läge > 0) {
        faktureringsläge = läge == 2;
        _bokföringsläge = ström.boolByte();
        ström.int64();
    }
    läsLöneutbetalningar(ström, Referenser(), *this);

    länkaEjSkickadeFakturor(*this);
    if (!kundfordringarSparade) räknaOmKundfordringsändringar();
    maskeraInaktivaKontakter();
}

void Bokföring::spara(Utström& ström) const {
    ström.writeString(UUID);
    ström.writeString(organisationsnummer);
    ström.writeInt64(kod(företagsform));
    ström.writeBool(upprättarFörenklatÅrsbokslut);
    ström.writeByte(momsregistrerat);
    ström.writeString(namn);
    adress.spara(ström);
    ström.writeString(telefon);
    ström.writeString(fax);
    ström.writeString(email);
    ström.writeString(mobil);
    ström.writeString(hemsida);
    ström.writeInt64(kod(momsredovisningsalternativ));
    ström.writeString(säte());
    ström.writeByte(godkändFörFSkatt);
    ström.writeInt64(kod(metod));
    ström.writeByte(bokförFakturorAutomatiskt);
    ström.writeInt64(betalningsfrist);
    ström.writeByte(kontoindelningEnligtBAS);
    ström.writeInt64(static_cast<int64_t>(tillåtnaKolumner.size()));
    for (Fakturakolumn kolumn : tillåtnaKolumner) skrivFakturakolumn(ström, kolumn);

    skrivListaMedSparbaraObjekt(ström, konton);
    skrivListaMedSparbaraObjekt(ström, momsnivåer);
    skrivArtiklar(ström, *this);
    skrivListaMedSparbaraObjekt(ström, kostnadsställen);
    skrivListaMedSparbaraObjekt(ström, räkenskapsår);
    skrivListaMedSparbaraObjekt(ström, kommandeVerifikationer);
    skrivFakturamallar(ström, *this);
    skrivListaMedSparbaraObjekt(ström, kontakter);
    skrivEjSkickadeFakturor(ström, *this);
    skrivSkickadeFakturor(ström, *this);
    skrivLeverantörsfakturor(ström, *this);
    skrivSmartaMappar(ström, *this);
    skrivListaMedSparbaraObjekt(ström, avslutadePerioder);

    for (const Konto* konto : {kontoFörResultat, kontoFörLeverantörsskulder, kontoFörKundfordringar,
                               kontoFörÖresutjämning, kontoFörValutakursvinster, kontoFörValutakursförluster,
                               kontoFörMomsredovisning, kontoFörROT})
        skrivKonto(ström, konto);
    ström.writeInt64(nummerPåSenastImporteradeKontoutdrag.value_or(-1));
    ström.writeString(förvaldArtikel ? std::optional<std::string>(förvaldArtikel->nummer) : std::nullopt);
    ström.writeInt64(static_cast<int64_t>(kreditvillkor.size()));
    for (const auto& [språk, text] : kreditvillkor) {
        ström.writeString(språk);
        ström.writeString(text);
    }
    for (const auto* text : {&bank, &bankkonto, &plusgiro, &bankgiro, &iban, &bic, &swish}) ström.writeString(*text);
    ström.writeByte(visaKundnummerPåFakturor);
    for (const Konto* konto : {kontoFörAskatt, kontoFörArbetsgivaravgifter, kontoFörKostnaderFörArbetsgivaravgifter,
                               kontoFörLönekostnader, kontoFörKreditering})
        skrivKonto(ström, konto);
    ström.writeInt64(skattetabell);
    ström.writeString(namnPåLöneutbetalning);
    ström.writeInt64(1);
    ström.writeInt64(kod(arbetsgivaravgift));
    ström.writeInt64(faktureringsläge ? 2 : 1);
    ström.writeByte(_bokföringsläge);
    ström.writeInt64(0);
    skrivLöneutbetalningar(ström, *this);
}

std::optional<std::string> Bokföring::säte() const {
    if (företagsform != Företagsform::aktiebolag) return std::nullopt;
    return _säte;
}

Konto* Bokföring::hittaKonto(int64_t kontonummer) const { return Konto::hittaKontoMedNummer(kontonummer, konton); }

std::string Bokföring::rengörOrganisationsnummer(const std::string& o, Land för) {
    return ::rengörOrganisationsnummer(o, för);
}
