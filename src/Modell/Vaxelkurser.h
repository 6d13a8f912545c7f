#pragma once
// Exchange rates of foreign currencies against the krona, asked of the
// lookup service and kept for the rest of the process. Nothing in the tool
// asks for a rate (imported invoices carry their own); the lookup is here
// for the model's other users.
#include "Plattform/Decimal.h"
#include "Plattform/ExchangeRateService.h"

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <variant>

// Why no rate came back. A failure is never passed off as a rate of 1.
enum class Växelkursfel {
    tidsgränsen,    // the service got no rate in time
    ingenKurs,      // the reply carried no rate
    ogiltigKurs,    // the rate was not ASCII decimal text, or negative
    nollkurs,       // the rate was zero
    ogiltigValuta,  // the currency code cannot be sent (not ASCII)
};

using Växelkurssvar = std::variant<Decimal, Växelkursfel>;

class Växelkurshämtare {
public:
    // The service must not answer after the lookup is gone.
    explicit Växelkurshämtare(std::shared_ptr<ExchangeRateService> tjänst);

    // Calls `klart` exactly once per answer: at once when the rate is
    // already known (without asking the service), otherwise when the
    // service answers. A rate is kept for later requests; a failure is not,
    // so the next request asks again.
    void hämtaVäxelkursFörValuta(const std::string& valuta, std::function<void(const Växelkurssvar&)> klart);

    // The rate kept for `valuta`, if any.
    std::optional<Decimal> sparadKurs(const std::string& valuta) const;

private:
    Växelkurssvar tolka(const std::string& valuta, const ExchangeRateReply& svar);

    std::shared_ptr<ExchangeRateService> tjänst_;
    mutable std::mutex lås_;
    std::map<std::string, Decimal> växelkurser_;
};

// The process-wide lookup, made on first use with the stand-in service.
Växelkurshämtare& växelkurshämtare();

// Asks the process-wide lookup.
void hämtaVäxelkursFörValuta(const std::string& valuta, std::function<void(const Växelkurssvar&)> klart);
