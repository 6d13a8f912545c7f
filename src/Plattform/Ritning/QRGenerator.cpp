#include "Plattform/Ritning/QRGenerator.h"

#include <qrencode.h>

#include <memory>

namespace {
constexpr int tystZon = 4;
constexpr uint32_t svart = 0xFF000000u;
constexpr uint32_t vit = 0xFFFFFFFFu;

struct QRFrigörare {
    void operator()(QRcode* q) const { QRcode_free(q); }
};
}  // namespace

std::optional<Bild> qrkodsbild(std::string_view data, int modulstorlek) {
    if (data.empty() || modulstorlek <= 0 || modulstorlek > 64) return std::nullopt;
    std::unique_ptr<QRcode, QRFrigörare> kod(
        QRcode_encodeData(int(data.size()), reinterpret_cast<const unsigned char*>(data.data()), 0, QR_ECLEVEL_H));
    if (!kod || kod->width <= 0) return std::nullopt;

    const int moduler = kod->width;
    const int sida = (moduler + 2 * tystZon) * modulstorlek;
    Bild bild = Bild::fylld(sida, sida, Bild::Format::argb32, vit);
    for (int my = 0; my < moduler; ++my)
        for (int mx = 0; mx < moduler; ++mx) {
            // Bit 0 of each byte says whether the module is dark.
            if (!(kod->data[size_t(my) * size_t(moduler) + size_t(mx)] & 1)) continue;
            const int x0 = (mx + tystZon) * modulstorlek, y0 = (my + tystZon) * modulstorlek;
            for (int y = y0; y < y0 + modulstorlek; ++y)
                for (int x = x0; x < x0 + modulstorlek; ++x) bild.sättPixel(x, y, svart);
        }
    return bild;
}
