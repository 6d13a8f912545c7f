#pragma once
// What the cairo canvas asks of images and PDF pages: to draw themselves
// scaled into a frame. Kept out of Image.h and PdfDocument.h so that only
// the platform's drawing code sees cairo.
#include "Plattform/Geometry.h"

#include <cairo.h>

class CairoDrawable {
public:
    virtual ~CairoDrawable() = default;
    // Draws the whole of it into `frame` (finite, not empty).
    virtual void drawInto(cairo_t* cr, const Rect& frame) const = 0;
};
