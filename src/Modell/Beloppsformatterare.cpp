#include "Modell/Beloppsformatterare.h"

#include "Modell/Belopp.h"
#include "Plattform/Anvandarinstallningar.h"
#include "Plattform/Lokal.h"

Beloppsformatterare::Beloppsformatterare(std::string_view valuta)
    : valuta_(valuta), formaterare_(NumberFormatter::Style::currency, lokal::aktuell()) {
    formaterare_.setLenient(true);
    formaterare_.setCurrencyCode(valuta_);
    formaterare_.setMinimumIntegerDigits(1);
    formaterare_.setGroupingSeparator(" ");
    formaterare_.setGroupingUsed(true);
}

Beloppsformatterare Beloppsformatterare::förFaktura(std::string_view med) {
    Beloppsformatterare f(med);
    switch (valutaformatPåFakturor::valt()) {
        case ValutaformatPåFakturor::kort: break;
        case ValutaformatPåFakturor::lång: f.sättStil(NumberFormatter::Style::currencyISOCode); break;
        case ValutaformatPåFakturor::ingen: f.sättStil(NumberFormatter::Style::decimal); break;
    }
    if (Användarinställningar::standard().boolVärde(nyckelFörDöljDecimalerPåFakturor)) f.döljDecimaler = true;
    return f;
}

void Beloppsformatterare::sättStil(NumberFormatter::Style stil) {
    formaterare_.setStyle(stil);
    // Without a currency sign the amount still shows its currency's
    // decimals (two for kronor), never a plain number's "1 234,5".
    if (stil == NumberFormatter::Style::decimal) {
        int decimaler = NumberFormatter::currencyFractionDigits(valuta_);
        formaterare_.setFractionDigits(decimaler, decimaler);
    } else {
        formaterare_.setFractionDigits(std::nullopt, std::nullopt);
    }
}

NumberFormatter& Beloppsformatterare::aktuellFormaterare() const {
    std::string id = lokal::aktuell();
    if (id != formaterare_.localeId()) formaterare_.setLocaleId(std::move(id));
    return formaterare_;
}

std::string Beloppsformatterare::decimaltecken() const { return aktuellFormaterare().decimalSeparator(); }

std::optional<std::string> Beloppsformatterare::string(const std::optional<Decimal>& för) const {
    if (!för || för->isNaN()) return std::nullopt;
    if (döljOmNoll && *för == noll) return std::string();
    std::optional<std::string> text = aktuellFormaterare().format(*för);
    if (!text || !döljDecimaler) return text;
    return utanNollDecimaler(std::move(*text));
}

// Removes a decimal separator with the zeros that make up the whole
// fraction after it. A fraction holding any other digit stays whole, so a
// three-decimal currency never loses digits ("1,005" stays, "1,000" goes).
std::string Beloppsformatterare::utanNollDecimaler(std::string text) const {
    const std::string separator = formaterare_.decimalSeparator();
    const auto siffror = formaterare_.digitSymbols();
    if (separator.empty()) return text;
    auto siffraVid = [&](size_t pos) -> std::optional<size_t> {  // the digit's index
        for (size_t i = 0; i < siffror.size(); ++i)
            if (!siffror[i].empty() && text.compare(pos, siffror[i].size(), siffror[i]) == 0) return i;
        return std::nullopt;
    };
    size_t pos = 0;
    while ((pos = text.find(separator, pos)) != std::string::npos) {
        size_t slut = pos + separator.size();
        bool baraNollor = true, någonSiffra = false;
        while (slut < text.size()) {
            auto siffra = siffraVid(slut);
            if (!siffra) break;
            någonSiffra = true;
            baraNollor = baraNollor && *siffra == 0;
            slut += siffror[*siffra].size();
        }
        if (någonSiffra && baraNollor) {
            text.erase(pos, slut - pos);
        } else {
            pos = slut;
        }
    }
    return text;
}

std::optional<Decimal> Beloppsformatterare::tolka(std::string_view text) const {
    return aktuellFormaterare().parse(text);
}
