#include "Kommandorad/JsonImportFakturor.h"

#include "Kommandorad/JsonFalt.h"
#include "Kommandorad/JsonImportDelar.h"
#include "Modell/Affarskontakt.h"
#include "Modell/Artikel.h"
#include "Modell/Belopp.h"
#include "Modell/Bokforing.h"
#include "Modell/Fakturor/EjSkickadFaktura.h"
#include "Modell/Fakturor/EjSkickadFakturapost.h"
#include "Modell/Fakturor/Faktura.h"
#include "Modell/Fakturor/Fakturafel.h"
#include "Modell/Fakturor/Fakturamall.h"
#include "Modell/Verifikation.h"
#include "Plattform/Lokal.h"
#include "Plattform/NumberFormatter.h"

#include <climits>
#include <optional>
#include <string>

namespace {

using jsonfält::boolesk;
using jsonfält::text;

// The longest credit period taken: ten years.
constexpr int64_t längstaBetalningsfrist = 3650;
// The last day a date of eight digits can name; no due date may pass it.
constexpr Datum sistaDatum{99991231};

// A number the invoice is computed from must be one, wholly: "12,50" or
// "12 st" would otherwise count as 12, a text without digits as
// not-a-number, which no total or entry can be made from, and digits beyond
// what the decimal type holds would be rounded away.
std::optional<Decimal> decimaltext(JsonVärde objekt, std::string_view nyckel) {
    auto t = text(objekt, nyckel);
    if (!t) return std::nullopt;
    auto d = Decimal::parseExact(*t);
    if (!d || d->isNaN()) throw JSONImportfel::ogiltigtTalIFaktura(std::string(nyckel), *t);
    return d;
}

// Days from the invoice date to its due date: the invoice's own or the
// document's, from 0 to ten years.
int64_t betalningsfrist(JsonVärde objekt, const Bokföringsbas& till) {
    const std::optional<JsonVärde> frist = jsonfält::tal(objekt, "credit period");
    std::optional<int64_t> dagar = frist ? frist->heltal() : std::optional<int64_t>(till.betalningsfrist);
    if (!dagar || *dagar < 0 || *dagar > längstaBetalningsfrist)
        throw JSONImportfel::ogiltigtTalIFaktura(
            "credit period", frist ? std::string(frist->talText()) : std::to_string(till.betalningsfrist));
    return *dagar;
}

// "10%" is 0.1, in the user's locale; none when the text is not a percentage.
std::optional<Decimal> procenttext(JsonVärde objekt, std::string_view nyckel) {
    auto t = text(objekt, nyckel);
    if (!t) return std::nullopt;
    NumberFormatter procent(NumberFormatter::Style::percent, lokal::aktuell());
    procent.setLenient(true);
    return procent.parse(*t);
}

Affärskontakt* mottagareFör(JsonVärde objekt, const std::vector<Affärskontakt*>& allaKontakter,
                            const Importresultat& resultat) {
    if (auto nummer = text(objekt, "recipient")) {
        for (Affärskontakt* k : allaKontakter)
            if (k->nummer == *nummer) return k;
        throw JSONImportfel::ingenKundHarNummer(*nummer);
    }
    if (resultat.kontakter.empty()) throw JSONImportfel(JSONImportfel::Fall::fakturaSaknarKund);
    return resultat.kontakter.front().get();
}

// Numbers the invoice after the document's sent invoices and those made
// earlier in this run. A number that an unsent invoice of the document
// already holds is passed over, so two invoices never share one; those
// numbers do not move the series itself.
void numrera(EjSkickadFaktura& faktura, const Bokföringsbas& till, const Importresultat& resultat) {
    std::vector<NumreratObjekt> upptagna(till.ejSkickadeFakturor.size());
    std::vector<const NumreratObjekt*> tidigare;
    for (size_t i = 0; i < upptagna.size(); ++i) {
        upptagna[i].nummer = till.ejSkickadeFakturor[i]->NumreratObjekt::nummer;
        upptagna[i].ordningstal = INT64_MIN;
        tidigare.push_back(&upptagna[i]);
    }
    for (const auto& f : till.skickadeFakturor) tidigare.push_back(f.get());
    for (const auto& f : resultat.fakturor) tidigare.push_back(f.get());
    try {
        NumreratObjekt::numreraObjekt({&faktura}, tidigare);
    } catch (const OgiltigtNummer&) {
        throw JSONImportfel::nummerTarSlut("invoice");
    }
}

void ställInMall(EjSkickadFaktura& faktura, JsonVärde objekt, const Bokföringsbas& till) {
    if (auto namn = text(objekt, "template")) {
        if (auto inbyggd = frånKod<InbyggdFakturamall>(std::string_view(*namn))) {
            faktura.sättInbyggdFakturamall(*inbyggd);
            faktura.sättEgenFakturamall(nullptr);
            return;
        }
        for (const auto& mall : till.fakturamallar)
            if (mall->namn == *namn) {
                faktura.sättEgenFakturamall(mall.get());
                faktura.sättInbyggdFakturamall(InbyggdFakturamall::Standard);
                return;
            }
        throw JSONImportfel::okändFakturamall(*namn);
    }
    // Taken from the document's last invoice in list order, sent first.
    const Fakturaliknande* förlaga = nullptr;
    if (!till.skickadeFakturor.empty())
        förlaga = till.skickadeFakturor.back().get();
    else if (!till.ejSkickadeFakturor.empty())
        förlaga = till.ejSkickadeFakturor.back().get();
    if (!förlaga) throw JSONImportfel(JSONImportfel::Fall::ingenFakturamallOchIngenTidigareFaktura);
    faktura.sättInbyggdFakturamall(förlaga->inbyggdFakturamall());
    faktura.sättEgenFakturamall(förlaga->egenFakturamall());
}

void ställInSkatteavdrag(EjSkickadFaktura& faktura, JsonVärde objekt) {
    const std::optional<JsonVärde> avdrag = jsonfält::objekt(objekt, "skatteavdrag");
    if (!avdrag) return;
    auto typ = text(*avdrag, "type");
    auto personnummer1 = text(*avdrag, "personnummer1");
    auto personnummer2 = text(*avdrag, "personnummer2");
    Decimal andel = procenttext(*avdrag, "share").value_or(noll);
    auto fastighetsbeteckning = text(*avdrag, "fastighetsbeteckning");
    auto förening = text(*avdrag, "organisationsnummer");
    auto lägenhet = text(*avdrag, "apartment #");
    if (typ == "ROT" && personnummer1) {
        std::optional<Rotuppgifter> uppgifter;
        if (fastighetsbeteckning)
            uppgifter = Rotuppgifter::hus(*fastighetsbeteckning);
        else if (förening && lägenhet)
            uppgifter = Rotuppgifter::bostadsrätt(*förening, *lägenhet);
        else
            throw JSONImportfel(JSONImportfel::Fall::felaktigROTInformation);
        faktura.sättSkatteavdrag(
            Skatteavdrag::rot(personnummer1, personnummer2, andel, uppgifter, Skatteavdrag::standardFörROT()));
    } else if (typ == "RUT" && personnummer1) {
        faktura.sättSkatteavdrag(Skatteavdrag::rut(personnummer1, personnummer2, andel, Skatteavdrag::standardFörRUT()));
    } else {
        throw JSONImportfel(JSONImportfel::Fall::felaktigROTInformation);
    }
}

// `tidigare`: the items of the invoices made before this one in the run.
void läggTillPoster(EjSkickadFaktura& faktura, JsonVärde objekt, const Bokföringsbas& till, size_t& tidigare) {
    const std::optional<JsonVärde> poster = objekt.medlem("items");
    const std::optional<JsonLista> lista = poster ? poster->listaAvObjekt() : std::nullopt;
    if (!lista) throw JSONImportfel(JSONImportfel::Fall::ingaFakturaposter);
    for (const JsonVärde p : *lista) {
        if (tidigare >= högstaAntalFakturaposter)
            throw JSONImportfel::förMånga(JSONImportfel::Fall::förMångaFakturaposter, högstaAntalFakturaposter);
        ++tidigare;
        EjSkickadFakturapost& post = faktura.läggTillPost();
        post.sättAntal(decimaltext(p, "quantity").value_or(ett));
        post.sättRabattbeskrivning(text(p, "discount"));
        post.sättKommentar(text(p, "comment"));
        post.benämning = text(p, "description");
        const Artikel* artikel = nullptr;
        if (auto nummer = text(p, "product")) {
            for (const auto& a : till.artiklar)
                if (a->nummer == *nummer) {
                    artikel = a.get();
                    break;
                }
            if (!artikel) throw JSONImportfel(JSONImportfel::Fall::vetInteVilkenArtikelSomBörAnvändas);
            post.sättArtikel(const_cast<Artikel*>(artikel));
        } else {
            // The item counts as the default article, which gives the
            // defaults below.
            artikel = till.förvaldArtikel;
            if (!artikel) throw JSONImportfel(JSONImportfel::Fall::vetInteVilkenArtikelSomBörAnvändas);
        }
        post.sättPris(decimaltext(p, "price").value_or(artikel->pris));
        auto enhet = text(p, "unit");
        post.sättEnhet(enhet ? enhet : artikel->enhet);
    }
}

}  // namespace

void importeraFakturor(const JsonLista& fakturaobjekt, const Bokföringsbas& till,
                       Importresultat& resultat, const Förloppsrad& skrivRad) {
    const auto* dokument = dynamic_cast<const Bokföring*>(&till);
    if (!dokument) throw JSONImportfel(JSONImportfel::Fall::verifikationKundeInteSkapasFörFaktura);
    // A new unsent invoice keeps a pointer to its document; it only reads
    // through it, and the invoice is dropped once it has been sent.
    Bokföring& bok = const_cast<Bokföring&>(*dokument);

    std::vector<Affärskontakt*> allaKontakter;
    for (const auto& k : till.kontakter) allaKontakter.push_back(k.get());
    for (const auto& k : resultat.kontakter) allaKontakter.push_back(k.get());

    std::vector<const Fakturaliknande*> skickade;
    std::vector<const NumreratObjekt*> skickadeSomNumrerade;
    for (const auto& f : till.skickadeFakturor) {
        skickade.push_back(f.get());
        skickadeSomNumrerade.push_back(f.get());
    }

    size_t poster = 0;
    for (const JsonVärde objekt : fakturaobjekt) {
        if (resultat.fakturor.size() >= högstaAntalFakturor)
            throw JSONImportfel::förMånga(JSONImportfel::Fall::förMångaFakturor, högstaAntalFakturor);
        Affärskontakt* mottagare = mottagareFör(objekt, allaKontakter, resultat);
        const std::optional<std::string_view> datumtext = jsonfält::textOmDenFinns(objekt, "date");
        std::optional<Datum> datum = datumtext ? Datum::från(*datumtext) : std::nullopt;
        if (!datum || !datum->ärGiltigt()) throw JSONImportfel(JSONImportfel::Fall::ogiltigtFakturadatum);
        // The due date may be no later than the last day a date can name.
        const int64_t frist = betalningsfrist(objekt, till);
        if (*datum + frist > sistaDatum) throw JSONImportfel::förfallodatumEfterKalendern(frist, *datum);

        std::unique_ptr<EjSkickadFaktura> faktura;
        try {
            faktura = std::make_unique<EjSkickadFaktura>(bok, skickade, skickadeSomNumrerade);
        } catch (const OgiltigtNummer&) {
            throw JSONImportfel::nummerTarSlut("invoice");
        }
        numrera(*faktura, till, resultat);
        faktura->mottagare = mottagare;
        faktura->sättFakturadatum(*datum);

        faktura->sättBetalningsfrist(frist);
        faktura->sättMeddelande(text(objekt, "message"));
        faktura->sättInköpsordernummer(text(objekt, "purchase order"));
        faktura->sättLeveranssätt(text(objekt, "delivery method"));
        faktura->sättVårReferens(text(objekt, "our reference"));
        if (auto taggar = text(objekt, "tags")) faktura->kostnadsställen = kostnadsställenFrånTaggar(*taggar, till);
        faktura->sättValuta(text(objekt, "currency").value_or(till.valuta));
        if (text(objekt, "discount")) faktura->sättRabatt(procenttext(objekt, "discount"));
        faktura->visaLeveransdatum = boolesk(objekt, "show delivery date").value_or(false);
        faktura->visaLeveransadress = boolesk(objekt, "show delivery address").value_or(false);
        faktura->sättÖresutjämna(boolesk(objekt, "rounding").value_or(till.kontoFörÖresutjämning != nullptr));

        ställInMall(*faktura, objekt, till);
        ställInSkatteavdrag(*faktura, objekt);
        läggTillPoster(*faktura, objekt, till, poster);

        std::optional<Decimal> växelkurs;
        if (faktura->valuta() != till.valuta) {
            if (!text(objekt, "exchange rate")) throw JSONImportfel(JSONImportfel::Fall::växelkursSaknas);
            växelkurs = decimaltext(objekt, "exchange rate");
            // A rate of zero or below would turn every amount into nothing
            // or its opposite in the ledger's currency.
            if (växelkurs->isZero() || växelkurs->isNegative())
                throw JSONImportfel::ogiltigtTalIFaktura("exchange rate", *text(objekt, "exchange rate"));
        }
        // The deduction is claimed in kronor: it cannot be sent, nor booked,
        // in another currency.
        if (!faktura->skatteavdrag().ärInget() && faktura->valuta() != "SEK")
            throw JSONImportfel(JSONImportfel::Fall::skatteavdragIAnnanValuta);

        // Every amount of the sent invoice and of its entry is computed
        // here, once; an amount rounded for lack of digits would be saved
        // for good, and an entry made of such amounts need not balance.
        const std::string nummer = faktura->nummer();
        std::unique_ptr<Faktura> skickad;
        std::unique_ptr<Verifikation> verifikation;
        DecimalExactnessWatch exakthet;
        try {
            skickad = std::make_unique<Faktura>(*faktura, växelkurs);
            verifikation = skickad->verifikationFörSkickandet(*dokument);
        } catch (const Fakturafel& fel) {
            throw JSONImportfel::verifikationKundeInteSkapasFörFakturaMedMeddelande(fel.meddelande());
        } catch (const DecimalError&) {
            throw JSONImportfel::fakturabeloppPassarInte(nummer);
        } catch (const std::exception&) {
            throw JSONImportfel(JSONImportfel::Fall::verifikationKundeInteSkapasFörFaktura);
        }
        if (!exakthet.exact()) throw JSONImportfel::fakturabeloppPassarInte(nummer);
        if (verifikation && !balanserar(verifikation->rader))
            throw JSONImportfel::fakturaverifikationEjBalanserad(nummer);
        if (verifikation) resultat.verifikationer.push_back({std::move(verifikation), nullptr});

        skrivRad("Sent invoice " + skickad->nummer() + " for " + skickad->attBetala().text() + " " +
                 skickad->valuta() + " to " + mottagare->alternativBeskrivning());
        resultat.fakturor.push_back(ImporteradFaktura(skickad.release()));
    }
}

void läggTillFakturor(Bokföringsbas& bokföring, std::vector<ImporteradFaktura>&& fakturor) {
    for (auto& f : fakturor) bokföring.skickadeFakturor.push_back(std::unique_ptr<Faktura>(f.release()));
    fakturor.clear();
}

void RaderaFaktura::operator()(Faktura* faktura) const { delete faktura; }
