#pragma once
// The e-invoice delivery status of a sent invoice. While uploading it
// carries two progress counters, which are never stored.
#include "Koder.h"

#include <cstdint>
#include <optional>

struct PEPPOLStatus {
    enum class Fall { laddarUpp, ej, inväntarKvitto, mottagen, nekad, slårUppMottagare };

    Fall fall = Fall::ej;
    // Only meaningful for `laddarUpp`.
    uint64_t räknare1 = 0;
    uint64_t räknare2 = 0;

    static constexpr PEPPOLStatus laddarUpp(uint64_t a, uint64_t b) { return {Fall::laddarUpp, a, b}; }
    static constexpr PEPPOLStatus ej() { return {Fall::ej}; }
    static constexpr PEPPOLStatus inväntarKvitto() { return {Fall::inväntarKvitto}; }
    static constexpr PEPPOLStatus mottagen() { return {Fall::mottagen}; }
    static constexpr PEPPOLStatus nekad() { return {Fall::nekad}; }
    static constexpr PEPPOLStatus slårUppMottagare() { return {Fall::slårUppMottagare}; }

    // Same case, and for `laddarUpp` both counters equal.
    friend constexpr bool operator==(const PEPPOLStatus& a, const PEPPOLStatus& b) {
        if (a.fall != b.fall) return false;
        return a.fall != Fall::laddarUpp || (a.räknare1 == b.räknare1 && a.räknare2 == b.räknare2);
    }
};

// The stored code: ej 1, inväntarKvitto 2, mottagen 3, nekad 4, laddarUpp 5,
// slårUppMottagare 6.
int64_t kod(const PEPPOLStatus& status);
// Code 5 reads as `laddarUpp(0, 0)`; a code outside 1 to 6 gives none.
template <>
std::optional<PEPPOLStatus> frånKod<PEPPOLStatus>(int64_t kod);
