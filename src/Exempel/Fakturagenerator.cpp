#include "Exempel/Fakturagenerator.h"
#include "Exempel/Exempelbelopp.h"

#include "Exempel/Exempelbokforing.h"
#include "Exempel/Exempellogotyp.h"
#include "Exempel/Generatorord.h"
#include "Exempel/HandskrivenPdf.h"
#include "Modell/Affarskontakt.h"
#include "Modell/Artikel.h"
#include "Modell/Fakturor/EjSkickadFaktura.h"
#include "Modell/Fakturor/Faktura.h"
#include "Modell/Fakturor/Fakturamall.h"
#include "Modell/Fakturor/InbyggdFakturamall.h"
#include "Modell/Konto.h"
#include "Plattform/TextShaping.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

namespace {

using generatorord::Landsord;
using generatorord::Lista;
using generatorord::Språkord;

// splitmix64: the same numbers from the same seed on every machine and
// library, unlike the standard distributions.
class Slump {
public:
    explicit Slump(uint64_t frö) : tillstånd_(frö) {}
    uint64_t nästa() {
        uint64_t z = (tillstånd_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // From 0 to n - 1.
    size_t under(size_t n) { return n == 0 ? 0 : size_t(nästa() % n); }
    int64_t mellan(int64_t lägst, int64_t högst) { return lägst + int64_t(under(size_t(högst - lägst + 1))); }
    bool procent(int p) { return int(under(100)) < p; }
    template <class T>
    const T& välj(const std::vector<T>& v) { return v.at(under(v.size())); }
    std::string siffror(size_t n) {
        std::string s;
        for (size_t i = 0; i < n; ++i) s += char('0' + under(10));
        return s;
    }

private:
    uint64_t tillstånd_;
};

// A text at its ordinary length and at its long one; empty: not given.
struct Text {
    std::string vanligt, långt;
    const std::string& vid(bool långa) const { return långa ? långt : vanligt; }
    bool finns() const { return !vanligt.empty(); }
    std::optional<std::string> valfri(bool långa) const {
        return finns() ? std::optional<std::string>(vid(långa)) : std::nullopt;
    }
};

struct Adressplan {
    Text attention, gata;
    std::string postnummer, ort, region, land;
};

struct Postplan {
    int artikel = -1;  // -1: none, else an index into the articles
    std::string text, kommentar, enhet, rabatt;
    int64_t antalHundradelar = 100, prisÖre = 0;
};

struct Egetfält {
    Fakturafält::Id id;
    Rect ram;  // from the page's foot, as stored
    const char* typsnitt;
    double storlek;
};

// Everything the seed decides, at both lengths.
struct Plan {
    std::string mall, språk, valuta, kurs;
    // The recipient.
    bool privatperson = false;
    Text företag, referens, kundnummer;
    Adressplan adress;
    std::string momsnummer;
    std::optional<Adressplan> leverans;
    // The sender, a Swedish ledger.
    std::string organisationsnummer, säte, telefon, fax, mobil, iban, bic, bankkonto, bankgiro, plusgiro, swish;
    Text namn, epost, hemsida, bank;
    Adressplan avsändaradress;
    bool fSkatt = true, momsregistrerat = true;
    // The invoice.
    std::string nummer;
    Datum fakturadatum;
    int64_t frist = 30;
    Text vårReferens, inköpsorder, leveranssätt, meddelande, kreditvillkor;
    bool leveransdatum = false, visaKundnummer = false, öresutjämning = false, omvänd = false;
    std::string rabatt;
    int påminnelser = 0;
    // 0 none, 1 ROT on a house, 2 ROT on a flat, 3 RUT.
    int avdrag = 0;
    std::string personnummer1, personnummer2, lägenhet;
    Text fastighet, förening;
    std::vector<Postplan> poster;
    bool kredit = false;  // a credit invoice: every quantity negative
    bool flerKolumner = false;
    std::vector<Egetfält> egnaFält;
};

// Which groups of texts a seed makes long.
struct Längder {
    bool mottagare, leverans, avsändare, fakta, meddelande, villkor, bank;
};

Längder längder(Slump& r) {
    const size_t sätt = r.under(100);
    if (sätt < 15) return {true, true, true, true, true, true, true};
    Längder l{r.procent(50), r.procent(50), r.procent(50), r.procent(50), r.procent(50), r.procent(50), r.procent(50)};
    // The worst case: every block around the addresses long at once.
    if (sätt < 30) l.mottagare = l.leverans = l.avsändare = l.fakta = true;
    return l;
}

Text text(const std::string& vanligt, const std::string& långt, bool lång) { return {vanligt, lång ? långt : vanligt}; }

std::string fyllMönster(Slump& r, std::string_view mönster) {
    std::string ut;
    for (char c : mönster) ut += c == '#' ? char('0' + r.under(10)) : c;
    return ut;
}

// What a name turns into in a domain: lower-case ASCII, words joined by
// hyphens.
std::string adressdel(std::string_view namn) {
    static const std::array<std::pair<const char*, const char*>, 40> vikta = {{
        {"à", "a"}, {"á", "a"}, {"â", "a"}, {"ä", "a"}, {"å", "a"}, {"ã", "a"}, {"æ", "ae"}, {"ç", "c"},
        {"è", "e"}, {"é", "e"}, {"ê", "e"}, {"ë", "e"}, {"ì", "i"}, {"í", "i"}, {"î", "i"}, {"ï", "i"},
        {"ñ", "n"}, {"ò", "o"}, {"ó", "o"}, {"ô", "o"}, {"ö", "o"}, {"ø", "o"}, {"õ", "o"}, {"ù", "u"},
        {"ú", "u"}, {"û", "u"}, {"ü", "u"}, {"ß", "ss"}, {"ý", "y"}, {"Ä", "a"}, {"Å", "a"}, {"Ö", "o"},
        {"Ø", "o"}, {"Ü", "u"}, {"É", "e"}, {"Ó", "o"}, {"Æ", "ae"}, {"È", "e"}, {"Î", "i"}, {"º", ""},
    }};
    std::string ut;
    for (size_t i = 0; i < namn.size();) {
        bool bytt = false;
        for (auto [från, till] : vikta)
            if (namn.substr(i).starts_with(från)) {
                ut += till;
                i += std::string_view(från).size();
                bytt = true;
                break;
            }
        if (bytt) continue;
        const unsigned char c = static_cast<unsigned char>(namn[i++]);
        if (std::isalnum(c))
            ut += char(std::tolower(c));
        else if (c == '\'' || c == '.' || c >= 0x80)
            continue;
        else if (!ut.empty() && ut.back() != '-')
            ut += '-';
    }
    while (!ut.empty() && ut.back() == '-') ut.pop_back();
    return ut;
}

// At most `högst` characters, cut at a hyphen.
std::string högst(std::string s, size_t högst) {
    if (s.size() <= högst) return s;
    s.resize(högst);
    if (auto h = s.rfind('-'); h != std::string::npos && h > 8) s.resize(h);
    return s;
}

std::string person(Slump& r, const Landsord& l, bool lång) {
    const std::string efter = r.välj(l.efternamn);
    if (!lång) return std::string(r.välj(l.förnamn)) + " " + efter;
    std::string ut;
    if (!l.titlar.empty() && r.procent(50)) ut += std::string(r.välj(l.titlar)) + " ";
    ut += r.välj(l.förnamn);
    if (r.procent(40)) ut += std::string(" ") + r.välj(l.förnamn);
    if (!l.partiklar.empty() && r.procent(60)) ut += std::string(" ") + r.välj(l.partiklar);
    ut += " " + efter;
    if (r.procent(60)) ut += "-" + std::string(r.välj(l.efternamn));
    return ut;
}

// A firm's name: a surname or place, a trade, a legal form; long ones
// join trades and places and take the long legal forms, up to 160
// characters.
Text företagsnamn(Slump& r, const Landsord& l, bool lång) {
    // Where the country writes its legal form.
    auto medForm = [&](const std::string& namn, const std::string& form) {
        return l.formFörst ? form + " " + namn : namn + " " + form;
    };
    const std::string kärna = r.procent(50) ? std::string(r.välj(l.efternamn)) : std::string(r.välj(l.ortled));
    const std::string bransch = r.välj(l.branscher);
    const std::string vanligt = medForm(kärna + " " + bransch, r.välj(l.bolagsformer));
    const size_t mål = size_t(r.mellan(50, 160));
    std::vector<std::string> delar = {std::string(r.välj(l.efternamn)) + "-" + r.välj(l.efternamn), bransch,
                                      std::string(l.och) + " " + r.välj(l.branscher), r.välj(l.ortled),
                                      std::string(l.och) + " " + r.välj(l.branscher), r.välj(l.ortled)};
    const std::string form = r.välj(l.långaBolagsformer);
    std::string långt = delar[0];
    for (size_t i = 1; i < delar.size() && långt.size() + form.size() + 1 < mål; ++i)
        if (långt.size() + delar[i].size() + form.size() + 2 <= 160) långt += " " + delar[i];
    return text(vanligt, medForm(långt, form), lång);
}

std::string gatuadress(Slump& r, const Landsord& l) {
    const std::string nummer = std::to_string(r.mellan(1, 180)) + (r.procent(20) ? "B" : "");
    std::string rad = l.gatuform;
    rad.replace(rad.find("{nummer}"), std::string_view("{nummer}").size(), nummer);
    rad.replace(rad.find("{gata}"), std::string_view("{gata}").size(), r.välj(l.gator));
    return rad;
}

std::string postbox(const Landsord& l, int64_t nummer) {
    char rad[96];
    std::snprintf(rad, sizeof rad, l.postbox, int(nummer));
    return rad;
}

// One street line; long: one to six lines of c/o, building, street and
// postbox. The attention line names a department, or for a delivery
// address the goods reception (each country's last department), so the
// two differ.
Adressplan adress(Slump& r, const Landsord& l, bool lång, const std::string& firma, bool leverans = false) {
    Adressplan a;
    const generatorord::Ort& ort = r.välj(l.orter);
    a.postnummer = ort.postnummer;
    a.ort = ort.namn;
    a.region = ort.region;
    a.land = l.kod;
    const std::string gata = gatuadress(r, l);
    std::vector<std::string> rader;
    const size_t antal = size_t(r.mellan(1, 6));
    if (antal >= 4 || r.procent(30)) rader.push_back(std::string(l.co) + " " + firma);
    if (antal >= 3) rader.push_back(r.välj(l.husled));
    rader.push_back(gata);
    if (antal >= 2) rader.push_back(postbox(l, r.mellan(10, 99999)));
    while (rader.size() < antal) rader.push_back(r.välj(l.husled));
    std::string långt;
    for (const std::string& rad : rader) långt += (långt.empty() ? "" : "\n") + rad;
    a.gata = text(gata, långt, lång);
    const std::string avdelning = leverans ? l.avdelningar.back() : l.avdelningar[r.under(l.avdelningar.size() - 1)];
    a.attention = text(avdelning, std::string(l.attention) + " " + avdelning + ", " + person(r, l, true), lång);
    return a;
}

// The IBAN of country `l`, its check digits computed (ISO 13616).
std::string iban(Slump& r, const Landsord& l, bool mellanrum) {
    std::string bban;
    for (char c : std::string_view(l.ibanmönster)) bban += c == 'A' ? char('A' + r.under(26)) : char('0' + r.under(10));
    std::string land = l.kod == std::string_view("gb") ? "GB" : std::string(l.kod);
    for (char& c : land) c = char(std::toupper(static_cast<unsigned char>(c)));
    unsigned rest = 0;
    for (char c : bban + land + "00")
        rest = std::isdigit(static_cast<unsigned char>(c)) ? (rest * 10 + unsigned(c - '0')) % 97
                                                           : (rest * 100 + unsigned(c - 'A' + 10)) % 97;
    char kontroll[3];
    std::snprintf(kontroll, sizeof kontroll, "%02u", 98 - rest);
    const std::string hel = land + kontroll + bban;
    if (!mellanrum) return hel;
    std::string ut;
    for (size_t i = 0; i < hel.size(); ++i) ut += (i && i % 4 == 0 ? " " : "") + std::string(1, hel[i]);
    return ut;
}

// A Swedish limited company's organisation number (556 or 559, so it reads
// as no date of birth) with its Luhn check digit.
std::string organisationsnummer(Slump& r) {
    std::string s = std::string(r.procent(70) ? "556" : "559") + r.siffror(6);
    int summa = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        int v = (s[i] - '0') * (i % 2 == 0 ? 2 : 1);
        summa += v > 9 ? v - 9 : v;
    }
    s += char('0' + (10 - summa % 10) % 10);
    return s.substr(0, 6) + "-" + s.substr(6);
}

std::string meningar(Slump& r, const Lista& lista, size_t antal) {
    std::vector<const char*> kvar = lista;
    std::string ut;
    for (size_t i = 0; i < antal && !kvar.empty(); ++i) {
        const size_t n = r.under(kvar.size());
        ut += (ut.empty() ? "" : " ") + std::string(kvar[n]);
        kvar.erase(kvar.begin() + std::ptrdiff_t(n));
    }
    return ut;
}

// The countries whose customers read each caption language, each drawn
// as often as it stands: Sweden, whose households have ROT and RUT, three
// times in four for Swedish. English is read across the EU where the
// program has no captions in the country's own language.
const std::vector<const char*>& läsarländer(const std::string& språk) {
    static const std::vector<std::pair<std::string, std::vector<const char*>>> tabell = {
        {"sv", {"se", "se", "se", "fi"}},
        {"nb", {"no"}},
        {"no", {"no"}},
        {"da", {"dk"}},
        {"fi", {"fi"}},
        {"de", {"de", "at", "ch"}},
        {"en", {"gb", "gb", "gb", "ie", "mt", "pl", "cz", "sk", "hu", "ro", "lv", "lt", "ee", "si", "hr"}},
        {"fr", {"fr", "be", "ch"}},
        {"es", {"es"}},
        {"it", {"it", "ch"}},
        {"nl", {"nl", "be"}},
    };
    for (const auto& [kod, länder] : tabell)
        if (kod == språk) return länder;
    return tabell.front().second;
}

const char* kurs(const std::string& valuta) {
    static const std::array<std::pair<const char*, const char*>, 9> kurser = {
        {{"EUR", "11.4523"}, {"NOK", "0.9871"}, {"DKK", "1.5342"}, {"CHF", "12.0817"}, {"GBP", "13.2954"},
         {"PLN", "2.6874"}, {"CZK", "0.4712"}, {"HUF", "0.02936"}, {"RON", "2.3018"}}};
    for (auto [v, k] : kurser)
        if (valuta == v) return k;
    return "";
}

void läggTillFält(Slump& r, Plan& p);

// What the ordinary corpus decides for an invoice instead of the draw.
struct Korpusval {
    int64_t poster = 1;
    enum class Meddelande { inget, kort, långt, draget } meddelande = Meddelande::draget;
    bool kredit = false;
};

Plan planera(uint64_t frö, const Korpusval* korpus = nullptr) {
    Slump r(frö);
    Plan p;
    p.mall = genereradMall(frö);
    p.språk = genereratSpråk(frö);
    const Språkord& s = generatorord::språk(p.språk);
    const Längder lång = längder(r);

    // The recipient: mostly in a country that reads the language.
    const std::vector<const char*>& läsare = läsarländer(p.språk);
    const auto& alla = generatorord::länder();
    const Landsord& l = r.procent(80) ? generatorord::land(läsare[r.under(läsare.size())]) : alla[r.under(alla.size())];
    p.valuta = l.valuta;
    p.kurs = kurs(p.valuta);
    const bool svensk = std::string_view(l.kod) == "se";
    p.avdrag = svensk && r.procent(50) ? int(r.mellan(1, 3)) : 0;
    p.privatperson = p.avdrag != 0;
    const Text namn = företagsnamn(r, l, lång.mottagare);
    p.företag = p.privatperson ? Text{} : namn;
    const std::string kortPerson = person(r, l, false);
    p.referens = r.procent(p.privatperson ? 100 : 75) ? text(kortPerson, person(r, l, true), lång.mottagare) : Text{};
    p.adress = adress(r, l, lång.mottagare, namn.vanligt);
    if (r.procent(40) || p.privatperson) p.adress.attention = {};
    if (!p.privatperson && r.procent(70)) p.momsnummer = fyllMönster(r, r.välj(l.momsmönster));
    const std::string kortNummer = std::to_string(r.mellan(1001, 19999));
    p.kundnummer = text(kortNummer,
                        std::string(l.kod) + "-2026-" + std::string(1, char('A' + r.under(26))) + "K-" + r.siffror(6),
                        lång.mottagare);
    p.visaKundnummer = r.procent(60);
    if (r.procent(60)) {
        const Landsord& dit = r.procent(75) ? l : alla[r.under(alla.size())];
        // A street of its own: two texts alike at ordinary length but not
        // at long would be one text to a check that compares them.
        for (int försök = 0; försök < 8 && (!p.leverans || p.leverans->gata.vanligt == p.adress.gata.vanligt); ++försök)
            p.leverans = adress(r, dit, lång.leverans, namn.vanligt, true);
        if (r.procent(25)) p.leverans->attention = {};
    }

    // The sender, a Swedish firm.
    const Landsord& se = generatorord::land("se");
    p.organisationsnummer = organisationsnummer(r);
    p.namn = företagsnamn(r, se, lång.avsändare);
    p.avsändaradress = adress(r, se, lång.avsändare, p.namn.vanligt);
    p.avsändaradress.attention = {};
    p.säte = p.avsändaradress.ort;
    const std::string domän = adressdel(p.namn.vanligt.substr(0, p.namn.vanligt.rfind(' '))) + ".se";
    const std::string långDomän = högst(adressdel(p.namn.långt.substr(0, p.namn.långt.rfind(' '))), 52) + ".se";
    if (r.procent(85)) {
        const std::string lokal = högst(r.välj(s.eposter), 70 - långDomän.size() - 1);
        p.epost = text("info@" + domän, lokal + "@" + långDomän, lång.avsändare);
    }
    if (r.procent(70)) p.hemsida = text("www." + domän, högst("www." + långDomän, 70), lång.avsändare);
    if (r.procent(80)) p.telefon = "08-" + r.siffror(3) + " " + r.siffror(3) + " " + r.siffror(2);
    if (r.procent(20)) p.fax = "08-" + r.siffror(3) + " " + r.siffror(3) + " " + r.siffror(2);
    if (r.procent(40)) p.mobil = "070-" + r.siffror(3) + " " + r.siffror(2) + " " + r.siffror(2);
    p.fSkatt = r.procent(80);
    p.momsregistrerat = r.procent(90);

    // Ways of payment, each on or off; an account abroad in the
    // recipient's country half the time.
    const bool utländskt = !svensk && r.procent(50);
    const Landsord& banklandet = utländskt ? l : se;
    const generatorord::Bank& bank = r.välj(banklandet.banker);
    if (r.procent(60)) p.bankgiro = r.siffror(3) + "-" + r.siffror(4);
    if (r.procent(30)) p.plusgiro = r.siffror(2) + " " + r.siffror(2) + " " + r.siffror(2) + "-" + r.siffror(1);
    if (r.procent(50)) p.bankkonto = r.siffror(4) + "-" + r.siffror(2) + " " + r.siffror(3) + " " + r.siffror(2);
    if (r.procent(70)) p.iban = iban(r, banklandet, r.procent(50));
    if (!p.iban.empty() && r.procent(80)) p.bic = bank.bic;
    if (r.procent(30)) p.swish = "123 " + r.siffror(3) + " " + r.siffror(2) + " " + r.siffror(2);
    if (r.procent(85)) p.bank = text(bank.kort, bank.lång, lång.bank);

    // The invoice's facts.
    p.nummer = std::to_string(r.mellan(1001, 999999));
    p.fakturadatum = Datum(20261101) + r.mellan(0, 28);
    p.frist = r.mellan(1, 6) * 10;
    if (r.procent(70))
        for (int försök = 0; försök < 8 && (!p.vårReferens.finns() || p.vårReferens.vanligt == p.referens.vanligt);
             ++försök)
            p.vårReferens = text(person(r, se, false), person(r, se, true), lång.fakta);
    if (r.procent(70))
        p.inköpsorder = text("PO-2026-" + r.siffror(4),
                             std::string(s.beställning) + " 45000" + r.siffror(5) + ", " + s.projekt + " " +
                                 r.välj(s.projektnamn) + " " + s.etapp + " " + std::to_string(r.mellan(1, 4)),
                             lång.fakta);
    if (r.procent(70)) {
        static const std::vector<const char*> incoterms = {"EXW", "FCA", "CPT", "CIP", "DAP", "DPU", "DDP"};
        char villkor[200];
        std::snprintf(villkor, sizeof villkor, r.välj(s.leveransvillkor), r.välj(incoterms), p.adress.ort.c_str());
        const std::string transportör = r.välj(s.transportörer);
        p.leveranssätt = text(transportör.substr(0, transportör.find(' ')), transportör + ", " + villkor, lång.fakta);
    }
    p.leveransdatum = r.procent(70);
    if (r.procent(70))
        p.meddelande = text(s.kortMeddelande, meningar(r, s.meningar, size_t(r.mellan(1, 3))), lång.meddelande);
    if (r.procent(70)) {
        const std::string vanliga = vanligaKreditvillkor(p.språk == "nb" ? "no" : p.språk);
        p.kreditvillkor = text(vanliga, meningar(r, s.villkor, size_t(r.mellan(1, 3))), lång.villkor);
    }
    p.öresutjämning = r.procent(30);
    if (r.procent(15)) p.rabatt = r.procent(50) ? "5" : "10";
    p.omvänd = !svensk && !p.privatperson && p.valuta != "SEK" && r.procent(30);
    const size_t påminnelse = r.under(10);
    p.påminnelser = påminnelse < 7 ? 0 : påminnelse < 9 ? 1 : 2;
    if (p.valuta != "SEK") p.avdrag = 0;
    if (p.avdrag) {
        p.personnummer1 = "19" + r.siffror(2) + "0" + std::to_string(r.mellan(1, 9)) + "1" + std::to_string(r.mellan(0, 9)) +
                          "-" + r.siffror(4);
        if (r.procent(50)) p.personnummer2 = "19" + r.siffror(2) + "1" + std::to_string(r.mellan(0, 2)) + "2" +
                                             std::to_string(r.mellan(0, 8)) + "-" + r.siffror(4);
        const std::string ort = p.adress.ort;
        p.fastighet = text(ort + " Tallen 1:" + std::to_string(r.mellan(1, 999)),
                           ort + " " + r.välj(se.ortled) + " Fyrverkarbacken 12:" + std::to_string(r.mellan(1, 999)),
                           lång.mottagare);
        const std::string förening = företagsnamn(r, se, true).långt;
        p.förening = text("Brf Tallen", "Bostadsrättsföreningen " + förening.substr(0, förening.rfind(' ', 60)),
                          lång.mottagare);
        p.lägenhet = std::to_string(r.mellan(1001, 1699));
    }

    // Items: few on most invoices, some on two or three pages, so the
    // last row lands at every distance from the totals and the page foot.
    const size_t fördelning = r.under(100);
    const int64_t antal = korpus                ? korpus->poster
                          : fördelning < 55 ? r.mellan(1, 12)
                          : fördelning < 85 ? r.mellan(13, 28)
                                            : r.mellan(29, 45);
    for (int64_t i = 0; i < antal; ++i) {
        Postplan post;
        const bool tjänst = r.procent(50);
        if (r.procent(50)) {
            post.artikel = p.avdrag == 3 ? 2 : tjänst ? 0 : 1;
        } else {
            post.text = r.välj(tjänst ? s.tjänster : s.varor);
            if (r.procent(25)) post.text += ", " + std::string(r.välj(s.kommentarer));
            post.enhet = tjänst ? s.timme : s.styck;
        }
        if (r.procent(20)) post.kommentar = r.välj(s.kommentarer);
        post.antalHundradelar = r.procent(20) ? r.mellan(1, 400) * 25 : r.mellan(1, 40) * 100;
        // An hour's rate, a part's price, now and then a machine's.
        const int64_t pris = tjänst ? r.mellan(45, 1800) : r.procent(90) ? r.mellan(2, 4000) : r.mellan(10000, 95000);
        post.prisÖre = pris * 100 + (r.procent(30) ? r.mellan(1, 99) : 0);
        if (r.procent(10)) post.rabatt = r.procent(50) ? "10%" : "50";
        p.poster.push_back(std::move(post));
    }
    p.flerKolumner = r.procent(40);
    if (p.mall == "user") läggTillFält(r, p);
    if (korpus) {
        using enum Korpusval::Meddelande;
        const std::string kortText = s.kortMeddelande, långText = meningar(r, s.meningar, size_t(r.mellan(1, 3)));
        if (korpus->meddelande == inget) p.meddelande = Text{};
        if (korpus->meddelande == kort) p.meddelande = Text{kortText, kortText};
        if (korpus->meddelande == långt) p.meddelande = Text{långText, långText};
        p.kredit = korpus->kredit;
    }
    return p;
}

// A user template: every kind of field the invoice fills, in frames of
// many sizes, stacked in two columns above and below the items; a field
// past its column's room is left out.
void läggTillFält(Slump& r, Plan& p) {
    using Id = Fakturafält::Id;
    struct Önskat {
        Id id;
        int rader;
    };
    static const std::vector<Önskat> vänster = {
        {Id::SenderCompany, 1}, {Id::SenderAddress, 4}, {Id::Phone, 1}, {Id::Email, 1}, {Id::WebPage, 1},
        {Id::OrganisationID, 1}, {Id::VatNo, 1}, {Id::RecipientAddress, 7}, {Id::RecipientPerson, 1},
        {Id::RecipientVatNo, 1}};
    static const std::vector<Önskat> höger = {
        {Id::Title, 1}, {Id::Reminder, 1}, {Id::Number, 1}, {Id::Date, 1}, {Id::DueDate, 1}, {Id::CustomerID, 1},
        {Id::SenderPerson, 1}, {Id::PurchaseOrderNo, 2}, {Id::DeliveryMethod, 2}, {Id::DeliveryDate, 1},
        {Id::DeliveryAddress, 5}};
    static const std::vector<Önskat> fot = {
        {Id::TotalExclVat, 1}, {Id::TotalVat, 1}, {Id::TotalInclVat, 1}, {Id::FreeText, 3}, {Id::CreditDetails, 2},
        {Id::Bank, 1}, {Id::IBAN, 1}, {Id::BIC, 1}, {Id::BankAccount, 1}, {Id::Swish, 1}, {Id::Personnummer, 1},
        {Id::Personnummer2, 1}, {Id::Fastighetsbeteckning, 1}, {Id::Bostadsrättsförening, 1},
        {Id::Lägenhetsnummer, 1}};
    static const std::vector<const char*> typsnitt = {"Helvetica", "HelveticaNeue-Bold", "Baskerville", "GillSans",
                                                      "CourierNewPSMT"};
    static const std::vector<double> storlekar = {7, 8, 9, 10, 11, 12, 14};
    // Stacks fields from `topp` down in the column from x0 to x1; the
    // next free line from the top.
    auto stapla = [&](const std::vector<Önskat>& önskade, double x0, double x1, double topp, double botten) {
        for (const Önskat& ö : önskade) {
            const double storlek = r.välj(storlekar);
            const double höjd = std::max(1.0, double(r.mellan(1, ö.rader))) * storlek * 1.25 + 2;
            const double bredd = (x1 - x0) * double(r.mellan(45, 100)) / 100;
            if (topp + höjd > botten) break;
            p.egnaFält.push_back({ö.id, {x0, 842 - topp - höjd, bredd, höjd}, r.välj(typsnitt), storlek});
            // Room for the descenders a field's last line hangs below it.
            topp += höjd + 2 + storlek / 3;
        }
    };
    stapla(vänster, 40, 290, 36, 330);
    stapla(höger, 305, 555, 36, 330);
    p.egnaFält.push_back({Id::LineHeaders, {40, 842 - 352, 515, 16}, "Helvetica", 9});
    p.egnaFält.push_back({Id::LineContents, {40, 842 - 600, 515, 244}, "Helvetica", double(r.mellan(8, 10))});
    std::vector<Önskat> vänsterFot(fot.begin(), fot.begin() + 7), högerFot(fot.begin() + 7, fot.end());
    stapla(vänsterFot, 40, 290, 610, 806);
    stapla(högerFot, 305, 555, 610, 806);
}

Adress somAdress(const Adressplan& a, bool långa) {
    Adress ut;
    ut.attention = a.attention.valfri(långa);
    ut.gata = a.gata.vid(långa);
    ut.postnummer = a.postnummer;
    ut.postadress = a.ort;
    if (!a.region.empty()) ut.delstat = a.region;
    ut.land = a.land;
    return ut;
}

Artikel& nyArtikel(Bokföring& bok, const char* nummer, std::string namn, Artikeltyp typ, ROT_och_RUT_kategori kategori,
                   int64_t prisIÖre, std::string enhet) {
    auto a = std::make_unique<Artikel>();
    a->nummer = nummer;
    a->ordningstal = NumreratObjekt::ordningstalFrånNummer(nummer);
    a->namn = std::move(namn);
    a->typ = typ;
    a->rot_och_rut = kategori;
    a->försäljningskonto = bok.hittaKonto(3001);
    a->pris = öre(prisIÖre);
    a->enhet = std::move(enhet);
    bok.artiklar.push_back(std::move(a));
    return *bok.artiklar.back();
}

std::unique_ptr<Fakturamall> egenMall(const Plan& p) {
    auto mall = std::make_unique<Fakturamall>();
    mall->namn = "Genererad";
    mall->radavstånd = 2;
    for (const Egetfält& f : p.egnaFält)
        mall->fält.emplace_back(f.ram, f.id, Stil(Font{f.typsnitt, f.storlek}, TextAlignment::left));
    Fakturaspråk språk;
    språk.språk = p.språk;
    språk.pdfData = pdfAvObjekt({"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                                 "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Resources << >> >>"});
    språk.fraser.sätt("_invoice", generatorord::språk(p.språk).faktura);
    mall->språk.push_back(std::move(språk));
    return mall;
}

}  // namespace

std::string genereradMall(uint64_t frö) {
    const uint64_t m = frö % antalGeneratorMallar;
    if (m >= allaInbyggdaFakturamallar().size()) return "user";
    return std::string(kod(allaInbyggdaFakturamallar()[m]));
}

std::string genereratSpråk(uint64_t frö) {
    static const std::array<const char*, antalGeneratorSpråk> språk = {"da", "de", "en", "es", "fi",
                                                                        "fr", "it", "nl", "nb", "sv"};
    const std::string s = språk[(frö / antalGeneratorMallar) % antalGeneratorSpråk];
    return s == "nb" && (frö / (antalGeneratorMallar * antalGeneratorSpråk)) % 2 ? "no" : s;
}

namespace {

std::unique_ptr<Bokföring> bokföringEnligt(const Plan& p, bool långa) {
    Exempelval val;
    val.antalVerifikationer = 0;
    val.antalKontakter = 0;
    val.medFakturamall = false;
    val.medÖvrigt = false;
    val.organisationsnummer = p.organisationsnummer;
    auto bok = byggExempelbokföring(val);

    bok->namn = p.namn.vid(långa);
    bok->adress = somAdress(p.avsändaradress, långa);
    bok->_säte = p.säte;
    auto valfri = [](const std::string& s) { return s.empty() ? std::nullopt : std::optional<std::string>(s); };
    bok->telefon = valfri(p.telefon);
    bok->fax = valfri(p.fax);
    bok->mobil = valfri(p.mobil);
    bok->email = p.epost.valfri(långa);
    bok->hemsida = p.hemsida.valfri(långa);
    bok->bank = p.bank.valfri(långa);
    bok->bankkonto = valfri(p.bankkonto);
    bok->bankgiro = valfri(p.bankgiro);
    bok->plusgiro = valfri(p.plusgiro);
    bok->iban = valfri(p.iban);
    bok->bic = valfri(p.bic);
    bok->swish = valfri(p.swish);
    bok->godkändFörFSkatt = p.fSkatt;
    bok->momsregistrerat = p.momsregistrerat;
    bok->visaKundnummerPåFakturor = p.visaKundnummer;
    if (p.kreditvillkor.finns()) bok->sättKreditvillkor(p.språk, p.kreditvillkor.vid(långa));
    bok->kontoFörROT = bok->hittaKonto(1513);

    const Språkord& s = generatorord::språk(p.språk);
    std::array<Artikel*, 3> artiklar = {
        &nyArtikel(*bok, "100", s.tjänster.front(), Artikeltyp::tjänster, ROT_och_RUT_kategori::bygg, 95000, s.timme),
        &nyArtikel(*bok, "200", s.varor.front(), Artikeltyp::varor, ROT_och_RUT_kategori::ej_rot_och_rut, 24900,
                   s.styck),
        &nyArtikel(*bok, "300", "Fönsterputs", Artikeltyp::tjänster, ROT_och_RUT_kategori::städning, 45000, s.timme)};
    bok->förvaldArtikel = artiklar[0];

    auto kund = std::make_unique<Affärskontakt>(std::vector<const NumreratObjekt*>{});
    kund->nummer = p.kundnummer.vid(långa);
    kund->ordningstal = NumreratObjekt::försökOrdningstalFrånNummer(kund->nummer).value_or(1);
    kund->typ = Kontakttyp::kund;
    kund->företag = p.företag.valfri(långa);
    kund->namn = p.referens.valfri(långa);
    kund->adress = somAdress(p.adress, långa);
    if (!p.momsnummer.empty()) kund->momsregistreringsnummer = p.momsnummer;
    if (p.leverans) kund->leveransadress = somAdress(*p.leverans, långa);
    bok->kontakter.push_back(std::move(kund));

    Fakturamall* mall = nullptr;
    if (p.mall == "user") {
        bok->fakturamallar.push_back(egenMall(p));
        mall = bok->fakturamallar.back().get();
    }

    EjSkickadFaktura d(*bok, {}, {});
    d.NumreratObjekt::nummer = p.nummer;
    d.ordningstal = std::stoll(p.nummer);
    d.mottagare = bok->kontakter.back().get();
    d.sättFakturadatum(p.fakturadatum);
    d.sättBetalningsfrist(p.frist);
    d.sättValuta(p.valuta);
    d.sättSpråk(p.språk);
    if (mall) {
        d.sättInbyggdFakturamall(InbyggdFakturamall::Standard);
        d.sättEgenFakturamall(mall);
    } else {
        d.sättInbyggdFakturamall(frånKod<InbyggdFakturamall>(std::string_view(p.mall)));
        d.sättEgenFakturamall(nullptr);
    }
    d.sättVårReferens(p.vårReferens.valfri(långa));
    d.sättInköpsordernummer(p.inköpsorder.valfri(långa));
    d.sättLeveranssätt(p.leveranssätt.valfri(långa));
    d.sättMeddelande(p.meddelande.valfri(långa));
    d.visaLeveransdatum = p.leveransdatum;
    d._leveransdatum = p.fakturadatum + 2;
    d.visaLeveransadress = p.leverans.has_value();
    d.sättÖresutjämna(p.öresutjämning);
    if (!p.rabatt.empty()) d.sättRabatt(Decimal::make(unsigned(std::stoi(p.rabatt)), -2, false));
    d.sättOmvändSkattskyldighetFörMoms(p.omvänd);
    d.tillåtnaKolumner = Bokföring::förvaldaKolumner();
    if (p.flerKolumner)
        for (Fakturakolumn k : {Fakturakolumn::radnummer, Fakturakolumn::rabatt, Fakturakolumn::enhet,
                                Fakturakolumn::momsbelopp})
            d.tillåtKolumn(k);
    for (const Postplan& plan : p.poster) {
        auto& post = d.läggTillPost();
        if (plan.artikel >= 0) {
            post.sättArtikel(artiklar[size_t(plan.artikel)]);
        } else {
            post.benämning = plan.text;
            post.sättEnhet(plan.enhet);
        }
        post.sättPris(öre(plan.prisÖre));
        post.sättAntal(Decimal::make(unsigned(plan.antalHundradelar), -2, p.kredit));
        if (!plan.kommentar.empty()) post.sättKommentar(plan.kommentar);
        if (!plan.rabatt.empty()) post.sättRabattbeskrivning(plan.rabatt);
    }
    const std::optional<std::string> andra =
        p.personnummer2.empty() ? std::nullopt : std::optional<std::string>(p.personnummer2);
    if (p.avdrag == 1)
        d.sättSkatteavdrag(Skatteavdrag::rot(p.personnummer1, andra, öre(andra ? 50 : 100),
                                             Rotuppgifter::hus(p.fastighet.vid(långa)), Skatteavdrag::standardFörROT()));
    else if (p.avdrag == 2)
        d.sättSkatteavdrag(Skatteavdrag::rot(p.personnummer1, andra, öre(andra ? 50 : 100),
                                             Rotuppgifter::bostadsrätt(p.förening.vid(långa), p.lägenhet),
                                             Skatteavdrag::standardFörROT()));
    else if (p.avdrag == 3)
        d.sättSkatteavdrag(
            Skatteavdrag::rut(p.personnummer1, andra, öre(andra ? 50 : 100), Skatteavdrag::standardFörRUT()));

    std::optional<Decimal> växelkurs;
    if (!p.kurs.empty()) växelkurs = *Decimal::parseWhole(p.kurs);
    auto f = std::make_unique<Faktura>(d, växelkurs);
    f->uuid = "5E7D1A00-0000-4000-8000-000000001001";
    for (int i = 0; i < p.påminnelser; ++i) f->påminnelserSkickade.push_back(f->förfallodatum_ + 10 + 20 * i);
    bok->skickadeFakturor.push_back(std::move(f));
    return bok;
}

}  // namespace

std::unique_ptr<Bokföring> genereradBokföring(uint64_t frö, bool långa) { return bokföringEnligt(planera(frö), långa); }

std::unique_ptr<Bokföring> korpusBokföring(uint64_t nummer) {
    // Consecutive numbers take every template in every language, as seeds
    // do; the items run through 1 to 40 for each template, so that every
    // template breaks its pages at every place.
    const uint64_t varv = nummer / antalGeneratorMallar, mall = nummer % antalGeneratorMallar;
    Korpusval val;
    val.poster = 1 + int64_t((varv * 19 + mall * 7) % 40);
    val.meddelande = static_cast<Korpusval::Meddelande>(varv % 4);
    val.kredit = varv % 5 == 3;
    auto bok = bokföringEnligt(planera(nummer, &val), false);
    if (varv % 3 == 1) bok->logotyp = exempellogotyp(nummer);
    return bok;
}

std::vector<Profilfält> genereradeFält(uint64_t frö) {
    const Plan p = planera(frö);
    std::vector<Profilfält> ut;
    auto lägg = [&](const char* namn, const Text& t) {
        if (t.finns()) ut.push_back({namn, t.vanligt, t.långt});
    };
    auto samma = [&](const char* namn, const std::string& s) {
        if (!s.empty()) ut.push_back({namn, s, s});
    };
    // An address's town and country lines as the view sets them for a
    // Swedish sender: those below the street, and those above it where
    // the post writes the town first (Hungary).
    auto orten = [&](const char* ort, const char* land, const Adressplan& a) {
        Adress utanGata = somAdress(a, false);
        utanGata.gata = "\x01";  // where the street goes
        utanGata.attention.reset();
        const std::string rader = utanGata.formatteradFörAvsändarland(a.land, false);
        const size_t gata = rader.find('\x01');
        samma(ort, trimmingWhitespaceAndNewlines(rader.substr(0, gata)));
        samma(ort, trimmingWhitespaceAndNewlines(rader.substr(gata + 1)));
        if (a.land != "se") {
            Adress baraLand;
            baraLand.land = a.land;
            samma(land, baraLand.formatteradFörAvsändarland("se", false));
        }
    };
    lägg("recipient company", p.företag);
    lägg("recipient reference", p.referens);
    lägg("recipient attention", p.adress.attention);
    lägg("recipient street", p.adress.gata);
    orten("recipient town", "recipient country", p.adress);
    samma("recipient VAT number", p.momsnummer);
    if (p.visaKundnummer) lägg("customer number", p.kundnummer);
    if (p.leverans) {
        lägg("delivery attention", p.leverans->attention);
        lägg("delivery street", p.leverans->gata);
        orten("delivery town", "delivery country", *p.leverans);
    }
    lägg("sender name", p.namn);
    lägg("sender street", p.avsändaradress.gata);
    orten("sender town", "sender country", p.avsändaradress);
    lägg("sender e-mail", p.epost);
    lägg("sender web address", p.hemsida);
    samma("sender telephone", p.telefon);
    samma("sender fax", p.fax);
    samma("sender mobile", p.mobil);
    lägg("bank", p.bank);
    samma("IBAN", p.iban);
    samma("BIC", p.bic);
    samma("bank account", p.bankkonto);
    samma("Bankgiro", p.bankgiro);
    samma("Plusgiro", p.plusgiro);
    samma("Swish", p.swish);
    lägg("our reference", p.vårReferens);
    lägg("purchase order", p.inköpsorder);
    lägg("delivery method", p.leveranssätt);
    lägg("message", p.meddelande);
    lägg("credit terms", p.kreditvillkor);
    samma("personal identity number", p.personnummer1);
    samma("second personal identity number", p.personnummer2);
    if (p.avdrag == 1) lägg("property designation", p.fastighet);
    if (p.avdrag == 2) {
        lägg("housing association", p.förening);
        samma("flat number", p.lägenhet);
    }
    return ut;
}
