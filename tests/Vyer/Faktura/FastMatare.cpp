#include "FastMatare.h"

#include <algorithm>
#include <vector>

namespace {

struct Tecken {
    std::string text;  // one UTF-8 character
    double storlek;
    size_t början;     // its first byte in the text
};

std::vector<Tecken> tecken(const AttributedString& text) {
    std::vector<Tecken> ut;
    for (const auto& run : text.runs()) {
        double storlek = run.attributes.font ? run.attributes.font->pointSize : 12;
        size_t i = run.start, slut = run.start + run.length;
        while (i < slut) {
            size_t n = 1;
            unsigned char c = text.text()[i];
            if (c >= 0xF0) n = 4;
            else if (c >= 0xE0) n = 3;
            else if (c >= 0xC0) n = 2;
            ut.push_back({text.text().substr(i, n), storlek, i});
            i += n;
        }
    }
    return ut;
}

bool ärRadbrytning(const std::string& t) { return t == "\n" || t == "\u2028" || t == "\u2029"; }

}  // namespace

double FastMätare::bredd(const std::string& text, double teckenstorlek) {
    AttributedString s(text, TextAttributes{.font = Font{"", teckenstorlek}});
    return static_cast<double>(tecken(s).size()) * teckenstorlek / 2;
}

Size FastMätare::boundingSize(const AttributedString& text, Size bounds) const {
    if (auto it = fasta.find(text.text()); it != fasta.end()) return it->second;
    Size storlek;
    for (const TextLine& rad : sättIRader(text, bounds.width, &storlek.width)) storlek.height = rad.bottom;
    return storlek;
}

BoundedSize FastMätare::boundedSize(const AttributedString& text, Size bounds, const TextBound& bound) const {
    if (auto it = fasta.find(text.text()); it != fasta.end()) return {it->second, it->second.height, true};
    BoundedSize ut;
    for (const TextLine& rad : sättIRader(text, bounds.width, &ut.size.width)) {
        const double höjd = rad.bottom - rad.top;
        if (rad.top - höjd > bound.height || (rad.start > 0 && rad.start >= bound.bytes)) {
            ut.whole = false;
            break;
        }
        ut.size.height = rad.bottom;
        ut.tallestLine = std::max(ut.tallestLine, höjd);
    }
    return ut;
}

std::vector<TextLine> FastMätare::lines(const AttributedString& text, double width, TextDrawingMode) const {
    if (auto it = fasta.find(text.text()); it != fasta.end()) return {{0, 0, it->second.height}};
    std::vector<TextLine> rader = sättIRader(text, width, nullptr);
    flestRader = std::max(flestRader, rader.size());
    return rader;
}

std::vector<TextLine> FastMätare::sättIRader(const AttributedString& text, double bredd, double* bredast) const {
    std::vector<TextLine> rader;
    if (text.empty()) return rader;
    const ParagraphStyle standard;
    const ParagraphStyle* stil = text.paragraphStyleAt(0);
    if (!stil) stil = &standard;
    bool bryter = stil->lineBreakMode == LineBreakMode::wordWrapping ||
                  stil->lineBreakMode == LineBreakMode::charWrapping;
    double maxBredd = bryter && bredd > 0 ? bredd : 1e12;

    double höjd = 0, bredastRad = 0;
    double x = 0, radstorlek = 0;
    size_t radstart = 0;
    size_t senasteMellanrum = std::string::npos;  // index into the line's characters
    std::vector<Tecken> rad;
    // Ends the line; the next starts at byte `nästa`.
    auto avslutaRad = [&](bool styckeslut, size_t nästa) {
        double h = radstorlek * 1.2;
        if (stil->minimumLineHeight > 0) h = std::max(h, stil->minimumLineHeight);
        if (stil->maximumLineHeight > 0) h = std::min(h, stil->maximumLineHeight);
        rader.push_back({radstart, höjd, höjd + h});
        höjd += h;
        if (styckeslut) höjd += stil->paragraphSpacing;
        bredastRad = std::max(bredastRad, x);
        x = 0, radstorlek = 0, rad.clear(), senasteMellanrum = std::string::npos;
        radstart = nästa;
    };
    auto tabb = [&](double från) {
        for (const auto& t : stil->tabStops)
            if (t.location > från) return t.location;
        return från;
    };
    auto alla = tecken(text);
    for (size_t i = 0; i < alla.size(); ++i) {
        const Tecken& t = alla[i];
        if (ärRadbrytning(t.text)) {
            radstorlek = std::max(radstorlek, t.storlek);
            bool stycke = t.text != "\u2028";
            avslutaRad(stycke && i + 1 < alla.size(), t.början + t.text.size());
            continue;
        }
        double w = t.text == "\t" ? tabb(x) - x : t.storlek / 2;
        if (x + w > maxBredd && !rad.empty() && t.text != " ") {
            // Break at the last space of the line, else before this character.
            if (senasteMellanrum != std::string::npos && stil->lineBreakMode == LineBreakMode::wordWrapping) {
                std::vector<Tecken> rest(rad.begin() + senasteMellanrum + 1, rad.end());
                x = 0;
                for (size_t k = 0; k < senasteMellanrum; ++k) x += rad[k].storlek / 2;
                avslutaRad(false, rest.empty() ? t.början : rest.front().början);
                for (const auto& r : rest) x += r.storlek / 2, radstorlek = std::max(radstorlek, r.storlek);
                rad = rest;
            } else {
                avslutaRad(false, t.början);
            }
        }
        if (t.text == " ") senasteMellanrum = rad.size();
        rad.push_back(t);
        x += w;
        radstorlek = std::max(radstorlek, t.storlek);
    }
    if (!rad.empty() || radstorlek > 0) avslutaRad(false, text.length());
    if (bredast) *bredast = bredastRad;
    return rader;
}
