// A user template made here (fields over a background drawn with cairo)
// in a document of its own, laid out by the tool's latest-invoice job and
// read back with poppler, qpdf and zbar: every value inside its field's
// frame turned from the page's foot, rows over three pages with their page
// numbers, the item table, the payment codes, and a delivery note.
#include "Fillagring.h"
#include "Modell/Fakturor/Fakturamall.h"
#include "Pdfkontroll.h"
#include "Plattform/Filer.h"
#include "Plattform/Ritning/FontRegistry.h"
#include "Programkorning.h"
#include "Tidsbundna.h"
#include "Streckkodslasare.h"
#include "Vyer/Faktura/Betalkodsbilder.h"
#include "Vyer/Faktura/Fakturavy.h"

#include "Langtext.h"
#include "Lasbarhet.h"
#include "Modell/Fakturor/Fakturabok.h"
#include "Provbakgrund.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <set>

using namespace testhjalp;
using namespace pdfkontroll;
namespace fs = std::filesystem;
using Id = Fakturafält::Id;

namespace {

constexpr double sidhöjd = 842;

// Stored frames, measured from the page's foot as a template keeps them.
const Rect titelfält{40, 770, 300, 30};
const Rect nummerfält{400, 770, 150, 16};
const Rect datumfält{400, 750, 150, 16};
const Rect smaltDatumfält{400, 750, 30, 12};
const Rect mottagarfält{40, 680, 250, 60};
const Rect sidnummerfält{470, 16, 30, 14};
const Rect sidantalfält{520, 16, 30, 14};
const Rect beloppsfält{350, 200, 200, 16};
const Rect siffrorfält{180, 96, 370, 14};
const Rect qrfält{40, 40, 120, 120};
const Rect streckkodsfält{180, 40, 370, 50};
// Line mode: three columns over an area 150 high.
const Rect namnfält{40, 300, 220, 150};
const Rect antalsfält{270, 300, 90, 150};
const Rect summafält{370, 300, 180, 150};
// Table mode.
const Rect rubrikfält{40, 580, 510, 20};
const Rect innehållsfält{40, 300, 510, 270};

Rect vänd(const Rect& r, double höjd = sidhöjd) { return {r.x, höjd - (r.y + r.height), r.width, r.height}; }

std::string varunamn(int i) { return "Vara " + std::to_string(i); }

// Grey outlines where the fields go, so a look at the page shows whether
// each value landed in its frame.
void ritaRamar(cairo_t* cr, const std::vector<Rect>& ramar) {
    cairo_set_source_rgb(cr, 0.93, 0.95, 0.98);
    cairo_rectangle(cr, 0, 0, 595, 60);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.6, 0.6, 0.65);
    cairo_set_line_width(cr, 0.5);
    for (const Rect& r : ramar) {
        const Rect v = vänd(r);
        cairo_rectangle(cr, v.x, v.y, v.width, v.height);
    }
    cairo_stroke(cr);
}

class MallPdf : public MedTillfälligKatalog {
protected:
    std::unique_ptr<Bokföring> bok = fakturabok::bokföring();
    Fakturamall* mall = nullptr;
    fs::path ut;

    void SetUp() override {
        MedTillfälligKatalog::SetUp();
        ut = katalog / "tmp";
        fs::create_directory(ut);
        bok->iban = "FI2112345600000785";
        bok->bic = "NDEAFIHH";
        bok->bankgiro = "123-4567";
        bok->momsregistrerat = true;
        auto m = std::make_unique<Fakturamall>();
        m->namn = "Egen";
        m->radavstånd = 2;
        mall = m.get();
        bok->fakturamallar.push_back(std::move(m));
    }

    void fält(const Rect& ram, Id id, TextAlignment justering = TextAlignment::left, double storlek = 10) {
        mall->fält.emplace_back(ram, id, Stil(Font{"Helvetica", storlek}, justering));
    }

    void bakgrund(Bytes pdf) {
        Fakturaspråk sv;
        sv.språk = "sv";
        sv.pdfData = std::move(pdf);
        sv.fraser.sätt("_invoice", "Faktura");
        sv.fraser.sätt("_packing_slip", "Följesedel");
        mall->språk.push_back(std::move(sv));
    }

    // The background with an outline around every field.
    void bakgrundMedRamar() {
        std::vector<Rect> ramar;
        for (const auto& f : mall->fält) ramar.push_back(f.ram);
        bakgrund(prov::bakgrundspdf(595, sidhöjd, [&](cairo_t* cr) { ritaRamar(cr, ramar); }));
    }

    // A sent invoice of `poster` items, numbered 1042, in the template; the
    // items named by `namn` as far as it goes.
    Faktura& skicka(int poster, const std::vector<std::string>& namn = {}) {
        auto d = fakturabok::ejSkickad(*bok);
        d->NumreratObjekt::nummer = "1042";
        for (int i = 1; i <= poster; ++i) {
            EjSkickadFakturapost& p = fakturabok::post(*bok, *d, "", "99.75", "2");
            p.benämning = size_t(i) <= namn.size() ? namn[size_t(i) - 1] : varunamn(i);
            p.sättEnhet("st");
        }
        d->sättEgenFakturamall(mall);
        auto f = std::make_unique<Faktura>(*d, std::nullopt);
        f->kolumner_ = {Fakturakolumn::artikelnamn, Fakturakolumn::antal, Fakturakolumn::belopp};
        bok->skickadeFakturor.push_back(std::move(f));
        return *bok->skickadeFakturor.back();
    }

    // The tool's run on the document; the PDF it wrote.
    fs::path körVerktyget() {
        const fs::path dokument = katalog / "mall.bok";
        skrivFil(dokument, bok->dataMedMellansteg(versionSomSkrivs));
        Körning k = körKontobok({dokument.string(), "--latestInvoice"}, {.miljö = {{"TMPDIR", ut.string()}}});
        EXPECT_EQ(k.status, 0) << k.fel;
        EXPECT_EQ(k.fel, "");
        const fs::path pdf = ut / "1042.pdf";
        EXPECT_TRUE(fs::exists(pdf));
        sparaBilder(pdf);
        return pdf;
    }

    // KONTOBOK_PNG_DIR keeps each page as a PNG for a look.
    void sparaBilder(const fs::path& pdf) {
        const char* katalog = std::getenv("KONTOBOK_PNG_DIR");
        if (!katalog) return;
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        const std::string namn = std::string(test->name()) + "-" + pdf.stem().string();
        körProgram("pdftoppm", {"-r", "100", "-png", pdf.string(), (fs::path(katalog) / namn).string()});
    }

    // The codes a scanner reads in a region of a page.
    std::optional<std::string> avkoda(const fs::path& pdf, int sida, const Rect& ruta) {
        const double skala = 300.0 / 72;
        const fs::path bild = ut / "kod";
        auto px = [&](double v) { return std::to_string(int(v * skala)); };
        Körning k = körProgram("pdftoppm", {"-r", "300", "-f", std::to_string(sida), "-l", std::to_string(sida),
                                            "-x", px(ruta.x - 10), "-y", px(ruta.y - 10), "-W",
                                            px(ruta.width + 20), "-H", px(ruta.height + 20), "-png",
                                            "-singlefile", pdf.string(), bild.string()});
        EXPECT_EQ(k.status, 0) << k.fel;
        return avkodaFil(bild.string() + ".png");
    }
};

// Every place where the words of `text` stand one after the other.
std::vector<Rect> rutor(const std::vector<Ord>& ord, int sida, const std::string& text) {
    std::vector<Rect> ut;
    for (size_t i = 0; i < ord.size(); ++i) {
        const std::vector<Ord> resten(ord.begin() + std::ptrdiff_t(i), ord.end());
        auto ruta = rutaFörText(resten, sida, text);
        if (!ruta) break;
        // Start again after the first word of this match.
        while (i < ord.size() && !(ord[i].sida == sida && inom(ord[i].ruta, *ruta, 0))) ++i;
        ut.push_back(*ruta);
    }
    return ut;
}

// The place of `text` inside the frame (grown by 2 points), if it is there.
std::optional<Rect> iRam(const std::vector<Ord>& ord, int sida, const std::string& text, const Rect& ram) {
    const auto alla = rutor(ord, sida, text);
    for (const Rect& r : alla)
        if (inom(r, ram, 2)) return r;
    std::string var;
    for (const Rect& r : alla)
        var += " (" + std::to_string(r.x) + ", " + std::to_string(r.y) + ", " + std::to_string(r.width) + ", " +
               std::to_string(r.height) + ")";
    ADD_FAILURE() << "'" << text << "' on page " << sida << " not in (" << ram.x << ", " << ram.y << ", "
                  << ram.width << ", " << ram.height << "), found at" << (var.empty() ? " none" : var);
    return std::nullopt;
}

// Only faces a field style maps to, every one embedded: no fallback.
void baraMalletsTypsnitt(const fs::path& pdf) {
    const std::string yta = *fonts::substituteFaceName(fonts::mappedFont("Helvetica", 10).name);
    const auto lista = typsnitt(pdf);
    EXPECT_FALSE(lista.empty());
    for (const Typsnitt& t : lista) {
        EXPECT_EQ(t.namn, yta);
        EXPECT_TRUE(t.inbäddat) << t.namn;
    }
    std::string qpdf;
    EXPECT_TRUE(qpdfGodkänner(pdf, qpdf)) << qpdf;
}

// The tool reads and judges the template's background in its children.
class MallPdfCpu : public MallPdf {};

}  // namespace

TEST_F(MallPdfCpu, LineModeFlowsOverThreePagesWithPageNumbersAndCodes) {
    mall->gammaldagsStränghantering = true;  // every text from its frame's top
    fält(titelfält, Id::Title, TextAlignment::left, 18);
    fält(nummerfält, Id::Number);
    fält(datumfält, Id::Date);
    fält(mottagarfält, Id::RecipientAddress);
    fält(sidnummerfält, Id::PageNumber);
    fält(sidantalfält, Id::PageCount);
    fält(beloppsfält, Id::TotalInclVat, TextAlignment::right);
    fält(siffrorfält, Id::BarCodeDigits);
    fält(qrfält, Id::QRCode);
    fält(streckkodsfält, Id::BarCode);
    fält(namnfält, Id::LineArticleName);
    fält(antalsfält, Id::LineQuantity);
    fält(summafält, Id::LineTotalInclVat, TextAlignment::right);
    bakgrundMedRamar();
    // Rows about 12 points high: 10 to 14 of them fill the 150-point area,
    // so thirty items take three pages.
    Faktura& faktura = skicka(30);
    const fs::path pdf = körVerktyget();

    EXPECT_EQ(information(pdf)["Pages"], "3");
    baraMalletsTypsnitt(pdf);
    const auto o = ord(pdf);
    const std::string belopp = *Beloppsformatterare::förFaktura("SEK").string(faktura.attBetala());
    const std::string siffror = faktura.finskStreckkodssträngMedIBAN(*bok->iban);
    std::set<std::string> rader;
    for (int sida = 1; sida <= 3; ++sida) {
        SCOPED_TRACE("page " + std::to_string(sida));
        iRam(o, sida, std::to_string(sida), vänd(sidnummerfält));
        iRam(o, sida, "3", vänd(sidantalfält));
        iRam(o, sida, "1042", vänd(nummerfält));
        iRam(o, sida, "2024-05-02", vänd(datumfält));
        iRam(o, sida, "Stockholm", vänd(mottagarfält));
        if (auto ruta = iRam(o, sida, belopp, vänd(beloppsfält))) {
            EXPECT_NEAR(ruta->maxX(), vänd(beloppsfält).maxX(), 2);
        }
        iRam(o, sida, siffror, vänd(siffrorfält));
        // Rows run down from the line area's top on every page.
        const Rect område = vänd(namnfält);
        std::optional<double> översta;
        for (int i = 1; i <= 30; ++i) {
            auto ruta = rutaFörText(o, sida, varunamn(i));
            if (!ruta) continue;
            rader.insert(varunamn(i));
            EXPECT_TRUE(inom(*ruta, {område.x, område.y, område.width, område.height + 14}, 2)) << varunamn(i);
            if (!översta) översta = ruta->y;
        }
        ASSERT_TRUE(översta);
        EXPECT_NEAR(*översta, område.y, 2);
        iRam(o, sida, "2 st", vänd(antalsfält));
    }
    EXPECT_EQ(rader.size(), 30u) << "every item on one of the pages";

    // The codes read back as the invoice's payment payload and its digits.
    auto qr = testhjalp::avkoda(qrkodMedBokföring(faktura, *bok), "qr");
    ASSERT_TRUE(qr);
    EXPECT_NE(qr->find("1042"), std::string::npos);
    for (int sida = 1; sida <= 3; ++sida) {
        EXPECT_EQ(avkoda(pdf, sida, vänd(qrfält)), qr) << sida;
        EXPECT_EQ(avkoda(pdf, sida, vänd(streckkodsfält)), siffror) << sida;
    }
}

TEST_F(MallPdfCpu, TableModeSetsTheItemTableBetweenItsFields) {
    fält(nummerfält, Id::Number);
    fält(mottagarfält, Id::RecipientAddress);
    fält(sidnummerfält, Id::PageNumber);
    fält(rubrikfält, Id::LineHeaders);
    fält(innehållsfält, Id::LineContents);
    fält(namnfält, Id::LineArticleName);  // ignored beside the table
    fält(smaltDatumfält, Id::Date);
    bakgrundMedRamar();
    skicka(5);
    const fs::path pdf = körVerktyget();

    EXPECT_EQ(information(pdf)["Pages"], "1");
    baraMalletsTypsnitt(pdf);
    const auto o = ord(pdf);
    // Standing on the frame's foot, the text keeps inside it but for the
    // letters' descent.
    const Rect nummer = vänd(nummerfält);
    iRam(o, 1, "1042", {nummer.x, nummer.y, nummer.width, nummer.height + 3});
    // A date too wide for its field even at 70 % is cut at its edge (its
    // text whole for a reader).
    const Rect datum = vänd(smaltDatumfält);
    iRam(o, 1, "2024-05-02", {datum.x, datum.y, datum.width, datum.height + 3});
    iRam(o, 1, "1", vänd(sidnummerfält));
    iRam(o, 1, "Stockholm", vänd(mottagarfält));
    const Rect tabell = vänd(innehållsfält);
    for (int i = 1; i <= 5; ++i) iRam(o, 1, varunamn(i), tabell);
    // The first row below the row base, 12 points under the field's top.
    iRam(o, 1, varunamn(1), {tabell.x, tabell.y + 12, tabell.width, 16});
    // Each item once: the line field beside the table draws nothing.
    int gånger = 0;
    for (const Ord& w : o) gånger += w.text == "Vara";
    EXPECT_EQ(gånger, 5);
    // The headings along the heading field.
    const Rect rubriker = vänd(rubrikfält);
    int iRubrikfältet = 0;
    for (const Ord& w : o)
        if (inom(w.ruta, {rubriker.x, rubriker.y, rubriker.width, rubriker.height + 3}, 2)) ++iRubrikfältet;
    EXPECT_GE(iRubrikfältet, 3);
}

// Items no page holds go on over as many pages as they need, in rows under
// the line fields and in the item table, in either string handling: every
// word once and in order, and on the display list every line in its frame
// and over no other text.
TEST_F(MallPdfCpu, ItemsNoPageHoldsGoOnOverPagesWhole) {
    const auto texter = långtext::treLångaPoster();
    for (bool tabell : {false, true})
        for (bool gammaldags : {false, true}) {
            SCOPED_TRACE(std::string(tabell ? "table" : "rows") + (gammaldags ? ", older strings" : ""));
            mall->fält.clear();
            mall->språk.clear();
            mall->gammaldagsStränghantering = gammaldags;
            fält(nummerfält, Id::Number);
            fält(sidnummerfält, Id::PageNumber);
            if (tabell) {
                fält(rubrikfält, Id::LineHeaders);
                fält(innehållsfält, Id::LineContents);
            } else {
                fält(namnfält, Id::LineArticleName);
                fält(antalsfält, Id::LineQuantity);
                fält(summafält, Id::LineTotalInclVat, TextAlignment::right);
            }
            bakgrundMedRamar();
            bok->skickadeFakturor.clear();
            Faktura& faktura = skicka(int(texter.size()), texter);
            Fakturavy vy(faktura, *bok, false);
            const auto fel = läsbarhet::fel(vy);
            for (size_t i = 0; i < fel.size() && i < 10; ++i) ADD_FAILURE() << fel[i];
            const auto o = ord(körVerktyget());
            for (const std::string& text : texter) EXPECT_EQ(långtext::brister(o, text), "");
        }
}

TEST_F(MallPdf, ADeliveryNoteLeavesOutAmountsAndTheDueDate) {
    // Laid out here, on a background read in this process.
    const IEgenProcess iEgenProcess;
    fält(titelfält, Id::Title, TextAlignment::left, 18);
    fält(nummerfält, Id::Number);
    fält(datumfält, Id::DueDate);
    fält(beloppsfält, Id::TotalInclVat, TextAlignment::right);
    fält(namnfält, Id::LineArticleName);
    fält(antalsfält, Id::LineQuantity);
    fält(summafält, Id::LineTotalInclVat, TextAlignment::right);
    bakgrundMedRamar();
    Faktura& faktura = skicka(2);
    const std::string belopp = *Beloppsformatterare::förFaktura("SEK").string(faktura.attBetala());
    const std::string förfallo = Fakturavy::datumtext(faktura.förfallodatum());

    for (bool följesedel : {false, true}) {
        SCOPED_TRACE(följesedel ? "delivery note" : "invoice");
        Fakturavy vy(faktura, *bok, följesedel);
        const fs::path pdf = ut / (följesedel ? "följesedel.pdf" : "faktura.pdf");
        skrivFil(pdf, vy.pdf());
        sparaBilder(pdf);
        const auto o = ord(pdf);
        iRam(o, 1, "1042", vänd(nummerfält));
        iRam(o, 1, "Vara 2", vänd(namnfält));
        iRam(o, 1, "2 st", vänd(antalsfält));
        EXPECT_EQ(rutaFörText(o, 1, belopp).has_value(), !följesedel);
        EXPECT_EQ(rutaFörText(o, 1, förfallo).has_value(), !följesedel);
        std::string qpdf;
        EXPECT_TRUE(qpdfGodkänner(pdf, qpdf)) << qpdf;
    }
}

// Media box 942 high, crop box its top 842: the page is 842 high, and
// stored frames turn with 942, which puts a value on the background's
// own mark at the same stored place.
TEST_F(MallPdfCpu, FramesTurnWithTheMediaBoxOfABackgroundCroppedToLess) {
    const Rect ruta{300, 700, 200, 30};
    mall->gammaldagsStränghantering = true;
    fält(ruta, Id::Number, TextAlignment::left, 14);
    bakgrund(prov::pdfMedLådor({0, 0, 595, 942}, {0, 100, 595, 842}, ruta));
    skicka(1);
    const fs::path pdf = körVerktyget();
    EXPECT_EQ(information(pdf)["Page size"], "595 x 842 pts (A4)");
    iRam(ord(pdf), 1, "1042", vänd(ruta, 942));
}

TEST_F(MallPdf, ATemplateWithoutAUsableBackgroundIsAnErrorAndWritesNothing) {
    fält(nummerfält, Id::Number);
    const std::string inteEnPdf = "not a PDF";
    bakgrund(Bytes(inteEnPdf.begin(), inteEnPdf.end()));
    skicka(1);
    const fs::path dokument = katalog / "mall.bok";
    skrivFil(dokument, bok->dataMedMellansteg(versionSomSkrivs));
    Körning k = körKontobok({dokument.string(), "--latestInvoice"}, {.miljö = {{"TMPDIR", ut.string()}}});
    EXPECT_EQ(k.status, 1);
    EXPECT_EQ(k.ut, "");
    EXPECT_NE(k.fel.find("background for the template \"Egen\""), std::string::npos) << k.fel;
    EXPECT_TRUE(fs::is_empty(ut));
}
