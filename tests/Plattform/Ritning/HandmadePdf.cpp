#include "Plattform/Ritning/HandmadePdf.h"

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

}  // namespace testhjalp
