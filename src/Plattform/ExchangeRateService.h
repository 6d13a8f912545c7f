#pragma once
// The exchange-rate lookup service the model asks for a currency's rate
// against the Swedish krona, and our stand-in for it. No such service
// exists on this system: the stand-in answers every request with no rate.
#include <functional>
#include <memory>
#include <optional>
#include <string>

// The service's name: a reverse-domain prefix and the service's own part.
inline constexpr const char* kExchangeRateServiceName = "se.kontobok.ecb-exchange-rate-lookup";

struct ExchangeRateRequest {
    std::string currency;       // "currency": always "SEK"
    std::string otherCurrency;  // "other_currency": the code asked about
};

struct ExchangeRateReply {
    bool timeout = false;                     // "timeout": the service got no rate in time
    std::optional<std::string> exchangeRate;  // "exchange_rate": decimal text, "," or "." as separator
};

class ExchangeRateService {
public:
    virtual ~ExchangeRateService() = default;
    // Sends one request. `reply` is called at most once, before `send`
    // returns or later; a service that never answers never calls it.
    virtual void send(const ExchangeRateRequest& request, std::function<void(const ExchangeRateReply&)> reply) = 0;
};

// Answers every request at once with a reply that carries no rate.
class UnavailableExchangeRateService : public ExchangeRateService {
public:
    void send(const ExchangeRateRequest& request, std::function<void(const ExchangeRateReply&)> reply) override;
};
