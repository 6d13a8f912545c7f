#pragma once
// Code points to and from UTF-8, for helpers that read text back from
// tools' output. The text is taken to be well-formed. And the letters every
// face must draw itself.
#include <unicode/uchar.h>

#include <string>
#include <string_view>

namespace testhjalp {

inline std::u32string kodpunkter(std::string_view s) {
    std::u32string ut;
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        const size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        char32_t v = n == 1 ? c : n == 2 ? c & 0x1F : n == 3 ? c & 0x0F : c & 0x07;
        for (size_t k = 1; k < n && i + k < s.size(); ++k) v = (v << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        ut += v;
        i += n;
    }
    return ut;
}

inline std::string utf8(std::u32string_view s) {
    std::string ut;
    for (char32_t c : s) {
        if (c < 0x80) {
            ut += char(c);
        } else if (c < 0x800) {
            ut += char(0xC0 | (c >> 6)), ut += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            ut += char(0xE0 | (c >> 12)), ut += char(0x80 | ((c >> 6) & 0x3F)), ut += char(0x80 | (c & 0x3F));
        } else {
            ut += char(0xF0 | (c >> 18)), ut += char(0x80 | ((c >> 12) & 0x3F));
            ut += char(0x80 | ((c >> 6) & 0x3F)), ut += char(0x80 | (c & 0x3F));
        }
    }
    return ut;
}

// Every letter of Latin-1, Latin Extended-A and the Romanian Ș ș Ț ț: the
// alphabets of every EU and EEA language, Turkish and Sami.
inline std::u32string europasBokstäver() {
    std::u32string ut;
    for (char32_t c = 0xA0; c <= 0x21B; ++c)
        if ((c <= 0x17F || c >= 0x218) && u_isalpha(UChar32(c))) ut += c;
    return ut;
}

}  // namespace testhjalp
