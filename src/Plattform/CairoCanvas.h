#pragma once
// The canvas on a cairo context. It keeps the context out of cairo's
// sticky error state: a map, clip or path that would put it there is
// refused, since after such an error cairo ignores everything drawn.
#include "Plattform/Canvas.h"

#include <cairo.h>

#include <functional>

class CairoCanvas : public Canvas {
public:
    explicit CairoCanvas(cairo_t* cr) : cr_(cr) {}

    // Asked by drawPdfPage while nothing is drawn, clipped or moved on the
    // page yet: when it answers true, the page is put under this one some
    // other way (the PDF writer refers to it) and not drawn here.
    std::function<bool(const PdfDocument&)> underlay;

    void save() override;
    void restore() override;
    void clip(const Rect& r) override;
    bool concat(const AffineTransform& t) override;
    void fill(const BezierPath& path, const Color& color) override;
    void stroke(const BezierPath& path, const Color& color) override;
    void drawText(const AttributedString& text, const Rect& frame, TextDrawingMode mode) override;
    void drawImage(const Image& image, const Rect& frame) override;
    void drawPdfPage(const PdfDocument& document) override;

private:
    bool setPath(const BezierPath& path);
    void setColor(const Color& color);

    cairo_t* cr_;
    int depth_ = 0;  // saves not yet restored
    bool untouched_ = true;  // nothing drawn, clipped or moved yet
};
