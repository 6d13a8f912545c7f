#include "Kontonummerformatterare.h"

#include <charconv>

std::string Kontonummerformatterare::string(int64_t from) const { return std::to_string(from); }

std::optional<int64_t> Kontonummerformatterare::number(std::string_view from) const {
    std::string_view siffror = from;
    bool negativt = false;
    if (!siffror.empty() && (siffror.front() == '+' || siffror.front() == '-')) {
        negativt = siffror.front() == '-';
        siffror.remove_prefix(1);
    }
    if (siffror.empty()) return std::nullopt;
    for (char c : siffror)
        if (c < '0' || c > '9') return std::nullopt;
    // Parsing with the sign in place lets the most negative number through.
    std::string text = (negativt ? "-" : "") + std::string(siffror);
    int64_t v = 0;
    auto [slut, fel] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (fel != std::errc() || slut != text.data() + text.size()) return std::nullopt;
    return v;
}
