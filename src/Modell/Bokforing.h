#pragma once
// The document: the ledger root with the company form, payroll settings
// and the Swedish payment numbers, and the reader and writer of the .bok
// file's body.
#include "Modell/Bokforingsbas.h"
#include "Modell/Foretagsform.h"
#include "Modell/Loneutbetalning.h"
#include "Strommar.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>


class Bokföring : public Bokföringsbas, public Sparbar {
public:
    // The employer-fee level; the code is the case's position.
    enum class NivåPåArbetsgivaravgift : int64_t {
        Efter1951 = 0,
        Mellan1938Och1951 = 1,
        Innan1938 = 2,
        Mellan2001och2003 = 3,
    };

    // A new ledger with the defaults of both classes.
    Bokföring(std::string valuta, std::string organisationsnummer, const std::string& landskod,
              std::optional<std::string> uuid, Företagsform företagsform);
    // Reads the body record: the whole document, linked, with older bodies
    // brought up to date and inactive contacts masked. Throws FormatError
    // for bytes that break the encoding and SkadatDokument for a body that
    // breaks the ledger's rules.
    explicit Bokföring(Inström& ström);
    ~Bokföring() override;

    // Writes the body record.
    void spara(Utström& ström) const override;

    // The document in a whole .bok file. Throws FilformatsfelUndantag for
    // the container, FormatError or SkadatDokument for the body. `läst` is
    // told now and then where the part of `data` that is read for good ends.
    static std::unique_ptr<Bokföring> från(std::span<const uint8_t> data,
                                           const std::function<void(const uint8_t*)>& läst = {});
    // The whole file in version `id`. `åtgärd` runs after the body has been
    // written and before the preview fields are taken from the document.
    // Throws Sparfel when the file would not read back.
    Bytes dataMedMellansteg(uint32_t id, const std::function<void()>& åtgärd = {}) const;

    const Företagsform företagsform;
    std::optional<bool> upprättarFörenklatÅrsbokslut;
    std::optional<std::string> _säte = "";
    bool godkändFörFSkatt = true;
    bool kontoindelningEnligtBAS = true;
    std::optional<std::string> plusgiro;
    std::optional<std::string> bankgiro;
    std::optional<std::string> swish;
    Konto* kontoFörROT = nullptr;
    Konto* kontoFörAskatt = nullptr;
    Konto* kontoFörArbetsgivaravgifter = nullptr;
    Konto* kontoFörKostnaderFörArbetsgivaravgifter = nullptr;
    Konto* kontoFörLönekostnader = nullptr;
    Konto* kontoFörKreditering = nullptr;
    int64_t skattetabell = 32;
    std::optional<std::string> namnPåLöneutbetalning;
    std::vector<std::unique_ptr<Löneutbetalning>> löneutbetalningar;
    NivåPåArbetsgivaravgift arbetsgivaravgift = NivåPåArbetsgivaravgift::Efter1951;

    // The registered office, shown only for a limited company.
    std::optional<std::string> säte() const;

    // The first account of `konton` with this number; none for -1.
    Konto* hittaKonto(int64_t kontonummer) const;

    // The contacts with no sent or supplier invoice since the start of the
    // fiscal year that holds the day seven years before today, that are
    // not kept on purpose and not already masked.
    std::vector<Affärskontakt*> kontakterUtanAktivitetISjuÅr() const;
    // Replaces the names of those contacts (and what their sent invoices
    // show of them) with a mask and marks them as removed.
    void maskeraInaktivaKontakter();

    // The first template of `fakturamallar` with this name.
    Fakturamall* mallMedNamn(const std::string& namn) const;

    static std::string rengörOrganisationsnummer(const std::string& o, Land för);

    // Seven full blocks: what a masked name reads as.
    static constexpr const char* mask = "\u2588\u2588\u2588\u2588\u2588\u2588\u2588";

private:
    // The reader's state between the base's initialisation and the body.
    struct Läsläge {
        std::string uuid;
        std::string organisationsnummer;
        Företagsform företagsform;
    };
    // Items 1 to 3: what the base and the constant company form need.
    static Läsläge läsInledning(Inström& ström);
    Bokföring(Inström& ström, Läsläge&& läge);
    void läsKropp(Inström& ström);
};

constexpr int64_t kod(Bokföring::NivåPåArbetsgivaravgift nivå) { return static_cast<int64_t>(nivå); }
template <>
inline std::optional<Bokföring::NivåPåArbetsgivaravgift> frånKod<Bokföring::NivåPåArbetsgivaravgift>(int64_t kod) {
    if (kod < 0 || kod > 3) return std::nullopt;
    return static_cast<Bokföring::NivåPåArbetsgivaravgift>(kod);
}
