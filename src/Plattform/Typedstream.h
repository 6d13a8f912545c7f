#pragma once
// The non-keyed object archive ("typedstream") in which documents store the
// font and the colour of a text style. Only these two object kinds are
// decoded; everything else about an archive is left alone by the callers,
// which keep the archived bytes and write them back unchanged.
#include "Plattform/Bytes.h"
#include "Plattform/Font.h"

#include <optional>
#include <span>

// The font of an archive whose root object is a font; none when the bytes
// are not such an archive or hold fields we do not understand.
std::optional<Font> unarchiveFont(std::span<const uint8_t> archive);
// The colour of an archive whose root object is a colour (RGB, white, CMYK
// or a named colour with its resolved fallback); none otherwise.
std::optional<Color> unarchiveColor(std::span<const uint8_t> archive);

// Archives in the shape the platform writes (little-endian stream, font
// class version 30, colour as calibrated RGB).
Bytes archiveFont(const Font& font);
Bytes archiveColor(const Color& color);
