#pragma once
// Code 128 barcodes for ASCII text, drawn black on white.
#include "Plattform/Ritning/Bild.h"

#include <optional>
#include <string_view>

// Each module is two pixels wide, the bars are 64 pixels high, and a quiet
// zone of ten modules lies on either side, as the symbology requires. No
// human-readable text is drawn. None when the text is empty, holds a byte
// outside ASCII, or the encoder refuses it.
std::optional<Bild> code128Bild(std::string_view ascii);
