#include "Exempel/Exempelbokforing.h"
#include "Exempel/Exempelbelopp.h"

#include "Exempel/ExempelFakturor.h"
#include "Exempel/Exempelvarianter.h"
#include "Modell/Affarskontakt.h"
#include "Modell/Artikel.h"
#include "Modell/EjRegistreradLeverantorsfaktura.h"
#include "Modell/KontantLeverantorsfaktura.h"
#include "Modell/Loneutbetalning.h"
#include "Modell/SmartMapp.h"
#include "Modell/VanligLeverantorsfaktura.h"
#include "Modell/Fakturor/Fakturamall.h"
#include "Modell/Konto.h"
#include "Modell/Kostnadsstalle.h"
#include "Modell/Momsniva.h"
#include "Modell/Rad.h"
#include "Modell/Rakenskapsar.h"
#include "Modell/Verifikation.h"

#include <array>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {
// A fixed pseudo-random sequence (64-bit LCG), so examples never depend on
// the machine or the run.
class Slump {
public:
    uint64_t nästa() {
        tillstånd_ = tillstånd_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return tillstånd_ >> 33;
    }
    int64_t mellan(int64_t lägst, int64_t högst) { return lägst + static_cast<int64_t>(nästa() % uint64_t(högst - lägst + 1)); }

private:
    uint64_t tillstånd_ = 0x5EED2026;
};

struct Kontorad {
    int64_t nummer;
    const char* namn;
};

// A trimmed-down BAS chart: every account the example entries use and
// enough of the rest to look like a small company's ledger.
constexpr Kontorad kontoplan[] = {
    {1010, "Utvecklingsutgifter"}, {1020, "Koncessioner m.m."}, {1030, "Patent"}, {1050, "Goodwill"},
    {1110, "Byggnader"}, {1119, "Ackumulerade avskrivningar på byggnader"}, {1130, "Mark"},
    {1210, "Maskiner och andra tekniska anläggningar"}, {1219, "Ackumulerade avskrivningar på maskiner"},
    {1220, "Inventarier och verktyg"}, {1229, "Ackumulerade avskrivningar på inventarier"},
    {1250, "Datorer"}, {1259, "Ackumulerade avskrivningar på datorer"}, {1310, "Andelar i koncernföretag"},
    {1380, "Andra långfristiga fordringar"}, {1410, "Lager av råvaror"}, {1460, "Lager av handelsvaror"},
    {1510, "Kundfordringar"}, {1513, "Kundfordringar – delad faktura"}, {1515, "Osäkra kundfordringar"},
    {1610, "Kortfristiga fordringar hos anställda"}, {1630, "Avräkning för skatter och avgifter (skattekonto)"},
    {1650, "Momsfordran"}, {1680, "Andra kortfristiga fordringar"}, {1710, "Förutbetalda hyreskostnader"},
    {1790, "Övriga förutbetalda kostnader och upplupna intäkter"}, {1910, "Kassa"}, {1920, "PlusGiro"},
    {1930, "Företagskonto"}, {1940, "Övriga bankkonton"}, {2010, "Eget kapital"}, {2081, "Aktiekapital"},
    {2091, "Balanserad vinst eller förlust"}, {2098, "Vinst eller förlust från föregående år"},
    {2099, "Årets resultat"}, {2110, "Periodiseringsfonder"}, {2150, "Ackumulerade överavskrivningar"},
    {2330, "Checkräkningskredit"}, {2350, "Andra långfristiga skulder till kreditinstitut"},
    {2410, "Andra kortfristiga låneskulder till kreditinstitut"}, {2440, "Leverantörsskulder"},
    {2510, "Skatteskulder"}, {2610, "Utgående moms, 25 %"}, {2614, "Utgående moms omvänd skattskyldighet, 25 %"},
    {2615, "Utgående moms import av varor, 25 %"}, {2620, "Utgående moms, 12 %"}, {2630, "Utgående moms, 6 %"},
    {2640, "Ingående moms"}, {2650, "Redovisningskonto för moms"}, {2710, "Personalskatt"},
    {2730, "Lagstadgade sociala avgifter och särskild löneskatt"}, {2731, "Avräkning lagstadgade sociala avgifter"},
    {2890, "Övriga kortfristiga skulder"}, {2920, "Upplupna semesterlöner"},
    {2940, "Upplupna lagstadgade sociala och andra avgifter"}, {2990, "Övriga upplupna kostnader"},
    {3001, "Försäljning inom Sverige, 25 % moms"}, {3002, "Försäljning inom Sverige, 12 % moms"},
    {3003, "Försäljning inom Sverige, 6 % moms"}, {3004, "Försäljning inom Sverige, momsfri"},
    {3105, "Försäljning varor till land utanför EU"}, {3108, "Försäljning varor till annat EU-land, momsfri"},
    {3308, "Försäljning tjänster till annat EU-land"}, {3740, "Öres- och kronutjämning"},
    {3960, "Valutakursvinster på fordringar och skulder av rörelsekaraktär"}, {3990, "Övriga ersättningar och intäkter"},
    {4010, "Inköp material och varor"}, {4056, "Inköp av varor från annat EU-land, 25 %"},
    {4531, "Import tjänster land utanför EU, 25 %"}, {4990, "Förändring av lager"}, {5010, "Lokalhyra"},
    {5020, "El för belysning"}, {5060, "Städning och renhållning"}, {5410, "Förbrukningsinventarier"},
    {5460, "Förbrukningsmaterial"}, {5611, "Drivmedel för personbilar"}, {5800, "Resekostnader"},
    {5910, "Annonsering"}, {6071, "Representation, avdragsgill"}, {6110, "Kontorsmateriel"},
    {6212, "Mobiltelefon"}, {6230, "Datakommunikation"}, {6250, "Postbefordran"}, {6310, "Företagsförsäkringar"},
    {6530, "Redovisningstjänster"}, {6540, "IT-tjänster"}, {6570, "Bankkostnader"}, {6991, "Övriga externa kostnader, avdragsgilla"},
    {7010, "Löner till kollektivanställda"}, {7210, "Löner till tjänstemän"}, {7510, "Arbetsgivaravgifter 31,42 %"},
    {7690, "Övriga personalkostnader"}, {7832, "Avskrivningar på inventarier och verktyg"},
    {7960, "Valutakursförluster på fordringar och skulder av rörelsekaraktär"}, {8310, "Ränteintäkter från omsättningstillgångar"},
    {8410, "Räntekostnader för långfristiga skulder"}, {8423, "Räntekostnader för skatter och avgifter"},
    {8910, "Skatt som belastar årets resultat"}, {8999, "Årets resultat"},
};

Kontotyp typFör(int64_t nummer) {
    if (nummer < 2000) return Kontotyp::tillgång;
    if (nummer < 3000) return Kontotyp::skuld;
    if (nummer < 4000 || (nummer >= 8300 && nummer < 8400)) return Kontotyp::intäkt;
    return Kontotyp::kostnad;
}

struct Bygge {
    Bokföring& bok;
    Slump slump;

    Konto& konto(int64_t nummer) { return *bok.hittaKonto(nummer); }

    std::unique_ptr<Rad> rad(int64_t kontonummer, int64_t belopp, int64_t radnummer, Datum datum,
                             std::vector<Kostnadsställe*> kostnadsställen = {}) {
        return std::make_unique<Rad>(konto(kontonummer), öre(belopp), radnummer, std::move(kostnadsställen),
                                     std::string("Exempel"), datum, std::nullopt, std::nullopt, std::nullopt);
    }

    // One balanced entry of a kind chosen by `slag`.
    std::unique_ptr<Verifikation> verifikation(std::optional<int64_t> nummer, Datum datum, int slag) {
        Radlista rader;
        std::string namn;
        Verifikationstyp typ = Verifikationstyp::manuell;
        int64_t netto = slump.mellan(100, 250000) * 100 + slump.mellan(0, 99);
        Kostnadsställe* ställe = bok.kostnadsställen[size_t(slump.mellan(0, 2))].get();
        Kostnadsställe* projekt = bok.kostnadsställen[size_t(slump.mellan(3, 5))].get();
        switch (slag % 5) {
        case 0: {  // a sale at 25 %, 12 % or 6 %
            static constexpr std::array<std::pair<int64_t, int64_t>, 3> nivåer = {{{3001, 25}, {3002, 12}, {3003, 6}}};
            auto [intäkt, procent] = nivåer[size_t(slump.mellan(0, 2))];
            int64_t moms = netto * procent / 100;
            int64_t momskonto = procent == 25 ? 2610 : procent == 12 ? 2620 : 2630;
            namn = "Faktura " + std::to_string(slump.mellan(1000, 9999)) + " skickad";
            typ = Verifikationstyp::intäkt;
            rader.push_back(rad(1510, netto + moms, 1, datum));
            rader.push_back(rad(intäkt, -netto, 2, datum, {ställe, projekt}));
            rader.push_back(rad(momskonto, -moms, 3, datum));
            break;
        }
        case 1: {  // a purchase with input VAT
            static constexpr std::array<int64_t, 6> kostnader = {4010, 5010, 5460, 6110, 6230, 6540};
            int64_t moms = netto / 4;
            namn = "Leverantörsfaktura " + std::to_string(slump.mellan(100, 999));
            typ = Verifikationstyp::kostnad;
            rader.push_back(rad(kostnader[size_t(slump.mellan(0, 5))], netto, 1, datum, {ställe}));
            rader.push_back(rad(2640, moms, 2, datum));
            rader.push_back(rad(2440, -(netto + moms), 3, datum));
            break;
        }
        case 2:  // a customer pays
            namn = "Inbetalning kund";
            rader.push_back(rad(1930, netto, 1, datum));
            rader.push_back(rad(1510, -netto, 2, datum));
            break;
        case 3:  // a supplier is paid
            namn = "Betalning leverantör";
            typ = Verifikationstyp::betaldLeverantörsfaktura;
            rader.push_back(rad(2440, netto, 1, datum));
            rader.push_back(rad(1930, -netto, 2, datum));
            break;
        default: {  // wages with tax and employer fees
            int64_t skatt = netto * 30 / 100;
            int64_t avgift = netto * 3142 / 10000;
            namn = "Lön";
            typ = Verifikationstyp::lön;
            rader.push_back(rad(7210, netto, 1, datum, {ställe}));
            rader.push_back(rad(2710, -skatt, 2, datum));
            rader.push_back(rad(1930, -(netto - skatt), 3, datum));
            rader.push_back(rad(7510, avgift, 4, datum, {ställe}));
            rader.push_back(rad(2731, -avgift, 5, datum));
            break;
        }
        }
        return std::make_unique<Verifikation>(nummer, namn, typ, datum, std::move(rader), std::nullopt, std::nullopt,
                                              std::nullopt);
    }
};

constexpr std::array<const char*, 8> förnamn = {"Anna", "Erik", "Maria", "Lars", "Karin", "Johan", "Sofia", "Mikael"};
constexpr std::array<const char*, 8> efternamn = {"Andersson", "Johansson", "Karlsson", "Nilsson",
                                                  "Eriksson",  "Larsson",   "Olsson",   "Persson"};
struct Ort {
    const char* land;
    const char* postnummer;
    const char* stad;
    const char* bolagsform;
};
constexpr std::array<Ort, 6> orter = {{{"se", "111 22", "Stockholm", " AB"},
                                       {"se", "411 01", "Göteborg", " AB"},
                                       {"no", "0150", "Oslo", " AS"},
                                       {"dk", "1050", "København K", " A/S"},
                                       {"fi", "00100", "Helsinki", " Oy"},
                                       {"de", "10115", "Berlin", " GmbH"}}};

void läggTillMall(Bokföring& bok) {
    auto mall = std::make_unique<Fakturamall>();
    mall->namn = "Egen faktura";
    mall->radavstånd = 14;
    Stil rubrik(Font{"Helvetica-Bold", 18}, TextAlignment::left);
    Stil text(Font{"Helvetica", 10}, TextAlignment::left, Color{0.2, 0.2, 0.2, 1});
    mall->fält.emplace_back(Rect{40, 760, 300, 24}, Fakturafält::Id::Title, rubrik);
    mall->fält.emplace_back(Rect{40, 700, 240, 60}, Fakturafält::Id::SenderAddress, text);
    mall->fält.emplace_back(Rect{320, 700, 240, 60}, Fakturafält::Id::RecipientAddress, text);
    mall->fält.emplace_back(Rect{40, 200, 520, 440}, Fakturafält::Id::LineContents, text);
    Fakturaspråk svenska;
    svenska.språk = "sv";
    svenska.fraser.sätt("_invoice", "Faktura");
    svenska.fraser.sätt("_1st_reminder", "Påminnelse");
    svenska.fält.emplace_back(Rect{40, 120, 520, 40}, Fakturafält::Id::FreeText, text);
    mall->språk.push_back(std::move(svenska));
    bok.fakturamallar.push_back(std::move(mall));
}
// Articles, supplier invoices, a smart folder and payroll payments.
void läggTillÖvrigt(Bokföring& bok) {
    std::vector<const NumreratObjekt*> tidigare;
    struct Vara {
        const char* namn;
        int64_t konto;
        const char* enhet;
        int64_t öre;
        Artikeltyp typ;
    };
    for (const Vara& v : {Vara{"Konsulttimme", 3001, "tim", 95000, Artikeltyp::tjänster},
                          Vara{"Kokbok", 3003, "st", 29900, Artikeltyp::varor},
                          Vara{"Kaffe 500 g", 3002, "st", 8950, Artikeltyp::varor},
                          Vara{"Support per månad", 3001, "mån", 250000, Artikeltyp::tjänster}}) {
        auto artikel = std::make_unique<Artikel>();
        static_cast<NumreratObjekt&>(*artikel) = NumreratObjekt(tidigare);
        artikel->namn = v.namn;
        artikel->försäljningskonto = bok.hittaKonto(v.konto);
        artikel->enhet = v.enhet;
        artikel->pris = öre(v.öre);
        artikel->typ = v.typ;
        artikel->_momssats = Decimal::make(25, -2, false);
        tidigare.push_back(artikel.get());
        bok.artiklar.push_back(std::move(artikel));
    }
    bok.förvaldArtikel = bok.artiklar.front().get();

    Affärskontakt* leverantör = nullptr;
    for (const auto& k : bok.kontakter)
        if (k->leverantör()) leverantör = k.get();
    if (leverantör) {
        auto ej = std::make_unique<EjRegistreradLeverantörsfaktura>();
        ej->nummer = "1";
        ej->ordningstal = 1;
        ej->avsändare = leverantör;
        ej->externtNummer = "F-20261";
        ej->betalningsinfo = EjRegistreradLeverantörsfaktura::Betalningsinformation::faktura(Datum(20261201), 30);
        bok.ejRegistreradeLeverantörsfakturor.push_back(std::move(ej));

        // A cash invoice first: the file keeps regular ones before cash ones.
        auto kontant = std::make_unique<KontantLeverantörsfaktura>();
        kontant->nummer = "2";
        kontant->ordningstal = 2;
        kontant->avsändare = leverantör;
        kontant->externtNummer = "K-77";
        kontant->betalningsdatum = Datum(20261110);
        kontant->växelkurs = Decimal::fromInt(1);
        kontant->poster.emplace_back(bok.hittaKonto(6110), öre(49900));
        kontant->poster.emplace_back(bok.hittaKonto(2640), öre(12475));
        auto vanlig = std::make_unique<VanligLeverantörsfaktura>();
        vanlig->nummer = "1";
        vanlig->ordningstal = 1;
        vanlig->avsändare = leverantör;
        vanlig->externtNummer = "4711";
        vanlig->fakturadatum = Datum(20261015);
        vanlig->betalningsfrist = 30;
        vanlig->växelkurs = Decimal::fromInt(1);
        vanlig->poster.emplace_back(bok.hittaKonto(5010), öre(1200000));
        vanlig->poster.emplace_back(bok.hittaKonto(2640), öre(300000));
        bok.leverantörsfakturor.push_back(std::move(kontant));
        bok.leverantörsfakturor.push_back(std::move(vanlig));
    }

    auto mapp = std::make_unique<SmartMapp>();
    mapp->rubrik = "Obetalda leverantörsfakturor";
    mapp->typ = TypAvSmartMapp::förLeverantörsfakturor;
    bok.smartaMappar.push_back(std::move(mapp));

    for (int månad = 1; månad <= 3; ++månad) {
        auto lön = std::make_unique<Löneutbetalning>();
        lön->skattetabell = 32;
        lön->datum = Datum(20260025 + månad * 100);
        lön->bruttolön = öre(3500000);
        lön->skatt = öre(1050000);
        lön->arbetsgivaravgift = öre(1099700);
        lön->avgift = Decimal::make(3142, -4, false);
        lön->lönekostnad = öre(4599700);
        bok.löneutbetalningar.push_back(std::move(lön));
    }
}

void fyllIFinskaUppgifter(Bokföring& bok) {
    bok.namn = "Esimerkkiyhtiö Oy";
    bok.adress.gata = "Mannerheimintie 12";
    bok.adress.postnummer = "00100";
    bok.adress.postadress = "Helsinki";
    bok.adress.land = "fi";
    bok.telefon = "09 123 4567";
    bok.email = "info@esimerkkiyhtio.fi";
    bok.hemsida = "www.esimerkkiyhtio.fi";
    bok._säte = "Helsinki";
    bok.bank = "Esimerkkipankki";
    bok.iban = "FI21 1234 5600 0007 85";
    bok.bic = "NDEAFIHH";
}

void fyllISvenskaUppgifter(Bokföring& bok) {
    bok.namn = "Exempelbolaget i Sverige AB";
    bok.adress.gata = "Storgatan 12";
    bok.adress.postnummer = "123 45";
    bok.adress.postadress = "Stad";
    bok.telefon = "08-123 456 78";
    bok.email = "info@exempelbolaget.se";
    bok.hemsida = "www.exempelbolaget.se";
    bok._säte = "Stockholm";
    bok.bank = "Exempelbanken";
    bok.bankkonto = "1234-56 789 01";
    bok.bankgiro = "123-4567";
    bok.plusgiro = "12 34 56-7";
    bok.iban = "SE45 5000 0000 0583 9825 7466";
    bok.bic = "ESSESESS";
    bok.swish = "123 456 78 90";
}
}  // namespace

std::unique_ptr<Bokföring> byggExempelbokföring(const Exempelval& val) {
    if (val.land != "se" && val.land != "fi")
        throw std::invalid_argument("example ledgers are Swedish or Finnish, not '" + val.land + "'");
    const bool finsk = val.land == "fi";
    const std::string organisationsnummer =
        !val.organisationsnummer.empty() ? val.organisationsnummer : finsk ? "1234567-8" : "556677-8899";
    auto bok = std::make_unique<Bokföring>(finsk ? "EUR" : "SEK", organisationsnummer, val.land,
                                           "8F2C6A1E-4B7D-4E21-9C3A-5D0B7E9F1A24", Företagsform::aktiebolag);
    if (finsk)
        fyllIFinskaUppgifter(*bok);
    else
        fyllISvenskaUppgifter(*bok);
    bok->momsregistrerat = true;
    bok->fax = val.allaKontaktuppgifter ? std::optional<std::string>(finsk ? "09 123 4568" : "08-123 456 79")
                                        : std::nullopt;
    bok->mobil = val.allaKontaktuppgifter ? std::optional<std::string>(finsk ? "040 123 4567" : "070-123 45 67")
                                          : std::nullopt;
    bok->logotyp = val.logotyp;
    bok->momsredovisningsalternativ = RedovisningsalternativFörMoms::kvartal;

    for (const auto& [nummer, namn] : kontoplan)
        bok->konton.push_back(std::make_unique<Konto>(nummer, namn, typFör(nummer)));
    // Levels are stored by their position, so index and position agree.
    struct Nivå {
        int64_t procent, utgående, intäkt;
    };
    constexpr std::array<Nivå, 4> nivåer = {{{25, 2610, 3001}, {12, 2620, 3002}, {6, 2630, 3003}, {0, 0, 3004}}};
    for (size_t i = 0; i < nivåer.size(); ++i) {
        auto nivå = std::make_unique<Momsnivå>(int64_t(i), Decimal::make(unsigned(nivåer[i].procent), -2, false));
        nivå->kontoFörUtgåendeMoms = bok->hittaKonto(nivåer[i].utgående);
        nivå->kontoFörIngåendeMoms = bok->hittaKonto(2640);
        if (i == 0) {
            nivå->kontoFörUtgåendeMomsOmvändSkattskyldighet = bok->hittaKonto(2614);
            nivå->kontoFörUtgåendeMomsImportAvVaror = bok->hittaKonto(2615);
        }
        bok->hittaKonto(nivåer[i].intäkt)->momsnivå = nivå.get();
        bok->momsnivåer.push_back(std::move(nivå));
    }
    bok->hittaKonto(3001)->momskod = "05";
    bok->hittaKonto(2610)->momskod = "10";
    bok->hittaKonto(2640)->momskod = "48";

    for (auto [dimension, nummer, namn] : std::array<std::tuple<int64_t, const char*, const char*>, 6>{
             {{1, "100", "Försäljning"}, {1, "200", "Produktion"}, {1, "300", "Administration"},
              {6, "P1", "Projekt Norr"}, {6, "P2", "Projekt Syd"}, {6, "P3", "Webbshop"}}})
        bok->kostnadsställen.push_back(std::make_unique<Kostnadsställe>(dimension, nummer, std::string(namn)));

    bok->räkenskapsår.push_back(std::make_unique<Räkenskapsår>(Datum(20250101), Datum(20251231), "2025"));
    bok->räkenskapsår.push_back(std::make_unique<Räkenskapsår>(Datum(20260101), Datum(20261231), "2026"));

    Bygge bygge{*bok, {}};
    // Two thirds of the entries fall in the first year.
    int64_t förstaÅret = val.antalVerifikationer * 2 / 3;
    for (int64_t i = 0; i < val.antalVerifikationer; ++i) {
        bool första = i < förstaÅret;
        int64_t iÅret = första ? i : i - förstaÅret;
        int64_t antalIÅret = första ? förstaÅret : val.antalVerifikationer - förstaÅret;
        int64_t dag = antalIÅret > 0 ? iÅret * 360 / antalIÅret : 0;
        Datum datum = Datum(första ? 20250101 : 20260101) + dag;
        auto& år = *bok->räkenskapsår[första ? 0 : 1];
        år.verifikationer.push_back(bygge.verifikation(iÅret + 1, datum, int(bygge.slump.mellan(0, 4))));
    }

    std::vector<const NumreratObjekt*> tidigare;
    for (int64_t i = 0; i < val.antalKontakter; ++i) {
        auto kontakt = std::make_unique<Affärskontakt>(tidigare);
        const Ort& ort = orter[size_t(i) % orter.size()];
        std::string person = std::string(förnamn[size_t(i) % 8]) + " " + efternamn[size_t(i / 8) % 8];
        kontakt->namn = person;
        kontakt->företag = std::string(efternamn[size_t(i * 3) % 8]) + "s " + (i % 2 ? "Bygg" : "Konsult") + ort.bolagsform;
        kontakt->adress.gata = "Exempelvägen " + std::to_string(i + 1);
        kontakt->adress.postnummer = ort.postnummer;
        kontakt->adress.postadress = ort.stad;
        kontakt->adress.land = ort.land;
        kontakt->epost = "kontakt" + std::to_string(i + 1) + "@exempel." + std::string(ort.land == std::string("se") ? "se" : ort.land);
        kontakt->telefon = "0" + std::to_string(700000000 + i * 1371);
        kontakt->typ = i % 5 == 4 ? Kontakttyp::leverantör : Kontakttyp::kund;
        if (i % 3 == 0) kontakt->organisationsnummer = "55" + std::to_string(1000 + i) + "-" + std::to_string(4000 + i);
        tidigare.push_back(kontakt.get());
        bok->kontakter.push_back(std::move(kontakt));
    }

    bok->kontoFörResultat = bok->hittaKonto(2099);
    bok->kontoFörLeverantörsskulder = bok->hittaKonto(2440);
    bok->kontoFörKundfordringar = bok->hittaKonto(1510);
    bok->kontoFörÖresutjämning = bok->hittaKonto(3740);
    bok->kontoFörValutakursvinster = bok->hittaKonto(3960);
    bok->kontoFörValutakursförluster = bok->hittaKonto(7960);
    bok->kontoFörMomsredovisning = bok->hittaKonto(2650);
    bok->kontoFörAskatt = bok->hittaKonto(2710);
    bok->kontoFörArbetsgivaravgifter = bok->hittaKonto(2731);
    bok->kontoFörKostnaderFörArbetsgivaravgifter = bok->hittaKonto(7510);
    bok->kontoFörLönekostnader = bok->hittaKonto(7210);
    bok->kontoFörKreditering = bok->hittaKonto(1930);
    bok->namnPåLöneutbetalning = "Lön";

    if (val.medFakturamall) läggTillMall(*bok);
    if (val.medÖvrigt) läggTillÖvrigt(*bok);
    if (val.allaPostformer) läggTillAllaPostformer(*bok);
    läggTillSkickadeFakturor(*bok, val.antalSkickadeFakturor, val.senasteFaktura, val.allaPostformer);
    läggTillEjSkickadeFakturor(*bok, val.antalEjSkickadeFakturor);
    if (val.medÖvrigt) {
        bok->sättKreditvillkor("sv", "Vid betalning efter förfallodagen debiteras dröjsmålsränta enligt räntelagen.");
        bok->sättKreditvillkor("en", "Interest is charged on late payment.");
        auto& andra = *bok->räkenskapsår[1];
        andra.sättIngåendeSaldo(*bok->hittaKonto(1930), öre(15234550));
        andra.sättIngåendeSaldo(*bok->hittaKonto(2081), öre(-2500000));
        for (auto [start, slut] : std::array<std::pair<int64_t, int64_t>, 4>{
                 {{20250101, 20250331}, {20250401, 20250630}, {20250701, 20250930}, {20251001, 20251231}}})
            bok->avslutadePerioder.emplace_back(Datum(start), Datum(slut), true);
        bok->kommandeVerifikationer.push_back(bygge.verifikation(std::nullopt, Datum(20261215), 1));
        bok->kommandeVerifikationer.push_back(bygge.verifikation(std::nullopt, Datum(20261220), 0));
        bok->nummerPåSenastImporteradeKontoutdrag = 42;
    }
    return bok;
}
