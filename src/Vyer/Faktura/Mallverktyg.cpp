#include "Vyer/Faktura/Mallverktyg.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Land.h"
#include "Modell/Skatteavdrag.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace mallverktyg {

CachatObjekt text(std::string_view text, const TextAttributes& attribut, const Rect& ram) {
    return CachatObjekt(AttributedString(text, attribut), ram);
}

std::vector<double> kolumnbredder(std::vector<double> önskade, double bredd, double mellanrum) {
    if (önskade.empty()) return önskade;
    const double rum = std::max(0.0, bredd - mellanrum * static_cast<double>(önskade.size() - 1));
    double summa = 0;
    for (double b : önskade) summa += b;
    if (summa <= rum) return önskade;
    // The common width c of the widest: the narrower, taken from the
    // narrowest up, keep theirs while the rest share what is left evenly.
    std::vector<double> stigande = önskade;
    std::sort(stigande.begin(), stigande.end());
    double kvar = rum, tak = 0;
    for (size_t i = 0; i < stigande.size(); ++i) {
        tak = kvar / static_cast<double>(stigande.size() - i);
        if (stigande[i] >= tak) break;
        kvar -= stigande[i];
    }
    for (double& b : önskade) b = std::min(b, tak);
    return önskade;
}

std::vector<double> isärIRaden(const std::vector<double>& bredder, const std::vector<double>& mittpunkter,
                               double mellanrum, double vänster, double höger) {
    struct Grupp {
        size_t antal = 0;
        double bredd = 0;
        double önskat = 0;  // the sum of the left edges its boxes wish for the group
        double x = 0;
    };
    auto placera = [&](Grupp& g) {
        g.x = std::clamp(g.önskat / static_cast<double>(g.antal), vänster, std::max(vänster, höger - g.bredd));
    };
    // Left to right each box starts a group; a group that comes too near
    // the one before takes it in, the wish of each box its own left edge
    // less where it stands in the group.
    std::vector<Grupp> grupper;
    for (size_t i = 0; i < bredder.size(); ++i) {
        Grupp ny{1, bredder[i], mittpunkter[i] - bredder[i] / 2};
        placera(ny);
        while (!grupper.empty() && grupper.back().x + grupper.back().bredd + mellanrum > ny.x) {
            const Grupp& före = grupper.back();
            const double steg = före.bredd + mellanrum;
            const double önskat = före.önskat + ny.önskat - steg * static_cast<double>(ny.antal);
            ny = {före.antal + ny.antal, steg + ny.bredd, önskat};
            placera(ny);
            grupper.pop_back();
        }
        grupper.push_back(ny);
    }
    std::vector<double> x;
    for (const Grupp& g : grupper) {
        double kant = g.x;
        for (size_t k = 0; k < g.antal; ++k) {
            x.push_back(kant);
            kant += bredder[x.size() - 1] + mellanrum;
        }
    }
    return x;
}

CachatObjekt kontur(const Rect& ram, double linjebredd, const Color& färg, double hörnradie) {
    BezierPath väg = hörnradie > 0 ? BezierPath::roundedRect(ram, hörnradie, hörnradie) : BezierPath::rect(ram);
    väg.lineWidth = linjebredd;
    return CachatObjekt(std::nullopt, std::nullopt, cachad::path{std::move(väg), std::nullopt, färg});
}

CachatObjekt streck(const std::vector<Sträcka>& sträckor, double linjebredd, const Color& färg) {
    BezierPath väg;
    for (const Sträcka& s : sträckor) {
        väg.moveTo(s.från);
        väg.lineTo(s.till);
    }
    väg.lineWidth = linjebredd;
    return CachatObjekt(std::nullopt, std::nullopt, cachad::path{std::move(väg), std::nullopt, färg});
}

CachatObjekt panel(const Rect& ram, double hörnradie, const Color& fyllning) {
    return CachatObjekt(std::nullopt, std::nullopt,
                        cachad::path{BezierPath::roundedRect(ram, hörnradie, hörnradie), fyllning, std::nullopt});
}

CachatObjekt roteradText(std::string_view text, const TextAttributes& attribut, const Rect& ram, Point vid,
                         double vinkel) {
    return roteradText(AttributedString(text, attribut), ram, vid, vinkel);
}

CachatObjekt roteradText(AttributedString text, const Rect& ram, Point vid, double vinkel) {
    return CachatObjekt(std::move(text), ram, AffineTransform::translation(vid.x, vid.y).rotated(vinkel));
}

const std::string punktledare(45, '.');

CachatObjekt textUppåt(std::string_view text, const TextAttributes& attribut, const Rect& ram, Point vid) {
    return textUppåt(AttributedString(text, attribut), ram, vid);
}

CachatObjekt textUppåt(AttributedString text, const Rect& ram, Point vid) {
    return roteradText(std::move(text), ram, vid, -std::numbers::pi / 2);
}

Color mörkadFörVitText(Color färg, double kontrast) {
    auto luminans = [](const Color& c) {
        auto kanal = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * kanal(c.red) + 0.7152 * kanal(c.green) + 0.0722 * kanal(c.blue);
    };
    while (1.05 / (luminans(färg) + 0.05) < kontrast) {
        färg.red *= 0.98, färg.green *= 0.98, färg.blue *= 0.98;
    }
    return färg;
}

std::optional<std::string> datum(const std::optional<Datum>& datum) {
    if (!datum) return std::nullopt;
    return Fakturavy::datumtext(*datum);
}

Datalista rotOchRutUppgifter(const Fakturavy& vy) {
    const Skatteavdrag avdrag = vy.f.skatteavdrag();
    std::optional<std::string> personnummer1, personnummer2, fastighetsbeteckning, lägenhetsnummer;
    if (const auto* rot = avdrag.somRot()) {
        personnummer1 = rot->personnummer1, personnummer2 = rot->personnummer2;
        if (rot->uppgifter) {
            if (const auto* hus = rot->uppgifter->somHus()) fastighetsbeteckning = hus->fastighetsbeteckning;
            if (const auto* bostadsrätt = rot->uppgifter->somBostadsrätt())
                lägenhetsnummer = bostadsrätt->lägenhetsnummer;
        }
    } else if (const auto* rut = avdrag.somRut()) {
        personnummer1 = rut->personnummer1, personnummer2 = rut->personnummer2;
    }
    return {{vy.rubrikFörPersonnummer(), personnummer1},
            {vy.rubrikFörPersonnummer2(), personnummer2},
            {vy.rubrikFörFastighetsbeteckning(), fastighetsbeteckning},
            {vy.rubrikFörLägenhetsnummer(), lägenhetsnummer}};
}

std::string landFörAvsändaradressen(const Fakturavy& vy) {
    if (auto adress = vy.f.mottagaradress()) return adress->land;
    return std::string(kod(vy.b.land));
}

}  // namespace mallverktyg
