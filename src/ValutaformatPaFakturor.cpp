#include "ValutaformatPaFakturor.h"

#include "Plattform/Anvandarinstallningar.h"

template <>
std::optional<ValutaformatPåFakturor> frånKod<ValutaformatPåFakturor>(int64_t kod) {
    if (kod < 0 || kod > 2) return std::nullopt;
    return static_cast<ValutaformatPåFakturor>(kod);
}

namespace valutaformatPåFakturor {

ValutaformatPåFakturor valt(const Användarinställningar& inställningar) {
    const int64_t kod = inställningar.heltal(nyckelFörValutaformatPåFakturor);
    return frånKod<ValutaformatPåFakturor>(kod).value_or(ValutaformatPåFakturor::kort);
}

ValutaformatPåFakturor valt() { return valt(Användarinställningar::standard()); }

}  // namespace valutaformatPåFakturor
