#include "Exempel/HandskrivenPdf.h"

#include <cstdio>

Bytes pdfAvObjekt(const std::vector<std::string>& objekt) {
    std::string pdf = "%PDF-1.4\n";
    std::vector<size_t> lägen;
    for (size_t i = 0; i < objekt.size(); ++i) {
        lägen.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + objekt[i] + "\nendobj\n";
    }
    const size_t tabell = pdf.size();
    pdf += "xref\n0 " + std::to_string(objekt.size() + 1) + "\n0000000000 65535 f \n";
    for (size_t läge : lägen) {
        char rad[24];
        std::snprintf(rad, sizeof rad, "%010zu 00000 n \n", läge);
        pdf += rad;
    }
    pdf += "trailer\n<< /Size " + std::to_string(objekt.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
           std::to_string(tabell) + "\n%%EOF\n";
    return Bytes(pdf.begin(), pdf.end());
}

std::string pdfStröm(const std::string& poster, const std::string& data) {
    return "<< " + poster + " /Length " + std::to_string(data.size()) + " >>\nstream\n" + data + "\nendstream";
}
