#pragma once
// What the cairo canvas asks of images and documents that are page 1 of a
// PDF: the page, which a PDF we write takes in as it is stored instead of
// drawing it. Kept out of Image.h and PdfDocument.h, as CairoDrawable.h is.
#include "Plattform/Ritning/PdfFirstPage.h"

class PdfPageSource {
public:
    virtual ~PdfPageSource() = default;
    virtual const PdfFirstPage& pdfPage() const = 0;
};
