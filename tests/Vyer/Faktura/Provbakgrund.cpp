#include "Provbakgrund.h"

#include "Plattform/Ritning/PdfVerktyg.h"

#include <cairo-pdf.h>

#include <cstdio>
#include <string>

namespace prov {

namespace {

cairo_status_t skrivTill(void* mål, const unsigned char* data, unsigned int längd) {
    auto* bytes = static_cast<Bytes*>(mål);
    bytes->insert(bytes->end(), data, data + längd);
    return CAIRO_STATUS_SUCCESS;
}

std::string tal(double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

std::string låda(const Rect& r) {
    return tal(r.x) + " " + tal(r.y) + " " + tal(r.x + r.width) + " " + tal(r.y + r.height);
}

}  // namespace

Bytes bakgrundspdf(double bredd, double höjd, const std::function<void(cairo_t*)>& rita) {
    Bytes ut;
    cairo_surface_t* yta = cairo_pdf_surface_create_for_stream(skrivTill, &ut, bredd, höjd);
    cairo_t* cr = cairo_create(yta);
    if (rita) rita(cr);
    cairo_show_page(cr);
    cairo_destroy(cr);
    cairo_surface_finish(yta);
    cairo_surface_destroy(yta);
    return ut;
}

Bytes pdfMedLådor(const Rect& mediabox, const Rect& cropbox, const Rect& ruta) {
    const std::string innehåll =
        "0.8 g " + tal(ruta.x) + " " + tal(ruta.y) + " " + tal(ruta.width) + " " + tal(ruta.height) + " re f";
    return testhjalp::handmadePdf({{.mediaBox = låda(mediabox), .cropBox = låda(cropbox), .content = innehåll}});
}

}  // namespace prov
