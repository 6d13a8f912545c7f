#pragma once
// Our PDFs in a temporary file, read back through Pdfkontroll.h (pdftotext,
// pdffonts, pdfinfo, qpdf) and rendered in colour; PDFs written by hand.
#include "Pdfkontroll.h"

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
    // Page `page` (from 1) rendered at `dpi`; the caller destroys it.
    cairo_surface_t* render(int page, int dpi) const;

private:
    std::filesystem::path path_;
};

// A PDF written by hand, one object per line, with a correct cross-
// reference table: for boxes and shapes our writer never makes.
struct HandmadePage {
    std::string mediaBox = "0 0 200 100";
    std::string cropBox;  // none when empty
    int rotate = 0;
    std::string content = "0 0 1 rg 10 10 50 30 re f";
};
std::vector<uint8_t> handmadePdf(const std::vector<HandmadePage>& pages);

// The box of the first word with this text; fails the test when there is none.
Rect findWord(const std::vector<pdfkontroll::Ord>& words, const std::string& text);

// The colour of one pixel of a rendered page as 0xRRGGBB.
uint32_t pixelAt(cairo_surface_t* image, int x, int y);

}  // namespace testhjalp
