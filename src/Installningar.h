#pragma once
// The global settings kept in the user defaults, and the controller of the
// preferences panel that writes them. Settings live in this process only
// (Användarinställningar): nothing here is written to disk.
#include "Plattform/Anvandarinstallningar.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The settings, in code order; the key is the case's raw value.
enum class GlobalInställning : int {
    filväljareDold = 0,           // "TVMBFileSelectorHidden", Bool
    valutaformatPåFakturor = 1,   // "TVMBInvoiceCurrencyStyle", Int
    döljDecimalerPåFakturor = 2,  // "TVMBHideDecimalsOnInvoices", Bool
    fakturadatumTillDagens = 3,   // "TVMBInvoiceDateToday", Bool
    skrivUtEfterSkickning = 4,    // "TVMBPrintInvoiceAfterSending", Bool
    ingenAutokomplettering = 5,   // "TVMBNoAutocomplete", Bool
    marginalFörC5 = 6,            // "TVMBC5Margin", Float
    språk = 7,                    // "AppleLanguages", list of language codes
};

// The user-defaults key of a setting.
const char* rawValue(GlobalInställning inställning);
std::optional<GlobalInställning> globalInställningFrånRawValue(const std::string& nyckel);
// The first element of the list stored under the setting's key, when a
// non-empty list of texts is stored there; for "AppleLanguages" the
// preferred language.
std::optional<std::string> kod(GlobalInställning inställning,
                               const Användarinställningar& inställningar = Användarinställningar::standard());

// The name of the notification posted when a setting changes.
inline constexpr const char* ändradeInställningar = "installningar";

// Which application runs the code.
enum class Programversion { annan, huvudprogrammet };
inline constexpr const char* huvudprogrammetsIdentifierare = "se.kontobok.stavrumix7";
// The main application when the running bundle's identifier is its
// identifier; any other identifier, or none (as for this tool), is `annan`.
Programversion nuvarandeProgramversion(const std::optional<std::string>& programidentifierare = std::nullopt);

// Stand-ins for the panel's controls: check boxes and radio buttons (state
// 1 on, 0 off, and a tag), the margin slider, the language pop-up and the
// restart notice's views.
struct Knapp {
    int tillstånd = 0;
    int64_t tagg = 0;
};
struct Reglage {
    float värde = 0;
};
struct Popupmeny {
    int64_t valdTagg = -1;
};
struct Vy {
    bool dold = true;
};

// The controller of the preferences panel. Its outlets are not owned and
// may be left unconnected; an action whose outlet is missing does nothing.
class Installningar {
public:
    std::vector<std::string> koder{"sv", "en", "fi", "da", "no"};
    Knapp* kryssrutaFörFilväljare = nullptr;
    Knapp* knappFörKortValuta = nullptr;
    Knapp* knappFörLångValuta = nullptr;
    Knapp* knappFörIngenValuta = nullptr;
    Knapp* kryssrutaFörDöljÖren = nullptr;
    Knapp* kryssrutaFörDagensDatum = nullptr;
    Knapp* kryssrutaFörUtskrift = nullptr;
    Knapp* kryssrutaFörAutocomplete = nullptr;
    Reglage* sliderFörMarginal = nullptr;
    Popupmeny* popupFörSpråk = nullptr;
    Vy* omstartsmeddelande = nullptr;
    Vy* omstartsikon = nullptr;
    const std::string notifikation = ändradeInställningar;

    explicit Installningar(Användarinställningar& inställningar = Användarinställningar::standard(),
                           Programversion programversion = nuvarandeProgramversion());

    // Sets every connected control from the stored settings.
    void uppdatera();
    // Enqueues `notifikation`, coalesced: however often it is enqueued
    // before the queue is idle, it is posted once.
    void notifiera();

    void visaFilväljare(const Knapp& avsändare);
    void sättValutaformatPåFakturor(const Knapp& avsändare);
    void döljDecimaler(const Knapp& avsändare);
    void fakturadatumTillDagens(const Knapp& avsändare);
    void skrivUtFakturor(const Knapp& avsändare);
    void ändraMarginal(const Reglage& avsändare);
    void hämtaPoster(const Knapp& avsändare);
    void väljSpråk(const Popupmeny& avsändare);

    // Observers of `notifikation`, and the idle turn of the queue that
    // posts what is waiting. Gives whether anything was posted.
    void observera(std::function<void(const std::string& namn)> observatör);
    bool närLedig();

private:
    void kryssruta(const Knapp* ruta, GlobalInställning inställning, bool lagraNärPå, bool postar);

    Användarinställningar& inställningar_;
    Programversion programversion_;
    bool notifikationVäntar_ = false;
    std::vector<std::function<void(const std::string&)>> observatörer_;
};
