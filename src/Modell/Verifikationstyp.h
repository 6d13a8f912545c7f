#pragma once
// The kind of a ledger entry, with its fixed code in the document.
#include "Koder.h"
#include <cstdint>
#include <optional>

// One byte: a large ledger holds a hundred thousand entries.
enum class Verifikationstyp : uint8_t {
    okänd = 0,
    skickadFaktura = 1,
    delbetaldFaktura = 2,
    betaldFaktura = 3,
    kundförlust = 4,
    Återköp = 5,
    påminnelseavgift = 6,
    momsavstämning = 10,
    intäkt = 11,
    kostnad = 12,
    manuell = 13,
    mottagenLeverantörsfaktura = 14,
    mottagenOchBetaldLeverantörsfaktura = 15,
    betaldLeverantörsfaktura = 16,
    lön = 17,
    periodiseradKostnad = 20,
    periodiseradIntäkt = 21,
};

constexpr int64_t kod(Verifikationstyp typ) { return static_cast<int64_t>(typ); }
// None for 7, 8, 9, 18, 19, negative codes and codes above 21.
template <>
inline std::optional<Verifikationstyp> frånKod<Verifikationstyp>(int64_t kod) {
    if (kod < 0 || kod > 21 || (kod >= 7 && kod <= 9) || kod == 18 || kod == 19) return std::nullopt;
    return static_cast<Verifikationstyp>(kod);
}
