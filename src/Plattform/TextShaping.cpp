#include "Plattform/TextShaping.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace {

bool spaceOrNewline(UChar32 c) {
    if (c >= 0x09 && c <= 0x0D) return true;
    if (c == 0x85) return true;
    auto typ = u_charType(c);
    return typ == U_SPACE_SEPARATOR || typ == U_LINE_SEPARATOR || typ == U_PARAGRAPH_SEPARATOR;
}

template <class Pred>
std::string trim(std::string_view text, Pred skalBort) {
    const auto* s = reinterpret_cast<const uint8_t*>(text.data());
    int32_t längd = static_cast<int32_t>(text.size());
    int32_t början = 0;
    while (början < längd) {
        int32_t nästa = början;
        UChar32 c;
        U8_NEXT(s, nästa, längd, c);
        if (c < 0 || !skalBort(c)) break;
        början = nästa;
    }
    int32_t slut = längd;
    while (slut > början) {
        int32_t före = slut;
        UChar32 c;
        U8_PREV(s, början, före, c);
        if (c < 0 || !skalBort(c)) break;
        slut = före;
    }
    return std::string(text.substr(static_cast<size_t>(början), static_cast<size_t>(slut - början)));
}

}  // namespace

std::string trimmingWhitespaceAndNewlines(std::string_view text) { return trim(text, spaceOrNewline); }

std::string capitalizingWords(std::string_view text) {
    const auto* s = reinterpret_cast<const uint8_t*>(text.data());
    int32_t längd = static_cast<int32_t>(text.size());
    std::string ut;
    ut.reserve(text.size());
    bool ordbörjan = true;
    int32_t i = 0;
    while (i < längd) {
        int32_t start = i;
        UChar32 c;
        U8_NEXT(s, i, längd, c);
        if (c < 0) {
            ut.append(text.substr(static_cast<size_t>(start), static_cast<size_t>(i - start)));
            ordbörjan = false;
            continue;
        }
        if (spaceOrNewline(c)) {
            ordbörjan = true;
        } else if (ordbörjan) {
            c = u_totitle(c);
            ordbörjan = false;
        }
        uint8_t buf[U8_MAX_LENGTH];
        int32_t n = 0;
        U8_APPEND_UNSAFE(buf, n, c);
        ut.append(reinterpret_cast<const char*>(buf), static_cast<size_t>(n));
    }
    return ut;
}
