#include "Plattform/HandmadePdf.h"

#include <cstdio>

namespace testhjalp {

std::string handmadeStream(const std::string& entries, const std::string& data) {
    return "<< " + entries + " /Length " + std::to_string(data.size()) + " >>\nstream\n" + data + "\nendstream";
}

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
        objects.push_back(handmadeStream(p.contentEntries, p.content));
    }
    objects.insert(objects.end(), more.begin(), more.end());
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

}  // namespace testhjalp
