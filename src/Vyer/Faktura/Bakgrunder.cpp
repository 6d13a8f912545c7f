// Built-in backgrounds (not yet built).
#include "Vyer/Faktura/Bakgrunder.h"

std::shared_ptr<const PdfDocument> inbyggdBakgrund(std::string_view) { return nullptr; }
