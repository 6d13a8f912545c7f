#pragma once
// The page backgrounds of the built-in templates, drawn for this program
// and built into it.
#include "Plattform/PdfDocument.h"

#include <memory>
#include <string_view>

// The background of that name, or none when the program has none by it.
std::shared_ptr<const PdfDocument> inbyggdBakgrund(std::string_view namn);
