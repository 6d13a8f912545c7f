#pragma once
// How amounts on invoices show their currency, chosen in the user defaults.
#include "Koder.h"

#include <cstdint>
#include <optional>

class Användarinställningar;

// The user-defaults keys read for invoice amounts.
inline constexpr const char* nyckelFörValutaformatPåFakturor = "TVMBInvoiceCurrencyStyle";
inline constexpr const char* nyckelFörDöljDecimalerPåFakturor = "TVMBHideDecimalsOnInvoices";

enum class ValutaformatPåFakturor : int64_t {
    kort = 0,   // the currency symbol
    lång = 1,   // the ISO currency code
    ingen = 2,  // no currency
};

template <>
std::optional<ValutaformatPåFakturor> frånKod<ValutaformatPåFakturor>(int64_t kod);
inline int64_t kod(ValutaformatPåFakturor format) { return static_cast<int64_t>(format); }

namespace valutaformatPåFakturor {

// The format stored under "TVMBInvoiceCurrencyStyle" in the given user
// defaults (the standard ones when none are given), read afresh; a missing
// key or a code outside 0...2 gives kort.
ValutaformatPåFakturor valt(const Användarinställningar& inställningar);
ValutaformatPåFakturor valt();

}  // namespace valutaformatPåFakturor
