#include "Plattform/ExchangeRateService.h"

void UnavailableExchangeRateService::send(const ExchangeRateRequest&,
                                          std::function<void(const ExchangeRateReply&)> reply) {
    reply(ExchangeRateReply{});
}
