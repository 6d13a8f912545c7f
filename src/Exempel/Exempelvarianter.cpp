#include "Exempel/Exempelvarianter.h"
#include "Exempel/Exempelbelopp.h"
#include "Exempel/HandskrivenPdf.h"

#include "Modell/Affarskontakt.h"
#include "Modell/Artikel.h"
#include "Modell/Belopp.h"
#include "Modell/Bokforing.h"
#include "Modell/EjRegistreradLeverantorsfaktura.h"
#include "Modell/Fakturor/Fakturakolumn.h"
#include "Modell/Fakturor/Fakturamall.h"
#include "Modell/KontantLeverantorsfaktura.h"
#include "Modell/Konto.h"
#include "Modell/Kostnadsstalle.h"
#include "Modell/Loneutbetalning.h"
#include "Modell/Momsniva.h"
#include "Modell/Rad.h"
#include "Modell/Rakenskapsar.h"
#include "Modell/SmartMapp.h"
#include "Modell/VanligLeverantorsfaktura.h"
#include "Modell/Verifikation.h"

#include <string>
#include <utility>

namespace {

Bytes text(std::string_view s) { return Bytes(s.begin(), s.end()); }

// A 1 x 1 transparent PNG: a logo that any image reader takes.
Bytes litenPng() {
    static constexpr uint8_t png[] = {
        0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52, 0x00,
        0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x06, 0x00, 0x00, 0x00, 0x1F, 0x15, 0xC4, 0x89, 0x00,
        0x00, 0x00, 0x0A, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0x00, 0x01, 0x00, 0x00, 0x05, 0x00, 0x01,
        0x0D, 0x0A, 0x2D, 0xB4, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
    return Bytes(std::begin(png), std::end(png));
}

// A blank A4 page as a complete PDF, cross-reference table included: a
// template background that PDF readers take.
Bytes tomPdfSida() {
    return pdfAvObjekt({"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Resources << >> >>"});
}

Affärskontakt& nyKontakt(Bokföring& bok) {
    std::vector<const NumreratObjekt*> tidigare;
    for (const auto& k : bok.kontakter) tidigare.push_back(k.get());
    bok.kontakter.push_back(std::make_unique<Affärskontakt>(tidigare));
    return *bok.kontakter.back();
}

void läggTillKontakter(Bokföring& bok) {
    // A delivery address on every other customer, for invoices that show it.
    int64_t n = 0;
    for (auto& k : bok.kontakter)
        if (k->kund() && n++ % 2 == 0) {
            Adress leverans;
            leverans.attention = "Godsmottagningen";
            leverans.gata = "Lagervägen " + std::to_string(n);
            leverans.postnummer = "721 30";
            leverans.postadress = "Västerås";
            k->leveransadress = leverans;
        }

    Affärskontakt& båda = nyKontakt(bok);
    båda.typ = Kontakttyp::bådeOch;
    båda.namn = "Jane Doe";
    båda.företag = "Northwind Traders Inc.";
    båda.adress.attention = "Accounts Payable";
    båda.adress.gata = "1 Main Street";
    båda.adress.postnummer = "98101";
    båda.adress.postadress = "Seattle";
    båda.adress.delstat = "WA";
    båda.adress.land = "us";
    Adress leverans = båda.adress;
    leverans.gata = "Pier 91";
    båda.leveransadress = leverans;
    båda.telefon = "+1 206 555 0100";
    båda.mobil = "+1 206 555 0199";
    båda.epost = "ap@northwind.example";
    båda.hemsida = "northwind.example";
    båda.organisationsnummer = "91-1144442";
    båda.andraOrganisationsnummer = "556000-0001";
    båda.momsregistreringsnummer = "SE556000000101";
    båda.gln = "7350000000017";
    båda.kommentar = "Betalar alltid i tid.";
    båda.standardrabatt = öre(5);
    båda.logotyp = litenPng();

    Affärskontakt& privat = nyKontakt(bok);
    privat.typ = Kontakttyp::kund;
    privat.namn = "Per Svensson";
    privat.adress.gata = "Björkvägen 3";
    privat.adress.postnummer = "752 36";
    privat.adress.postadress = "Uppsala";
    privat.fastighetsbeteckning = "Uppsala Björken 1:7";
    privat.bostadsrättsförening = "769600-1234";
    privat.lägenhetsnummer = "1102";
    privat.avböjLogotyp = true;
    privat.behållEfter7År = false;

    Affärskontakt& okänd = nyKontakt(bok);
    okänd.typ = Kontakttyp::okänd;
    okänd.företag = "Nedlagda Firman HB";
    okänd.makulerad = true;

    Affärskontakt& leverantör = nyKontakt(bok);
    leverantör.typ = Kontakttyp::leverantör;
    leverantör.företag = "Kontorsgrossisten AB";
    leverantör.adress.gata = "Industrigatan 9";
    leverantör.adress.postnummer = "212 35";
    leverantör.adress.postadress = "Malmö";
    leverantör.organisationsnummer = "556111-2222";
}

void läggTillMallar(Bokföring& bok) {
    Stil rubrik(Font{"Helvetica-Bold", 16}, TextAlignment::center, Color{0, 0.2, 0.6, 1});
    Stil brödtext(Font{"Times-Roman", 9.5}, TextAlignment::left);
    Stil belopp(Font{"Courier", 10}, TextAlignment::right, Color{0, 0, 0, 0.8});
    Stil marginal(Font{"Helvetica", 8}, TextAlignment::justified, Color{0.5, 0.5, 0.5, 1});

    auto offert = std::make_unique<Fakturamall>();
    offert->namn = "Offertmall";
    offert->radavstånd = 12.5;
    offert->gammaldagsStränghantering = true;
    offert->fält.emplace_back(Rect{40, 780, 200, 40}, Fakturafält::Id::Logo, brödtext);
    offert->fält.emplace_back(Rect{320, 760, 240, 70}, Fakturafält::Id::RecipientAddress, brödtext);
    offert->fält.emplace_back(Rect{320, 700, 240, 40}, Fakturafält::Id::DeliveryAddress, brödtext);
    offert->fält.emplace_back(Rect{40, 220, 520, 420}, Fakturafält::Id::LineContents, brödtext);
    offert->fält.emplace_back(Rect{40, 640, 520, 16}, Fakturafält::Id::LineHeaders, marginal);
    offert->fält.emplace_back(Rect{400, 180, 160, 20}, Fakturafält::Id::TotalInclVat, belopp);
    offert->fält.emplace_back(Rect{40, 60, 120, 120}, Fakturafält::Id::QRCode, brödtext);
    offert->fält.emplace_back(Rect{200, 60, 300, 40}, Fakturafält::Id::BarCode, brödtext);
    offert->fält.emplace_back(Rect{40, 20, 520, 20}, Fakturafält::Id::PageNumber, marginal);
    struct Version {
        const char* språk;
        const char* rubrik;
        const char* fritext;
        bool bakgrund;
    };
    for (const Version& v : {Version{"sv", "Offert", "Giltig i 30 dagar.", true},
                             Version{"en", "Quotation", "Valid for 30 days.", false},
                             Version{"de", "Angebot", "30 Tage gültig.", false}}) {
        Fakturaspråk språk;
        språk.språk = v.språk;
        if (v.bakgrund) språk.pdfData = tomPdfSida();
        språk.fraser.sätt("_invoice", v.rubrik);
        språk.fraser.sätt("_credit_invoice", std::string(v.rubrik) + " (kredit)");
        språk.fält.emplace_back(Rect{40, 730, 260, 30}, Fakturafält::Id::Title, rubrik);
        språk.fält.emplace_back(Rect{40, 120, 520, 40}, Fakturafält::Id::FreeText, marginal);
        offert->språk.push_back(std::move(språk));
    }
    bok.fakturamallar.push_back(std::move(offert));

    auto tom = std::make_unique<Fakturamall>();
    tom->namn = "Tom mall";
    bok.fakturamallar.push_back(std::move(tom));
}

void läggTillArtiklar(Bokföring& bok) {
    struct Vara {
        const char* nummer;
        const char* namn;
        std::optional<std::string> enhet;
        int64_t öre;
        Artikeltyp typ;
        ROT_och_RUT_kategori kategori;
        const char* valuta;
        bool påminnelseavgift;
    };
    for (const Vara& v : {Vara{"P1", "Påminnelseavgift", std::nullopt, 6000, Artikeltyp::tjänster,
                               ROT_och_RUT_kategori::ej_rot_och_rut, "SEK", true},
                          Vara{"E1", "Licens (EUR)", std::string("år"), 19900, Artikeltyp::tjänster,
                               ROT_och_RUT_kategori::ittjänster, "EUR", false},
                          Vara{"M1", "Målning per kvm", std::string("kvm"), 32000, Artikeltyp::tjänster,
                               ROT_och_RUT_kategori::målning, "SEK", false}}) {
        auto a = std::make_unique<Artikel>();
        a->nummer = v.nummer;
        a->ordningstal = NumreratObjekt::ordningstalFrånNummer(a->nummer);
        a->namn = v.namn;
        a->enhet = v.enhet;
        a->pris = öre(v.öre);
        a->typ = v.typ;
        a->rot_och_rut = v.kategori;
        a->valuta = v.valuta;
        a->påminnelseavgift = v.påminnelseavgift;
        a->försäljningskonto = v.påminnelseavgift ? bok.hittaKonto(3990) : bok.hittaKonto(3001);
        a->_momssats = v.påminnelseavgift ? noll : öre(25);
        bok.artiklar.push_back(std::move(a));
    }
}

std::unique_ptr<Rad> rad(Bokföring& bok, int64_t konto, int64_t belopp, int64_t nummer) {
    return std::make_unique<Rad>(*bok.hittaKonto(konto), öre(belopp), nummer, std::vector<Kostnadsställe*>{},
                                 std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt);
}

// A closed year before the example's, with saved form values, opening
// balances and entries whose optional fields are all given.
void läggTillStängtÅr(Bokföring& bok) {
    auto år = std::make_unique<Räkenskapsår>(Datum(20240101), Datum(20241231), "2024");
    år->stängt = true;
    år->notering = "Bokslut upprättat av revisorn.";
    år->läggTillSparatVärde("ink2.field.3.1", "125000");
    år->läggTillSparatVärde("moms.ruta.05", "48000");
    år->sättIngåendeSaldo(*bok.hittaKonto(1930), öre(5000000));
    år->sättIngåendeSaldo(*bok.hittaKonto(2081), öre(-5000000));

    Radlista rader;
    rader.push_back(rad(bok, 1930, 125000, 1));
    rader.back()->tillagdAv = "Anna";
    rader.back()->tillagdDatum = Datum(20240312);
    rader.back()->utdragshash = "5F1C0A7E";
    rader.push_back(rad(bok, 3001, -100000, 2));
    rader.back()->försäljningstyp = Försäljningstyp::medMomsEllerUtanförEU;
    rader.back()->kostnadsställen = {bok.kostnadsställen.front().get(), bok.kostnadsställen.back().get()};
    rader.push_back(rad(bok, 2610, -25000, 3));
    rader.push_back(rad(bok, 3002, -500, 4));
    rader.back()->borttagenAv = "Anna";
    rader.back()->borttagenDatum = Datum(20240313);
    Bildinfo bild{text("bplist00-bild"), text("book-mark"), text("file:///Kvitton/2024-03-12.pdf")};
    auto v = std::make_unique<Verifikation>(1, "Kontantförsäljning", Verifikationstyp::intäkt, Datum(20240312),
                                            std::move(rader), std::string("Kvitto bifogat"), std::move(bild),
                                            std::nullopt);
    v->registreringsdatum = Datum(20240313);
    v->fakturanummer = "977";
    v->momsregistreringsnummer = "SE556677889901";
    år->verifikationer.push_back(std::move(v));

    Radlista lev;
    lev.push_back(rad(bok, 4010, 80000, 1));
    lev.push_back(rad(bok, 2640, 20000, 2));
    lev.push_back(rad(bok, 2440, -100000, 3));
    år->verifikationer.push_back(std::make_unique<Verifikation>(2, "Varuinköp", Verifikationstyp::mottagenLeverantörsfaktura,
                                                                 Datum(20240401), std::move(lev), std::nullopt,
                                                                 std::nullopt, std::string("LF-5521")));
    bok.räkenskapsår.insert(bok.räkenskapsår.begin(), std::move(år));
}

void läggTillLeverantörsfakturor(Bokföring& bok) {
    Affärskontakt* leverantör = nullptr;
    for (const auto& k : bok.kontakter)
        if (k->leverantör()) leverantör = k.get();
    std::vector<const NumreratObjekt*> tidigare;
    for (const auto& f : bok.ejRegistreradeLeverantörsfakturor) tidigare.push_back(f.get());

    // Not yet registered: to pay later, paid from an account, paid with the
    // account left open; items with and without account and amount.
    for (int i = 0; i < 3; ++i) {
        auto ej = std::make_unique<EjRegistreradLeverantörsfaktura>();
        static_cast<NumreratObjekt&>(*ej) = NumreratObjekt(tidigare);
        ej->avsändare = i == 2 ? nullptr : leverantör;
        ej->externtNummer = "ER-" + std::to_string(300 + i);
        ej->valuta = i == 1 ? "EUR" : "SEK";
        if (i == 0) {
            ej->betalningsinfo = EjRegistreradLeverantörsfaktura::Betalningsinformation::faktura(Datum(20261105), 20);
            ej->kommentar = "Gäller ramavtal 2026";
            ej->kostnadsställen = {bok.kostnadsställen.front().get()};
        } else {
            ej->betalningsinfo = EjRegistreradLeverantörsfaktura::Betalningsinformation::kontant(
                Datum(20261106), i == 1 ? bok.hittaKonto(1930) : nullptr);
        }
        EjRegistreradLeverantörsfakturapost full;
        full.konto = bok.hittaKonto(6110);
        full.belopp = öre(80000);
        EjRegistreradLeverantörsfakturapost utanBelopp;
        utanBelopp.konto = bok.hittaKonto(2640);
        EjRegistreradLeverantörsfakturapost utanKonto;
        utanKonto.belopp = öre(1250);
        ej->poster = {full, utanBelopp, utanKonto, EjRegistreradLeverantörsfakturapost{}};
        tidigare.push_back(ej.get());
        bok.ejRegistreradeLeverantörsfakturor.push_back(std::move(ej));
    }
    if (!leverantör) return;

    // Registered: paid and unpaid, in kronor and in euro, with and without
    // a comment; and one paid in cash.
    for (int i = 0; i < 2; ++i) {
        auto vanlig = std::make_unique<VanligLeverantörsfaktura>();
        vanlig->nummer = std::to_string(10 + i);
        vanlig->ordningstal = 10 + i;
        vanlig->avsändare = leverantör;
        vanlig->externtNummer = "INV-" + std::to_string(8800 + i);
        vanlig->fakturadatum = Datum(20260901) + 14 * i;
        vanlig->betalningsfrist = 30;
        if (i == 0) vanlig->betalningsdatum = Datum(20260925);
        vanlig->valuta = i == 0 ? "SEK" : "EUR";
        vanlig->växelkurs = i == 0 ? ett : *Decimal::parseWhole("11.2817");
        if (i == 1) {
            vanlig->kommentar = "Leverans i två delar";
            vanlig->kostnadsställen = {bok.kostnadsställen.back().get()};
        }
        vanlig->poster.emplace_back(bok.hittaKonto(5410), öre(240000));
        vanlig->poster.emplace_back(bok.hittaKonto(2640), öre(60000));
        bok.leverantörsfakturor.push_back(std::move(vanlig));
    }
    auto kontant = std::make_unique<KontantLeverantörsfaktura>();
    kontant->nummer = "12";
    kontant->ordningstal = 12;
    kontant->avsändare = leverantör;
    kontant->externtNummer = "KV-19";
    kontant->betalningsdatum = Datum(20261012);
    kontant->växelkurs = ett;
    kontant->kommentar = "Betalt med företagskort";
    kontant->poster.emplace_back(bok.hittaKonto(5460), öre(39900));
    bok.leverantörsfakturor.push_back(std::move(kontant));
}

void läggTillÖvrigaPoster(Bokföring& bok) {
    bok.upprättarFörenklatÅrsbokslut = true;
    bok.godkändFörFSkatt = false;
    bok.fax = "08-123 456 79";
    bok.mobil = "070-123 45 67";
    bok.logotyp = litenPng();
    bok.visaKundnummerPåFakturor = true;
    bok.skattetabell = 33;
    bok.faktureringsläge = true;
    bok._bokföringsläge = true;
    bok.arbetsgivaravgift = Bokföring::NivåPåArbetsgivaravgift::Mellan1938Och1951;
    for (Fakturakolumn k : allaFakturakolumner()) bok.läggTillKolumn(k);
    bok.sättKreditvillkor("de", "Zahlbar innerhalb von 30 Tagen.");

    bok.hittaKonto(1930)->importprofil = text("{\"datum\":0,\"belopp\":2}");
    bok.hittaKonto(3001)->srukod = "7410";
    bok.hittaKonto(2440)->srukod = "7368";
    bok.konton.push_back(std::make_unique<Konto>(9999, "Okänt konto", Kontotyp::okänd));
    bok.momsnivåer.front()->kontoFörUtgåendeMomsVMB = bok.hittaKonto(2610);

    bok.kostnadsställen.push_back(std::make_unique<Kostnadsställe>(0, "P1", std::string("Projekt 1")));
    bok.kostnadsställen.push_back(std::make_unique<Kostnadsställe>(0, "P2", std::string("Projekt 2")));
    bok.kostnadsställen.push_back(std::make_unique<Kostnadsställe>(0, "P3", std::nullopt));

    struct Mapp {
        const char* rubrik;
        TypAvSmartMapp typ;
        const char* predikat;
    };
    for (const Mapp& m : {Mapp{"Stora verifikationer", TypAvSmartMapp::förVerifikationer, "belopp > 10000"},
                          Mapp{"Förfallna fakturor", TypAvSmartMapp::förFakturor, nullptr},
                          Mapp{"Leverantörer i euro", TypAvSmartMapp::förLeverantörsfakturor, "valuta == \"EUR\""}}) {
        auto mapp = std::make_unique<SmartMapp>();
        mapp->rubrik = m.rubrik;
        mapp->typ = m.typ;
        mapp->visaIndikator = m.predikat == nullptr;
        if (m.predikat) mapp->predikat = text(m.predikat);
        bok.smartaMappar.push_back(std::move(mapp));
    }

    for (int i = 0; i < 2; ++i) {
        auto lön = std::make_unique<Löneutbetalning>();
        lön->skattetabell = 30 + i;
        lön->datum = Datum(20261025) + 30 * i;
        lön->bruttolön = öre(4200000 + 100000 * i);
        lön->skatt = öre(1260000);
        lön->arbetsgivaravgift = öre(1319640);
        lön->avgift = *Decimal::parseWhole("0.3142");
        lön->lönekostnad = öre(5519640);
        bok.löneutbetalningar.push_back(std::move(lön));
    }
    bok.avslutadePerioder.emplace_back(Datum(20260101), Datum(20260331), false);
}

}  // namespace

void läggTillAllaPostformer(Bokföring& bok) {
    läggTillÖvrigaPoster(bok);
    läggTillKontakter(bok);
    läggTillMallar(bok);
    läggTillArtiklar(bok);
    läggTillStängtÅr(bok);
    läggTillLeverantörsfakturor(bok);
}
