#include "Exempel/Exempelprofiler.h"
#include "Exempel/Exempelbelopp.h"

#include "Exempel/ExempelFakturor.h"
#include "Modell/Affarskontakt.h"
#include "Modell/Bokforing.h"
#include "Modell/Fakturor/EjSkickadFaktura.h"

#include <array>
#include <stdexcept>
#include <utility>

namespace {

// The texts of one profile at one length.
struct Värden {
    // The customer.
    std::string företag, referens, gata, attention, postnummer, ort, land, momsnummer, kundnummer;
    // The delivery address.
    std::string leveransattention, leveransgata, leveranspostnummer, leveransort;
    // The sender, the ledger itself.
    std::string avsändare, avsändargata, avsändarpostnummer, avsändarort, epost, hemsida, bank;
    // The invoice's facts.
    std::string vårReferens, inköpsorder, leveranssätt, meddelande;
    // ROT on a house; empty: none.
    std::string fastighetsbeteckning;
};

constexpr const char* personnummer1 = "19700101-1234";
constexpr const char* personnummer2 = "19720202-2345";

// The example ledger's own values, which ordinary invoices show.
void vanligAvsändare(Värden& v) {
    v.avsändare = "Exempelbolaget i Sverige AB";
    v.avsändargata = "Storgatan 12";
    v.avsändarpostnummer = "123 45";
    v.avsändarort = "Stad";
    v.epost = "info@exempelbolaget.se";
    v.hemsida = "www.exempelbolaget.se";
    v.bank = "Exempelbanken";
    v.vårReferens = "Anna Andersson";
}

// A name of 86 characters, two lines of street, an e-mail address of 64
// characters, a web address of 62, the bank's full name, a reference of
// 30.
void långAvsändare(Värden& v) {
    v.avsändare = "Förvaltningsaktiebolaget Kungsholmens Fastighetsservice och Byggkonsult i Stockholm AB";
    v.avsändargata = "Hantverkargatan 78, 4 tr\nBox 12345";
    v.avsändarpostnummer = "102 28";
    v.avsändarort = "Stockholm";
    v.epost = "fakturafragor.kundtjanst@forvaltningsaktiebolaget-kungsholmen.se";
    v.hemsida = "www.forvaltningsaktiebolaget-kungsholmens-fastighetsservice.se";
    v.bank = "Skandinaviska Enskilda Banken AB (publ)";
    v.vårReferens = "Carl-Fredrik Lindqvist-Bergman";
}

// A housing cooperative of 119 characters with a four-line street
// address, a double-barrelled reference and ROT on its property.
Värden svenska(bool långa) {
    Värden v;
    v.postnummer = "112 48";
    v.ort = "Stockholm";
    v.land = "se";
    v.leveranspostnummer = "171 54";
    v.leveransort = "Solna";
    if (!långa) {
        v.företag = "Brf Strandparken";
        v.referens = "Karin Berg";
        v.gata = "Strandvägen 4";
        v.attention = "Ekonomi";
        v.momsnummer = "SE769612345601";
        v.kundnummer = "1042";
        v.leveransattention = "Godsmottagningen";
        v.leveransgata = "Lagergatan 4";
        v.inköpsorder = "PO-2026-0042";
        v.leveranssätt = "Bud";
        v.meddelande = "Tack för ert förtroende!";
        v.fastighetsbeteckning = "Exempel 1:23";
        return v;
    }
    v.företag = "Bostadsrättsföreningen Kungsholmens Strand Västra Huvudbyggnaden med tillhörande garage- och "
                "förrådsföreningar ek. för.";
    v.referens = "Anna-Karin Vilhelmina Johansson-Stålhammar";
    v.gata = "c/o Förvaltnings AB Fastighetsservice\nKungsholms Strand 147, 3 tr\nPostbox 1234\nLeveransingång B";
    v.attention = "Ekonomiavdelningen, Leverantörsreskontra, Fakturascanning";
    v.momsnummer = "NL859036213B01";
    v.kundnummer = "2026-KS-004711";
    v.leveransattention = "Godsmottagningen, Lastkaj 3, att. Mikael Lindqvist-Bergström";
    v.leveransgata = "Fleminggatan 14, Port B\nKällarplan, förråd 12";
    v.inköpsorder = "IO 2026-0042, projekt Stambyte Kungsholms Strand etapp 2";
    v.leveranssätt = "DB Schenker Stycke, fritt vårt lager (FCA Incoterms 2020)";
    v.meddelande = "Arbetet avser stambyte i trapphus A–C enligt avtal 2026-03. Slutbesiktning sker den 14 november "
                   "tillsammans med styrelsen. Frågor om fakturan besvaras av vår kundtjänst vardagar 8–16.";
    v.fastighetsbeteckning = "Stockholm Fyrverkarbacken Västra 12:345";
    return v;
}

// A limited partnership with its long legal form, a noble reference of 50
// characters and two lines of street.
Värden tyska(bool långa) {
    Värden v;
    v.postnummer = "58509";
    v.ort = "Lüdenscheid";
    v.land = "de";
    v.leveranspostnummer = "58791";
    v.leveransort = "Werdohl";
    if (!långa) {
        v.företag = "Müller Haustechnik GmbH";
        v.referens = "Hans Müller";
        v.gata = "Kölner Straße 12";
        v.attention = "Buchhaltung";
        v.momsnummer = "DE123456789";
        v.kundnummer = "1043";
        v.leveransattention = "Warenannahme";
        v.leveransgata = "Lagerstraße 4";
        v.inköpsorder = "PO-2026-0043";
        v.leveranssätt = "DHL";
        v.meddelande = "Vielen Dank für Ihren Auftrag!";
        return v;
    }
    v.företag = "Müller-Lüdenscheidt Gebäudetechnik und Sanitärinstallationen GmbH & Co. KG";
    v.referens = "Dr. Hans-Joachim Freiherr von Obernitz-Wallenstein";
    v.gata = "Gewerbepark Lüdenscheid-Süd, Halle 7\nKölner Straße 123–125";
    v.attention = "z. Hd. Kreditorenbuchhaltung, Rechnungseingang Abt. 4711";
    v.momsnummer = "NL859036213B01";
    v.kundnummer = "D-2026-KD-004712";
    v.leveransattention = "Warenannahme Tor 3, z. Hd. Herrn Karl-Heinz Schulze-Dellwig";
    v.leveransgata = "Logistikzentrum Sauerland, Rampe 12\nIndustriestraße 45–47";
    v.inköpsorder = "Bestellung 4500012345, Projekt Sanierung Heizzentrale Halle 7";
    v.leveranssätt = "DHL Freight Stückgut, frei Haus (DAP Incoterms 2020)";
    v.meddelande = "Die Leistungen betreffen die Sanierung der Heizzentrale gemäß Angebot 2026-117. Die Abnahme "
                   "erfolgte am 14. November durch Ihren Bauleiter. Bei Fragen zur Rechnung erreichen Sie uns "
                   "werktags von 8 bis 16 Uhr.";
    return v;
}

// A Finnish housing company with a five-line street address.
Värden finska(bool långa) {
    Värden v;
    v.postnummer = "00200";
    v.ort = "Helsinki";
    v.land = "fi";
    v.leveranspostnummer = "01510";
    v.leveransort = "Vantaa";
    if (!långa) {
        v.företag = "Asunto Oy Meritähti";
        v.referens = "Liisa Virtanen";
        v.gata = "Meritie 4";
        v.attention = "Isännöitsijä";
        v.momsnummer = "FI12345678";
        v.kundnummer = "1044";
        v.leveransattention = "Tavaravastaanotto";
        v.leveransgata = "Varastotie 4";
        v.inköpsorder = "PO-2026-0044";
        v.leveranssätt = "Posti";
        v.meddelande = "Kiitos tilauksestanne!";
        return v;
    }
    v.företag = "Asunto Oy Helsingin Lauttasaaren Meritähti ja Rantapuiston Pysäköintiosakeyhtiö";
    v.referens = "Marja-Leena Hämäläinen-Kääriäinen";
    v.gata = "c/o Isännöitsijätoimisto Kiinteistöpalvelu Rantanen Oy\nLauttasaarentie 28–30 B\n"
             "Porrashuone B, 3. kerros\nPL 123\nLaskujen vastaanotto";
    v.attention = "Ostoreskontra, laskujen käsittely ja tarkastus";
    v.momsnummer = "NL859036213B01";
    v.kundnummer = "FI-2026-AS-004713";
    v.leveransattention = "Tavaravastaanotto, lastauslaituri 2, Matti Kärkkäinen-Väisänen";
    v.leveransgata = "Logistiikkakeskus Vuosaari, ovi 12\nSatamakaari 24–26";
    v.inköpsorder = "Tilaus 2026-0042, hanke Linjasaneeraus Lauttasaari vaihe 2";
    v.leveranssätt = "Posti Rahti kappaletavara, vapaasti varastossamme (FCA Incoterms 2020)";
    v.meddelande = "Lasku koskee linjasaneerausta portaissa A–C sopimuksen 2026-03 mukaisesti. Loppukatselmus "
                   "pidetään 14. marraskuuta yhdessä hallituksen kanssa. Vastaamme laskua koskeviin kysymyksiin "
                   "arkisin klo 8–16.";
    return v;
}

// The customer's texts as the profile's own function gives them, the
// sender's as every profile shares them.
Värden värden(std::string_view kod, bool långa) {
    Värden v;
    if (kod == "sv")
        v = svenska(långa);
    else if (kod == "de")
        v = tyska(långa);
    else if (kod == "fi")
        v = finska(långa);
    else
        throw std::invalid_argument("no example profile is called '" + std::string(kod) + "'");
    if (långa)
        långAvsändare(v);
    else
        vanligAvsändare(v);
    return v;
}

// Two sentences of credit terms in each invoice language.
const char* långaKreditvillkor(std::string_view språk) {
    static constexpr std::array<std::pair<const char*, const char*>, 11> villkor = {{
        {"sv", "Betalning ska ske senast på förfallodagen till angivet bankgiro. Vid betalning efter förfallodagen "
               "debiteras dröjsmålsränta enligt räntelagen samt en påminnelseavgift om 60 kronor."},
        {"en", "Payment is due on the due date to the account stated. Late payments are charged interest at the "
               "statutory rate and a reminder fee of SEK 60."},
        {"de", "Zahlbar ohne Abzug bis zum Fälligkeitsdatum auf das angegebene Konto. Bei Zahlung nach dem "
               "Fälligkeitsdatum werden Verzugszinsen und eine Mahngebühr von 60 Kronen berechnet."},
        {"fi", "Maksu on suoritettava eräpäivään mennessä ilmoitetulle tilille. Eräpäivän jälkeen maksetuista "
               "laskuista peritään korkolain mukainen viivästyskorko sekä 60 kruunun muistutusmaksu."},
        {"da", "Betaling skal ske senest på forfaldsdagen til den angivne konto. Ved betaling efter forfaldsdagen "
               "beregnes morarente efter renteloven og et rykkergebyr på 60 kroner."},
        {"no", "Betaling skal skje senest på forfallsdatoen til oppgitt konto. Ved betaling etter forfallsdato "
               "beregnes forsinkelsesrente etter forsinkelsesrenteloven og et purregebyr på 60 kroner."},
        {"nb", "Betaling skal skje senest på forfallsdatoen til oppgitt konto. Ved betaling etter forfallsdato "
               "beregnes forsinkelsesrente etter forsinkelsesrenteloven og et purregebyr på 60 kroner."},
        {"fr", "Le paiement doit intervenir au plus tard à l'échéance sur le compte indiqué. Tout retard de "
               "paiement entraîne des intérêts de retard au taux légal et des frais de rappel de 60 couronnes."},
        {"es", "El pago debe efectuarse a más tardar en la fecha de vencimiento en la cuenta indicada. Los pagos "
               "posteriores al vencimiento devengan intereses de demora y un recargo de 60 coronas."},
        {"it", "Il pagamento deve avvenire entro la data di scadenza sul conto indicato. I pagamenti oltre la "
               "scadenza comportano interessi di mora e una commissione di sollecito di 60 corone."},
        {"nl", "Betaling dient uiterlijk op de vervaldatum te geschieden op de vermelde rekening. Bij betaling na "
               "de vervaldatum worden wettelijke rente en herinneringskosten van 60 kronen berekend."},
    }};
    for (auto [kod, text] : villkor)
        if (kod == språk) return text;
    return nullptr;
}

const char* kreditvillkor(std::string_view språk, bool långa) {
    return långa ? långaKreditvillkor(språk) : vanligaKreditvillkor(språk);
}

}  // namespace

const std::vector<std::string>& exempelprofiler() {
    static const std::vector<std::string> koder = {"sv", "de", "fi"};
    return koder;
}

std::vector<Profilfält> profilfält(std::string_view kod, std::string_view språk) {
    const Värden k = värden(kod, false), l = värden(kod, true);
    std::vector<Profilfält> ut = {
        {"recipient company", k.företag, l.företag},
        {"recipient reference", k.referens, l.referens},
        {"recipient street", k.gata, l.gata},
        {"recipient attention", k.attention, l.attention},
        {"recipient town", k.postnummer + " " + k.ort, l.postnummer + " " + l.ort},
        {"recipient VAT number", k.momsnummer, l.momsnummer},
        {"customer number", k.kundnummer, l.kundnummer},
        {"delivery attention", k.leveransattention, l.leveransattention},
        {"delivery street", k.leveransgata, l.leveransgata},
        {"delivery town", k.leveranspostnummer + " " + k.leveransort, l.leveranspostnummer + " " + l.leveransort},
        {"sender name", k.avsändare, l.avsändare},
        {"sender street", k.avsändargata, l.avsändargata},
        {"sender town", k.avsändarpostnummer + " " + k.avsändarort, l.avsändarpostnummer + " " + l.avsändarort},
        {"sender e-mail", k.epost, l.epost},
        {"sender web address", k.hemsida, l.hemsida},
        {"bank", k.bank, l.bank},
        {"our reference", k.vårReferens, l.vårReferens},
        {"purchase order", k.inköpsorder, l.inköpsorder},
        {"delivery method", k.leveranssätt, l.leveranssätt},
        {"message", k.meddelande, l.meddelande},
    };
    if (const char* vanliga = kreditvillkor(språk, false))
        if (const char* långa = kreditvillkor(språk, true)) ut.push_back({"credit terms", vanliga, långa});
    if (!l.fastighetsbeteckning.empty()) {
        ut.push_back({"personal identity number", personnummer1, personnummer1});
        ut.push_back({"second personal identity number", personnummer2, personnummer2});
        ut.push_back({"property designation", k.fastighetsbeteckning, l.fastighetsbeteckning});
    }
    return ut;
}

Affärskontakt& profilkund(Bokföring& bok, const Profilval& val) {
    const Värden v = värden(val.kod, val.långa);
    std::vector<const NumreratObjekt*> tidigare;
    for (const auto& k : bok.kontakter) tidigare.push_back(k.get());
    auto kund = std::make_unique<Affärskontakt>(tidigare);
    kund->nummer = v.kundnummer;
    kund->ordningstal = NumreratObjekt::försökOrdningstalFrånNummer(v.kundnummer).value_or(kund->ordningstal);
    kund->typ = Kontakttyp::kund;
    kund->företag = v.företag;
    kund->namn = v.referens;
    kund->adress.attention = v.attention;
    kund->adress.gata = v.gata;
    kund->adress.postnummer = v.postnummer;
    kund->adress.postadress = v.ort;
    kund->adress.land = v.land;
    kund->momsregistreringsnummer = v.momsnummer;
    Adress leverans;
    leverans.attention = v.leveransattention;
    leverans.gata = v.leveransgata;
    leverans.postnummer = v.leveranspostnummer;
    leverans.postadress = v.leveransort;
    leverans.land = v.land;
    kund->leveransadress = leverans;
    bok.kontakter.push_back(std::move(kund));
    return *bok.kontakter.back();
}

void formaEfterProfil(Bokföring& bok, EjSkickadFaktura& d, const Profilval& val) {
    const Värden v = värden(val.kod, val.långa);
    bok.namn = v.avsändare;
    bok.adress.gata = v.avsändargata;
    bok.adress.postnummer = v.avsändarpostnummer;
    bok.adress.postadress = v.avsändarort;
    bok.email = v.epost;
    bok.hemsida = v.hemsida;
    bok.bank = v.bank;
    bok.visaKundnummerPåFakturor = true;
    for (const char* språk : {"sv", "en", "de", "fi", "da", "no", "nb", "fr", "es", "it", "nl"})
        if (const char* villkor = kreditvillkor(språk, val.långa)) bok.sättKreditvillkor(språk, villkor);

    d.sättVårReferens(v.vårReferens);
    d.sättInköpsordernummer(v.inköpsorder);
    d.sättLeveranssätt(v.leveranssätt);
    d.visaLeveransdatum = true;
    d._leveransdatum = d.fakturadatum() + 2;
    d.visaLeveransadress = true;
    d.sättMeddelande(v.meddelande);
    if (!v.fastighetsbeteckning.empty() && bok.land == Land::Sverige && d.valuta() == "SEK" &&
        !d.omvändSkattskyldighetFörMoms())
        d.sättSkatteavdrag(Skatteavdrag::rot(personnummer1, std::string(personnummer2), öre(50),
                                             Rotuppgifter::hus(v.fastighetsbeteckning),
                                             Skatteavdrag::standardFörROT()));
}
