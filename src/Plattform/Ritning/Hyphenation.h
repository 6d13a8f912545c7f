#pragma once
// Hyphenation by the dictionaries of the system's hyphen-* packages.
#include <cstddef>
#include <string_view>
#include <vector>

// Letters a break inside a word leaves at least on either side, whatever a
// dictionary's own minimum (some allow a single letter), and also where a
// word must be broken for lack of room.
inline constexpr int shortestWordPart = 3;

// The byte offsets into `text` (UTF-8) before which a word may be broken
// with a hyphen, in increasing order: the dictionary's points that leave
// at least three letters of the word on either side. None when no
// dictionary is installed for the language ("sv", "en", "de", ... or
// "sv_SE").
std::vector<size_t> hyphenationPoints(std::string_view text, std::string_view language);
