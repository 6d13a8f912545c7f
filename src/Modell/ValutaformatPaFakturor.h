#pragma once
// How amounts on invoices show their currency, chosen in the user defaults.
#include <cstdint>
#include <optional>

// The user-defaults keys read for invoice amounts.
inline constexpr const char* nyckelFörValutaformatPåFakturor = "TVMBInvoiceCurrencyStyle";
inline constexpr const char* nyckelFörDöljDecimalerPåFakturor = "TVMBHideDecimalsOnInvoices";

enum class ValutaformatPåFakturor : int64_t {
    kort = 0,   // the currency symbol
    lång = 1,   // the ISO currency code
    ingen = 2,  // no currency
};

namespace valutaformatPåFakturor {

std::optional<ValutaformatPåFakturor> frånKod(int64_t kod);
inline int64_t kod(ValutaformatPåFakturor format) { return static_cast<int64_t>(format); }

// The format stored under "TVMBInvoiceCurrencyStyle" in the standard user
// defaults, read afresh; a missing key or a code outside 0...2 gives kort.
ValutaformatPåFakturor valt();

}  // namespace valutaformatPåFakturor
