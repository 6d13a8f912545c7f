#pragma once
// The faces cairo draws with, named by their characters. cairo writes a
// glyph's text into the PDF as the code point the face's character map
// gives it, and takes the characters pango drew it for (its cluster) only
// where the map gives none. Faces give ligatures that Unicode has no
// character for ("ft", "fj") code points of private use, which no reader
// can search for or copy as the letters. So cairo gets each such face as a
// copy whose character map leaves private-use code points out (an
// in-memory face put into the font's pattern): what it draws is the same
// outline from the same font program, and its text is the text. Pango
// shapes from the file itself and still finds the glyph of a private-use
// character a text holds; cairo then names it by that character.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <fontconfig/fontconfig.h>

namespace fonts {

// An OpenType or TrueType font (not a collection) with its 'cmap' made
// anew: one Unicode map for the Basic Multilingual Plane and one for
// every plane, each character mapped as before but those of private use
// (U+E000 to U+F8FF and planes 15 and 16). None when it maps none of
// them, or is no such font, or its map cannot be written as one.
std::optional<std::vector<uint8_t>> withoutPrivateUse(std::span<const uint8_t> font);

// Puts such a copy of the font of `file` into each of its patterns in
// `fonts` from `from` on that lacks it, for cairo to draw with; with
// `make`, makes it first unless it was made before, from `font` (the
// file's bytes as they were read once) or, given none, from the file. A
// copy is made once a file and kept for the life of the process; a file
// that needs none is left as it is. Whether it put the copy into any
// pattern.
bool drawWithoutPrivateUse(FcFontSet* fonts, int from, const std::string& file, bool make,
                           std::span<const uint8_t> font = {});

}  // namespace fonts
