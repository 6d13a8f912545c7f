#pragma once
// Text comparison and trimming with the platform string semantics the
// stored documents were made with: texts are equal when they are
// canonically equivalent and ordered by their NFC scalar values.
#include <compare>
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
