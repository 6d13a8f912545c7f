#include "Kommandorad/Visningsval.h"

#include "Plattform/Anvandarinstallningar.h"

#include <cstdint>

namespace {

constexpr std::string_view formatprefix = "--format=";

// Left to right, without looking at what the removals join together.
std::string utanFörekomsterAv(std::string_view text, std::string_view del) {
    std::string ut;
    size_t från = 0;
    for (size_t hit; (hit = text.find(del, från)) != std::string_view::npos; från = hit + del.size())
        ut.append(text.substr(från, hit - från));
    ut.append(text.substr(från));
    return ut;
}

}  // namespace

std::optional<int64_t> heltalFrånText(std::string_view text) {
    bool negativt = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negativt = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    // Accumulated on the negative side, which holds the one extra value.
    int64_t värde = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        if (__builtin_mul_overflow(värde, 10, &värde) || __builtin_sub_overflow(värde, c - '0', &värde))
            return std::nullopt;
    }
    if (negativt) return värde;
    if (värde == INT64_MIN) return std::nullopt;
    return -värde;
}

Visningsval läsVisningsval(const std::vector<std::string>& args) {
    Visningsval val;
    for (const auto& arg : args)
        if (arg == "--hide00") val.döljDecimaler = true;
    for (const auto& arg : args) {
        if (!arg.starts_with(formatprefix)) continue;
        val.valutastil = heltalFrånText(utanFörekomsterAv(arg, formatprefix)).value_or(0);
        break;
    }
    return val;
}

void sparaVisningsval(const Visningsval& val) {
    auto& inställningar = Användarinställningar::standard();
    inställningar.sätt("TVMBHideDecimalsOnInvoices", val.döljDecimaler);
    inställningar.sätt("TVMBInvoiceCurrencyStyle", val.valutastil);
}
