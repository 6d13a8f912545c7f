#pragma once
// The canvas on a cairo context. It keeps the context out of cairo's
// sticky error state: a map, clip or path that would put it there is
// refused, since after such an error cairo ignores everything drawn.
#include "Plattform/Ritning/Canvas.h"

#include <cairo.h>

#include <functional>

class PdfFirstPage;

class CairoCanvas : public Canvas {
public:
    explicit CairoCanvas(cairo_t* cr) : cr_(cr) {}

    // The image surface that stands for a PDF page (a logo, a background)
    // where it is drawn, scaled into its frame: the PDF writer's is one
    // pixel, which it later replaces by the page itself. A canvas without
    // it leaves PDF pages out.
    std::function<cairo_surface_t*(const PdfFirstPage&)> placeholderFor;

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
    void place(const PdfFirstPage& page, const Rect& frame);

    cairo_t* cr_;
    int depth_ = 0;  // saves not yet restored
};
