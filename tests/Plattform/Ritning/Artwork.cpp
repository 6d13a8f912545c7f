#include "Plattform/Ritning/Artwork.h"

#include "Plattform/Ritning/Bildprov.h"
#include "Plattform/Ritning/HandmadePdf.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace testhjalp {

namespace {

std::string number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", v);
    return text;
}

std::string repeated(const std::string& text, int times) {
    std::string s;
    s.reserve(text.size() * size_t(times));
    for (int i = 0; i < times; ++i) s += text;
    return s;
}

// One page of `width` x `height` pt, its content deflated.
std::vector<uint8_t> page(double width, double height, const std::string& content, const std::string& resources = "",
                          const std::vector<std::string>& more = {}) {
    return handmadePdf({{.mediaBox = "0 0 " + number(width) + " " + number(height),
                         .content = deflated(content),
                         .resources = resources,
                         .contentEntries = "/Filter /FlateDecode"}},
                       more);
}

std::vector<uint8_t> file(const std::string& name) {
    const std::filesystem::path p = std::filesystem::path(KONTOBOK_SOURCE_DIR) / "tests" / "data" / "artwork" / name;
    std::ifstream in(p, std::ios::binary);
    if (!in) throw std::runtime_error("missing test data file " + p.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A Coons patch mesh of n x n patches over a logo of 300 x 100 pt, the
// colour running across it: each patch its flag, twelve points of 16 bits
// and four colours, as a drawing program writes a gradient mesh.
std::vector<uint8_t> coonsMesh(int n) {
    const double width = 300, height = 100;
    std::string data;
    auto point = [&](double x, double y) {
        const auto u = uint16_t(std::lround(std::clamp(x / width, 0.0, 1.0) * 65535)),
                   v = uint16_t(std::lround(std::clamp(y / height, 0.0, 1.0) * 65535));
        data += {char(u >> 8), char(u), char(v >> 8), char(v)};
    };
    auto colour = [&](double x, double y) {
        data += {char(255 * x / width), char(255 * y / height), char(255 * (1 - x / width))};
    };
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i) {
            const double x0 = width * i / n, x1 = width * (i + 1) / n, y0 = height * j / n, y1 = height * (j + 1) / n;
            const double dx = (x1 - x0) / 3, dy = (y1 - y0) / 3, bulge = dx / 4;
            data += '\0';
            // Up the left edge, along the top, down the right, back along the
            // foot, the inner control points pulled aside a little.
            point(x0, y0), point(x0 + bulge, y0 + dy), point(x0 - bulge, y0 + 2 * dy), point(x0, y1);
            point(x0 + dx, y1), point(x0 + 2 * dx, y1), point(x1, y1);
            point(x1 + bulge, y1 - dy), point(x1 - bulge, y1 - 2 * dy), point(x1, y0);
            point(x1 - dx, y0), point(x1 - 2 * dx, y0);
            colour(x0, y0), colour(x0, y1), colour(x1, y1), colour(x1, y0);
        }
    return page(width, height, "/Sh sh", "/Shading << /Sh 5 0 R >>",
                {pdfStröm("/ShadingType 6 /ColorSpace /DeviceRGB /BitsPerCoordinate 16 /BitsPerComponent 8 "
                          "/BitsPerFlag 8 /Decode [0 300 0 100 0 1 0 1 0 1] /Filter /FlateDecode",
                          deflated(data))});
}

// A photograph of 2 400 x 1 600 pixels, a JPEG as a camera gives it,
// shown as a logo of 300 x 200 pt.
std::vector<uint8_t> photograph() {
    const int w = 2400, h = 1600;
    const std::vector<uint8_t> jpeg = bildprov::sparad("jpeg", w, h, [](int x, int y) {
        // Sky over hills, with grain.
        const int grain = int((uint32_t(x) * 2654435761u ^ uint32_t(y) * 40503u) >> 28);
        const bool sky = y < 700 + 120 * std::sin(x / 300.0);
        const int r = sky ? 90 + y / 12 : 40 + x / 40, g = sky ? 140 + y / 14 : 60 + y / 20, b = sky ? 220 - y / 20 : 50;
        auto channel = [&](int v) { return uint32_t(std::clamp(v + grain, 0, 255)); };
        return 0xFF000000u | channel(r) << 16 | channel(g) << 8 | channel(b);
    });
    return handmadePdf({{.mediaBox = "0 0 300 200",
                         .content = "q 300 0 0 200 0 0 cm /Im Do Q",
                         .resources = "/XObject << /Im 5 0 R >>"}},
                       {pdfStröm("/Type /XObject /Subtype /Image /Width " + std::to_string(w) + " /Height " +
                                     std::to_string(h) + " /ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /DCTDecode",
                                 std::string(jpeg.begin(), jpeg.end()))});
}

// A logo drawn in transparency groups: the page a group, shapes at half
// opacity multiplied over one another in a group of their own, and one
// shape under a luminosity soft mask of a gradient.
std::vector<uint8_t> transparencyGroups() {
    const std::string form = "/Type /XObject /Subtype /Form /BBox [0 0 300 100] /Group << /S /Transparency /I true >>";
    return handmadePdf(
        {{.mediaBox = "0 0 300 100",
          .content = "q /Shapes Do Q q /Masked gs 0.1 0.3 0.6 rg 180 10 110 80 re f Q",
          .resources = "/XObject << /Shapes 5 0 R >> /ExtGState << /Masked 6 0 R >>"}},
        {pdfStröm(form + " /Resources << /ExtGState << /Half 8 0 R >> >>",
                  "/Half gs 0.9 0.2 0.2 rg 10 10 100 80 re f 0.2 0.8 0.2 rg 60 20 100 70 re f 0.2 0.2 0.9 rg "
                  "40 40 120 50 re f"),
         "<< /Type /ExtGState /SMask << /Type /Mask /S /Luminosity /G 7 0 R >> >>",
         pdfStröm("/Type /XObject /Subtype /Form /BBox [0 0 300 100] /Group << /S /Transparency /CS /DeviceGray >> "
                  "/Resources << /Shading << /Sh << /ShadingType 2 /ColorSpace /DeviceGray /Coords [180 0 290 0] "
                  "/Function << /FunctionType 2 /Domain [0 1] /C0 [0] /C1 [1] /N 1 >> >> >> >>",
                  "/Sh sh"),
         "<< /Type /ExtGState /ca 0.5 /BM /Multiply >>"});
}

}  // namespace

std::vector<Artwork> ordinaryArtwork() {
    return {{"gradient mesh of 32 x 32 Coons patches", coonsMesh(32)},
            {"gradient mesh of 64 x 64 Coons patches", coonsMesh(64)},
            {"gradient mesh as ghostscript writes it", file("mesh-ghostscript.pdf")},
            {"photograph of 2400 x 1600 pixels", photograph()},
            {"transparency groups and a soft mask", transparencyGroups()},
            {"text in embedded fonts, by cairo", file("text-cairo.pdf")},
            {"A4 page of hatch patterns, by cairo", file("hatch-cairo.pdf")},
            {"A4 page of hatch patterns, by ghostscript", file("hatch-ghostscript.pdf")}};
}

Artwork chart(int points) {
    const double width = 600, height = 300;
    uint32_t state = 7;
    auto random = [&] {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / double(1 << 24);
    };
    const char* colours[] = {"0.12 0.47 0.71", "1 0.5 0.05", "0.17 0.63 0.17", "0.84 0.15 0.16",
                             "0.58 0.4 0.74", "0.55 0.34 0.29", "0.89 0.47 0.76", "0.5 0.5 0.5"};
    std::string content = "0.98 0.98 0.97 rg 0 0 600 300 re f 0.87 G 0.5 w\n";
    for (int i = 0; i <= 10; ++i) content += "40 " + number(20 + 25 * i) + " m 590 " + number(20 + 25 * i) + " l S\n";
    content += "0.8 w 1 j\n";
    for (int s = 0; s < 8; ++s) {
        double v = 50 + 20 * s;
        content += std::string(colours[s]) + " RG 40 " + number(v) + " m\n";
        for (int k = 1; k < points; ++k) {
            v = std::clamp(v + 4 * (random() - 0.5), 25.0, 270.0);
            content += number(40 + 550.0 * k / (points - 1)) + " " + number(v) + " l\n";
        }
        content += "S\n";
    }
    content += "/Half gs\n";
    for (int d = 0; d < points; ++d) {
        // A dot: a circle of four Bézier curves.
        const double x = 40 + random() * 550, y = 20 + random() * 250, r = 1.5 + 2 * random(), k = 0.5523 * r;
        auto at = [](double px, double py) { return number(px) + " " + number(py) + " "; };
        content += std::string(colours[d % 8]) + " rg " + at(x + r, y) + "m " + at(x + r, y + k) + at(x + k, y + r) +
                   at(x, y + r) + "c " + at(x - k, y + r) + at(x - r, y + k) + at(x - r, y) + "c " +
                   at(x - r, y - k) + at(x - k, y - r) + at(x, y - r) + "c " + at(x + k, y - r) + at(x + r, y - k) +
                   at(x + r, y) + "c f\n";
    }
    for (int b = 0; b < 24; ++b)
        content += std::string(colours[b % 8]) + " rg " + number(45 + 22.0 * b) + " 20 14 " +
                   number(20 + 120 * random()) + " re f\n";
    return {"chart of 8 series of " + std::to_string(points) + " points",
            page(width, height, content, "/ExtGState << /Half 5 0 R >>", {"<< /Type /ExtGState /ca 0.5 >>"})};
}

std::vector<Artwork> costlyDrawings(double width, double height, int share) {
    const std::string w = number(width), h = number(height);
    const std::string corner = number(width - 10) + " " + number(height - 10);
    // Each drawing is `times` of its unit of work.
    auto times = [&](int whole) { return whole / share; };
    std::string zigzag = "0 0 m\n", band = "0 " + number(height / 2) + " m\n";
    for (int i = 1; i <= times(200'000); ++i)
        zigzag += std::to_string(i % int(width)) + (i % 2 ? " " + h : " 0") + " l\n";
    // Every segment spans the page, at one of a thousand heights within
    // 1 pt: each crosses most others.
    for (int i = 1; i <= times(600'000); ++i)
        band += (i % 2 ? w : "0") + " " + number(height / 2 + (int64_t(i) * 7919 % 1000) / 1000.0) + " l\n";
    const std::string softMask =
        pdfStröm("/Type /XObject /Subtype /Form /BBox [0 0 " + w + " " + h +
                     "] /Group << /S /Transparency /CS /DeviceGray >>",
                 "0.5 g 0 0 " + w + " " + h + " re f");
    // Dashes as long as the whole's times `share`: as many, on the same
    // stroke, as the whole's over a `share`th of it.
    auto dash = [&](double whole) { return number(whole * share); };
    return {
        {"one stroke dashed [0.0001]", page(width, height, "1 w [" + dash(0.0001) + "] 0 d 10 10 m " + corner + " l S")},
        {"three segments dashed [0.001] stroked 100 times",
         page(width, height, "[" + dash(0.001) + "] 0 d\n" +
                                 repeated("10 10 m " + number(width - 10) + " 10 l " + corner + " l 10 " +
                                              number(height - 10) + " l S\n",
                                          100))},
        {"one fill of 200 000 segments zigzagging the full height", page(width, height, zigzag + "f")},
        {"200 000 fills of the page", page(width, height, repeated("0 0 " + w + " " + h + " re f\n", times(200'000)))},
        {"20 000 fills each under a luminosity soft mask",
         page(width, height, "0 0 1 rg\n" + repeated("q /M gs 0 0 " + w + " " + h + " re f Q\n", times(20'000)),
              "/ExtGState << /M 5 0 R >>", {"<< /Type /ExtGState /SMask << /S /Luminosity /G 6 0 R >> >>", softMask})},
        {"one fill of 600 000 segments crossing within 1 pt", page(width, height, band + "f")},
    };
}

}  // namespace testhjalp
