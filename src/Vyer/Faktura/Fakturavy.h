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
#include "Plattform/AttributedString.h"
#include "Plattform/Canvas.h"
#include "Plattform/Font.h"
#include "Plattform/Geometry.h"
#include "Plattform/NumberFormatter.h"
#include "Plattform/PdfDocument.h"
#include "Plattform/TextMeasurer.h"
#include "Vyer/Faktura/CachatObjekt.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class Bokföring;
class Fakturaliknande;
class Fakturamall;

// A caption and a value; shown only when both are present.
struct Datapost {
    std::optional<std::string> rubrik;
    std::optional<std::string> värde;
};
using Datalista = std::vector<Datapost>;

// Why an invoice could not be laid out.
class Layoutfel : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

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
    bool annanSträngmetod = false;

    // The first font a layout asked for and did not get (a layout that
    // misses a font lays out nothing).
    std::optional<std::string> saknatTypsnitt;
    // The built-in background the template names and the program could
    // not load.
    std::optional<std::string> saknadBakgrund;

    // --- Pages ---------------------------------------------------------
    int antalSidor() const { return static_cast<int>(innehållFörVarjeSida.size()); }
    // The background's page-1 crop box, else A4 portrait.
    Rect ramFörEnSida() const;
    // Page n (from 1) in the view: pages stacked downward without gaps.
    Rect rectForPage(int n) const;
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

    void läggTillInnehållMedRamFörLogotyp(const Rect& logotypram, const TextAttributes& titelattribut,
                                           const Rect& titelram, const TextAttributes& påminnelseattribut,
                                           const Rect& påminnelseram, const TextAttributes& villkorsattribut,
                                           const Rect& villkorsram, const TextAttributes& fskattattribut,
                                           const Rect& fskattsram);

    // The credit terms the title block prints, if any: the invoice's own,
    // else the ledger's for the invoice's language.
    std::optional<std::string> kreditvillkorSomVisas() const;

    std::optional<std::string> företagOchAdress() const;
    void läggTillInnehållPåSistaSidan(std::vector<CachatObjekt> objekt,
                                      std::optional<Rect> medVittPåÖvrigaSidor);

    // Own column headings: given the heading strings and the anchor x of
    // each column, the objects that stand for the headings.
    using EgnaRubriker = std::function<std::vector<CachatObjekt>(const std::vector<AttributedString>& rubriker,
                                                                 const std::vector<double>& positioner)>;
    void läggTillKolumnerMedRubrikattribut(const TextAttributes& rubrikattribut, const TextAttributes& dataattribut,
                                           const TextAttributes& högerställdaRubrikattribut,
                                           const TextAttributes& högerställdaDataattribut, const Rect& rubrikutrymme,
                                           const Rect& datautrymme, double höjdPåÖvrigaSidor,
                                           bool storaBokstäverPåRubriker,
                                           std::optional<Color> alternerandeRadfärg = std::nullopt,
                                           EgnaRubriker egnaRubriker = nullptr);

    int antalBeloppsrader(bool räknaMedTotalen) const;
    struct Beloppsfält {
        std::vector<CachatObjekt> data;
        double utpunkt = 0;
    };
    Beloppsfält beloppfältMedRubrikattribut(const TextAttributes& rubrikattribut, const TextAttributes& dataattribut,
                                            const Rect& initialRubrikram, const Rect& initialDataram,
                                            double radhöjd, bool taMedTotalen, bool storaBokstäverPåRubriker) const;

    struct Tabell {
        AttributedString tabell;
        int antalRader = 0;
    };
    Tabell tabellMedData(const Datalista& data, const TextAttributes& etikettattribut,
                         const TextAttributes& värdeattribut, bool storaBokstäverPåRubrik,
                         bool fetStilPåFörstaRaden) const;
    std::vector<CachatObjekt> cachadeObjektFörData(const Datalista& data, const TextAttributes& etikettattribut,
                                                   const TextAttributes& värdeattribut, double radhöjd,
                                                   Point startposition, double etikettbredd, double värdebredd,
                                                   const std::optional<std::string>& paddning,
                                                   bool storaBokstäverPåEtiketter, double offset) const;

    struct Datalistband {
        std::vector<CachatObjekt> data;
        double utpunkt = 0;
    };
    Datalistband datalistMedKolumndata(const Datalista& data, const TextAttributes& rubrikattribut,
                                       const TextAttributes& dataattribut, const BezierPath& separator,
                                       const Color& färg, double skala, const Rect& ram,
                                       bool vänsterTillHöger) const;
    void läggInKolumndataÖverTreKolumner(const TextAttributes& rubrikattribut, const TextAttributes& värdeattribut,
                                         bool storaBokstäverPåRubrik, bool fetStilPåFörstaRaden, double vid,
                                         const std::vector<double>& platser, double kolumnbredd);

    bool visaBankgiro() const;
    bool visaPlusgiro() const;
    bool visaSwish() const;
    bool visaIBAN() const;
    bool visaBankOchBankkonto() const;
    Datalista betalningsinformation() const;

    std::optional<std::vector<CachatObjekt>> momssammanfattningMedRubrikAttribut(
        const TextAttributes& rubrikattribut, const TextAttributes& sammanfattningsattribut,
        const Rect& tillgängligRuta, bool rubrikOvanförSammanfattning, bool rubrikMedStoraBokstäver) const;

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

// Gives two tables made by tabellMedData one value column: the one whose
// first tab stop lies nearer the left edge takes the other's paragraph
// style.
void riktaUppTabbarIKolumn(AttributedString& t1, AttributedString& t2);
