#pragma once
// Reading display lists in tests: objects found by their text, and a
// one-line description of each for failure messages.
#include "Vyer/Faktura/CachatObjekt.h"

#include <optional>
#include <string>
#include <vector>

namespace displaylista {

// The text of a string object (either kind), or none.
const AttributedString* text(const CachatObjekt& objekt);
// The frame of a string or image object, or the bounds of a path.
Rect ram(const CachatObjekt& objekt);
// Where that frame lands on the page under the object's transform (the
// frame itself without one), as an upright rectangle rounded to a
// billionth of a point.
Rect ramPåSidan(const CachatObjekt& objekt);

// The first object whose text is exactly `text`.
const CachatObjekt* medText(const std::vector<CachatObjekt>& lista, const std::string& text);
// The first object whose text contains `del`.
const CachatObjekt* medTextSomInnehåller(const std::vector<CachatObjekt>& lista, const std::string& del);

// The first object whose frame (or path bounds) is exactly `ram`.
const CachatObjekt* medRam(const std::vector<CachatObjekt>& lista, const Rect& ram);

// "string (x, y, w, h) 'text' Font 9", "path (x, y, w, h) fill", ...
std::string beskriv(const CachatObjekt& objekt);
std::string beskriv(const std::vector<CachatObjekt>& lista);

}  // namespace displaylista
