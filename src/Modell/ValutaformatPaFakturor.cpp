#include "Modell/ValutaformatPaFakturor.h"

#include "Plattform/Anvandarinstallningar.h"

namespace valutaformatPåFakturor {

std::optional<ValutaformatPåFakturor> frånKod(int64_t kod) {
    if (kod < 0 || kod > 2) return std::nullopt;
    return static_cast<ValutaformatPåFakturor>(kod);
}

ValutaformatPåFakturor valt() {
    int64_t kod = Användarinställningar::standard().heltal(nyckelFörValutaformatPåFakturor);
    return frånKod(kod).value_or(ValutaformatPåFakturor::kort);
}

}  // namespace valutaformatPåFakturor
