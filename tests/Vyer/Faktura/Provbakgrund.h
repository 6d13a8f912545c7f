#pragma once
// Background PDFs for user-template tests, made here rather than by the
// code under test: a page drawn with cairo, and a page whose media box and
// crop box differ, written out by hand.
#include "Plattform/Bytes.h"
#include "Plattform/Geometry.h"

#include <cairo.h>

#include <functional>

namespace prov {

// A one-page PDF of that size in points; `rita` draws on it in cairo's
// top-down page space.
Bytes bakgrundspdf(double bredd, double höjd, const std::function<void(cairo_t*)>& rita = {});

// A one-page PDF with these boxes (x, y, width, height in the file's own
// bottom-up space) and a filled rectangle at `ruta` in the same space.
Bytes pdfMedLådor(const Rect& mediabox, const Rect& cropbox, const Rect& ruta);

}  // namespace prov
