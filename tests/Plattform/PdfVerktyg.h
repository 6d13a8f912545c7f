#pragma once
// Reading our PDFs back with poppler-utils and qpdf, so tests check what a
// reader sees: text positions (pdftotext -bbox-layout), embedded fonts
// (pdffonts), syntax (qpdf --check) and pixels (pdftoppm).
#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace testhjalp {

struct PdfWord {
    std::string text;
    double xMin, yMin, xMax, yMax;
};

struct PdfFont {
    std::string name;  // without the subset tag
    bool embedded, subset;
};

// Writes the bytes to a file that lives as long as the object.
class PdfFil {
public:
    explicit PdfFil(const std::vector<uint8_t>& bytes);
    ~PdfFil();
    const std::filesystem::path& path() const { return path_; }

    // Words in reading order of each page, page by page.
    std::vector<PdfWord> words() const;
    std::vector<PdfFont> fonts() const;
    // qpdf --check passes without warnings.
    bool passesQpdfCheck() const;
    // A pdfinfo field ("Title", "Pages", "Page size", ...), as printed.
    std::string info(const std::string& field) const;
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

// The first word with this text; fails the test when there is none.
PdfWord findWord(const std::vector<PdfWord>& words, const std::string& text);

// The colour of one pixel of a rendered page as 0xRRGGBB.
uint32_t pixelAt(cairo_surface_t* image, int x, int y);

}  // namespace testhjalp
