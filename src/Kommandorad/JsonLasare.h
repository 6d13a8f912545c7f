#pragma once
// Reading standard input as JSON the way the import has always taken it:
// strict JSON text in UTF-8, UTF-16 or UTF-32, an object or an array at the
// top, at most 512 levels deep, the last of two equal keys winning.
#include "Kommandorad/JsonVarde.h"
#include "Plattform/Bytes.h"

#include <cstddef>
#include <optional>

// The deepest nesting of arrays and objects that is accepted.
inline constexpr size_t högstaJsondjup = 512;

// The parsed text, or none when the bytes are not such JSON text. The
// encoding is told by the byte-order mark or, without one, by where the
// first bytes hold zeros (JSON text starts with an ASCII character). UTF-8
// bytes become the document's own text, so nothing is copied; other
// encodings are turned into UTF-8 first and their bytes let go.
std::optional<JsonDokument> läsJson(Bytes data);
