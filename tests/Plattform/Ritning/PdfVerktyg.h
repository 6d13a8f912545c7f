#pragma once
// Our PDFs in a temporary file, read back through Pdfkontroll.h (pdftotext,
// pdffonts, pdfinfo, qpdf) and rendered in colour; PDFs written by hand
// (HandmadePdf.h).
#include "Pdfkontroll.h"
#include "Plattform/Ritning/HandmadePdf.h"

#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace testhjalp {

// Writes the bytes to a file that lives as long as the object.
class PdfFil {
public:
    explicit PdfFil(const std::vector<uint8_t>& bytes);
    ~PdfFil();
    const std::filesystem::path& path() const { return path_; }

    std::vector<pdfkontroll::Ord> words() const { return pdfkontroll::ord(path_); }
    std::vector<pdfkontroll::Typsnitt> fonts() const { return pdfkontroll::typsnitt(path_); }
    bool passesQpdfCheck() const;
    // A pdfinfo field ("Title", "Pages", "Page size", ...), as printed.
    std::string info(const std::string& field) const { return pdfkontroll::information(path_)[field]; }
    // The pixel size of each image the PDF holds, as pdfimages lists them.
    std::vector<Size> imageSizes() const;
    // Page `page` (from 1) rendered at `dpi`; the caller destroys it.
    cairo_surface_t* render(int page, int dpi) const;

private:
    std::filesystem::path path_;
};

// The box of the first word with this text; fails the test when there is none.
Rect findWord(const std::vector<pdfkontroll::Ord>& words, const std::string& text);

// The colour of one pixel of a rendered page as 0xRRGGBB.
uint32_t pixelAt(cairo_surface_t* image, int x, int y);

}  // namespace testhjalp
