#include "Vyer/Faktura/MallverktygRubrikOchVarde.h"

#include "Modell/Fakturor/Fakturaliknande.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/Textpassning.h"

#include <cmath>

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

std::vector<CachatObjekt> staplade(const Fakturavy& vy, std::vector<AttributedString> texter, const Stapelval& val) {
    // Measured at the frame's width: a value that wraps there pushes the
    // next text down instead of running into it.
    auto höjder = [&](const std::vector<AttributedString>& t) {
        std::vector<double> h;
        for (const AttributedString& text : t) h.push_back(uppmätt(vy, text, {val.bredd, 10000}).height);
        return h;
    };
    auto fot = [&](const std::vector<double>& h, double avstånd) {
        double y = val.överkant;
        for (size_t i = 0; i < h.size(); ++i) y += h[i] + (i + 1 < h.size() ? avstånd : 1);
        return y;
    };
    auto skalade = [&](int procent) {
        std::vector<AttributedString> t;
        for (const AttributedString& text : texter) t.push_back(text.scaled(procent / 100.0));
        return t;
    };
    double avstånd = val.avstånd;
    std::vector<double> h = höjder(texter);
    if (fot(h, avstånd) > val.fot) {
        // The largest whole percent down to 70 whose stack ends at the foot.
        int procent = static_cast<int>(std::lround(minstaTextskala * 100));
        for (int hi = 100; hi - procent > 1;) {
            const int mitt = (procent + hi) / 2;
            if (fot(höjder(skalade(mitt)), val.avstånd * mitt / 100) <= val.fot)
                procent = mitt;
            else
                hi = mitt;
        }
        texter = skalade(procent);
        h = höjder(texter);
        avstånd = val.avstånd * procent / 100;
    }
    std::vector<CachatObjekt> objekt;
    double y = val.överkant;
    for (size_t i = 0; i < texter.size(); ++i) {
        objekt.emplace_back(std::move(texter[i]), Rect{val.x, y, val.bredd, h[i] + 1});
        y += h[i] + avstånd;
    }
    return objekt;
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
