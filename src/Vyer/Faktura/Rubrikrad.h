#pragma once
// One caption of an invoice in its ten languages. The invoice's language
// code is compared exactly; "no" and "nb" both read the Norwegian text, and
// a code we have no texts for reads the English one, so every invoice gets
// a label.
#include <array>
#include <string>
#include <string_view>
#include <utility>

struct Rubrikrad {
    std::string_view da, de, en, es, fi, fr, it, nl, no, sv;

    constexpr std::string_view text(std::string_view språk) const;
    std::string på(std::string_view språk) const { return std::string(text(språk)); }

    // The same text in every language, for rows that only a language or
    // two depart from.
    static constexpr Rubrikrad överallt(std::string_view t) { return {t, t, t, t, t, t, t, t, t, t}; }
};

inline constexpr std::array<std::pair<std::string_view, std::string_view Rubrikrad::*>, 11> rubrikspråk{{
    {"da", &Rubrikrad::da},
    {"de", &Rubrikrad::de},
    {"en", &Rubrikrad::en},
    {"es", &Rubrikrad::es},
    {"fi", &Rubrikrad::fi},
    {"fr", &Rubrikrad::fr},
    {"it", &Rubrikrad::it},
    {"nl", &Rubrikrad::nl},
    {"no", &Rubrikrad::no},
    {"nb", &Rubrikrad::no},
    {"sv", &Rubrikrad::sv},
}};

constexpr std::string_view Rubrikrad::text(std::string_view språk) const {
    for (const auto& [kod, kolumn] : rubrikspråk)
        if (kod == språk) return this->*kolumn;
    return en;
}
