#pragma once
// The stored code of an enumeration and back. Several enumerations share a
// code type (an integer word, a text), so the conversion from a code names
// its enumeration: `frånKod<Fakturastatus>(3)`. Each enumeration's header
// declares its specialisations and its `kod` overload.
#include <cstdint>
#include <iterator>
#include <optional>
#include <string_view>
#include <type_traits>

template <class E>
std::optional<E> frånKod(int64_t kod);

template <class E>
std::optional<E> frånKod(std::string_view kod);

// For enumerations that list their members: the member of `alla` whose
// `kod` is `sökt`, or none.
template <class Alla, class Kod>
auto frånKodBland(const Alla& alla, const Kod& sökt) -> std::optional<std::remove_cvref_t<decltype(*std::begin(alla))>> {
    for (auto medlem : alla)
        if (kod(medlem) == sökt) return medlem;
    return std::nullopt;
}
