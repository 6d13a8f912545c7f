#include "Pdfkontroll.h"

#include "Programkorning.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <regex>
#include <sstream>

namespace pdfkontroll {

namespace {

std::string körOchLäs(const std::string& program, const std::vector<std::string>& argument) {
    testhjalp::Körning k = testhjalp::körProgram(program, argument);
    EXPECT_EQ(k.status, 0) << program << ": " << k.fel;
    return k.ut;
}

std::string utanEntiteter(std::string text) {
    static const std::pair<const char*, const char*> entiteter[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&#39;", "'"}, {"&amp;", "&"}};
    for (const auto& [entitet, tecken] : entiteter)
        for (size_t p; (p = text.find(entitet)) != std::string::npos;) text.replace(p, std::strlen(entitet), tecken);
    return text;
}

}  // namespace

std::map<std::string, std::string> information(const std::filesystem::path& pdf) {
    std::map<std::string, std::string> info;
    std::istringstream rader(körOchLäs("pdfinfo", {pdf.string()}));
    for (std::string rad; std::getline(rader, rad);) {
        const size_t kolon = rad.find(':');
        if (kolon == std::string::npos) continue;
        const size_t värde = rad.find_first_not_of(' ', kolon + 1);
        info[rad.substr(0, kolon)] = värde == std::string::npos ? "" : rad.substr(värde);
    }
    return info;
}

std::vector<Typsnitt> typsnitt(const std::filesystem::path& pdf) {
    // name  type  encoding  emb sub uni object ID: the name is the first
    // column, the three yes/no columns stand before the last two.
    std::vector<Typsnitt> ut;
    std::istringstream rader(körOchLäs("pdffonts", {pdf.string()}));
    std::string rad;
    std::getline(rader, rad);
    std::getline(rader, rad);
    while (std::getline(rader, rad)) {
        std::istringstream fält(rad);
        std::vector<std::string> f;
        for (std::string s; fält >> s;) f.push_back(s);
        if (f.size() < 6) continue;
        std::string namn = f[0];
        if (namn.size() > 7 && namn[6] == '+') namn = namn.substr(7);
        ut.push_back({namn, f[f.size() - 5] == "yes", f[f.size() - 4] == "yes"});
    }
    return ut;
}

std::vector<std::string> typsnittsrader(const std::filesystem::path& pdf) {
    // name  type (may hold spaces)  encoding  emb sub uni  object ID (two)
    std::istringstream rader(körOchLäs("pdffonts", {pdf.string()}));
    std::string rad;
    std::getline(rader, rad);
    std::getline(rader, rad);
    std::vector<std::string> ut;
    while (std::getline(rader, rad)) {
        std::istringstream fält(rad);
        std::vector<std::string> f;
        for (std::string s; fält >> s;) f.push_back(s);
        const size_t n = f.size();
        if (n < 7) continue;
        std::string namn = f[0];
        if (namn.size() > 7 && namn[6] == '+') namn = namn.substr(7);
        std::string typ = f[1];
        for (size_t i = 2; i + 6 < n; ++i) typ += " " + f[i];
        ut.push_back(namn + " | " + typ + " | " + f[n - 6] + " | " + f[n - 5] + " | " + f[n - 4] + " | " + f[n - 3]);
    }
    return ut;
}

bool qpdfGodkänner(const std::filesystem::path& pdf, std::string& utskrift) {
    testhjalp::Körning k = testhjalp::körProgram("qpdf", {"--check", pdf.string()});
    utskrift = k.ut + k.fel;
    return k.status == 0 && k.ut.find("No syntax or stream encoding errors") != std::string::npos;
}

std::vector<Ord> ord(const std::filesystem::path& pdf) {
    const std::string xml = körOchLäs("pdftotext", {"-bbox-layout", pdf.string(), "-"});
    static const std::regex element(R"re(<page |<word xMin="([-0-9.]+)" yMin="([-0-9.]+)" xMax="([-0-9.]+)" yMax="([-0-9.]+)">([^<]*)</word>)re");
    std::vector<Ord> ut;
    int sida = 0;
    for (std::sregex_iterator i(xml.begin(), xml.end(), element), slut; i != slut; ++i) {
        const std::smatch& m = *i;
        if (!m[1].matched) {
            ++sida;
            continue;
        }
        const double x0 = std::stod(m[1]), y0 = std::stod(m[2]), x1 = std::stod(m[3]), y1 = std::stod(m[4]);
        ut.push_back({sida, {x0, y0, x1 - x0, y1 - y0}, utanEntiteter(m[5])});
    }
    return ut;
}

std::vector<Rect> rutorFörText(const std::vector<Ord>& ord, int sida, std::string_view text) {
    // Readers give no-break spaces as spaces.
    std::string mellanslag(text);
    for (std::string_view nbsp : {"\u00A0", "\u202F"})
        for (size_t p; (p = mellanslag.find(nbsp)) != std::string::npos;) mellanslag.replace(p, nbsp.size(), " ");
    std::vector<std::string> sökta;
    std::istringstream delar{mellanslag};
    for (std::string s; delar >> s;) sökta.push_back(s);
    std::vector<Rect> rutor;
    if (sökta.empty()) return rutor;
    for (size_t i = 0; i + sökta.size() <= ord.size(); ++i) {
        bool lika = true;
        for (size_t j = 0; j < sökta.size() && lika; ++j)
            lika = ord[i + j].sida == sida && ord[i + j].text == sökta[j];
        if (!lika) continue;
        Rect r = ord[i].ruta;
        for (size_t j = 1; j < sökta.size(); ++j) {
            const Rect& o = ord[i + j].ruta;
            const double x0 = std::min(r.minX(), o.minX()), y0 = std::min(r.minY(), o.minY());
            r = {x0, y0, std::max(r.maxX(), o.maxX()) - x0, std::max(r.maxY(), o.maxY()) - y0};
        }
        rutor.push_back(r);
    }
    return rutor;
}

std::optional<Rect> rutaFörText(const std::vector<Ord>& ord, int sida, std::string_view text) {
    auto rutor = rutorFörText(ord, sida, text);
    if (rutor.empty()) return std::nullopt;
    return rutor.front();
}

double Raster::vid(double x, double y) const {
    const int px = int(x * dpi / 72), py = int(y * dpi / 72);
    if (px < 0 || py < 0 || px >= bredd || py >= höjd) return 1;
    return ljus[size_t(py) * size_t(bredd) + size_t(px)];
}

std::vector<double> Raster::inom(const Rect& r) const {
    const double skala = dpi / 72;
    const int x0 = int(std::ceil(r.minX() * skala)) + 1, x1 = int(std::floor(r.maxX() * skala)) - 1;
    const int y0 = int(std::ceil(r.minY() * skala)) + 1, y1 = int(std::floor(r.maxY() * skala)) - 1;
    std::vector<double> ut;
    for (int y = std::max(y0, 0); y < std::min(y1, höjd); ++y)
        for (int x = std::max(x0, 0); x < std::min(x1, bredd); ++x) ut.push_back(ljus[size_t(y) * size_t(bredd) + size_t(x)]);
    return ut;
}

Raster rastrera(const std::filesystem::path& pdf, int sida, int dpi) {
    const std::string data = körOchLäs("pdftoppm", {"-r", std::to_string(dpi), "-gray", "-f", std::to_string(sida), "-l",
                                                    std::to_string(sida), "-singlefile", pdf.string()});
    std::istringstream in(data);
    std::string magi;
    int maxvärde = 0;
    Raster r;
    r.dpi = dpi;
    in >> magi >> r.bredd >> r.höjd >> maxvärde;
    in.get();
    EXPECT_EQ(magi, "P5");
    const size_t början = size_t(in.tellg());
    EXPECT_EQ(data.size() - början, size_t(r.bredd) * size_t(r.höjd));
    for (size_t i = början; i < data.size(); ++i) r.ljus.push_back(static_cast<unsigned char>(data[i]) / double(maxvärde));
    return r;
}

std::vector<std::pair<Ord, Ord>> överlappandeOrd(const std::vector<Ord>& ord, int sida) {
    std::vector<const Ord*> påSidan;
    for (const Ord& o : ord)
        if (o.sida == sida && o.text.find_first_not_of('.') != std::string::npos) påSidan.push_back(&o);
    std::vector<std::pair<Ord, Ord>> par;
    for (size_t i = 0; i < påSidan.size(); ++i)
        for (size_t j = i + 1; j < påSidan.size(); ++j) {
            const Rect& a = påSidan[i]->ruta;
            const Rect& b = påSidan[j]->ruta;
            const double bredd = std::min(a.maxX(), b.maxX()) - std::max(a.minX(), b.minX());
            const double höjd = std::min(a.maxY(), b.maxY()) - std::max(a.minY(), b.minY());
            const double minsta = std::min(a.width * a.height, b.width * b.height);
            if (bredd > 0.5 && höjd > 0.5 && minsta > 0 && bredd * höjd > minsta / 6)
                par.emplace_back(*påSidan[i], *påSidan[j]);
        }
    return par;
}

bool inom(const Rect& ruta, const Rect& ram, double marginal) {
    return ruta.minX() >= ram.minX() - marginal && ruta.maxX() <= ram.maxX() + marginal &&
           ruta.minY() >= ram.minY() - marginal && ruta.maxY() <= ram.maxY() + marginal;
}

}  // namespace pdfkontroll
