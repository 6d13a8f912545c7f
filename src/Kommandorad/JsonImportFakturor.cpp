#include "Kommandorad/JsonImportFakturor.h"

#include "Kommandorad/JsonFalt.h"
#include "Kommandorad/JsonImportDelar.h"
#include "Kommandorad/JsonTextform.h"
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
#include <string_view>
#include <unordered_map>

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
            "credit period", frist ? jsonTextform(*frist) : std::to_string(till.betalningsfrist));
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

// What the invoices look up, indexed once for the whole run: the contacts
// (the document's, then this run's customers) and the articles by number,
// the user templates by name, the first of equals in each.
struct Uppslag {
    std::unordered_map<std::string_view, Affärskontakt*> kontakter;
    std::unordered_map<std::string_view, const Artikel*> artiklar;
    std::unordered_map<std::string_view, Fakturamall*> mallar;

    Uppslag(const Bokföringsbas& till, const Importresultat& resultat) {
        for (const auto& k : till.kontakter) kontakter.try_emplace(k->nummer, k.get());
        for (const auto& k : resultat.kontakter) kontakter.try_emplace(k->nummer, k.get());
        for (const auto& a : till.artiklar) artiklar.try_emplace(a->nummer, a.get());
        for (const auto& m : till.fakturamallar) mallar.try_emplace(m->namn, m.get());
    }
};

Affärskontakt* mottagareFör(JsonVärde objekt, const Uppslag& uppslag, const Importresultat& resultat) {
    if (auto nummer = text(objekt, "recipient")) {
        if (auto it = uppslag.kontakter.find(*nummer); it != uppslag.kontakter.end()) return it->second;
        throw JSONImportfel::ingenKundHarNummer(*nummer);
    }
    if (resultat.kontakter.empty()) throw JSONImportfel(JSONImportfel::Fall::fakturaSaknarKund);
    return resultat.kontakter.front().get();
}

// The invoices are numbered after the document's sent invoices and those
// made earlier in this run. A number that an unsent invoice of the document
// already holds is passed over, so two invoices never share one; those
// numbers do not move the series itself.
Nummerserie fakturanummer(const Bokföringsbas& till) {
    Nummerserie serie(somNumrerade(till.skickadeFakturor));
    for (const auto& f : till.ejSkickadeFakturor) serie.läggTillUpptaget(f->NumreratObjekt::nummer);
    return serie;
}

void ställInMall(EjSkickadFaktura& faktura, JsonVärde objekt, const Bokföringsbas& till, const Uppslag& uppslag) {
    if (auto namn = text(objekt, "template")) {
        if (auto inbyggd = frånKod<InbyggdFakturamall>(std::string_view(*namn))) {
            faktura.sättInbyggdFakturamall(*inbyggd);
            faktura.sättEgenFakturamall(nullptr);
            return;
        }
        if (auto mall = uppslag.mallar.find(*namn); mall != uppslag.mallar.end()) {
            faktura.sättEgenFakturamall(mall->second);
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

void läggTillPoster(EjSkickadFaktura& faktura, JsonVärde objekt, const Bokföringsbas& till, const Uppslag& uppslag) {
    const std::optional<JsonVärde> poster = objekt.medlem("items");
    const std::optional<JsonLista> lista = poster ? poster->listaAvObjekt() : std::nullopt;
    if (!lista) throw JSONImportfel(JSONImportfel::Fall::ingaFakturaposter);
    for (const JsonVärde p : *lista) {
        EjSkickadFakturapost& post = faktura.läggTillPost();
        post.sättAntal(decimaltext(p, "quantity").value_or(ett));
        post.sättRabattbeskrivning(text(p, "discount"));
        post.sättKommentar(text(p, "comment"));
        post.benämning = text(p, "description");
        const Artikel* artikel = nullptr;
        if (auto nummer = text(p, "product")) {
            auto it = uppslag.artiklar.find(*nummer);
            if (it != uppslag.artiklar.end()) artikel = it->second;
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

    const Uppslag uppslag(till, resultat);
    const Taggar taggar(till);
    Nummerserie serie = fakturanummer(till);
    // Every new invoice takes its defaults from the same sent invoice: those
    // of this run do not count.
    std::vector<const Fakturaliknande*> skickade;
    for (const auto& f : till.skickadeFakturor) skickade.push_back(f.get());
    const Fakturaliknande* förlaga = EjSkickadFaktura::senasteEfterFakturadatum(skickade);

    for (const JsonVärde objekt : fakturaobjekt) {
        Affärskontakt* mottagare = mottagareFör(objekt, uppslag, resultat);
        const std::optional<std::string_view> datumtext = jsonfält::textOmDenFinns(objekt, "date");
        std::optional<Datum> datum = datumtext ? Datum::från(*datumtext) : std::nullopt;
        if (!datum || !datum->ärGiltigt()) throw JSONImportfel(JSONImportfel::Fall::ogiltigtFakturadatum);
        // The due date may be no later than the last day a date can name.
        const int64_t frist = betalningsfrist(objekt, till);
        if (*datum + frist > sistaDatum) throw JSONImportfel::förfallodatumEfterKalendern(frist, *datum);

        auto faktura = std::make_unique<EjSkickadFaktura>(bok, förlaga);
        try {
            serie.numrera(*faktura);
        } catch (const OgiltigtNummer&) {
            throw JSONImportfel::nummerTarSlut("invoice");
        }
        faktura->mottagare = mottagare;
        faktura->sättFakturadatum(*datum);

        faktura->sättBetalningsfrist(frist);
        faktura->sättMeddelande(text(objekt, "message"));
        faktura->sättInköpsordernummer(text(objekt, "purchase order"));
        faktura->sättLeveranssätt(text(objekt, "delivery method"));
        faktura->sättVårReferens(text(objekt, "our reference"));
        if (auto t = text(objekt, "tags")) faktura->kostnadsställen = taggar.kostnadsställen(*t);
        faktura->sättValuta(text(objekt, "currency").value_or(till.valuta));
        if (text(objekt, "discount")) faktura->sättRabatt(procenttext(objekt, "discount"));
        faktura->visaLeveransdatum = boolesk(objekt, "show delivery date").value_or(false);
        faktura->visaLeveransadress = boolesk(objekt, "show delivery address").value_or(false);
        faktura->sättÖresutjämna(boolesk(objekt, "rounding").value_or(till.kontoFörÖresutjämning != nullptr));

        ställInMall(*faktura, objekt, till, uppslag);
        ställInSkatteavdrag(*faktura, objekt);
        läggTillPoster(*faktura, objekt, till, uppslag);

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
            // The unsent invoice's items go as they are copied: a large
            // invoice is not held twice.
            skickad = std::make_unique<Faktura>(std::move(*faktura), växelkurs);
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
        serie.läggTill(*skickad);
        resultat.fakturor.push_back(ImporteradFaktura(skickad.release()));
    }
}

void läggTillFakturor(Bokföringsbas& bokföring, std::vector<ImporteradFaktura>&& fakturor) {
    for (auto& f : fakturor) bokföring.skickadeFakturor.push_back(std::unique_ptr<Faktura>(f.release()));
    fakturor.clear();
}

void RaderaFaktura::operator()(Faktura* faktura) const { delete faktura; }
