#pragma once
// Text comparison and trimming with the platform string semantics the
// stored documents were made with: texts are equal when they are
// canonically equivalent and ordered by their NFC scalar values.
#include <compare>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The NFC form of UTF-8 text (invalid sequences become U+FFFD).
std::string normalizedNFC(std::string_view text);

bool canonicallyEqual(std::string_view a, std::string_view b);
// Order of the NFC forms by Unicode scalar value (= UTF-8 byte order).
std::strong_ordering compareCanonically(std::string_view a, std::string_view b);

// Removes space separators (general category Zs) and tabs from both ends;
// line breaks and other characters stay.
std::string trimmingSpacesAndTabs(std::string_view text);

// The text a character (code point) at a time, each replaced by the one
// byte `replacement` gives for it, if it gives one. Bytes that are not
// UTF-8 are kept as they are.
std::string replacingCharacters(std::string_view text,
                                const std::function<std::optional<char>(char32_t)>& replacement);

// U+FDD0 to U+FDEF and the last two code points of every plane: valid
// UTF-8, yet cairo refuses a text holding one (and then draws nothing more
// on the page), so the text engine draws U+FFFD instead.
inline bool isNoncharacter(char32_t c) { return (c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE; }

// Line feed, carriage return, next line and the paragraph separator.
inline bool endsParagraph(char32_t c) { return c == '\n' || c == '\r' || c == 0x85 || c == 0x2029; }
