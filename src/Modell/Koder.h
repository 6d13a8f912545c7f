#pragma once
// The stored code of an enumeration and back. Several enumerations share a
// code type (an integer word, a text), so the conversion from a code names
// its enumeration: `frånKod<Fakturastatus>(3)`. Each enumeration's header
// declares its specialisations and its `kod` overload.
#include <cstdint>
#include <optional>
#include <string_view>

template <class E>
std::optional<E> frånKod(int64_t kod);

template <class E>
std::optional<E> frånKod(std::string_view kod);
