#include "Plattform/Ritning/HandmadePdf.h"

#include <zlib.h>

#include <cstdio>

namespace testhjalp {

std::vector<uint8_t> handmadePdf(const std::vector<HandmadePage>& pages, const std::vector<std::string>& more) {
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
        if (!p.resources.empty()) page += " /Resources << " + p.resources + " >>";
        page += " /Contents " + std::to_string(4 + 2 * i) + " 0 R >>";
        objects.push_back(page);
        objects.push_back(pdfStröm(p.contentEntries, p.content));
    }
    objects.insert(objects.end(), more.begin(), more.end());
    return pdfAvObjekt(objects);
}

std::vector<uint8_t> chainedArraysPdf(int links) {
    std::vector<std::string> chain;
    for (int i = 0; i < links; ++i) chain.push_back("[" + std::to_string(6 + i) + " 0 R]");
    chain.back() = "[0]";
    return handmadePdf({{.resources = "/Chain 5 0 R"}}, chain);
}

std::string meshShadingEntries() {
    return "/ShadingType 4 /ColorSpace /DeviceRGB /BitsPerCoordinate 16 /BitsPerComponent 8 /BitsPerFlag 8 "
           "/Decode [0 595 0 842 0 1 0 1 0 1]";
}

std::string meshShadingData(int triangles) {
    // A vertex: its flag, x and y in 16 bits each, red, green and blue. The
    // first triangle takes three vertices, each further one a vertex more.
    std::string data;
    uint32_t state = 1;
    for (int i = 0; i < triangles + 2; ++i) {
        state = state * 1103515245u + 12345u;
        const uint8_t vertex[8] = {uint8_t(i < 3 ? 0 : 1), uint8_t(state >> 24), uint8_t(state >> 16),
                                   uint8_t(i * 37 >> 8),   uint8_t(i * 37),     uint8_t(i),
                                   uint8_t(state >> 8),    uint8_t(128)};
        data.append(reinterpret_cast<const char*>(vertex), sizeof vertex);
    }
    return data;
}

std::vector<uint8_t> xrefClaimingPdf(int objects) {
    // Entries of three bytes 01 01 01 (in use, at offset 1, generation 1)
    // for objects 5 on: three runs of 128 bytes hold 128 entries.
    const int entries = objects / 128 * 128;
    std::string runs;
    for (int i = 0; i < entries / 128 * 3; ++i) runs += "\x81\x01";
    runs += '\x80';
    const std::string size = std::to_string(5 + entries);
    std::vector<uint8_t> pdf = pdfAvObjekt(
        {"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
         "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 100] >>",
         pdfStröm("/Type /XRef /Size " + size + " /Index [5 " + std::to_string(entries) +
                            "] /W [1 1 1] /Filter /RunLengthDecode",
                        runs)});
    // The claim joins the table through the trailer's /XRefStm.
    std::string text(pdf.begin(), pdf.end());
    const size_t stream = text.find("4 0 obj");
    text.replace(text.find("/Size 5 /Root 1 0 R"), 19, "/Size " + size + " /Root 1 0 R /XRefStm " + std::to_string(stream));
    return {text.begin(), text.end()};
}

std::string deflated(const std::string& data) {
    uLongf size = compressBound(uLong(data.size()));
    std::string out(size, '\0');
    compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
              uLong(data.size()), 9);
    out.resize(size);
    return out;
}

namespace {

std::string big32(uint32_t v) {
    return {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
}

std::string repeated(const std::string& text, size_t times) {
    std::string s;
    s.reserve(text.size() * times);
    for (size_t i = 0; i < times; ++i) s += text;
    return s;
}

// One A4 page with this content and these resources, objects from 5 on.
std::vector<uint8_t> a4(const std::string& content, const std::string& resources,
                        const std::vector<std::string>& more) {
    return handmadePdf({{.mediaBox = "0 0 595 842", .content = content, .resources = resources}}, more);
}

// A page painting one mesh shading (object 5) of these entries and
// decoded data.
std::vector<uint8_t> meshPdf(const std::string& entries, const std::string& data) {
    return a4("/Sh sh", "/Shading << /Sh 5 0 R >>",
              {pdfStröm(entries + " /Filter /FlateDecode", deflated(data))});
}

}  // namespace

std::string jbig2PageInformation(uint32_t width, uint32_t height) {
    // Segment 0, type 48 (page information) with a one-byte page number,
    // refers to no segment, of page 1; 19 bytes: width, height, both
    // resolutions, flags, striping.
    return big32(0) + std::string("\x30\x00\x01", 3) + big32(19) + big32(width) + big32(height) + big32(0) + big32(0) +
           std::string(3, '\0');
}

std::vector<uint8_t> imagePdf(const std::string& filterEntries, const std::string& data,
                              const std::vector<std::string>& more) {
    return a4("q 595 0 0 842 0 0 cm /Im Do Q", "/XObject << /Im 5 0 R >>",
              [&] {
                  std::vector<std::string> objects = {
                      pdfStröm("/Type /XObject /Subtype /Image /Width 10 /Height 10 /ColorSpace /DeviceGray "
                               "/BitsPerComponent 8 " + filterEntries,
                               data)};
                  objects.insert(objects.end(), more.begin(), more.end());
                  return objects;
              }());
}

namespace {

// A page filled once with a tiling pattern of cells of `step` points.
std::vector<uint8_t> tilingPdf(double step) {
    char cell[160];
    std::snprintf(cell, sizeof cell,
                  "/Type /Pattern /PatternType 1 /PaintType 1 /TilingType 1 /BBox [0 0 %g %g] /XStep %g /YStep %g "
                  "/Resources << >>",
                  step, step, step, step);
    char content[64];
    std::snprintf(content, sizeof content, "0 0 0 rg 0 0 %g %g re f", step / 2, step / 2);
    return a4("/Pattern cs /P scn 0 0 595 842 re f", "/Pattern << /P 5 0 R >>", {pdfStröm(cell, content)});
}

// A function shading over the page whose PostScript function runs
// `operators` operators.
std::vector<uint8_t> functionShadingPdf(int operators) {
    // x y -> x x x, by way of `operators` operators that leave x as it is.
    const std::string code = "{ pop " + repeated("dup pop ", size_t(operators / 2)) + "dup dup }";
    return a4("/Sh sh", "/Shading << /Sh 5 0 R >>",
              {"<< /ShadingType 1 /ColorSpace /DeviceRGB /Domain [0 1 0 1] /Matrix [595 0 0 842 0 0] "
               "/Function 6 0 R >>",
               pdfStröm("/FunctionType 4 /Domain [0 1 0 1] /Range [0 1 0 1 0 1] /Filter /FlateDecode",
                        deflated(code))});
}


// Meshes of 1-bit coordinates and grey over the page: a vertex of a
// free-form mesh is a byte (every three a triangle of half the page), of a
// lattice too (two a row), a Coons patch four bytes.
const std::string oneBit = "/ColorSpace /DeviceGray /BitsPerCoordinate 1 /BitsPerComponent 1 /Decode [0 595 0 842 0 1]";
std::vector<uint8_t> oneBitFreeForm(size_t bytes) {
    // Flag 0, x and y of (0 0), (1 0), (0 1).
    return meshPdf("/ShadingType 4 /BitsPerFlag 2 " + oneBit, repeated(std::string("\x00\x20\x10", 3), bytes / 3));
}
std::vector<uint8_t> oneBitLattice(size_t bytes) {
    return meshPdf("/ShadingType 5 /VerticesPerRow 2 " + oneBit,
                   repeated(std::string("\x00\x80\x40\xC0", 4), bytes / 4));
}
std::vector<uint8_t> oneBitCoons(size_t patches) {
    return meshPdf("/ShadingType 6 /BitsPerFlag 2 " + oneBit, repeated("\x0F\x0F\x0F\x0C", patches));
}

// An image of 1 x 1 in its dictionary, a JBIG2 page of this size.
std::vector<uint8_t> jbig2Pdf(uint32_t side) {
    return a4("q 595 0 0 842 0 0 cm /Im Do Q", "/XObject << /Im 5 0 R >>",
              {pdfStröm("/Type /XObject /Subtype /Image /Width 1 /Height 1 /ColorSpace /DeviceGray "
                        "/BitsPerComponent 1 /Filter /JBIG2Decode",
                        jbig2PageInformation(side, side))});
}

}  // namespace

std::vector<HostilePdf> hostilePdfs() {
    std::vector<HostilePdf> all;
    // 5 MiB of vertices, 2 MiB of patches.
    all.push_back({"free-form mesh of 1-bit coordinates", oneBitFreeForm(5 << 20)});
    all.push_back({"lattice mesh of 1-bit coordinates", oneBitLattice(5 << 20)});
    all.push_back({"Coons patch mesh of 1-bit coordinates", oneBitCoons((2 << 20) / 4)});
    // 2 500 triangles of 16-bit coordinates across the page in 20 KB,
    // painted ten times.
    all.push_back({"mesh of 20 KB painted ten times",
                   a4(repeated("/Sh sh\n", 10), "/Shading << /Sh 5 0 R >>",
                      {pdfStröm(meshShadingEntries(), meshShadingData(2500))})});
    // The dictionary says 1 x 1, the page information 100 000 x 100 000.
    all.push_back({"JBIG2 image of 1 x 1 whose page is 100 000 x 100 000", jbig2Pdf(100'000)});
    // A baseline JPEG frame header of 30 000 x 30 000 pixels in three
    // components, and a JPEG 2000 SIZ segment of as many, each in an image
    // of 10 x 10.
    all.push_back({"JPEG whose frame is 30 000 x 30 000",
                   imagePdf("/Filter /DCTDecode", std::string("\xFF\xD8\xFF\xC0\x00\x11\x08", 7) + "\x75\x30\x75\x30\x03" +
                                                      std::string("\x01\x11\x00\x02\x11\x00\x03\x11\x00", 9))});
    std::string siz = std::string("\xFF\x4F\xFF\x51\x00\x2F\x00\x00", 8) + big32(30'000) + big32(30'000) + big32(0) +
                      big32(0) + big32(30'000) + big32(30'000) + big32(0) + big32(0) + std::string("\x00\x03", 2) +
                      repeated(std::string("\x07\x01\x01", 3), 3);
    all.push_back({"JPEG 2000 image whose codestream is 30 000 x 30 000", imagePdf("/Filter /JPXDecode", siz)});
    all.push_back({"tiling pattern of 0.01 pt cells", tilingPdf(0.01)});
    all.push_back({"function shading of 200 000 operators", functionShadingPdf(200'000)});
    return all;
}

}  // namespace testhjalp
