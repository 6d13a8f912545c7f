#include "Modell/Vaxelkurser.h"

#include "Plattform/Bytes.h"

#include <algorithm>

Växelkurshämtare::Växelkurshämtare(std::shared_ptr<ExchangeRateService> tjänst) : tjänst_(std::move(tjänst)) {}

std::optional<Decimal> Växelkurshämtare::sparadKurs(const std::string& valuta) const {
    std::lock_guard lås(lås_);
    auto it = växelkurser_.find(valuta);
    if (it == växelkurser_.end()) return std::nullopt;
    return it->second;
}

void Växelkurshämtare::hämtaVäxelkursFörValuta(const std::string& valuta,
                                               std::function<void(const Växelkurssvar&)> klart) {
    if (auto kurs = sparadKurs(valuta)) {
        klart(*kurs);
        return;
    }
    if (!isAscii(valuta)) {
        klart(Växelkursfel::ogiltigValuta);
        return;
    }
    tjänst_->send(ExchangeRateRequest{"SEK", valuta},
                  [this, valuta, klart = std::move(klart)](const ExchangeRateReply& svar) { klart(tolka(valuta, svar)); });
}

Växelkurssvar Växelkurshämtare::tolka(const std::string& valuta, const ExchangeRateReply& svar) {
    if (svar.timeout) return Växelkursfel::tidsgränsen;
    if (!svar.exchangeRate) return Växelkursfel::ingenKurs;
    std::string text = *svar.exchangeRate;
    if (!isAscii(text)) return Växelkursfel::ogiltigKurs;
    std::replace(text.begin(), text.end(), ',', '.');
    auto kurs = Decimal::parseWhole(text);
    // A negative rate is no rate either.
    if (!kurs || kurs->isNaN() || kurs->isNegative()) return Växelkursfel::ogiltigKurs;
    if (kurs->isZero()) return Växelkursfel::nollkurs;
    std::lock_guard lås(lås_);
    // Several requests for one currency may be in flight; the last answer wins.
    växelkurser_.insert_or_assign(valuta, *kurs);
    return *kurs;
}

Växelkurshämtare& växelkurshämtare() {
    static Växelkurshämtare hämtare(std::make_shared<UnavailableExchangeRateService>());
    return hämtare;
}

void hämtaVäxelkursFörValuta(const std::string& valuta, std::function<void(const Växelkurssvar&)> klart) {
    växelkurshämtare().hämtaVäxelkursFörValuta(valuta, std::move(klart));
}
