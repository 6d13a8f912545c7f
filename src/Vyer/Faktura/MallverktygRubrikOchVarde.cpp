#include "Vyer/Faktura/MallverktygRubrikOchVarde.h"

#include "Modell/Fakturor/Fakturaliknande.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/Textpassning.h"

namespace mallverktyg {

AttributedString rubrikOchVärde(std::string_view rubrik, const TextAttributes& rubrikattribut, std::string_view värde,
                                const TextAttributes& värdeattribut) {
    AttributedString text(std::string(rubrik) + " ", rubrikattribut);
    text.append(värde, värdeattribut);
    return text;
}

AttributedString rubrikÖverVärde(std::string_view rubrik, const TextAttributes& rubrikattribut, std::string_view värde,
                                 const TextAttributes& värdeattribut) {
    AttributedString text(versaler(rubrik) + std::string(paragraphSeparator), rubrikattribut);
    text.append(värde, värdeattribut);
    return text;
}

std::vector<AttributedString> rubrikerÖverVärden(const Datalista& data, const TextAttributes& rubrikattribut,
                                                 const TextAttributes& värdeattribut) {
    std::vector<AttributedString> texter;
    for (const Datapost& post : data)
        if (post.rubrik && post.värde)
            texter.push_back(rubrikÖverVärde(*post.rubrik, rubrikattribut, *post.värde, värdeattribut));
    return texter;
}

namespace {

// A row's texts and its height at the stack's width.
struct Stapelrad {
    std::vector<AttributedString> texter;
    double höjd = 0;
};

}  // namespace

Stapel stapladeRader(const Fakturavy& vy, std::vector<std::vector<AttributedString>> rader, const Stapelval& val) {
    // Measured at the frame's width: a value that wraps there pushes the
    // next row down instead of running into it.
    auto radernaI = [&](int procent) {
        std::vector<Stapelrad> ut;
        for (const auto& rad : rader) {
            Stapelrad r;
            for (const AttributedString& text : rad) {
                r.texter.push_back(vidProcent(text, procent));
                r.höjd = std::max(r.höjd, uppmätt(vy, r.texter.back(), {val.bredd, 10000}).height);
            }
            if (r.höjd > 0) ut.push_back(std::move(r));
        }
        return ut;
    };
    auto slutet = [&](const std::vector<Stapelrad>& r, double avstånd) {
        double y = val.överkant;
        for (size_t i = 0; i < r.size(); ++i) y += r[i].höjd + (i + 1 < r.size() ? avstånd : 1);
        return y;
    };
    int procent = 100;
    std::vector<Stapelrad> satta = radernaI(100);
    if (slutet(satta, val.avstånd) > val.fot) {
        procent = störstaProcent([&](int p) { return slutet(radernaI(p), val.avstånd * p / 100) <= val.fot; })
                      .value_or(minstaProcent);
        satta = radernaI(procent);
    }
    const double avstånd = val.avstånd * procent / 100;

    Stapel stapel;
    stapel.slut = val.överkant;
    size_t senasteRadensTexter = 0;
    auto lägg = [&](std::vector<AttributedString> texter, double y, double höjd) {
        senasteRadensTexter = texter.size();
        double x = val.x;
        for (AttributedString& text : texter) {
            stapel.objekt.emplace_back(std::move(text), Rect{x, y, val.bredd, höjd + 1});
            x += val.kolumnsteg;
        }
        stapel.slut = y + höjd + 1;
    };
    double y = val.överkant;
    for (size_t i = 0; i < satta.size(); ++i) {
        Stapelrad& rad = satta[i];
        if (y + rad.höjd + 1 <= val.fot + 0.5) {
            lägg(std::move(rad.texter), y, rad.höjd);
            y += rad.höjd + avstånd;
            continue;
        }
        // Past the foot even at 70 %: the row keeps what ends above it.
        stapel.avkortad = true;
        const Size rum{val.bredd, val.fot - y - 1};
        bool någonRad = false;
        for (AttributedString& text : rad.texter) {
            const auto rader = vy.mätare.lines(text, val.bredd, TextDrawingMode::fromTopLeft);
            någonRad = någonRad || (!rader.empty() && rader.front().bottom <= rum.height + 0.5);
            text = avkortad(vy.mätare, text, rum, TextDrawingMode::fromTopLeft);
        }
        if (någonRad) {
            lägg(std::move(rad.texter), y, rum.height);
        } else {
            // Room for not one line of it: the row above gives up its last
            // line to the ellipsis instead, in its tallest text.
            AttributedString* högst = nullptr;
            double högstHöjd = 0;
            for (size_t k = stapel.objekt.size() - senasteRadensTexter; k < stapel.objekt.size(); ++k) {
                auto* t = std::get_if<cachad::string>(&stapel.objekt[k].data);
                const double h = t ? uppmätt(vy, t->string, {val.bredd, 10000}).height : 0;
                if (t && h > högstHöjd) högst = &t->string, högstHöjd = h;
            }
            if (högst) *högst = utanSistaRaden(vy.mätare, *högst, val.bredd, TextDrawingMode::fromTopLeft);
        }
        break;
    }
    return stapel;
}

std::vector<CachatObjekt> staplade(const Fakturavy& vy, std::vector<AttributedString> texter, const Stapelval& val) {
    std::vector<std::vector<AttributedString>> rader;
    for (AttributedString& text : texter) rader.push_back({std::move(text)});
    return stapladeRader(vy, std::move(rader), val).objekt;
}

std::string villkorOchFörfallodatum(const Fakturavy& vy) {
    return vy.rubrikFörBetalningsvillkor() + " " + vy.rubrikFörDagar() + "  \u2022  " + vy.rubrikFörFörfallodatum() +
           " " + Fakturavy::datumtext(vy.f.förfallodatum());
}

std::vector<CachatObjekt> villkorOchAttBetala(const Fakturavy& vy, Spalt spalt,
                                              const TextAttributes& villkorsattribut,
                                              const TextAttributes& beloppsrubrikattribut,
                                              const TextAttributes& beloppsattribut) {
    std::vector<CachatObjekt> objekt;
    if (vy.följesedel) return objekt;
    objekt.push_back(text(villkorOchFörfallodatum(vy), villkorsattribut, {spalt.x, 698, spalt.bredd, 17}));
    objekt.emplace_back(
        rubrikOchVärde(vy.rubrikFörBeloppAttBetala(), beloppsrubrikattribut, vy.belopp(vy.f.attBetala()), beloppsattribut),
        Rect{spalt.x, 679, spalt.bredd, 21});
    return objekt;
}

}  // namespace mallverktyg
