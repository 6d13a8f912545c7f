#include "Modell/Belopp.h"

namespace {

// The code point of the UTF-8 sequence of `length` bytes at `s`, or -1 when
// those bytes are not one well-formed sequence.
int32_t avkoda(const unsigned char* s, size_t length) {
    if (length == 1) return s[0] < 0x80 ? s[0] : -1;
    static const unsigned char ledare[] = {0, 0, 0xC0, 0xE0, 0xF0};
    static const unsigned char mask[] = {0, 0, 0x1F, 0x0F, 0x07};
    static const int32_t minsta[] = {0, 0, 0x80, 0x800, 0x10000};
    if (length > 4 || (s[0] & ~mask[length]) != ledare[length]) return -1;
    int32_t c = s[0] & mask[length];
    for (size_t i = 1; i < length; ++i) {
        if ((s[i] & 0xC0) != 0x80) return -1;
        c = c << 6 | (s[i] & 0x3F);
    }
    if (c < minsta[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return -1;
    return c;
}

size_t sekvenslängd(unsigned char first) {
    if (first < 0x80) return 1;
    if ((first & 0xE0) == 0xC0) return 2;
    if ((first & 0xF0) == 0xE0) return 3;
    if ((first & 0xF8) == 0xF0) return 4;
    return 0;
}

}  // namespace

std::string_view Teckenmängd::trimmad(std::string_view text) const {
    auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    size_t början = 0, slut = text.size();
    while (början < slut) {
        size_t n = sekvenslängd(bytes[början]);
        if (n == 0 || början + n > slut) break;
        int32_t c = avkoda(bytes + början, n);
        if (c < 0 || !innehåller(char32_t(c))) break;
        början += n;
    }
    while (slut > början) {
        size_t start = slut - 1;
        while (start > början && slut - start < 4 && (bytes[start] & 0xC0) == 0x80) --start;
        size_t n = slut - start;
        if (sekvenslängd(bytes[start]) != n) break;
        int32_t c = avkoda(bytes + start, n);
        if (c < 0 || !innehåller(char32_t(c))) break;
        slut = start;
    }
    return text.substr(början, slut - början);
}
