#pragma once
// The invoice view: one invoice laid out as pages of drawing objects. The
// constructor lays the invoice out completely (with its user template, else
// its built-in template); afterwards the view is only read: drawn page by
// page or written as a PDF.
//
// The view's work is spread over several files, one per step:
//   Fakturavy.cpp            construction, background choice, dispatch
//   FakturavyRitning.cpp     pages and drawing
//   FakturavyPdf.cpp         the PDF document
//   FakturavyTitel.cpp       title, reminder, terms and F-tax block
//   FakturavySistaSidan.cpp  recipient block and last-page content
//   FakturavyKolumner*.cpp   the item table and its pages
//   FakturavyBelopp.cpp      amount rows
//   FakturavyTabeller.cpp    label and value tables
//   FakturavyDatalistor.cpp  data lists and three-column facts
//   FakturavyBetalning.cpp   payment information
//   FakturavyMoms.cpp        VAT summary
//   FakturavyRubriker*.cpp   captions in the invoice's language
//   FakturavyMallar.cpp      user-template layout
//   Mall<code>.cpp           one built-in template each
#include "Modell/Beloppsformatterare.h"
#include "Modell/Datum.h"
#include "Plattform/Ritning/AttributedString.h"
#include "Plattform/Ritning/Canvas.h"
#include "Plattform/Font.h"
#include "Plattform/Geometry.h"
#include "Plattform/NumberFormatter.h"
#include "Plattform/Ritning/PdfDocument.h"
#include "Plattform/Ritning/TextMeasurer.h"
#include "Vyer/Faktura/MatareInomSidan.h"
#include "Vyer/Faktura/CachatObjekt.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class Bokföring;
class Fakturaliknande;
namespace rumsplan {
class Plan;
}
struct MättArtikeltabell;
class Fakturamall;
class StoredImage;

// A caption and a value; shown only when both are present.
struct Datapost {
    std::optional<std::string> rubrik;
    std::optional<std::string> värde;
};
using Datalista = std::vector<Datapost>;

// The options of the shared layout steps, named so that a template's call
// says what it sets ({.taMedTotalen = true}) and leaves the rest as they
// are by default. They stand outside the class so that a step can default
// them.

// What sets a label and value table (Fakturavy::tabellMedData) apart from
// the plain one.
struct Tabellval {
    bool storaBokstäverPåRubrik = false;  // the captions in capitals
    bool fetStilPåFörstaRaden = false;    // the data's own first pair bold
};

// The amount rows' spacing, which nearly every template keeps; rows that
// stand centred on one line move half a row up for each row more.
inline constexpr double beloppsradhöjd = 14;
inline constexpr double halvBeloppsrad = beloppsradhöjd / 2;

// How the amount rows (Fakturavy::beloppfältMedRubrikattribut) are set.
struct Beloppsradsval {
    double radhöjd = beloppsradhöjd;
    bool taMedTotalen = false;              // end on the total to pay
    bool storaBokstäverPåRubriker = false;  // the captions in capitals
};

// Where the VAT summary's caption (Fakturavy::momssammanfattningMedRubrikAttribut)
// stands and how it is written; by default left of the summary.
struct Momsval {
    bool rubrikOvanförSammanfattning = false;
    bool rubrikMedStoraBokstäver = false;  // in capitals
};

// Where the three fact columns (mallverktyg::faktakolumnerIRum) stand:
// each `kolumnbredd` wide at its x in `platser`, the tallest centred 30
// points above the line `vid`, measured up from the page's foot. A value
// too wide for its column, or for the room before the next one, wraps
// there under the other values. With `inom`, the columns keep between its
// two lines (y down the page), moved into it when they stick out.
struct Faktaband {
    double överkant = 0;
    double nederkant = 0;
};
struct Trekolumnsval {
    Tabellval tabell;
    double vid = 0;
    std::vector<double> platser;
    double kolumnbredd = 0;
    // A column's own width where it must keep out of a text beside it;
    // the others take `kolumnbredd`.
    std::vector<std::optional<double>> kolumnbredder;
    std::optional<Faktaband> inom;
};

// How facts (Fakturavy::faktarader) are set in rows `radhöjd`
// high down from `startposition`: each caption, followed by a space and
// `paddning` if any (a dot leader), in a column `etikettbredd` wide, its
// value beside it `värdebredd` wide and `offset` points higher.
struct Dataradsval {
    double radhöjd = 0;
    Point startposition;
    double etikettbredd = 0;
    double värdebredd = 0;
    std::optional<std::string> paddning;
    bool storaBokstäverPåEtiketter = false;
    double offset = 0;
};

// Where a band of data (Fakturavy::datalistMedKolumndata) runs: along
// `ram`, given upward from the page's foot, from its right edge leftward;
// each entry's drawing is scaled by `skala`.
struct Datalistval {
    double skala = 1;
    Rect ram;
};

// The pages a room is on: every page, the last, or those before it.
enum class Sidslag { alla, sista, övriga };
// A room of the layout (Rumsplan.h): where its texts may stand, and the
// frames of the texts it holds.
struct PlaneratRum {
    std::string namn;
    Rect yta;
    Sidslag sidor = Sidslag::alla;
    std::vector<Rect> texter;
    // Of a room in a turned system: `yta` is its box on the page, the room
    // itself `iSystemet` there.
    std::optional<AffineTransform> vridning;
    Rect iSystemet;
};

// The rooms of the title block's texts where they are not their frames
// (Fakturavy::läggTillInnehållMedRamFörLogotyp), and the pages the credit
// terms stand on.
struct Titelrum {
    std::optional<Rect> titel, påminnelse, villkor, fskatt;
    Sidslag villkorensSidor = Sidslag::alla;
};

// Where the item rows reach down to on the last page and on those before
// it (Fakturavy::planeraTabellensRum).
struct Radernasfötter {
    double sista = 0, övriga = 0;
};

// Defined after the class: it holds the class's EgnaRubriker.
struct Kolumnval;

// Why an invoice could not be laid out.
class Layoutfel : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The most pages an invoice is laid out on, whatever its items hold: items
// that would need more fail the layout rather than lose any of their text.
inline constexpr size_t högstaAntalSidor = 10000;

class Fakturavy {
public:
    enum class NoGirotyp { medGråBand, utanGråBand };
    enum class FiGirotyp { typ1, typ2 };

    // Lays the invoice out. `mätare` measures text; the drawing layer's own
    // by default, a fixed-width one in tests.
    Fakturavy(const Fakturaliknande& faktura, const Bokföring& bokföring, bool följesedel,
              const TextMeasurer& mätare = systemTextMeasurer());
    ~Fakturavy();
    Fakturavy(const Fakturavy&) = delete;
    Fakturavy& operator=(const Fakturavy&) = delete;

    // --- State ---------------------------------------------------------
    const Fakturaliknande& f;
    const Bokföring& b;
    // Item rows, which flow over pages, are measured whole by `radmätare`;
    // every other text by `mätare`, only as far as a page shows it.
    const TextMeasurer& radmätare;
    const MätareInomSidan sidmätare;
    const TextMeasurer& mätare;
    Beloppsformatterare formatterare;
    NumberFormatter procentformatterare;
    const bool följesedel;
    std::vector<CachatObjekt> innehållFörAllaSidor;
    std::vector<std::vector<CachatObjekt>> innehållFörVarjeSida;
    double radavstånd = 0;
    std::shared_ptr<const PdfDocument> bakgrund;
    bool ritaPappret = false;
    double kolumnavstånd = 6;
    double rubrikutfyllnad = 0;
    std::optional<std::string> mallOchSpråk;
    // Why the user template's background named by mallOchSpråk was
    // refused, kept with it: judging it again would cost as much.
    std::optional<std::string> bakgrundensFel;
    bool annanSträngmetod = false;

    // The first font a layout asked for and did not get (a layout that
    // misses a font lays out nothing).
    std::optional<std::string> saknatTypsnitt;
    // The background the template names and the program could not load,
    // and why, when that is known (a user template's PDF refused).
    std::optional<std::string> saknadBakgrund;
    std::optional<std::string> varförBakgrundSaknas;
    // Why the ledger's logo is left out: too large to read, encrypted, no
    // image at all (a warning for the user; the invoice is laid out
    // without it).
    std::optional<std::string> utelämnadLogotyp;
    // The ledger's logo, read the first time a frame shows it and kept for
    // every other.
    std::unique_ptr<StoredImage> lästLogotyp;
    // The rooms the layout's plans declared, in order.
    std::vector<PlaneratRum> planeradeRum;

    // --- Pages ---------------------------------------------------------
    int antalSidor() const { return static_cast<int>(innehållFörVarjeSida.size()); }
    // Throws Layoutfel when a layout reaches page `sida`, past
    // högstaAntalSidor.
    void kontrolleraSidantal(size_t sida) const;
    // The background's page-1 crop box, else A4 portrait.
    Rect ramFörEnSida() const;
    // Draws page n (from 1) in its own page coordinates: background, the
    // objects of every page, then the page's own.
    void ritaSida(Canvas& canvas, int n) const;
    // The whole invoice as a PDF document. Throws Layoutfel when there is
    // no page or the background is missing, and PdfError when the document
    // cannot be made.
    std::vector<uint8_t> pdf() const;

    // --- Construction steps --------------------------------------------
    void uppdateraBakgrund(const Fakturamall* mall);
    Rect uppdateraInnehåll(const Fakturamall* mall);

    // --- Shared layout steps -------------------------------------------
    // A font of the layout; records the name when it is missing.
    std::optional<Font> typsnitt(std::string_view postScriptName, double storlek);

    // The logo, title, reminder, credit terms and F-tax note on `plan`,
    // each text in a room of its frame unless `rum` gives it another (an
    // empty frame leaves it to the template).
    void läggTillInnehållMedRamFörLogotyp(rumsplan::Plan& plan, const Rect& logotypram,
                                           const TextAttributes& titelattribut, const Rect& titelram,
                                           const TextAttributes& påminnelseattribut, const Rect& påminnelseram,
                                           const TextAttributes& villkorsattribut, const Rect& villkorsram,
                                           const TextAttributes& fskattattribut, const Rect& fskattsram,
                                           const Titelrum& rum = {});

    // The ledger's logo for a frame of that size; none when the ledger has
    // none, or when it cannot be shown (why is noted in utelämnadLogotyp).
    // However many frames show it, its file is read once.
    std::shared_ptr<const Image> logotyp(Size ram);
    // Reads the ledger's logo for all these frames before any shows it: a
    // PDF's page is judged once, at the largest, and is in each or in none.
    void läsLogotypenFör(std::span<const Size> ramar);

    // The credit terms the title block prints, if any: the invoice's own,
    // else the ledger's for the invoice's language.
    std::optional<std::string> kreditvillkorSomVisas() const;

    std::optional<std::string> företagOchAdress() const;
    void läggTillInnehållPåSistaSidan(std::vector<CachatObjekt> objekt,
                                      std::optional<Rect> medVittPåÖvrigaSidor);

    // Own column headings: given the heading strings and the anchor x of
    // each column, they add what stands for the headings to the plan.
    using EgnaRubriker = std::function<void(rumsplan::Plan& plan, const std::vector<AttributedString>& rubriker,
                                            const std::vector<double>& positioner)>;
    // The item table's first pass: which columns, their cells and widths,
    // its headings on `plan`, the rows' room below them.
    std::shared_ptr<MättArtikeltabell> mätArtikeltabell(const TextAttributes& rubrikattribut,
                                                        const TextAttributes& dataattribut,
                                                        const TextAttributes& högerställdaRubrikattribut,
                                                        const TextAttributes& högerställdaDataattribut,
                                                        const Kolumnval& val, rumsplan::Plan& plan);
    // Its second pass: the rows page by page, which makes the pages; the
    // message on the last page ends above `meddelandetsFot` where given.
    void läggUtArtikeltabell(MättArtikeltabell& tabell, std::optional<double> meddelandetsFot);
    // The rooms of the rows, recorded in planeradeRum; the last page's
    // reaches down to the message's foot where that stands lower.
    // How far a continuation line in `attribut`, in rows `bredd` wide,
    // reaches below its line: in the string mode that stands strings on
    // their frame's foot, its descenders.
    double underFortsättningsraden(const TextAttributes& attribut, double bredd) const;
    // The rooms of the rows, recorded in planeradeRum, down to where the
    // rows reach (`fötter`) where that is lower, and `underRamen` more.
    void planeraTabellensRum(const Rect& datautrymme, double höjdPåÖvrigaSidor, const Radernasfötter& fötter = {},
                             double underRamen = 0);

    int antalBeloppsrader(bool räknaMedTotalen) const;
    struct Beloppsfält {
        std::vector<CachatObjekt> data;
        double utpunkt = 0;
    };
    Beloppsfält beloppfältMedRubrikattribut(const TextAttributes& rubrikattribut, const TextAttributes& dataattribut,
                                            const Rect& initialRubrikram, const Rect& initialDataram,
                                            Beloppsradsval val = {}) const;

    struct Tabell {
        AttributedString tabell;
        int antalRader = 0;
    };
    Tabell tabellMedData(const Datalista& data, const TextAttributes& etikettattribut,
                         const TextAttributes& värdeattribut, Tabellval val = {}) const;
    // Facts as rows of a caption and its value (Dataradsval).
    struct Faktarad {
        AttributedString rubrik, värde;
        Rect rubrikram, värderam;
    };
    std::vector<Faktarad> faktarader(const Datalista& data, const TextAttributes& etikettattribut,
                                     const TextAttributes& värdeattribut, const Dataradsval& val) const;

    struct Datalistband {
        std::vector<CachatObjekt> data;
        double utpunkt = 0;
    };
    Datalistband datalistMedKolumndata(const Datalista& data, const TextAttributes& rubrikattribut,
                                       const TextAttributes& dataattribut, const BezierPath& separator,
                                       const Color& färg, const Datalistval& val) const;

    bool visaBankgiro() const;
    bool visaPlusgiro() const;
    bool visaSwish() const;
    bool visaIBAN() const;
    bool visaBankOchBankkonto() const;
    Datalista betalningsinformation() const;

    std::optional<std::vector<CachatObjekt>> momssammanfattningMedRubrikAttribut(
        const TextAttributes& rubrikattribut, const TextAttributes& sammanfattningsattribut,
        const Rect& tillgängligRuta, Momsval val = {}) const;

    // An amount as the invoice prints it; the empty text when it cannot be
    // formatted.
    std::string belopp(const Decimal& värde) const;
    // A date as invoices print it: "%04d-%02d-%02d" of the stored
    // yyyymmdd integer's parts, not normalised.
    static std::string datumtext(Datum datum);

    // --- Captions in the invoice's language ----------------------------
    std::string rubrikFörFakturadatum() const;
    std::string rubrikFörFakturanummer() const;
    std::string rubrikFörNummer() const;
    std::string rubrikFörFörfallodatum() const;
    std::string rubrikFörBetalningsvillkor() const;
    std::string rubrikFörDagar() const;
    std::string rubrikFörLeveransdatum() const;
    std::string rubrikFörLeveranssätt() const;
    std::string rubrikFörLeveransadress() const;
    std::string rubrikFörMottagare() const;
    std::string rubrikFörAdress() const;
    std::string rubrikFörMottagaradress() const;
    std::string rubrikFörErReferens() const;
    std::string rubrikFörVårReferens() const;
    std::optional<std::string> rubrikFörKundnummer() const;
    std::string rubrikFörInköpsordernummer() const;
    std::string rubrikFörMottagarensMomsregistreringsnummer() const;
    std::optional<std::string> rubrikFörPersonnummer() const;
    std::optional<std::string> rubrikFörPersonnummer2() const;
    std::optional<std::string> rubrikFörFastighetsbeteckning() const;
    std::optional<std::string> rubrikFörLägenhetsnummer() const;

    std::string rubrikFörAvsändare() const;
    std::string rubrikFörOrganisationsnummer() const;
    std::string rubrikFörMomsregistreringsnummer() const;
    std::string rubrikFörOrt() const;
    std::string rubrikFörTelefon() const;
    std::string rubrikFörFax() const;
    std::string rubrikFörEmail() const;
    std::string rubrikFörWebsite() const;
    std::string rubrikFörBank() const;
    std::string rubrikFörBankAccount() const;
    std::string rubrikFörLocalPaymentOption1() const;
    std::string rubrikFörLocalPaymentOption2() const;

    std::string rubrikFörAntal() const;
    std::string rubrikFörBeskrivning() const;
    std::string rubrikFörArticleNumber() const;
    std::string rubrikFörStyckpris() const;
    std::string rubrikFörMoms() const;
    std::string rubrikFörKommentar() const;
    std::string rubrikFörRabattkolumn() const;
    std::string rubrikFörRadensBelopp() const;
    std::string rubrikFörRadensBeloppInklMoms() const;
    std::string rubrikFörNettobelopp() const;
    std::string rubrikFörRabatt() const;
    std::string rubrikFörÖresutjämning() const;
    std::string rubrikFörTotaltBelopp() const;
    std::string rubrikFörBeloppAttBetala() const;
    std::string rubrikFörBeloppPerMomsnivå() const;

    // --- User templates ------------------------------------------------
    void laddaBakgrundFörFakturamall(const Fakturamall& mall);
    void uppdateraMedFakturamall(const Fakturamall& mall);

    // --- Built-in templates, one file each -----------------------------
    void konfigureraInnehållFörDf();
    void konfigureraInnehållFörK4();
    void konfigureraInnehållFörV();
    void konfigureraInnehållFörSL();
    void konfigureraInnehållFörG();
    void konfigureraInnehållFörB();
    void konfigureraInnehållFörRuMedFärg(const Color& färg);
    void konfigureraInnehållFörCTMedFärg(const Color& färg);
    void konfigureraInnehållFörBB();
    void konfigureraInnehållFörSk();
    void konfigureraInnehållFörGu();
    void konfigureraInnehållFörR();
    void konfigureraInnehållFörFr();
    void konfigureraInnehållFörDoMedFärg(const Color& färg);
    void konfigureraInnehållFörPi();
    void konfigureraInnehållFörE();
    void konfigureraInnehållFörP();
    void konfigureraInnehållFörO();
    void konfigureraInnehållFörM();
    void konfigureraInnehållFörCC();
    void konfigureraInnehållFörC();
    void konfigureraInnehållFörHi();
    void konfigureraInnehållFörCL();
    void konfigureraInnehållFörFL();
    void konfigureraInnehållFörD();
    void konfigureraInnehållFörDi();
    void konfigureraInnehållFörCp();
    void konfigureraInnehållFörF();
    void konfigureraInnehållFörEB();
    void konfigureraInnehållFörEBs();
    void konfigureraInnehållFörNoGiroAvTyp(NoGirotyp typ);
    void konfigureraInnehållFörFiGiroAvTyp(FiGirotyp typ);
};

// Where the item table (rumsplan::Plan::artikeltabell)
// stands and how it looks: the headings in `rubrikutrymme`, the rows in
// `datautrymme` on the last page and `höjdPåÖvrigaSidor` high from the same
// top on the pages before it; the headings in capitals, every other row on
// a band of `alternerandeRadfärg`, and the template's own heading objects
// when asked for.
struct Kolumnval {
    // The first row of a page stands `radbasensFörskjutning` below the top
    // of `datautrymme`, so its rows, and the message after the last of
    // them, end that far below the region (less the last row's margin).
    static constexpr double radbasensFörskjutning = 12;

    Rect rubrikutrymme;
    Rect datautrymme;
    double höjdPåÖvrigaSidor = 0;
    bool storaBokstäverPåRubriker = false;
    std::optional<Color> alternerandeRadfärg;
    Fakturavy::EgnaRubriker egnaRubriker;
    // When given, the message on the last page ends above this y: where
    // the table would set it lower it stands higher, and where that would
    // take it over the last row, on a page of its own.
    std::optional<double> meddelandetsFot;
    // A message taller than the last page's rows' room may run on below
    // it, down to meddelandetsFot, where the page leaves that free: a page
    // whose rows' room is small keeps a long message whole.
    bool meddelandetUnderRaderna = false;
};

// Gives two tables made by tabellMedData one value column: the one whose
// first tab stop lies nearer the left edge takes the other's paragraph
// style.
void riktaUppTabbarIKolumn(AttributedString& t1, AttributedString& t2);
