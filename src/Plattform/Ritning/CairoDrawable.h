#pragma once
// What the cairo canvas asks of raster and module images: to draw
// themselves scaled into a frame (a PDF page is put in as stored instead,
// PdfPageSource.h). Kept out of Image.h so that only the platform's
// drawing code sees cairo.
#include "Plattform/Geometry.h"

#include <cairo.h>

class CairoDrawable {
public:
    virtual ~CairoDrawable() = default;
    // Draws the whole of it into `frame` (finite, not empty).
    virtual void drawInto(cairo_t* cr, const Rect& frame) const = 0;
};
