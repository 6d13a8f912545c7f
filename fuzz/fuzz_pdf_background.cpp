// libFuzzer target: any bytes read as a background PDF give none or a
// page with a usable crop box, and drawing that page under an invoice page
// neither crashes nor leaves the page unusable.
#include "Plattform/CairoCanvas.h"
#include "Plattform/PdfDocument.h"

#include <cairo.h>

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto document = PdfDocument::fromBytes({data, size});
    if (!document) return 0;
    Rect crop = document->cropBox();
    if (!crop.isFinite() || crop.width <= 0 || crop.height <= 0 || !std::isfinite(document->mediaBoxHeight()))
        std::abort();
    cairo_surface_t* surface = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr);
    cairo_t* cr = cairo_create(surface);
    CairoCanvas canvas(cr);
    canvas.save();
    canvas.drawPdfPage(*document);
    canvas.restore();
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return 0;
}
