#include "PdfVerktyg.h"

#include "Programkorning.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace fs = std::filesystem;

namespace testhjalp {

PdfFil::PdfFil(const std::vector<uint8_t>& bytes) {
    static std::atomic<int> counter{0};
    path_ = fs::temp_directory_path() /
            ("kontobok-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".pdf");
    std::ofstream(path_, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

PdfFil::~PdfFil() {
    std::error_code ignored;
    fs::remove(path_, ignored);
}

bool PdfFil::passesQpdfCheck() const {
    std::string said;
    bool passed = pdfkontroll::qpdfGodkänner(path_, said);
    EXPECT_TRUE(passed) << said;
    return passed;
}

cairo_surface_t* PdfFil::render(int page, int dpi) const {
    fs::path prefix = path_;
    prefix.replace_extension();
    Körning k = körProgram("pdftoppm", {"-r", std::to_string(dpi), "-f", std::to_string(page), "-l",
                                        std::to_string(page), "-singlefile", "-png", path_.string(), prefix.string()});
    EXPECT_EQ(k.status, 0) << k.fel;
    fs::path png = prefix.string() + ".png";
    cairo_surface_t* image = cairo_image_surface_create_from_png(png.c_str());
    std::error_code ignored;
    fs::remove(png, ignored);
    return image;
}

std::vector<uint8_t> handmadePdf(const std::vector<HandmadePage>& pages) {
    std::vector<std::string> objects;
    std::string kids;
    for (size_t i = 0; i < pages.size(); ++i) kids += std::to_string(3 + 2 * i) + " 0 R ";
    objects.push_back("<< /Type /Catalog /Pages 2 0 R >>");
    objects.push_back("<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages.size()) + " >>");
    for (size_t i = 0; i < pages.size(); ++i) {
        const HandmadePage& p = pages[i];
        std::string page = "<< /Type /Page /Parent 2 0 R /MediaBox [" + p.mediaBox + "]";
        if (!p.cropBox.empty()) page += " /CropBox [" + p.cropBox + "]";
        if (p.rotate) page += " /Rotate " + std::to_string(p.rotate);
        page += " /Contents " + std::to_string(4 + 2 * i) + " 0 R >>";
        objects.push_back(page);
        objects.push_back("<< /Length " + std::to_string(p.content.size()) + " >>\nstream\n" + p.content +
                          "\nendstream");
    }
    std::string pdf = "%PDF-1.4\n";
    std::vector<size_t> offsets;
    for (size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (size_t o : offsets) {
        char entry[24];
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", o);
        pdf += entry;
    }
    pdf += "trailer\n<< /Size " + std::to_string(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
           std::to_string(xref) + "\n%%EOF\n";
    return {pdf.begin(), pdf.end()};
}

Rect findWord(const std::vector<pdfkontroll::Ord>& words, const std::string& text) {
    for (const pdfkontroll::Ord& w : words)
        if (w.text == text) return w.ruta;
    ADD_FAILURE() << "no word \"" << text << "\"";
    return {};
}

uint32_t pixelAt(cairo_surface_t* image, int x, int y) {
    cairo_surface_flush(image);
    const unsigned char* row = cairo_image_surface_get_data(image) + y * cairo_image_surface_get_stride(image);
    uint32_t v;
    std::memcpy(&v, row + 4 * x, 4);
    return v & 0xFFFFFF;
}

}  // namespace testhjalp
