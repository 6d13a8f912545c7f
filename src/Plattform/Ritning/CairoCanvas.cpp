#include "Plattform/Ritning/CairoCanvas.h"

#include "Plattform/Ritning/CairoDrawable.h"
#include "Plattform/Ritning/Image.h"
#include "Plattform/Ritning/PdfDocument.h"
#include "Plattform/Ritning/PdfPageSource.h"
#include "Plattform/Ritning/TextLayout.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

bool finite(Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }

double channel(double v) { return std::isfinite(v) ? std::clamp(v, 0.0, 1.0) : 0; }

Rect normalised(const Rect& r) { return {r.minX(), r.minY(), std::abs(r.width), std::abs(r.height)}; }

}  // namespace

void CairoCanvas::save() {
    cairo_save(cr_);
    ++depth_;
}

void CairoCanvas::restore() {
    // An unmatched restore is an error cairo never recovers from.
    if (depth_ == 0) return;
    cairo_restore(cr_);
    --depth_;
}

void CairoCanvas::clip(const Rect& r) {
    Rect c = r.isFinite() ? normalised(r) : Rect{};  // no sensible area: nothing shows
    cairo_new_path(cr_);
    cairo_rectangle(cr_, c.x, c.y, c.width, c.height);
    cairo_clip(cr_);
}

bool CairoCanvas::concat(const AffineTransform& t) {
    if (!t.isInvertible()) return false;
    cairo_matrix_t step{t.a, t.b, t.c, t.d, t.tx, t.ty}, current, combined;
    cairo_get_matrix(cr_, &current);
    cairo_matrix_multiply(&combined, &step, &current);
    // Two steps that are each fine can still make a map cairo refuses (its
    // test: a finite determinant other than 0).
    AffineTransform page{combined.xx, combined.yx, combined.xy, combined.yy, combined.x0, combined.y0};
    if (!page.isInvertible()) return false;
    cairo_transform(cr_, &step);
    return true;
}

bool CairoCanvas::setPath(const BezierPath& path) {
    for (const BezierPath::Element& e : path.elements()) {
        if (e.kind == BezierPath::Element::Kind::close) continue;
        if (!finite(e.point)) return false;
        if (e.kind == BezierPath::Element::Kind::curveTo && !(finite(e.control1) && finite(e.control2))) return false;
    }
    cairo_new_path(cr_);
    for (const BezierPath::Element& e : path.elements()) {
        switch (e.kind) {
        case BezierPath::Element::Kind::moveTo: cairo_move_to(cr_, e.point.x, e.point.y); break;
        case BezierPath::Element::Kind::lineTo: cairo_line_to(cr_, e.point.x, e.point.y); break;
        case BezierPath::Element::Kind::curveTo:
            cairo_curve_to(cr_, e.control1.x, e.control1.y, e.control2.x, e.control2.y, e.point.x, e.point.y);
            break;
        case BezierPath::Element::Kind::close: cairo_close_path(cr_); break;
        }
    }
    return true;
}

void CairoCanvas::setColor(const Color& c) {
    cairo_set_source_rgba(cr_, channel(c.red), channel(c.green), channel(c.blue), channel(c.alpha));
}

void CairoCanvas::fill(const BezierPath& path, const Color& color) {
    if (path.isEmpty() || !setPath(path)) return;
    setColor(color);
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
    cairo_fill(cr_);
}

void CairoCanvas::stroke(const BezierPath& path, const Color& color) {
    // A width of 0 is the thinnest line the device draws, as in PDF.
    if (path.isEmpty() || !std::isfinite(path.lineWidth) || path.lineWidth < 0 || !setPath(path)) return;
    setColor(color);
    // Cairo's own default width is 2; a path always brings its own.
    cairo_set_line_width(cr_, path.lineWidth);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
    cairo_set_miter_limit(cr_, 10);
    // A dash cairo refuses (negative, not finite, all zero) draws solid.
    std::vector<double> dashes = path.dashPattern;
    bool usable = std::isfinite(path.dashPhase) &&
                  std::all_of(dashes.begin(), dashes.end(), [](double d) { return std::isfinite(d) && d >= 0; }) &&
                  std::any_of(dashes.begin(), dashes.end(), [](double d) { return d > 0; });
    if (usable)
        cairo_set_dash(cr_, dashes.data(), static_cast<int>(dashes.size()), path.dashPhase);
    else
        cairo_set_dash(cr_, nullptr, 0, 0);
    cairo_stroke(cr_);
    cairo_set_dash(cr_, nullptr, 0, 0);
}

void CairoCanvas::drawText(const AttributedString& text, const Rect& frame, TextDrawingMode mode) {
    text::draw(cr_, text, frame, mode);
}

void CairoCanvas::drawImage(const Image& image, const Rect& frame) {
    if (!frame.isFinite() || frame.isEmpty()) return;
    if (const auto* pdf = dynamic_cast<const PdfPageSource*>(&image)) return place(pdf->pdfPage(), normalised(frame));
    if (const auto* drawable = dynamic_cast<const CairoDrawable*>(&image)) drawable->drawInto(cr_, normalised(frame));
}

void CairoCanvas::drawPdfPage(const PdfDocument& document) {
    const auto* pdf = dynamic_cast<const PdfPageSource*>(&document);
    if (!pdf) return;
    const Rect crop = document.cropBox();
    place(pdf->pdfPage(), {0, 0, crop.width, crop.height});
}

void CairoCanvas::place(const PdfFirstPage& page, const Rect& frame) {
    cairo_surface_t* standIn = placeholderFor ? placeholderFor(page) : nullptr;
    if (!standIn || cairo_surface_get_type(standIn) != CAIRO_SURFACE_TYPE_IMAGE) return;
    const int w = cairo_image_surface_get_width(standIn), h = cairo_image_surface_get_height(standIn);
    if (w <= 0 || h <= 0) return;
    // The whole stand-in fills the frame: the PDF writer's, one pixel, is
    // the unit square that the page's own box is later mapped onto.
    cairo_save(cr_);
    cairo_translate(cr_, frame.x, frame.y);
    cairo_scale(cr_, frame.width / w, frame.height / h);
    cairo_rectangle(cr_, 0, 0, w, h);
    cairo_clip(cr_);
    cairo_set_source_surface(cr_, standIn, 0, 0);
    cairo_paint(cr_);
    cairo_restore(cr_);
}
