#pragma once
// Whether page 1 of a PDF from outside (a logo, a background) may go into
// an invoice, judged by drawing it as the invoice's reader will: whole, at
// the size it is shown, at pdfbounds::judgedDpi, by poppler's two
// rasterisers. They are another program's (Provritning/PdfJudge.h, beside
// this one, checked from its file before it runs), run in a child process
// held to the limits every child has here (PdfObjectBounds.h); each
// renderer gets them whole: its own processor time, never the clock's, and
// the memory it allocates. A page that does not finish drawing within them
// is refused: the reader of an invoice holding it would pay as much, or
// more on a slower machine. Ordinary artwork takes a small fraction of them.
#include "Plattform/Geometry.h"
#include "Plattform/Ritning/BoundedProcess.h"
#include "Plattform/Ritning/PdfFirstPage.h"
#include "Plattform/Ritning/PdfObjectBounds.h"

#include <optional>
#include <span>
#include <string>

namespace pdfdrawing {

inline constexpr boundedprocess::Limits judgingLimits{.memory = pdfbounds::mostChildMemory,
                                                      .seconds = pdfbounds::mostChildSeconds};

// How many times its own size a page of `page` points is shown in a frame
// of `frame` points: as large as fits, its proportions kept (as images
// are placed). 1 when there is no frame or either size is no use.
double scaleInFrame(Size page, std::optional<Size> frame);
// The largest scale any of `frames` shows the page at; 1 when there is none.
double largestScaleIn(Size page, std::span<const Size> frames);

// Why the page, drawn at `scale` times its own size, is refused, as a
// clause ("drawing it takes more than 3 seconds of processor time"); none
// when both renderers draw it within `limits`. Work run in this process
// (boundedprocess::runInThisProcess: fuzz targets, tests of layout) does
// not judge.
std::optional<std::string> refusal(const PdfFirstPage& page, double scale,
                                   const boundedprocess::Limits& limits = judgingLimits);

}  // namespace pdfdrawing
