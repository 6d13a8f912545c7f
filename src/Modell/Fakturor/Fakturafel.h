#pragma once
// The errors of booking a customer invoice, with the user's message.
#include "Plattform/Decimal.h"

#include <cstdint>
#include <exception>
#include <string>

class Fakturafel : public std::exception {
public:
    enum class Fall {
        ettFörsäljningskontoSaknarMomsnivå,  // carries `kontonummer`
        någonPostSaknarMomskonto,            // carries `momsnivå`
        någonPostSaknarFörsäljningskonto,
        kontoFörÖresutjämningÄrInteInställt,
        kundfordringskontoSaknas,
        verifikationenÄrInteBalanserad,
        felBeloppBetalt,
        kontonFörValutakursrörelserSaknas,
        saknarUppgiftOmTidigareMottagarkonto,
        saknarKontoFörROT,
        interntFel,
        // Our own: the frozen VAT total differs from the items' VAT while
        // no item carries VAT, so no VAT account can take the difference.
        momsskillnadUtanMomskonto,
    };

    static Fakturafel ettFörsäljningskontoSaknarMomsnivå(int64_t kontonummer) {
        Fakturafel f(Fall::ettFörsäljningskontoSaknarMomsnivå);
        f.kontonummer_ = kontonummer;
        return f;
    }
    // `momsnivå` is the VAT level's rate as a fraction.
    static Fakturafel någonPostSaknarMomskonto(const Decimal& momsnivå) {
        Fakturafel f(Fall::någonPostSaknarMomskonto);
        f.momsnivå_ = momsnivå;
        return f;
    }
    explicit Fakturafel(Fall fall) : fall_(fall) {}

    Fall fall() const { return fall_; }
    int64_t kontonummer() const { return kontonummer_; }
    const Decimal& momsnivå() const { return momsnivå_; }

    // The user's message, in the user's language where a translation exists.
    std::string meddelande() const;
    const char* what() const noexcept override;

private:
    Fall fall_;
    int64_t kontonummer_ = 0;
    Decimal momsnivå_;
    mutable std::string what_;
};

// Where users send documents that the program could not book. No support
// mailbox exists for this tool, so the message points at the documentation
// instead of naming an address nobody reads.
inline constexpr const char* supportadress = "the support address in the program's documentation";
