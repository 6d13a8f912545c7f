#pragma once
// The page backgrounds of the built-in templates, drawn for this program
// (resources/backgrounds/, one SVG each) and built into it as PDF.
#include "Plattform/Ritning/PdfDocument.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

struct InbyggdBakgrund {
    std::string_view namn;
    std::span<const uint8_t> pdf;
};

// Every background the program carries, by name.
const std::vector<InbyggdBakgrund>& inbyggdaBakgrunder();

// The background of that name, or none when the program has none by it or
// its bytes do not read as a PDF with a page.
std::shared_ptr<const PdfDocument> inbyggdBakgrund(std::string_view namn);
