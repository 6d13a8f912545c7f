// Built-in backgrounds: the PDFs compiled in at build time (the table is
// generated from resources/backgrounds/), read when a view asks for one.
#include "Vyer/Faktura/Bakgrunder.h"

std::shared_ptr<const PdfDocument> inbyggdBakgrund(std::string_view namn) {
    for (const InbyggdBakgrund& bakgrund : inbyggdaBakgrunder())
        if (bakgrund.namn == namn) return PdfDocument::fromOwnBytes(bakgrund.pdf);
    return nullptr;
}
