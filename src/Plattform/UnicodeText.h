#pragma once
// Unicode-aware text helpers that the model needs at its edges: string
// equality the way the ledger's texts compare (canonical equivalence) and
// trimming with the platform's notion of white space.
#include <string>
#include <string_view>

// True when the two UTF-8 texts are canonically equivalent (equal after
// NFC normalisation), so "e" + U+0301 equals "é".
bool canonicallyEqual(std::string_view a, std::string_view b);

// Removes horizontal white space (tab and the space separators) from both
// ends; line breaks stay.
std::string trimWhitespace(std::string_view text);

// Removes white space and line breaks (including U+0085, U+2028 and
// U+2029) from both ends.
std::string trimWhitespaceAndNewlines(std::string_view text);

// Upper-cases the first letter of every word (words separated by white
// space); the other letters are left as they are.
std::string capitalizeWords(std::string_view text);
