#pragma once
// Taking characters from the front or the end of a text. A character is
// what a reader sees as one (a grapheme cluster): "e" with a combining
// accent, a flag or a family emoji each count once. Counts below zero are
// taken as zero; counts beyond the text's length take the whole text.
#include <cstdint>
#include <string>
#include <string_view>

// The text without its first n characters; empty when it has n or fewer.
std::string allaEfter(std::string_view text, int64_t n);
// The first n characters; the whole text when it is shorter.
std::string första(std::string_view text, int64_t n);
// The last n characters; the whole text when it is shorter.
std::string sista(std::string_view text, int64_t n);
// The number of characters of the text.
int64_t antalTecken(std::string_view text);

// The text in capitals by the full Unicode case mapping of no particular
// language: "ß" becomes "SS", "ﬁ" becomes "FI".
std::string versaler(std::string_view text);

// Every word (a run between white space) with its first character in
// title case and the rest in lower case, in no particular language.
std::string medStorBokstavIVarjeOrd(std::string_view text);
