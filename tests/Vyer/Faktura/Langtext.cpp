#include "Langtext.h"

#include <cctype>
#include <cstdio>
#include <sstream>

namespace långtext {

namespace {

std::string numrerat(const std::string& förled, int n, int siffror) {
    char tal[16];
    std::snprintf(tal, sizeof tal, "%0*d", siffror, n);
    return förled + tal;
}

// The word's head before its digits: "ord" of "ord0001".
std::string förledet(const std::string& ord) {
    size_t i = ord.size();
    while (i > 0 && std::isdigit(static_cast<unsigned char>(ord[i - 1]))) --i;
    return ord.substr(0, i);
}

bool numreratMed(const std::string& ord, const std::string& förled) {
    if (ord.size() <= förled.size() || !ord.starts_with(förled)) return false;
    for (size_t i = förled.size(); i < ord.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(ord[i]))) return false;
    return true;
}

std::vector<std::string> ordI(const std::string& text) {
    std::istringstream s(text);
    std::vector<std::string> ut;
    for (std::string o; s >> o;) ut.push_back(o);
    return ut;
}

}  // namespace

std::string ord(const std::string& förled, int antal) {
    std::string ut;
    for (int i = 1; i <= antal; ++i) ut += (i > 1 ? " " : "") + numrerat(förled, i, 4);
    return ut;
}

std::string ordTill(const std::string& förled, size_t längd) {
    std::string ut;
    for (int i = 1;; ++i) {
        const std::string nästa = (i > 1 ? " " : "") + numrerat(förled, i, 5);
        if (ut.size() + nästa.size() > längd) return ut;
        ut += nästa;
    }
}

std::string ettOrd(size_t längd) {
    std::string ut;
    for (unsigned i = 0; ut.size() < längd; ++i) {
        ut += 'z';
        for (int bit = 9; bit >= 0; --bit) ut += (i >> bit) & 1 ? 'y' : 'x';
    }
    ut.resize(längd);
    return ut;
}

std::vector<std::string> treLångaPoster() { return {ord("ett", 600), ettOrd(10000), ordTill("tre", 10000)}; }

std::string brister(const std::vector<pdfkontroll::Ord>& ord, const std::string& text) {
    const std::vector<std::string> väntade = ordI(text);
    if (väntade.size() == 1) {
        std::string lästa;
        for (const auto& o : ord)
            if (o.text.find_first_not_of("xyz") == std::string::npos) lästa += o.text;
        if (lästa == text) return "";
        size_t i = 0;
        while (i < lästa.size() && i < text.size() && lästa[i] == text[i]) ++i;
        return "the word of " + std::to_string(text.size()) + " letters reads " + std::to_string(lästa.size()) +
               " letters, the same up to letter " + std::to_string(i);
    }
    const std::string förled = förledet(väntade.front());
    std::vector<std::string> lästa;
    for (const auto& o : ord)
        if (numreratMed(o.text, förled)) lästa.push_back(o.text);
    if (lästa == väntade) return "";
    size_t i = 0;
    while (i < lästa.size() && i < väntade.size() && lästa[i] == väntade[i]) ++i;
    return "of " + std::to_string(väntade.size()) + " words \"" + förled + "...\" the PDF reads " +
           std::to_string(lästa.size()) + ", in order up to " +
           (i < väntade.size() ? "\"" + väntade[i] + "\"" : std::string("the last")) +
           (i < lästa.size() ? ", where it reads \"" + lästa[i] + "\"" : std::string());
}

}  // namespace långtext
