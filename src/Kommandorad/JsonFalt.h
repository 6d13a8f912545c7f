#pragma once
// The members of an import object, read by the JSON type each key takes.
// An absent member and null give none. A member of another type is an
// import error naming its key (JSONImportfel::felTyp): the import never
// falls back to a default for a value it was given. A text with a NUL
// character is refused (JSONImportfel::nolltecken).
#include "Kommandorad/JsonImportfel.h"
#include "Kommandorad/JsonVarde.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace jsonfält {

std::optional<std::string> text(JsonVärde objekt, std::string_view nyckel);
// true and false (and 1 and 0, as JSON numbers).
std::optional<bool> boolesk(JsonVärde objekt, std::string_view nyckel);
// Any JSON number, as it was written; its value is the caller's to judge.
std::optional<JsonVärde> tal(JsonVärde objekt, std::string_view nyckel);
std::optional<JsonVärde> objekt(JsonVärde objekt, std::string_view nyckel);
std::optional<JsonLista> listaAvObjekt(JsonVärde objekt, std::string_view nyckel);

// For the keys whose absence and wrong type share an established message:
// the text when the member is a string (a NUL refused as above), else none.
std::optional<std::string_view> textOmDenFinns(JsonVärde objekt, std::string_view nyckel);

}  // namespace jsonfält
