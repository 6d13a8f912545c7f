#pragma once
// The platform's string hash: documents store it as the ordinal of a
// number text without digits, so it must be reproduced exactly. It works
// on UTF-16 code units with no normalisation, so "å" and "a" + U+030A hash
// differently.
#include <cstdint>
#include <string_view>

uint64_t platformStringHash(std::u16string_view units);
// The hash of a UTF-8 text (ill-formed bytes count as U+FFFD).
uint64_t platformStringHash(std::string_view utf8);
