#pragma once
// The root of a ledger: the company's own data and settings and every list
// of the ledger. `Bokföring`, the document, derives from it.
#include "Modell/Adress.h"
#include "Modell/Bokforingsmetod.h"
#include "Modell/Datum.h"
#include "Modell/Land.h"
#include "Modell/RedovisningsalternativForMoms.h"
#include "Modell/Redovisningsperiod.h"
#include "Plattform/Bytes.h"
#include "Plattform/Decimal.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class Konto;
class Momsnivå;
class Kostnadsställe;
class Räkenskapsår;
class Verifikation;
class Artikel;
class Affärskontakt;
class Fakturamall;
// The invoice model's column flags (Modell/Fakturor/Fakturakolumn.h).
enum class Fakturakolumn : int64_t;
class EjSkickadFaktura;
class Faktura;
class EjRegistreradLeverantörsfaktura;
class Leverantörsfaktura;
class SmartMapp;

// One change of an invoice's receivable: the entry's date and number and
// the amount it booked on the receivables account.
struct Kundfordringsändring {
    Datum datum;
    int64_t verifikationsnummer = 0;
    Decimal belopp;
};

class Bokföringsbas {
public:
    // Every field gets its default. `uuid` none gives a new UUID's text.
    // Throws std::invalid_argument "Okänt land X!" for a code that is not
    // one of the 14 countries.
    Bokföringsbas(std::string valuta, std::string organisationsnummer, const std::string& landskod,
                  std::optional<std::string> uuid);
    Bokföringsbas(const Bokföringsbas&) = delete;
    Bokföringsbas& operator=(const Bokföringsbas&) = delete;
    virtual ~Bokföringsbas();

    const std::string valuta;
    const std::string organisationsnummer;
    bool momsregistrerat = false;
    std::string namn;
    Adress adress;
    const Land land;
    std::optional<std::string> telefon = "";
    std::optional<std::string> fax = "";
    std::optional<std::string> email = "";
    std::optional<std::string> mobil = "";
    std::optional<std::string> hemsida = "";
    // The logo's stored bytes (PDF, PNG, JPEG or TIFF), never re-encoded.
    std::optional<Bytes> logotyp;
    Bokföringsmetod metod = Bokföringsmetod::fakturametoden;
    bool bokförFakturorAutomatiskt = true;
    int64_t betalningsfrist = 30;
    // A set kept in insertion order (the read order for a document read
    // from a file), so that saving twice gives the same bytes.
    std::vector<Fakturakolumn> tillåtnaKolumner;
    bool visaKundnummerPåFakturor = false;
    std::vector<std::unique_ptr<Konto>> konton;
    std::vector<std::unique_ptr<Räkenskapsår>> räkenskapsår;
    std::vector<std::unique_ptr<Kostnadsställe>> kostnadsställen;
    Artikel* förvaldArtikel = nullptr;
    std::vector<std::unique_ptr<Momsnivå>> momsnivåer;
    std::optional<std::string> bank;
    std::optional<std::string> bankkonto;
    std::optional<std::string> bic;
    std::optional<std::string> iban;
    Konto* kontoFörResultat = nullptr;
    Konto* kontoFörLeverantörsskulder = nullptr;
    Konto* kontoFörKundfordringar = nullptr;
    Konto* kontoFörÖresutjämning = nullptr;
    Konto* kontoFörValutakursvinster = nullptr;
    Konto* kontoFörValutakursförluster = nullptr;
    Konto* kontoFörMomsredovisning = nullptr;
    std::optional<int64_t> nummerPåSenastImporteradeKontoutdrag;
    std::vector<std::unique_ptr<EjSkickadFaktura>> ejSkickadeFakturor;
    std::vector<std::unique_ptr<Faktura>> skickadeFakturor;
    std::vector<std::unique_ptr<Artikel>> artiklar;
    std::vector<std::unique_ptr<Affärskontakt>> kontakter;
    std::vector<std::unique_ptr<Verifikation>> kommandeVerifikationer;
    std::vector<std::unique_ptr<Fakturamall>> fakturamallar;
    // Credit-terms text by invoice language code; a key appears once, in
    // the order it was first added.
    std::vector<std::pair<std::string, std::string>> kreditvillkor;
    std::vector<std::unique_ptr<EjRegistreradLeverantörsfaktura>> ejRegistreradeLeverantörsfakturor;
    std::vector<std::unique_ptr<Leverantörsfaktura>> leverantörsfakturor;
    std::vector<std::unique_ptr<SmartMapp>> smartaMappar;
    RedovisningsalternativFörMoms momsredovisningsalternativ = RedovisningsalternativFörMoms::beskattningsår;
    std::vector<Redovisningsperiod> avslutadePerioder;
    const std::string UUID;
    bool faktureringsläge = false;
    bool _bokföringsläge = false;

    // The ledger's own VAT registration number; none when not registered
    // or for a country without a rule.
    std::optional<std::string> momsregistreringsnummer() const;
    // Date and number of the latest entry: from the fiscal year that starts
    // last among those that give one. Pending entries do not count.
    std::optional<Datum> senasteVerifikationsdatum() const;
    std::optional<int64_t> senasteVerifikationsnummer() const;
    // Recomputes the receivable changes of the sent invoices and the
    // invoice numbers of the entries that belong to them.
    void räknaOmKundfordringsändringar();

    // The entries that may have changed a receivable: booked entries with
    // a non-zero amount on the receivables account, then every pending one.
    std::vector<Verifikation*> kundfordringskandidater() const;
    // Marks the candidates whose name names invoice `nummer` with it and
    // gives their changes (numbered entries only), in candidate order.
    std::vector<Kundfordringsändring> kundfordringsändringarFörFaktura(const std::string& nummer,
                                                                      const std::vector<Verifikation*>& kandidater) const;
    // The amount an entry booked on the receivables account (struck rows
    // count as zero).
    Decimal kundfordringsbelopp(const Verifikation& verifikation) const;

    // Set semantics over the ordered column list.
    bool tillåterKolumn(Fakturakolumn kolumn) const;
    void läggTillKolumn(Fakturakolumn kolumn);
    // The credit terms for an invoice language, if any.
    const std::string* kreditvillkorFör(const std::string& språk) const;
    // Replaces the text of a language already present, else adds it.
    void sättKreditvillkor(const std::string& språk, std::string text);

    // The default columns of a new ledger.
    static std::vector<Fakturakolumn> förvaldaKolumner();
    // 36 upper-case hexadecimal characters in groups of 8-4-4-4-12.
    static std::string nyUUID();
};
