#pragma once
// Reading standard input as JSON the way the import has always taken it:
// strict JSON text in UTF-8, UTF-16 or UTF-32, an object or an array at the
// top, at most 512 levels deep, the last of two equal keys winning.
#include "Kommandorad/JsonVarde.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

// The deepest nesting of arrays and objects that is accepted.
inline constexpr size_t högstaJsondjup = 512;

// The parsed value, or none when the bytes are not such JSON text.
std::optional<JsonVärde> läsJson(std::span<const uint8_t> data);

// The text as UTF-8 without a byte-order mark. The encoding is told by the
// byte-order mark or, without one, by where the first bytes hold zeros
// (JSON text starts with an ASCII character). None when the bytes are not
// valid in the encoding found.
std::optional<std::string> jsontextSomUtf8(std::span<const uint8_t> data);
