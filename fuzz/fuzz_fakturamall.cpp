// Template records and the font and colour archives inside them come from
// documents we did not write: reading them must end in a value or a
// FormatError, never in a crash or an over-read. A template that reads
// writes a record (always in the current version) that reads back and
// writes the same bytes again.
#include "Modell/Fakturor/Fakturamall.h"
#include "Plattform/Typedstream.h"

#include <cstddef>
#include <cstdint>

namespace {
Bytes skriv(const Fakturamall& mall) {
    Utström ut;
    mall.spara(ut);
    return ut.take();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::span<const uint8_t> bytes(data, size);
    (void)unarchiveFont(bytes);
    (void)unarchiveColor(bytes);
    Bytes första;
    try {
        Inström ström(bytes);
        första = skriv(Fakturamall(ström, Referenser{}));
    } catch (const FormatError&) {
        return 0;
    }
    try {
        Inström igen(första);
        if (skriv(Fakturamall(igen, Referenser{})) != första) __builtin_trap();
    } catch (const FormatError&) {
        __builtin_trap();  // this program wrote a template it cannot read
    }
    return 0;
}
