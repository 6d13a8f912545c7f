// User templates laid out with the fixed-width measurer: the background
// and its cache key, fields turned from the page's foot, what the fields
// show on invoices and delivery notes, rows flowing over pages, the item
// table between the heading and contents fields, and page numbers.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Fakturor/Fakturamall.h"
#include "Modell/Fakturor/FinsktReferensnummer.h"
#include "Modell/Rotuppgifter.h"
#include "Plattform/Ritning/BoundedProcess.h"
#include "Plattform/Ritning/FontRegistry.h"
#include "Plattform/Ritning/Image.h"
#include "Plattform/Logg.h"
#include "Plattform/Lokal.h"

#include "Plattform/Ritning/Bildprov.h"
#include "Plattform/Ritning/PdfVerktyg.h"
#include "Displaylista.h"
#include "FastMatare.h"
#include "Provbakgrund.h"
#include "Provfaktura.h"
#include "Rumskontroll.h"
#include "Tidsbundna.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <set>

using namespace displaylista;
using Id = Fakturafält::Id;
using prov::D;

namespace {

const Bytes& a4() {
    static const Bytes pdf = prov::bakgrundspdf(595, 842);
    return pdf;
}

Fakturaspråk version(std::string språk, std::optional<Bytes> pdf = a4()) {
    Fakturaspråk v;
    v.språk = std::move(språk);
    v.pdfData = std::move(pdf);
    return v;
}

// Tells the title which template and which kind of document asked.
struct TitelFaktura : prov::Faktura {
    std::optional<std::string> rubriktextIFakturamall(const Fakturamall* mall, bool följesedel) const override {
        if (!mall || mall != egenFakturamall_) return "fel mall";
        return följesedel ? "Följesedel" : "Faktura";
    }
};

struct Mallprov {
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    TitelFaktura faktura;
    FastMätare mätare;
    Fakturamall mall;
    Stil stil{Font{"Helvetica", 10}, TextAlignment::left};

    Mallprov() {
        mall.namn = "Mallen";
        mall.språk.push_back(version("sv"));
        faktura.egenFakturamall_ = &mall;
        faktura.inbyggdFakturamall_.reset();
    }
    void fält(const Rect& ram, Id id) { mall.fält.emplace_back(ram, id, stil); }
    std::unique_ptr<Fakturavy> vy(bool följesedel = false) {
        return std::make_unique<Fakturavy>(faktura, *bok, följesedel, mätare);
    }
};

// The page-level value of one field of that kind, or none.
std::optional<std::string> värdeAv(Mallprov& p, Id id, bool följesedel = false) {
    p.mall.fält.clear();
    p.fält({50, 700, 200, 40}, id);
    auto vy = p.vy(följesedel);
    for (const auto& o : vy->innehållFörAllaSidor)
        if (ram(o) == Rect{50, 102, 200, 40}) {
            if (auto* t = text(o)) return t->text();
            return "<image>";
        }
    return std::nullopt;
}

std::vector<std::string> texter(const std::vector<CachatObjekt>& lista) {
    std::vector<std::string> ut;
    for (const auto& o : lista)
        if (auto* t = text(o)) ut.push_back(t->text());
    return ut;
}

prov::Post post(std::string namn, std::string nummer = "1") {
    prov::Post p;
    p.artikelnamn_ = std::move(namn);
    p.artikelnummer_ = std::move(nummer);
    return p;
}

// The background and logo are read in this process: the layout on them
// is the point. Their reading and judging, and what is left out when they
// are refused, are AnvandarmallCpu's.
class Anvandarmall : public ::testing::Test {
    testhjalp::IEgenProcess iEgenProcess;
};

}  // namespace

TEST_F(Anvandarmall, FieldFramesAreTurnedWithTheBackgroundsMediaBoxHeight) {
    Mallprov p;
    p.fält({50, 700, 200, 40}, Id::Number);
    auto vy = p.vy();
    const CachatObjekt* nummer = medText(vy->innehållFörAllaSidor, "1042");
    ASSERT_NE(nummer, nullptr) << beskriv(vy->innehållFörAllaSidor);
    EXPECT_EQ(ram(*nummer), (Rect{50, 102, 200, 40}));

    // The crop box (the page) is 842 high, the media box 942: stored frames
    // are measured from the media box's foot.
    p.mall.språk[0].pdfData = prov::pdfMedLådor({0, 0, 595, 942}, {0, 100, 595, 842}, {50, 700, 200, 40});
    vy = p.vy();
    nummer = medText(vy->innehållFörAllaSidor, "1042");
    ASSERT_NE(nummer, nullptr);
    EXPECT_EQ(ram(*nummer), (Rect{50, 202, 200, 40}));
    EXPECT_EQ(vy->ramFörEnSida().size(), (Size{595, 842}));
}

TEST_F(Anvandarmall, TheInvoicesLanguageChoosesTheVersionElseTheFirst) {
    Mallprov p;
    p.mall.språk = {version("sv"), version("de")};
    p.mall.språk[0].fält.emplace_back(Rect{10, 10, 100, 20}, Id::Number, p.stil);
    p.mall.språk[1].fält.emplace_back(Rect{300, 10, 100, 20}, Id::Number, p.stil);
    struct Fall {
        std::string språk;
        double x;
    } fall[] = {{"de", 300}, {"sv", 10}, {"en", 10}, {"SV", 10}};
    for (const Fall& f : fall) {
        p.faktura.språk_ = f.språk;
        auto vy = p.vy();
        ASSERT_EQ(vy->innehållFörAllaSidor.size(), 1u) << f.språk;
        EXPECT_EQ(ram(vy->innehållFörAllaSidor[0]).x, f.x) << f.språk;
        // The invoice's own code keys the background, also where the
        // first version stands in.
        EXPECT_EQ(vy->mallOchSpråk, "__Mallen" + f.språk);
    }
}

TEST_F(Anvandarmall, TheSameTemplateAndLanguageKeepTheOpenBackground) {
    Mallprov p;
    p.fält({10, 10, 100, 20}, Id::Number);
    auto vy = p.vy();
    auto öppnad = vy->bakgrund;
    ASSERT_NE(öppnad, nullptr);
    vy->laddaBakgrundFörFakturamall(p.mall);
    EXPECT_EQ(vy->bakgrund, öppnad);

    p.mall.namn = "Annan";
    vy->laddaBakgrundFörFakturamall(p.mall);
    EXPECT_NE(vy->bakgrund, öppnad);
    EXPECT_EQ(vy->mallOchSpråk, "__Annansv");
}

// Nothing to lay the fields over: no objects and no page, whatever the
// fields (the tool then reports that the invoice has no page).
TEST(AnvandarmallCpu, WithoutAUsableBackgroundNothingIsLaidOut) {
    const std::string inteEnPdf = "%PDF-1.4\nthis is no document\n";
    // A page that would decode an image of 20 000 x 20 000 pixels.
    const Bytes förDyr = testhjalp::handmadePdf(
        {{.mediaBox = "0 0 595 842", .content = "/Im Do", .resources = "/XObject << /Im 5 0 R >>"}},
        {pdfStröm("/Subtype /Image /Width 20000 /Height 20000 /ColorSpace /DeviceGray "
                                   "/BitsPerComponent 8",
                                   "\x80")});
    const std::optional<Bytes> bakgrunder[] = {std::nullopt, Bytes{}, Bytes(inteEnPdf.begin(), inteEnPdf.end()),
                                               förDyr, prov::bakgrundspdf(595, 842, [](cairo_t*) {})};
    for (size_t i = 0; i < std::size(bakgrunder); ++i) {
        Mallprov p;
        p.fält({10, 10, 100, 20}, Id::Number);
        p.fält({10, 100, 100, 20}, Id::LineArticleName);
        p.faktura.poster = {post("Vara")};
        p.mall.språk[0].pdfData = bakgrunder[i];
        auto vy = p.vy();
        if (i == 4) {  // a blank page is a background
            EXPECT_EQ(vy->antalSidor(), 1);
            EXPECT_EQ(vy->saknadBakgrund, std::nullopt);
            continue;
        }
        EXPECT_EQ(vy->bakgrund, nullptr) << i;
        EXPECT_EQ(vy->saknadBakgrund, "for the template \"Mallen\"") << i;
        EXPECT_TRUE(vy->innehållFörAllaSidor.empty()) << i;
        EXPECT_EQ(vy->antalSidor(), 0) << i;
    }
    Mallprov utanVersioner;
    utanVersioner.mall.språk.clear();
    utanVersioner.fält({10, 10, 100, 20}, Id::Number);
    auto vy = utanVersioner.vy();
    EXPECT_EQ(vy->bakgrund, nullptr);
    EXPECT_EQ(vy->antalSidor(), 0);
}

TEST_F(Anvandarmall, FramesOfNegativeOrEndlessSizeAreLeftOut) {
    const double oändligt = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Mallprov p;
    for (Rect r : {Rect{10, 10, -5, 20}, Rect{10, 10, 50, -1}, Rect{nan, 10, 50, 20}, Rect{10, 10, oändligt, 20},
                   Rect{10, 1e308, 50, 1e308}})
        p.fält(r, Id::Number);
    p.fält({10, 10, 0, 0}, Id::Number);  // drawn as nothing, but kept
    auto vy = p.vy();
    ASSERT_EQ(vy->innehållFörAllaSidor.size(), 1u) << beskriv(vy->innehållFörAllaSidor);
    EXPECT_EQ(ram(vy->innehållFörAllaSidor[0]), (Rect{10, 832, 0, 0}));
}

TEST_F(Anvandarmall, PageLevelFieldsShowTheInvoiceAndTheLedger) {
    Mallprov p;
    p.faktura.fakturadatum_ = Datum(20240307);
    p.faktura.leveransdatum_ = Datum(20240301);
    p.faktura.betalningsfrist_ = 15;
    p.faktura.valuta_ = "EUR";
    p.faktura.kundnummer_ = "K-7";
    p.faktura.attBetala_ = D("1234.05");
    p.bok->plusgiro = "12345-6";
    p.bok->bankgiro = "123-4567";
    p.bok->_säte = "Malmö";
    EXPECT_EQ(värdeAv(p, Id::Date), "2024-03-07");
    EXPECT_EQ(värdeAv(p, Id::DeliveryDate), "2024-03-01");
    EXPECT_EQ(värdeAv(p, Id::CreditPeriod), "15");
    EXPECT_EQ(värdeAv(p, Id::CurrencyCode), "EUR");
    EXPECT_EQ(värdeAv(p, Id::PaymentOption1), "12345-6");
    EXPECT_EQ(värdeAv(p, Id::PaymentOption2), "123-4567");
    EXPECT_EQ(värdeAv(p, Id::SenderCompany), "Exempel AB");
    EXPECT_EQ(värdeAv(p, Id::SenderCompanyCity), "Malmö");
    // 1042 with its 7-3-1 check digit: 7·2 + 3·4 + 1·0 + 7·1 = 33, 40 − 33 = 7.
    EXPECT_EQ(värdeAv(p, Id::FinnishRefNo), "10427");
    EXPECT_EQ(värdeAv(p, Id::TotalAmountWhole), "1234");
    EXPECT_EQ(värdeAv(p, Id::TotalAmountCent), "5");
    p.faktura.attBetala_ = D("-12.34");
    EXPECT_EQ(värdeAv(p, Id::TotalAmountWhole), "-12");
    EXPECT_EQ(värdeAv(p, Id::TotalAmountCent), "-34");
    p.faktura.attBetala_ = D("-0.999");
    EXPECT_EQ(värdeAv(p, Id::TotalAmountWhole), "0");
    EXPECT_EQ(värdeAv(p, Id::TotalAmountCent), "-99");
    // Beyond any 64-bit integer of hundredths.
    p.faktura.attBetala_ = D("123456789012345678901234567.89");
    EXPECT_EQ(värdeAv(p, Id::TotalAmountWhole), "123456789012345678901234567");
    EXPECT_EQ(värdeAv(p, Id::TotalAmountCent), "89");

    // Shown as an empty text when absent, or not at all.
    EXPECT_EQ(värdeAv(p, Id::RecipientVatNo), "");
    EXPECT_EQ(värdeAv(p, Id::VatNo), "");
    EXPECT_EQ(värdeAv(p, Id::PurchaseOrderNo), std::nullopt);
    EXPECT_EQ(värdeAv(p, Id::Swish), std::nullopt);
    EXPECT_EQ(värdeAv(p, Id::Month), std::nullopt);
    EXPECT_EQ(värdeAv(p, Id::Year), std::nullopt);
    EXPECT_EQ(värdeAv(p, Id::CustomerID), std::nullopt);
    p.bok->visaKundnummerPåFakturor = true;
    EXPECT_EQ(värdeAv(p, Id::CustomerID), "K-7");
    EXPECT_EQ(värdeAv(p, Id::Discount), std::nullopt);
    // The discount as a percentage in the user's locale's form.
    p.faktura.rabatt_ = D("0.1");
    lokal::sättAktuell("en_US");
    EXPECT_EQ(värdeAv(p, Id::Discount), "10%");
    lokal::sättAktuell("sv_SE");
    EXPECT_EQ(värdeAv(p, Id::Discount), "10\u00a0%");
    lokal::sättAktuell(std::nullopt);
    EXPECT_EQ(värdeAv(p, Id::Logo), std::nullopt);
    EXPECT_EQ(värdeAv(p, Id::QRCode), "<image>");

    EXPECT_EQ(värdeAv(p, Id::Title), "Faktura");
    EXPECT_EQ(värdeAv(p, Id::Title, true), "Följesedel");
}

TEST_F(Anvandarmall, ALogoTooLargeToReadIsLeftOutAndNoted) {
    Mallprov p;
    p.fält({50, 700, 200, 40}, Id::Logo);
    p.bok->logotyp = bildprov::pngHuvud(20000, 20000);
    auto vy = p.vy();
    EXPECT_TRUE(vy->innehållFörAllaSidor.empty());
    EXPECT_EQ(vy->utelämnadLogotyp, "it is 20000 x 20000 pixels, more than 16384 a side");
    p.bok->logotyp = bildprov::png(40, 20, [](int, int) { return 0xFF336699u; });
    vy = p.vy();
    EXPECT_EQ(vy->innehållFörAllaSidor.size(), 1u);
    EXPECT_EQ(vy->utelämnadLogotyp, std::nullopt);
}

// A template may show the logo in many fields: its file is read once for
// them all (a PDF's reading is a child process, which may take seconds,
// and so is the judging of its page, at the largest frame before any
// shows it), and a raster image is decoded once for all frames of one
// size.
TEST(AnvandarmallCpu, ALogoShownInManyFieldsIsReadOnce) {
    Mallprov p;
    for (int i = 0; i < 40; ++i) p.fält({40 + 12.0 * (i % 20), 600 + 40.0 * (i / 20), 10, 10}, Id::Logo);
    auto bilder = [&] {
        std::set<const Image*> olika;
        size_t antal = 0;
        const auto vy = p.vy();
        for (const auto& o : vy->innehållFörAllaSidor)
            if (auto* bild = std::get_if<cachad::image>(&o.data)) {
                ++antal;
                olika.insert(bild->image.get());
            }
        return std::pair{antal, olika.size()};
    };
    // Children the view starts (its background is read in one too).
    auto barn = [](const std::function<void()>& gör) {
        const uint64_t före = boundedprocess::childrenStarted();
        gör();
        return boundedprocess::childrenStarted() - före;
    };
    const uint64_t utanLogotyp = barn([&] { EXPECT_EQ(bilder(), std::pair(size_t(0), size_t(0))); });
    p.bok->logotyp = prov::bakgrundspdf(200, 100);
    EXPECT_EQ(barn([&] { EXPECT_EQ(bilder(), std::pair(size_t(40), size_t(1))); }), utanLogotyp + 2);

    p.bok->logotyp = bildprov::png(400, 200, [](int, int) { return 0xFF336699u; });
    EXPECT_EQ(bilder(), std::pair(size_t(40), size_t(1)));
    // A frame that needs more of its pixels gets a decoding of its own.
    p.fält({40, 400, 200, 100}, Id::Logo);
    EXPECT_EQ(bilder(), std::pair(size_t(41), size_t(2)));
}

// Fields of growing size, in the order the template lists them: the page
// is read once and judged once, at the largest, not again for each larger
// field.
TEST(AnvandarmallCpu, APdfLogoInFieldsOfGrowingSizeIsJudgedOnce) {
    Mallprov p;
    for (int i = 0; i < 20; ++i) p.fält({40, 40 + 35.0 * i, 20 + 5.0 * i, 10 + 2.5 * i}, Id::Logo);
    auto barn = [&] {
        const uint64_t före = boundedprocess::childrenStarted();
        const auto vy = p.vy();
        EXPECT_EQ(vy->utelämnadLogotyp, std::nullopt);
        return boundedprocess::childrenStarted() - före;
    };
    const uint64_t utanLogotyp = barn();
    p.bok->logotyp = prov::bakgrundspdf(200, 100);
    EXPECT_EQ(barn(), utanLogotyp + 2);
}

TEST_F(Anvandarmall, RegisteredNotesFollowTheLedgersFlagsInTheInvoicesLanguage) {
    Mallprov p;
    p.bok->godkändFörFSkatt = true;
    p.bok->momsregistrerat = false;
    EXPECT_EQ(värdeAv(p, Id::RegisteredForTax), "Godkänd för F-skatt");
    EXPECT_EQ(värdeAv(p, Id::RegisteredForVat), std::nullopt);
    p.bok->godkändFörFSkatt = false;
    p.bok->momsregistrerat = true;
    p.faktura.språk_ = "en";
    EXPECT_EQ(värdeAv(p, Id::RegisteredForTax), std::nullopt);
    EXPECT_EQ(värdeAv(p, Id::RegisteredForVat), "Registered for VAT.");
}

TEST_F(Anvandarmall, CreditTermsFallBackToTheLedgersTermsForTheLanguage) {
    Mallprov p;
    EXPECT_EQ(värdeAv(p, Id::CreditDetails), "");
    p.bok->sättKreditvillkor("de", "Zahlbar sofort");
    p.bok->sättKreditvillkor("sv", "30 dagar netto");
    EXPECT_EQ(värdeAv(p, Id::CreditDetails), "30 dagar netto");
    p.faktura.kreditvillkor_ = "10 dagar";
    EXPECT_EQ(värdeAv(p, Id::CreditDetails), "10 dagar");
}

TEST_F(Anvandarmall, TheCityIsTheRegisteredOfficeOfALimitedCompanyOnly) {
    Mallprov p;
    p.bok->_säte = std::nullopt;
    EXPECT_EQ(värdeAv(p, Id::SenderCompanyCity), "Göteborg");
    p.bok->_säte = "";  // what an office never filled in is stored as
    EXPECT_EQ(värdeAv(p, Id::SenderCompanyCity), "Göteborg");
    auto firma = std::make_unique<Bokföring>("SEK", "19700101-1234", "se", std::nullopt, Företagsform::enskildFirma);
    firma->adress = prov::Faktura::adress("Ågatan 3", "752 20", "Uppsala");
    firma->_säte = "Stockholm";
    p.bok = std::move(firma);
    EXPECT_EQ(värdeAv(p, Id::SenderCompanyCity), "Uppsala");
}

TEST_F(Anvandarmall, TheRecipientsAttentionLineIsLeftOutWhenItNamesTheCompany) {
    Mallprov p;
    Adress adress = prov::Faktura::adress("Storgatan 1", "111 22", "Stockholm");
    adress.attention = "Kund AB";
    p.faktura.mottagaradress_ = adress;
    p.faktura.leveransadress_ = adress;
    EXPECT_EQ(värdeAv(p, Id::RecipientAddress).value_or("").find("Kund AB"), std::string::npos);
    EXPECT_NE(värdeAv(p, Id::DeliveryAddress).value_or("").find("Kund AB"), std::string::npos);
    adress.attention = "Eva Ek";
    p.faktura.mottagaradress_ = adress;
    EXPECT_EQ(värdeAv(p, Id::RecipientAddress).value_or("").rfind("Eva Ek", 0), 0u);
}

TEST_F(Anvandarmall, RotAndRutFieldsShowTheBuyersAndTheProperty) {
    Mallprov p;
    p.faktura.skatteavdrag_ = Skatteavdrag::rot("19700101-1234", "19710202-2345", D("0.5"),
                                                Rotuppgifter::bostadsrätt("BRF Ekorren", "1101"), D("0.3"));
    EXPECT_EQ(värdeAv(p, Id::Personnummer), "19700101-1234");
    EXPECT_EQ(värdeAv(p, Id::Personnummer2), "19710202-2345");
    EXPECT_EQ(värdeAv(p, Id::Bostadsrättsförening), "BRF Ekorren");
    EXPECT_EQ(värdeAv(p, Id::Lägenhetsnummer), "1101");
    EXPECT_EQ(värdeAv(p, Id::Fastighetsbeteckning), std::nullopt);
    p.faktura.skatteavdrag_ = Skatteavdrag::rut("19800303-3456", std::nullopt, D("0"), D("0.5"));
    EXPECT_EQ(värdeAv(p, Id::Personnummer), "19800303-3456");
    EXPECT_EQ(värdeAv(p, Id::Personnummer2), std::nullopt);
    EXPECT_EQ(värdeAv(p, Id::Lägenhetsnummer), std::nullopt);
}

// Every page-level kind on one page, each at its own x; a delivery note
// leaves out exactly the amounts, the due date and the reminder.
TEST_F(Anvandarmall, ADeliveryNoteLeavesOutTheMarkedFields) {
    Mallprov p;
    p.faktura.erReferens_ = p.faktura.vårReferens_ = p.faktura.inköpsordernummer_ = p.faktura.leveranssätt_ =
        p.faktura.meddelande_ = "x";
    p.faktura.påminnelsetext_ = "Påminnelse";
    p.faktura.leveransdatum_ = Datum(20240301);
    p.faktura.leveransadress_ = p.faktura.mottagaradress_;
    p.faktura.rabatt_ = D("0.1");
    p.faktura.kundnummer_ = "K-7";
    p.faktura.skatteavdrag_ = Skatteavdrag::rot("19700101-1234", "19710202-2345", D("0.5"),
                                                Rotuppgifter::bostadsrätt("BRF Ekorren", "1101"), D("0.3"));
    p.faktura.avdragsbelopp_ = D("300");
    p.bok->visaKundnummerPåFakturor = p.bok->momsregistrerat = true;
    p.bok->plusgiro = p.bok->bankgiro = p.bok->swish = p.bok->bic = p.bok->bank = p.bok->bankkonto = "x";
    p.bok->iban = "FI2112345600000785";
    p.bok->logotyp = prov::bakgrundspdf(100, 50, [](cairo_t* cr) { cairo_paint(cr); });
    std::set<Id> sidfält;
    for (Id id : allaFältId()) {
        if (id >= Id::LineNumber && id <= Id::LineUnit) continue;
        if (id == Id::LineContents || id == Id::LineHeaders || id == Id::Month || id == Id::Year ||
            id == Id::PageNumber || id == Id::Fastighetsbeteckning)
            continue;
        p.fält({double(id) * 7, 800, 5, 20}, id);
        sidfält.insert(id);
    }
    auto visade = [&](bool följesedel) {
        std::set<Id> ut;
        auto vy = p.vy(följesedel);
        for (const auto& o : vy->innehållFörAllaSidor) ut.insert(Id(int(std::lround(ram(o).x / 7))));
        return ut;
    };
    EXPECT_EQ(visade(false), sidfält);
    std::set<Id> följesedel = sidfält;
    for (Id dold : {Id::Reminder, Id::TotalVat, Id::TotalInclVat, Id::TotalExclVat, Id::Rounding,
                    Id::TotalAmountWhole, Id::TotalAmountCent, Id::DueDate, Id::ROT_RUT_amount})
        följesedel.erase(dold);
    EXPECT_EQ(visade(true), följesedel);
}

TEST_F(Anvandarmall, FieldsInBothListsAreDrawnTwice) {
    Mallprov p;
    p.fält({10, 10, 100, 20}, Id::Number);
    p.mall.språk[0].fält.emplace_back(Rect{10, 10, 100, 20}, Id::Number, p.stil);
    EXPECT_EQ(p.vy()->innehållFörAllaSidor.size(), 2u);
}

TEST_F(Anvandarmall, TheNewerStringHandlingLaysOutAddressesAndFreeText) {
    Mallprov p;
    p.faktura.meddelande_ = "Tack";
    for (Id id : {Id::RecipientAddress, Id::SenderAddress, Id::FreeText, Id::Number}) p.fält({10, 10, 100, 20}, id);
    for (bool gammaldags : {false, true}) {
        p.mall.gammaldagsStränghantering = gammaldags;
        auto vy = p.vy();
        EXPECT_EQ(vy->annanSträngmetod, !gammaldags);
        std::vector<size_t> slag;
        for (const auto& o : vy->innehållFörAllaSidor) slag.push_back(o.data.index());
        const size_t s = 1, lm = 2;  // string, stringNeedingLayoutManager
        EXPECT_EQ(slag, gammaldags ? std::vector<size_t>({s, s, s, s}) : std::vector<size_t>({lm, lm, lm, s}));
    }
}

// A field is a frame the user drew (Helvetica 10: 5 points a character,
// lines 12 high): a text that fits stays as it is; a longer one is set
// smaller to keep to its one line, down to 70 %, then cut there with an
// ellipsis; a field that holds two lines even at 70 % wraps it instead,
// set smaller and cut to end in the field.
TEST_F(Anvandarmall, ATextLongerThanItsFieldIsSetSmallerThenCutWithAnEllipsis) {
    const std::string ettOrd(24, 'x');  // 120 points
    struct Fall {
        const char* namn;
        std::string text;
        Rect ram;  // from the page's foot
        double storlek;
        size_t slag;  // string, stringNeedingLayoutManager
        bool kapad;
    } fall[] = {
        {"fits", "Bud", {50, 700, 100, 14}, 10, 1, false},
        {"set smaller", ettOrd, {50, 700, 100, 14}, 8.3, 1, false},
        {"cut at 70 %", ettOrd + " " + ettOrd, {50, 700, 100, 14}, 7, 1, true},
        {"wrapped in a taller field", ettOrd + " " + "Godsmottagningen", {50, 700, 130, 40}, 10, 2, false},
        {"wrapped and cut", ettOrd + " " + ettOrd + " " + ettOrd + " " + ettOrd + " " + ettOrd, {50, 700, 130, 20},
         7, 2, true},
    };
    for (const Fall& c : fall) {
        SCOPED_TRACE(c.namn);
        Mallprov p;
        p.faktura.leveranssätt_ = c.text;
        p.fält(c.ram, Id::DeliveryMethod);
        auto vy = p.vy();
        ASSERT_EQ(vy->innehållFörAllaSidor.size(), 1u);
        const CachatObjekt& o = vy->innehållFörAllaSidor[0];
        EXPECT_EQ(o.data.index(), c.slag);
        const Rect r = ram(o);
        EXPECT_EQ(r, (Rect{c.ram.x, 842 - c.ram.y - c.ram.height, c.ram.width, c.ram.height}));
        const AttributedString& t = *text(o);
        EXPECT_NEAR(t.attributesAt(0)->font->pointSize, c.storlek, 1e-9);
        const bool ellips = t.text().ends_with("\u2026") ||
                            (t.paragraphStyleAt(0) && t.paragraphStyleAt(0)->lineBreakMode == LineBreakMode::truncatingTail);
        EXPECT_EQ(ellips, c.kapad) << t.text();
        if (!ellips) {
            EXPECT_EQ(t.text(), c.text);
        }
        if (c.slag == 2) {
            EXPECT_LE(p.mätare.boundingSize(t, r.size()).height, r.height + 0.5);
        }
    }
}

TEST_F(Anvandarmall, StylesMapArchivedFontsToFacesWeHave) {
    Mallprov p;
    p.stil = Stil(Font{"Futura-MediumItalic", 14}, TextAlignment::right, Color::rgb(1, 0, 0));
    p.fält({10, 10, 100, 20}, Id::Number);
    p.stil = Stil(Font{"NoSuchFont-Bold", 9}, TextAlignment::left);
    p.fält({10, 50, 100, 20}, Id::Number);
    auto vy = p.vy();
    ASSERT_EQ(vy->innehållFörAllaSidor.size(), 2u);
    for (const auto& o : vy->innehållFörAllaSidor) {
        const TextAttributes& a = text(o)->runs().at(0).attributes;
        ASSERT_TRUE(a.font);
        EXPECT_TRUE(fonts::fontWithName(a.font->name, a.font->pointSize)) << a.font->name;
    }
    const TextAttributes& röd = text(vy->innehållFörAllaSidor[0])->runs().at(0).attributes;
    EXPECT_EQ(röd.font->pointSize, 14);
    EXPECT_EQ(röd.foregroundColor, Color::rgb(1, 0, 0));
    ASSERT_TRUE(röd.paragraphStyle);
    EXPECT_EQ(röd.paragraphStyle->alignment, TextAlignment::right);
    EXPECT_FALSE(text(vy->innehållFörAllaSidor[1])->runs().at(0).attributes.paragraphStyle);
}

TEST_F(Anvandarmall, BarcodeFieldsShowWhyNoBarcodeCouldBeMade) {
    std::vector<std::string> logg;
    auto tidigare = logg::sättMottagare([&](std::string_view rad) { logg.emplace_back(rad); });
    Mallprov p;
    p.bok->iban = "SE00 nonsense";
    EXPECT_EQ(värdeAv(p, Id::BarCodeDigits), "See log for error");
    EXPECT_EQ(värdeAv(p, Id::BarCode), "<image>");
    const std::string rad =
        "Barcode error " + FelPåFinsktReferensnummer(FelPåFinsktReferensnummer::Fall::inkorrektIBAN).description();
    EXPECT_EQ(logg, std::vector<std::string>({rad, rad}));

    logg.clear();
    p.bok->iban = "FI2112345600000785";
    const auto siffror = värdeAv(p, Id::BarCodeDigits);
    ASSERT_TRUE(siffror);
    EXPECT_EQ(siffror->size(), 54u);
    EXPECT_EQ(siffror->find_first_not_of("0123456789"), std::string::npos);
    EXPECT_TRUE(logg.empty());
    logg::sättMottagare(std::move(tidigare));
}

// Line mode: rows 40 high in an area 100 high.
struct Radprov : Mallprov {
    Radprov() {
        fält({40, 300, 200, 100}, Id::LineArticleName);  // top at 842 − 400 = 442
        fält({10, 300, 20, 120}, Id::LineNumber);
        for (const char* namn : {"A", "B", "C", "D", "E"}) mätare.fasta[namn] = {10, 40};
    }
};

// Each cell spans its row (40 high), not its column field.
TEST_F(Anvandarmall, RowsFlowDownTheLineAreaAndOverPages) {
    Radprov p;
    p.faktura.poster = {post("A"), post("B"), post("C")};
    auto vy = p.vy();
    ASSERT_EQ(vy->antalSidor(), 2);
    const auto& sida1 = vy->innehållFörVarjeSida[0];
    const auto& sida2 = vy->innehållFörVarjeSida[1];
    EXPECT_EQ(ram(*medText(sida1, "A")), (Rect{40, 442, 200, 40}));
    EXPECT_EQ(ram(*medText(sida1, "B")), (Rect{40, 482, 200, 40}));
    EXPECT_EQ(ram(*medText(sida1, "2")), (Rect{10, 482, 20, 40}));
    // 80 + 40 > 100: the third row opens page 2 at the top, still numbered 3.
    EXPECT_EQ(ram(*medText(sida2, "C")), (Rect{40, 442, 200, 40}));
    EXPECT_EQ(ram(*medText(sida2, "3")), (Rect{10, 442, 20, 40}));
    EXPECT_EQ(texter(sida2), std::vector<std::string>({"C", "3"}));
}

TEST_F(Anvandarmall, ARowEndingAtTheAreasFootStaysAndAnOversizedRowLeavesNoEmptyPage) {
    Radprov p;
    p.mätare.fasta["A"] = {10, 60};
    p.faktura.poster = {post("A"), post("B")};
    EXPECT_EQ(p.vy()->antalSidor(), 1);  // 60 + 40 = 100

    p.mätare.fasta["A"] = {10, 150};
    p.faktura.poster = {post("A"), post("B")};
    auto vy = p.vy();
    ASSERT_EQ(vy->antalSidor(), 2);
    EXPECT_EQ(texter(vy->innehållFörVarjeSida[0]), std::vector<std::string>({"A", "1"}));
    EXPECT_EQ(texter(vy->innehållFörVarjeSida[1]), std::vector<std::string>({"B", "2"}));
}

TEST_F(Anvandarmall, PageNumbersAndThePageCountGoOnEveryPage) {
    Radprov p;
    p.fält({500, 20, 40, 15}, Id::PageNumber);  // top at 842 − 35 = 807
    p.fält({550, 20, 40, 15}, Id::PageCount);
    p.faktura.poster = {post("A"), post("B"), post("C"), post("D"), post("E")};
    auto vy = p.vy();
    ASSERT_EQ(vy->antalSidor(), 3);
    const CachatObjekt* antal = medRam(vy->innehållFörAllaSidor, {550, 807, 40, 15});
    ASSERT_NE(antal, nullptr);
    EXPECT_EQ(text(*antal)->text(), "3");
    for (int sida = 1; sida <= 3; ++sida) {
        const CachatObjekt* nummer = medRam(vy->innehållFörVarjeSida[size_t(sida - 1)], {500, 807, 40, 15});
        ASSERT_NE(nummer, nullptr) << sida;
        EXPECT_EQ(text(*nummer)->text(), std::to_string(sida));
    }

    p.faktura.poster.clear();
    vy = p.vy();
    ASSERT_EQ(vy->antalSidor(), 1);
    EXPECT_EQ(text(*medRam(vy->innehållFörAllaSidor, {550, 807, 40, 15}))->text(), "1");
    EXPECT_EQ(texter(vy->innehållFörVarjeSida[0]), std::vector<std::string>({"1"}));
}

TEST_F(Anvandarmall, LineValuesAndWhatADeliveryNoteLeavesOut) {
    Mallprov p;
    for (Id id : allaFältId())
        if (id >= Id::LineNumber && id <= Id::LineUnit) p.fält({double(id) * 7, 500, 400, 100}, id);
    prov::Post vara = post("Vara", "V-1");
    vara.pris_ = D("10.01"), vara.momssats_ = D("0.12"), vara.antal_ = D("2");
    vara.kommentar_ = "kommentar", vara.rabattbeskrivning_ = "5 %";
    prov::Post utanEnhet = vara;
    utanEnhet.enhet_.reset();
    p.faktura.poster = {vara, utanEnhet};
    auto värden = [&](bool följesedel, size_t rad) {
        std::map<Id, std::string> ut;
        auto vy = p.vy(följesedel);
        EXPECT_EQ(vy->antalSidor(), 1);
        const double y = 842 - 600 + 12 * double(rad);  // rows 12 high in a 10 pt font
        for (const auto& o : vy->innehållFörVarjeSida.at(0))
            if (ram(o).y == y) ut[Id(int(std::lround(ram(o).x / 7)))] = text(o)->text();
        return std::pair(ut, std::move(vy));
    };
    auto [rad1, vy] = värden(false, 0);
    EXPECT_EQ(rad1[Id::LineNumber], "1");
    EXPECT_EQ(rad1[Id::LineArticleNumber], "V-1");
    EXPECT_EQ(rad1[Id::LineArticleName], "Vara");
    EXPECT_EQ(rad1[Id::LineComment], "kommentar");
    EXPECT_EQ(rad1[Id::LineDiscount], "5 %");
    EXPECT_EQ(rad1[Id::LineQuantity], "2 st");
    EXPECT_EQ(rad1[Id::LineUnit], "st");
    // 10.01 × 1.12 = 11.2112, cut to whole hundredths.
    EXPECT_EQ(rad1[Id::LinePriceInclVat], vy->belopp(D("11.21")));
    EXPECT_EQ(rad1[Id::LinePrice], vy->belopp(D("10.01")));
    EXPECT_EQ(rad1.size(), 13u);
    auto rad2 = värden(false, 1).first;
    EXPECT_EQ(rad2[Id::LineNumber], "2");
    EXPECT_EQ(rad2[Id::LineQuantity], "2");
    EXPECT_EQ(rad2.count(Id::LineUnit), 0u);

    std::set<Id> följesedel;
    for (const auto& [id, t] : värden(true, 0).first) följesedel.insert(id);
    EXPECT_EQ(följesedel, (std::set<Id>{Id::LineNumber, Id::LineArticleNumber, Id::LineArticleName, Id::LineComment,
                                        Id::LineDiscount, Id::LineQuantity, Id::LineUnit}));
}

// Heading field at (40, 600, 500, 20) → top 222; contents field at
// (50, 200, 480, 380) → top 262: the table takes x 40 and width 480.
struct Tabellprov : Mallprov {
    Tabellprov() {
        fält({40, 600, 500, 20}, Id::LineHeaders);
        fält({50, 200, 480, 380}, Id::LineContents);
        fält({300, 100, 100, 100}, Id::LineArticleName);
        faktura.poster = {post("Vara")};
        faktura.meddelande_ = "Meddelandet";
    }
};

TEST_F(Anvandarmall, TableModePlacesTheItemTableBetweenItsTwoFields) {
    Tabellprov p;
    // Its top at 650, where the rows may still stand (to 262 + 12 + 380 =
    // 654): its room starts below them, its number still on its foot.
    p.fält({50, 170, 200, 22}, Id::Number);
    auto vy = p.vy();
    EXPECT_EQ(rumskontroll::fel(*vy), std::vector<std::string>{});
    EXPECT_EQ(ram(*medText(vy->innehållFörAllaSidor, "1042")).maxY(), 672);
    ASSERT_EQ(vy->antalSidor(), 1);
    const auto& rader = vy->innehållFörVarjeSida[0];
    const CachatObjekt* vara = medText(rader, "Vara");
    ASSERT_NE(vara, nullptr) << beskriv(rader);
    EXPECT_EQ(ram(*vara).y, 262 + 12);  // the row base below the contents field's top
    EXPECT_GE(ram(*vara).x, 40);
    for (const auto& o : rader) EXPECT_LE(ram(o).x + ram(o).width, 40 + 480 + 1e-9) << beskriv(o);
    // The headings every page shows, along the heading field, after the
    // fields.
    ASSERT_FALSE(vy->innehållFörAllaSidor.empty());
    vy->innehållFörAllaSidor.erase(vy->innehållFörAllaSidor.begin());
    EXPECT_EQ(ram(vy->innehållFörAllaSidor.front()), (Rect{40, 222, ram(vy->innehållFörAllaSidor.front()).width, 20}));
    // The line field draws nothing here, and a user template has its own
    // place for the message.
    EXPECT_EQ(medRam(rader, {300, 642, 100, 100}), nullptr);
    EXPECT_EQ(medText(rader, "Meddelandet"), nullptr);
}

TEST_F(Anvandarmall, AContentsFieldNoTallerThanAContinuationLineKeepsEveryRowWhole) {
    Tabellprov p;
    p.mall.fält[1] = Fakturafält(Rect{50, 200, 480, 10}, Id::LineContents, p.stil);
    p.faktura.poster = {post("A"), post("B"), post("C"), post("D")};
    auto vy = p.vy();
    for (const char* namn : {"A", "B", "C", "D"}) {
        const CachatObjekt* rad = medText(vy->innehållFörVarjeSida.at(0), namn);
        ASSERT_NE(rad, nullptr) << namn;
        EXPECT_FALSE(rad->clippingRect) << namn;
    }
    for (size_t sida = 1; sida < vy->innehållFörVarjeSida.size(); ++sida)
        for (const char* namn : {"A", "B", "C", "D"}) EXPECT_EQ(medText(vy->innehållFörVarjeSida[sida], namn), nullptr);
}

TEST_F(Anvandarmall, WithoutAPlaceForTheItemsThePageStillShowsItsFields) {
    Mallprov p;
    p.faktura.poster = {post("Vara")};
    p.fält({10, 10, 100, 20}, Id::Number);
    p.fält({10, 50, 100, 20}, Id::PageCount);
    for (Id ensam : {Id::LineHeaders, Id::LineContents, Id::Number}) {
        p.mall.fält.erase(p.mall.fält.begin() + 2, p.mall.fält.end());
        p.fält({40, 200, 500, 300}, ensam);
        auto vy = p.vy();
        ASSERT_EQ(vy->antalSidor(), 1);
        EXPECT_TRUE(vy->innehållFörVarjeSida[0].empty());
        EXPECT_NE(medText(vy->innehållFörAllaSidor, "1042"), nullptr);
        EXPECT_NE(medText(vy->innehållFörAllaSidor, "1"), nullptr);
        EXPECT_EQ(medText(vy->innehållFörAllaSidor, "Vara"), nullptr);
    }
}
