#include "Plattform/Ritning/Code128Generator.h"

#include <zint.h>

#include <memory>

namespace {
struct SymbolFrigörare {
    void operator()(zint_symbol* s) const { ZBarcode_Delete(s); }
};
}  // namespace

std::optional<Bild> code128Bild(std::string_view ascii) {
    if (ascii.empty()) return std::nullopt;
    for (unsigned char c : ascii)
        if (c > 0x7F) return std::nullopt;

    std::unique_ptr<zint_symbol, SymbolFrigörare> symbol(ZBarcode_Create());
    if (!symbol) return std::nullopt;
    symbol->symbology = BARCODE_CODE128;
    symbol->input_mode = DATA_MODE;
    symbol->show_hrt = 0;
    symbol->height = 32;  // in modules; the raster doubles it with the module width
    symbol->output_options |= BARCODE_QUIET_ZONES;
    // Warnings (e.g. a non-compliant symbol) are not acceptable for a bank
    // barcode; only a clean result counts.
    if (ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(ascii.data()), int(ascii.size())) != 0)
        return std::nullopt;
    if (ZBarcode_Buffer(symbol.get(), 0) != 0 || !symbol->bitmap) return std::nullopt;

    const int bredd = symbol->bitmap_width, höjd = symbol->bitmap_height;
    if (bredd <= 0 || höjd <= 0) return std::nullopt;
    Bild bild = Bild::fylld(bredd, höjd, Bild::Format::argb32, 0xFFFFFFFFu);
    // The raster is packed RGB, three bytes a pixel, rows without padding.
    const unsigned char* rgb = symbol->bitmap;
    for (int y = 0; y < höjd; ++y)
        for (int x = 0; x < bredd; ++x) {
            const unsigned char* p = rgb + (size_t(y) * size_t(bredd) + size_t(x)) * 3;
            bild.sättPixel(x, y, 0xFF000000u | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2]);
        }
    return bild;
}
