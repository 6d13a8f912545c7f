#pragma once
// A ledger entry: one dated booking, numbered within its fiscal year, with
// its rows. Entries live in their fiscal year or, before they are booked,
// among the document's pending entries.
#include "Modell/Datum.h"
#include "Modell/Rad.h"
#include "Modell/Referenser.h"
#include "Modell/Verifikationstyp.h"
#include "Plattform/Bytes.h"
#include "Plattform/SlotPool.h"
#include "Strommar.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The attached image handed to the initializers; each part may be absent.
struct Bildinfo {
    std::optional<Bytes> objekt;
    std::optional<Bytes> bokmärke;
    std::optional<Bytes> sandlådeURL;  // the URL's bytes
};

// Not a Sparbar, like its rows: nothing saves an entry through that
// interface, and a large ledger holds a hundred thousand of them.
class Verifikation {
public:
    // A large ledger holds hundreds of thousands of these.
    static void* operator new(size_t size) { return SlotPool<sizeof(Verifikation)>::allocate(size); }
    static void operator delete(void* p, size_t size) { SlotPool<sizeof(Verifikation)>::release(p, size); }

    CompactString namn;
    Datum datum;  // fixed when made
    ValfrittDatum registreringsdatum;
    // A large ledger holds a hundred thousand entries: their seldom set
    // texts are kept in one word each.
    CompactText fakturanummer;
    CompactText leverantörsfakturanummer;  // fixed when made
    Radlista rader;
    CompactText kommentar;  // fixed when made
    CompactBytes bildobjekt;
    // The URL of the attached image file as stored. Kept as bytes so a
    // document round-trips even when they do not form a URL.
    CompactBytes bildURL;
    CompactBytes bildbokmärke;
    CompactText momsregistreringsnummer;
    CompactText utdrag;  // fixed when made
    // Last, so that it shares a word with the number's flag.
    Verifikationstyp typ = Verifikationstyp::okänd;  // fixed when made

    // Sets the given fields; `utdrag` is the first row statement identity
    // that is set. A number given here does not stamp a registration date.
    Verifikation(std::optional<int64_t> nummer, std::string namn, Verifikationstyp typ, Datum datum,
                 Radlista rader, std::optional<std::string> kommentar,
                 std::optional<Bildinfo> bildinfo, std::optional<std::string> leverantörsfakturanummer);
    // The unnumbered entry for an event of a customer invoice, named after
    // the kind and the invoice number, which also becomes `fakturanummer`.
    // Only the six invoice kinds are accepted (std::logic_error otherwise).
    // The `utdrag` argument is not used: the rows decide it.
    static std::unique_ptr<Verifikation> förFakturahändelse(Verifikationstyp typ, const std::string& nummer, Datum datum,
                                                           Radlista rader,
                                                           std::optional<std::string> kommentar,
                                                           std::optional<Bildinfo> bildinfo,
                                                           std::optional<std::string> utdrag);
    // Throws FormatError for damaged bytes and SkadatDokument for rows that
    // break the ledger's rules.
    Verifikation(Inström& ström, const Referenser& ref);
    void spara(Utström& ström) const;

    std::optional<int64_t> nummer() const { return numrerad_ ? std::optional(nummer_) : std::nullopt; }
    // Numbering stamps today's date as the registration date; removing the
    // number removes the date.
    void sättNummer(std::optional<int64_t> nummer);

    // True when both lists hold the same rows in any order.
    static bool jämförRader(const std::vector<const Rad*>& rad1, const std::vector<const Rad*>& rad2);
    static bool jämförRader(const Radlista& rad1, const Radlista& rad2);

    // The entry order on its parts, shared with the editable entry: by
    // number (none counting as 0) when the numbers differ, else by date,
    // kind code and text. Entries equal on all of these are unordered.
    // Note: an entry numbered 0 and an unnumbered one are unordered while
    // two unnumbered ones are ordered by date, so this is not a strict weak
    // order when 0 and none mix; use stable sorts or linear scans.
    static bool kommerFöre(const std::optional<int64_t>& nummerA, Datum datumA, Verifikationstyp typA,
                           std::string_view namnA, const std::optional<int64_t>& nummerB, Datum datumB,
                           Verifikationstyp typB, std::string_view namnB);

    // Equal numbers, dates and texts and the same rows in any order.
    friend bool operator==(const Verifikation& a, const Verifikation& b);
    friend bool operator<(const Verifikation& a, const Verifikation& b);

private:
    void sättLagratNummer(std::optional<int64_t> nummer) {
        numrerad_ = nummer.has_value();
        nummer_ = nummer.value_or(0);
    }

    // Not a std::optional, whose flag would take a word of its own.
    bool numrerad_ = false;
    int64_t nummer_ = 0;
};

template <>
struct std::hash<Verifikation> {
    size_t operator()(const Verifikation& v) const noexcept {
        size_t h = std::hash<bool>{}(v.nummer().has_value());
        h = h * 31 + std::hash<int64_t>{}(v.nummer().value_or(0));
        return h * 31 + std::hash<Datum>{}(v.datum);
    }
};
