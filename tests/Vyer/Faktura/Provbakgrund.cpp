#include "Provbakgrund.h"

#include <cairo-pdf.h>

#include <cstdio>
#include <string>
#include <vector>

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
    return "[" + tal(r.x) + " " + tal(r.y) + " " + tal(r.x + r.width) + " " + tal(r.y + r.height) + "]";
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
    const std::string innehåll = "0.8 g " + tal(ruta.x) + " " + tal(ruta.y) + " " + tal(ruta.width) + " " +
                                 tal(ruta.height) + " re f\n";
    const std::vector<std::string> objekt = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox " + låda(mediabox) + " /CropBox " + låda(cropbox) +
            " /Contents 4 0 R /Resources << >> >>",
        "<< /Length " + std::to_string(innehåll.size()) + " >>\nstream\n" + innehåll + "endstream",
    };
    std::string pdf = "%PDF-1.4\n";
    std::vector<size_t> platser;
    for (size_t i = 0; i < objekt.size(); ++i) {
        platser.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + objekt[i] + "\nendobj\n";
    }
    const size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(objekt.size() + 1) + "\n0000000000 65535 f \n";
    for (size_t plats : platser) {
        char rad[32];
        std::snprintf(rad, sizeof rad, "%010zu 00000 n \n", plats);
        pdf += rad;
    }
    pdf += "trailer\n<< /Size " + std::to_string(objekt.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
           std::to_string(xref) + "\n%%EOF\n";
    return Bytes(pdf.begin(), pdf.end());
}

}  // namespace prov
