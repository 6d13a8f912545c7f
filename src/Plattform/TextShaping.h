#pragma once
// Shaping of display texts: the ends of an address block, the
// capitalisation of country names and upper-cased captions.
#include <string>
#include <string_view>

// Removes white space and line breaks (including U+0085, U+2028 and
// U+2029) from both ends.
std::string trimmingWhitespaceAndNewlines(std::string_view text);

// Upper-cases the first letter of every word (words separated by white
// space); the other letters are left as they are, so "USA" stays "USA".
std::string capitalizingWords(std::string_view text);

// Every letter in upper case by the full Unicode mapping, in no language's
// special rules ("straße" gives "STRASSE", "i" gives "I" also in Turkish).
std::string uppercased(std::string_view text);
