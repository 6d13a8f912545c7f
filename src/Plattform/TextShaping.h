#pragma once
// Shaping of display texts: the ends of an address block and the
// capitalisation of country names.
#include <string>
#include <string_view>

// Removes white space and line breaks (including U+0085, U+2028 and
// U+2029) from both ends.
std::string trimmingWhitespaceAndNewlines(std::string_view text);

// Upper-cases the first letter of every word (words separated by white
// space); the other letters are left as they are, so "USA" stays "USA".
std::string capitalizingWords(std::string_view text);
