#include "Plattform/Provritning/Renderers.h"

#include <cairo.h>
#include <poppler.h>

#include <cmath>
#include <memory>

namespace {

template <typename T, void (*free)(T*)>
struct Freed {
    void operator()(T* p) const { free(p); }
};
template <typename T, void (*free)(T*)>
using Owned = std::unique_ptr<T, Freed<T, free>>;

void unref(void* object) { g_object_unref(object); }
void unrefDocument(PopplerDocument* d) { unref(d); }
void unrefPage(PopplerPage* p) { unref(p); }

// cairo's image surfaces are at most this many pixels a side.
constexpr double widestSurface = 32767;

}  // namespace

pdfjudge::Verdict pdfjudge::drawnByCairo(std::string_view pdf, double dpi) {
    Owned<GBytes, g_bytes_unref> bytes(g_bytes_new_static(pdf.data(), pdf.size()));
    GError* error = nullptr;
    Owned<PopplerDocument, unrefDocument> document(poppler_document_new_from_bytes(bytes.get(), nullptr, &error));
    if (error) g_error_free(error);
    if (!document || poppler_document_get_n_pages(document.get()) < 1) return unreadable;
    Owned<PopplerPage, unrefPage> page(poppler_document_get_page(document.get(), 0));
    if (!page) return unreadable;
    double width = 0, height = 0;
    poppler_page_get_size(page.get(), &width, &height);
    const double scale = dpi / 72, w = std::ceil(width * scale), h = std::ceil(height * scale);
    if (!(w >= 1 && h >= 1)) return unreadable;
    // A page that no surface holds would cost its reader as much.
    if (w > widestSurface || h > widestSurface) return tooLarge;
    Owned<cairo_surface_t, cairo_surface_destroy> surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, int(w), int(h)));
    Owned<cairo_t, cairo_destroy> cr(cairo_create(surface.get()));
    cairo_set_source_rgb(cr.get(), 1, 1, 1);
    cairo_paint(cr.get());
    cairo_scale(cr.get(), scale, scale);
    poppler_page_render(page.get(), cr.get());
    cairo_surface_flush(surface.get());
    // cairo gives up quietly where it has no memory: its state says so. Any
    // other error stops the drawing, which costs no more then.
    return cairo_status(cr.get()) == CAIRO_STATUS_NO_MEMORY ? tooLarge : drawn;
}
