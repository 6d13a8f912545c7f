#pragma once
// QR symbols for arbitrary bytes, drawn black on white.
#include "Plattform/Ritning/Bild.h"

#include <optional>
#include <string_view>

// Encodes the bytes unchanged in 8-bit mode (so UTF-8 text reaches the
// reader as written) at error-correction level H, in the smallest version
// that holds them. Each module becomes `modulstorlek` × `modulstorlek`
// pixels, with a white quiet zone of four modules on every side, which
// readers need to find the symbol. None when the bytes do not fit in a QR
// symbol or encoding fails.
std::optional<Bild> qrkodsbild(std::string_view data, int modulstorlek);
