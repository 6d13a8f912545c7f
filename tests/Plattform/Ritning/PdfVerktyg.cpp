#include "PdfVerktyg.h"

#include "Programkorning.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <fstream>
#include <sstream>

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

std::vector<Size> PdfFil::imageSizes() const {
    Körning k = körProgram("pdfimages", {"-list", path_.string()});
    EXPECT_EQ(k.status, 0) << k.fel;
    std::istringstream list(k.ut);
    std::vector<Size> sizes;
    std::string line;
    // Past the heading and its rule.
    for (int skip = 0; skip < 2 && std::getline(list, line); ++skip) {
    }
    while (std::getline(list, line)) {
        std::istringstream fields(line);
        std::string page, number, type;
        double width = 0, height = 0;
        if (fields >> page >> number >> type >> width >> height) sizes.push_back({width, height});
    }
    return sizes;
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
