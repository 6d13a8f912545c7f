#pragma once
// Where the latest-invoice job writes an invoice's PDF.
#include <string>
#include <string_view>

// The invoice number with ".pdf". "/" and NUL, which a file name cannot
// hold, become "_"; a number that would give no name of its own or a
// hidden one (empty, ".", "..", or starting with ".") gets "_" in front.
// Ordinary numbers are unchanged, since callers read the printed path.
std::string filnamnFörFaktura(std::string_view nummer);

// That file in `katalog`.
std::string sökvägFörFaktura(std::string_view katalog, std::string_view nummer);
