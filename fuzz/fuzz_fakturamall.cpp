// Template records and the font and colour archives inside them come from
// documents we did not write: reading them must end in a value or a
// FormatError, never in a crash or an over-read.
#include "Modell/Fakturor/Fakturamall.h"
#include "Plattform/Typedstream.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::span<const uint8_t> bytes(data, size);
    (void)unarchiveFont(bytes);
    (void)unarchiveColor(bytes);
    try {
        Inström ström(bytes);
        Fakturamall mall(ström, Referenser{});
        Utström ut;
        mall.spara(ut);
    } catch (const FormatError&) {
    }
    return 0;
}
