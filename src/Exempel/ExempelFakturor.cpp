#include "Exempel/ExempelFakturor.h"
#include "Exempel/Exempelbelopp.h"

#include "Modell/Affarskontakt.h"
#include "Modell/Artikel.h"
#include "Modell/Belopp.h"
#include "Modell/Bokforing.h"
#include "Modell/Fakturor/EjSkickadFaktura.h"
#include "Modell/Fakturor/EjSkickadFakturapost.h"
#include "Modell/Fakturor/Faktura.h"
#include "Modell/Konto.h"

#include <array>
#include <stdexcept>
#include <string>

namespace {

Artikel& nyArtikel(Bokföring& bok, const char* nummer, const char* namn, Artikeltyp typ, ROT_och_RUT_kategori kategori,
                   int64_t konto, int64_t prisIÖre, const char* enhet) {
    auto a = std::make_unique<Artikel>();
    a->nummer = nummer;
    a->ordningstal = NumreratObjekt::ordningstalFrånNummer(nummer);
    a->namn = namn;
    a->typ = typ;
    a->rot_och_rut = kategori;
    a->försäljningskonto = bok.hittaKonto(konto);
    a->pris = öre(prisIÖre);
    a->enhet = std::string(enhet);
    bok.artiklar.push_back(std::move(a));
    return *bok.artiklar.back();
}

struct Variant {
    const char* valuta;
    const char* kurs;  // none for SEK
    const char* språk;
    const char* mall;  // a built-in code, or "" for the user template
};

constexpr std::array<Variant, 6> varianter = {{{"SEK", nullptr, "sv", "Df"},
                                               {"EUR", "11.4523", "fi", "FiGiro1"},
                                               {"SEK", nullptr, "sv", ""},
                                               {"NOK", "0.9871", "no", "NoGiro2"},
                                               {"EUR", "11.3107", "en", "M"},
                                               {"SEK", nullptr, "de", "Karvomat4"}}};

// A comment of a few lines, a little different for every item.
std::string långKommentar(int64_t post) {
    static constexpr std::array<const char*, 3> arbeten = {
        "demontering av gammal panel, ny isolering och nya reglar",
        "slipning och tre strykningar med linoljefärg på fasaden",
        "byte av fönsterbleck och tätning runt alla fönster"};
    return "Rad " + std::to_string(post + 1) + ": " + arbeten[size_t(post) % arbeten.size()] +
           ", enligt offert och överenskommelse på plats.";
}

void sättInbyggdMall(EjSkickadFaktura& d, const char* kod) {
    auto inbyggd = frånKod<InbyggdFakturamall>(std::string_view(kod));
    if (!inbyggd) throw std::invalid_argument(std::string("no built-in invoice template is called ") + kod);
    d.sättInbyggdFakturamall(*inbyggd);
    d.sättEgenFakturamall(nullptr);
}

// The invoice articles, made once: a ROT service (the default article)
// and goods, and for the varied shapes a RUT service too.
struct Fakturaartiklar {
    Artikel* tjänst;
    Artikel* vara;
};

Fakturaartiklar fakturaartiklar(Bokföring& bok) {
    auto finns = [&](const char* nummer) -> Artikel* {
        for (auto& a : bok.artiklar)
            if (a->nummer == nummer) return a.get();
        return nullptr;
    };
    Artikel* tjänst = finns("100");
    if (!tjänst)
        tjänst = &nyArtikel(bok, "100", "Konsulttimme", Artikeltyp::tjänster, ROT_och_RUT_kategori::bygg, 3001, 95000,
                            "tim");
    Artikel* vara = finns("200");
    if (!vara)
        vara = &nyArtikel(bok, "200", "Handbok", Artikeltyp::varor, ROT_och_RUT_kategori::ej_rot_och_rut, 3002, 24900,
                          "st");
    bok.förvaldArtikel = tjänst;
    bok.kontoFörROT = bok.hittaKonto(1513);
    return {tjänst, vara};
}

Artikel& rutArtikel(Bokföring& bok) {
    for (auto& a : bok.artiklar)
        if (a->nummer == "300") return *a;
    return nyArtikel(bok, "300", "Fönsterputs", Artikeltyp::tjänster, ROT_och_RUT_kategori::städning, 3001, 45000,
                     "tim");
}

// Shapes invoice `i` after one of the varied forms: across a few
// invoices every switch and optional field of the record is both set and
// left out, each kind of tax deduction (and none) occurs, and items carry
// discounts of both kinds, comments and units.
void forma(EjSkickadFaktura& d, int64_t i, Bokföring& bok, const Fakturaartiklar& artiklar) {
    static constexpr std::array<const char*, 5> språk = {"sv", "en", "de", "fi", "no"};
    static constexpr std::array<const char*, 6> mallar = {"Df", "M", "FiGiro1", "NoGiro2", "Karvomat4", "E"};
    const bool sek = i % 4 != 3;
    d.sättValuta(sek ? "SEK" : "EUR");
    d.sättSpråk(språk[size_t(i) % språk.size()]);
    d.sättBetalningsfrist(10 + 5 * (i % 4));
    if (i % 3 == 1 && !bok.fakturamallar.empty()) {
        d.sättInbyggdFakturamall(InbyggdFakturamall::Standard);
        d.sättEgenFakturamall(bok.fakturamallar[size_t(i / 3) % bok.fakturamallar.size()].get());
    } else {
        sättInbyggdMall(d, mallar[size_t(i) % mallar.size()]);
    }
    if (i % 2 == 1) d.sättRabatt(öre(5));
    if (i % 3 != 2) d.sättMeddelande("Faktura " + std::to_string(i + 1) + " enligt avtal");
    if (i % 2 == 0) d.sättVårReferens(std::string("Anna Andersson"));
    if (i % 3 == 0) d.sättInköpsordernummer("PO-" + std::to_string(4000 + i));
    if (i % 2 == 0) d.sättLeveranssätt(std::string("Bud"));
    d.visaLeveransdatum = i % 2 == 0;
    if (i % 4 != 1) d._leveransdatum = d.fakturadatum() + 2;
    d.visaLeveransadress = i % 3 == 0;
    d.sättÖresutjämna(i % 2 == 1);
    // Reverse charge only without a deduction, which it would contradict.
    d.sättOmvändSkattskyldighetFörMoms(i % 6 == 5);
    if (i % 2 == 0 && bok.kostnadsställen.size() >= 4)
        d.kostnadsställen = {bok.kostnadsställen[0].get(), bok.kostnadsställen[3].get()};
    if (i % 2 == 1) {
        d.tillåtKolumn(Fakturakolumn::radnummer);
        d.tillåtKolumn(Fakturakolumn::rabatt);
        d.tillåtKolumn(Fakturakolumn::enhet);
        d.tillåtKolumn(Fakturakolumn::momsbelopp);
    }

    auto& tjänst = d.läggTillPost();
    tjänst.sättArtikel(artiklar.tjänst);
    tjänst.sättAntal(Decimal::fromInt(1 + i % 5));
    if (i % 2 == 0) tjänst.sättKommentar(std::string("Arbete på plats"));
    auto& vara = d.läggTillPost();
    vara.sättArtikel(artiklar.vara);
    vara.sättAntal(Decimal::fromInt(2 + i % 3));
    vara.sättRabattbeskrivning(i % 2 == 0 ? "10%" : "50");
    auto& fritext = d.läggTillPost();
    fritext.benämning = "Milersättning";
    fritext.sättPris(öre(2500 + 10 * i));
    fritext.sättAntal(Decimal::make(125, -1, false));
    fritext.sättEnhet(std::string("mil"));
    if (i % 5 == 0) {
        auto& tom = d.läggTillPost();  // a heading line without amount
        tom.benämning = "Material enligt följesedel";
        tom.sättAntal(noll);
    }

    if (!sek || i % 6 == 5) return;
    switch (i % 6) {
        case 0:
            d.sättSkatteavdrag(Skatteavdrag::rot("19700101-1234", std::string("19720202-2345"), öre(50),
                                                 Rotuppgifter::hus("Exempel 1:23"), Skatteavdrag::standardFörROT()));
            break;
        case 1:
            d.sättSkatteavdrag(Skatteavdrag::rot("19700101-1234", std::nullopt, öre(100),
                                                 Rotuppgifter::bostadsrätt("769600-1234", "1102"),
                                                 Skatteavdrag::standardFörROT()));
            break;
        case 2:
            d.sättSkatteavdrag(Skatteavdrag::rot(std::nullopt, std::nullopt, öre(100), std::nullopt, std::nullopt));
            break;
        case 4: {
            auto& rut = d.läggTillPost();
            rut.sättArtikel(&rutArtikel(bok));
            rut.sättAntal(Decimal::fromInt(3));
            d.sättSkatteavdrag(Skatteavdrag::rut("19800303-3456", std::string("19820404-4567"), öre(60),
                                                 i % 12 == 4 ? std::optional<Decimal>(Skatteavdrag::standardFörRUT())
                                                             : std::nullopt));
            break;
        }
        default:
            break;
    }
}

// The columns of a table with eight or ten of them, in column order.
std::vector<Fakturakolumn> kolumnerFör(int antal) {
    using K = Fakturakolumn;
    if (antal == 8) return {K::radnummer, K::artikelnummer, K::artikelnamn, K::kommentar,
                            K::antal,     K::enhet,         K::pris,        K::belopp};
    if (antal == 10) return {K::radnummer, K::artikelnummer, K::artikelnamn, K::rabatt, K::kommentar,
                             K::antal,     K::enhet,         K::pris,        K::momssats, K::belopp};
    throw std::invalid_argument("an example invoice has 8 or 10 columns, not " + std::to_string(antal));
}

// Where a customer of each country lives, for a latest invoice sent
// abroad.
struct Utlandskund {
    const char* land;
    const char* företag;
    const char* gata;
    const char* postnummer;
    const char* ort;
    const char* momsnummer;
};
constexpr std::array<Utlandskund, 14> utlandskunder = {{
    {"at", "Alpenholz GmbH", "Kärntner Straße 21", "1010", "Wien", "ATU12345678"},
    {"se", "Nordanvind Bygg AB", "Sveavägen 44", "113 50", "Stockholm", "SE556012345601"},
    {"dk", "Havnens Tømrer A/S", "Strøget 18", "1160", "København K", "DK12345678"},
    {"no", "Fjordhus Snekkeri AS", "Karl Johans gate 7", "0154", "Oslo", "NO912345678MVA"},
    {"fi", "Järvenpään Puu Oy", "Aleksanterinkatu 15", "00100", "Helsinki", "FI12345678"},
    {"de", "Schreinerei Müller GmbH", "Friedrichstraße 112", "10117", "Berlin", "DE123456789"},
    {"es", "Carpintería Soler S.L.", "Calle de Alcalá 48", "28014", "Madrid", "ESB12345678"},
    {"gb", "Thames Joinery Ltd", "12 Baker Street", "NW1 6XE", "London", "GB123456789"},
    {"it", "Falegnameria Rossi S.r.l.", "Via del Corso 102", "00186", "Roma", "IT12345678901"},
    {"ch", "Holzbau Keller AG", "Bahnhofstrasse 25", "8001", "Zürich", "CHE-123.456.789 MWST"},
    {"be", "Menuiserie Dubois SPRL", "Rue Neuve 30", "1000", "Bruxelles", "BE0123456789"},
    {"fr", "Menuiserie Lefèvre SARL", "Rue de Rivoli 64", "75004", "Paris", "FR12345678901"},
    {"nl", "Timmerbedrijf de Vries B.V.", "Damrak 70", "1012 LM", "Amsterdam", "NL123456789B01"},
    {"lu", "Menuiserie Schmit S.à r.l.", "Grand-Rue 5", "1660", "Luxembourg", "LU12345678"},
}};

const Utlandskund* utlandskund(const std::string& land) {
    for (const Utlandskund& k : utlandskunder)
        if (land == k.land) return &k;
    return nullptr;
}

// The ledger's first customer in the country with code `land`, or a new
// one there; a code of no known country is refused.
Affärskontakt& kundI(Bokföring& bok, const std::string& land) {
    const Utlandskund* känd = utlandskund(land);
    if (!känd) throw std::invalid_argument("no country has the code '" + land + "'");
    for (auto& k : bok.kontakter)
        if (k->kund() && k->adress.land == land) return *k;
    std::vector<const NumreratObjekt*> tidigare;
    for (auto& k : bok.kontakter) tidigare.push_back(k.get());
    auto ny = std::make_unique<Affärskontakt>(tidigare);
    ny->namn = "Alex Berg";
    ny->företag = känd->företag;
    ny->adress.gata = känd->gata;
    ny->adress.postnummer = känd->postnummer;
    ny->adress.postadress = känd->ort;
    ny->adress.land = känd->land;
    ny->momsregistreringsnummer = känd->momsnummer;
    ny->epost = "inkop@exempel." + land;
    ny->typ = Kontakttyp::kund;
    bok.kontakter.push_back(std::move(ny));
    return *bok.kontakter.back();
}

// Gives the latest invoice the shape `senaste` asks for beyond template,
// language and items.
void formaSenaste(EjSkickadFaktura& d, Bokföring& bok, const Senastefakturaval& senaste) {
    const bool svensk = bok.land == Land::Sverige;
    if (senaste.kolumner) {
        d.tillåtnaKolumner = kolumnerFör(*senaste.kolumner);
        // A discount on every other item, so the discount column has
        // something to show.
        for (size_t n = 1; n < d.poster.size(); n += 2) d.poster[n]->sättRabattbeskrivning("10%");
    }
    if (senaste.långaBenämningar)
        for (size_t n = 0; n < d.poster.size(); ++n) {
            d.poster[n]->sättArtikel(nullptr);
            d.poster[n]->benämning = "Post " + std::to_string(n + 1) +
                                     ": projektering, leverans och installation av ventilationsaggregat";
        }
    if (senaste.allaUppgifter) {
        d.sättVårReferens(std::string("Anna Andersson"));
        d.sättInköpsordernummer("PO-2026-0042");
        d.sättLeveranssätt(std::string("Bud"));
        d.visaLeveransdatum = true;
        d._leveransdatum = d.fakturadatum() + 2;
        if (d.mottagare) {
            Adress lager = d.mottagare->adress;
            lager.attention = "Godsmottagningen";
            lager.gata = "Lagergatan 4";
            d.mottagare->leveransadress = lager;
            const Utlandskund* k = utlandskund(d.mottagare->adress.land);
            if (k && !d.mottagare->momsregistreringsnummer) d.mottagare->momsregistreringsnummer = k->momsnummer;
        }
        d.visaLeveransadress = true;
        d.sättMeddelande("Tack för ert förtroende! Kontakta oss gärna vid frågor om fakturan.");
        bok.visaKundnummerPåFakturor = true;
        bok.godkändFörFSkatt = svensk;
        if (const char* villkor = vanligaKreditvillkor(d.språk())) bok.sättKreditvillkor(d.språk(), villkor);
        if (svensk && !senaste.omvändSkattskyldighet)
            d.sättSkatteavdrag(Skatteavdrag::rot("19700101-1234", std::string("19720202-2345"), öre(50),
                                                 Rotuppgifter::hus("Exempel 1:23"), Skatteavdrag::standardFörROT()));
    }
    if (senaste.rabattOchAvrundning) {
        d.sättRabatt(öre(5));
        d.sättÖresutjämna(true);
    }
    if (senaste.omvändSkattskyldighet) d.sättOmvändSkattskyldighetFörMoms(true);
    if (senaste.profil) formaEfterProfil(bok, d, *senaste.profil);
}

std::vector<Affärskontakt*> kunder(Bokföring& bok) {
    std::vector<Affärskontakt*> ut;
    for (auto& k : bok.kontakter)
        if (k->kund()) ut.push_back(k.get());
    return ut;
}

}  // namespace

const char* vanligaKreditvillkor(std::string_view språk) {
    constexpr std::array<std::pair<const char*, const char*>, 11> kreditvillkorPåSpråk = {{
        {"sv", "Vid betalning efter förfallodagen debiteras dröjsmålsränta enligt räntelagen."},
        {"en", "Interest is charged on payments made after the due date."},
        {"de", "Bei Zahlung nach dem Fälligkeitsdatum werden Verzugszinsen berechnet."},
        {"fi", "Eräpäivän jälkeen maksetuista laskuista peritään viivästyskorkoa."},
        {"da", "Ved betaling efter forfaldsdagen beregnes morarente."},
        {"no", "Ved betaling etter forfallsdato beregnes forsinkelsesrente."},
        {"nb", "Ved betaling etter forfallsdato beregnes forsinkelsesrente."},
        {"fr", "Tout paiement après l'échéance entraîne des intérêts de retard."},
        {"es", "Los pagos posteriores al vencimiento devengan intereses de demora."},
        {"it", "I pagamenti oltre la scadenza comportano interessi di mora."},
        {"nl", "Bij betaling na de vervaldatum wordt wettelijke rente berekend."},
    }};
    for (auto [kod, text] : kreditvillkorPåSpråk)
        if (kod == språk) return text;
    return nullptr;
}

void läggTillSkickadeFakturor(Bokföring& bok, int64_t antal, const Senastefakturaval& senaste, bool allaFormer) {
    std::vector<Affärskontakt*> mottagare = kunder(bok);
    if (mottagare.empty() || antal <= 0) return;

    Fakturaartiklar artiklar = fakturaartiklar(bok);
    const Fakturamall* egen = bok.fakturamallar.empty() ? nullptr : bok.fakturamallar.front().get();
    std::vector<const Fakturaliknande*> skickade;
    std::vector<const NumreratObjekt*> numrerade;
    for (int64_t i = 0; i < antal; ++i) {
        const Variant& v = varianter[size_t(i) % varianter.size()];
        const bool sista = i == antal - 1;
        EjSkickadFaktura d(bok, skickade, numrerade);
        d.NumreratObjekt::nummer = std::to_string(1001 + i);
        d.ordningstal = 1001 + i;
        d.mottagare = mottagare[size_t(i) % mottagare.size()];
        if (sista && senaste.land) d.mottagare = &kundI(bok, *senaste.land);
        if (sista && senaste.profil) d.mottagare = &profilkund(bok, *senaste.profil);
        d.sättFakturadatum(Datum(20250115) + i * 23);
        std::optional<Decimal> kurs;
        if (allaFormer) {
            forma(d, i, bok, artiklar);
            if (sista) {
                sättInbyggdMall(d, senaste.mall.c_str());
                if (senaste.språk) d.sättSpråk(*senaste.språk);
                if (senaste.långaKommentarer)
                    for (size_t n = 0; n < d.poster.size(); ++n) d.poster[n]->sättKommentar(långKommentar(int64_t(n)));
            }
            if (d.valuta() != "SEK") kurs = *Decimal::parseWhole("11.4523");
        } else {
            d.sättValuta(v.valuta);
            d.sättSpråk(sista && senaste.språk ? *senaste.språk : v.språk);
            d.sättVårReferens(std::string("Anna Andersson"));
            d.sättÖresutjämna(i % 2 == 0);
            const char* mall = sista ? senaste.mall.c_str() : v.mall;
            if (*mall) {
                sättInbyggdMall(d, mall);
            } else {
                d.sättInbyggdFakturamall(InbyggdFakturamall::Standard);
                d.sättEgenFakturamall(const_cast<Fakturamall*>(egen));
            }
            if (i % 4 == 1) d.sättRabatt(öre(10));
            if (i % 3 == 0) d.sättMeddelande("Tack för ert förtroende!");
            // A service, a book and a travel cost, in turn.
            const int64_t antalPoster = sista && senaste.antalPoster ? *senaste.antalPoster : 3;
            for (int64_t n = 0; n < antalPoster; ++n) {
                auto& p = d.läggTillPost();
                switch (n % 3) {
                    case 0:
                        p.sättArtikel(artiklar.tjänst);
                        p.sättAntal(Decimal::fromInt(1 + (i + n) % 7));
                        break;
                    case 1:
                        p.sättArtikel(artiklar.vara);
                        p.sättAntal(Decimal::fromInt(1 + (i + n - 1) % 3));
                        if (i % 5 == 2) p.sättRabattbeskrivning("10%");
                        break;
                    default:
                        p.benämning = "Resekostnad";
                        p.sättPris(öre(12550 + 100 * i + n - 2));
                        p.sättAntal(ett);
                        break;
                }
                if (sista && senaste.långaKommentarer) p.sättKommentar(långKommentar(n));
            }
            if (std::string(v.valuta) == "SEK" && i % 6 == 2)
                d.sättSkatteavdrag(Skatteavdrag::rot("19700101-1234", std::nullopt, öre(100),
                                                     Rotuppgifter::hus("Exempel 1:23"), Skatteavdrag::standardFörROT()));
            if (v.kurs) kurs = *Decimal::parseWhole(v.kurs);
        }

        // A ledger in euro invoices in its own currency; invoices are
        // booked in kronor all the same.
        if (bok.valuta != "SEK") {
            d.sättValuta(bok.valuta);
            kurs = *Decimal::parseWhole("11.4523");
            if (!d.skatteavdrag().ärInget()) d.sättSkatteavdrag(Skatteavdrag::inget());
        }
        if (sista) formaSenaste(d, bok, senaste);

        auto f = std::make_unique<Faktura>(d, kurs);
        // A fixed identity instead of a random one: same ledger, same bytes.
        std::string löpnummer = std::to_string(1001 + i);
        f->uuid = "5E7D1A00-0000-4000-8000-" + std::string(löpnummer.size() < 12 ? 12 - löpnummer.size() : 0, '0') +
                  löpnummer;
        // The payment states, in turn.
        switch (i % 8) {
            case 1: f->betalningsdatum = f->förfallodatum_ + 3; f->hittillsBetaltBelopp = f->lokaltBeloppAttBetala; break;
            case 2: f->påminnelserSkickade = {f->förfallodatum_ + 10}; break;
            case 3: f->påminnelserSkickade = {f->förfallodatum_ + 10, f->förfallodatum_ + 30}; break;
            case 4: f->hittillsBetaltBelopp = öre(10000); f->kontoFörSenastBetaltBelopp = bok.hittaKonto(1930); break;
            case 5: f->återköpsdatum = f->fakturadatum_ + 5; break;
            case 6: f->kundförlustsdatum = f->förfallodatum_ + 90; break;
            case 7: f->peppolStatus = PEPPOLStatus::mottagen(); break;
            default: break;
        }
        skickade.push_back(f.get());
        numrerade.push_back(f.get());
        bok.skickadeFakturor.push_back(std::move(f));
    }
}

void läggTillEjSkickadeFakturor(Bokföring& bok, int64_t antal) {
    std::vector<Affärskontakt*> mottagare = kunder(bok);
    if (mottagare.empty() || antal <= 0) return;

    Fakturaartiklar artiklar = fakturaartiklar(bok);
    std::vector<const Fakturaliknande*> skickade;
    std::vector<const NumreratObjekt*> numrerade;
    for (const auto& f : bok.skickadeFakturor) {
        skickade.push_back(f.get());
        numrerade.push_back(f.get());
    }
    for (int64_t i = 0; i < antal; ++i) {
        auto d = std::make_unique<EjSkickadFaktura>(bok, skickade, numrerade);
        // An unsent invoice may still lack its recipient.
        if (i % 7 != 6) d->mottagare = mottagare[size_t(i) % mottagare.size()];
        d->sättFakturadatum(Datum(20261101) + i * 3);
        forma(*d, i, bok, artiklar);
        // A template the document no longer has keeps its name.
        if (i % 9 == 8) d->_namnPåEgenFakturamall = "Gammal mall";
        bok.ejSkickadeFakturor.push_back(std::move(d));
    }
}
