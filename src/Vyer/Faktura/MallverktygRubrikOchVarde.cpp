#include "Vyer/Faktura/MallverktygRubrikOchVarde.h"

#include "Modell/Fakturor/Fakturaliknande.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/Mallverktyg.h"

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

std::vector<CachatObjekt> staplade(const Fakturavy& vy, std::vector<AttributedString> texter, double x,
                                   double överkant, double bredd, double avstånd) {
    std::vector<CachatObjekt> objekt;
    double y = överkant;
    for (AttributedString& text : texter) {
        // Measured at the frame's width: a value that wraps there pushes the
        // next text down instead of running into it.
        const double h = uppmätt(vy, text, {bredd, 10000}).height;
        objekt.emplace_back(std::move(text), Rect{x, y, bredd, h + 1});
        y += h + avstånd;
    }
    return objekt;
}

std::string villkorOchFörfallodatum(const Fakturavy& vy) {
    return vy.rubrikFörBetalningsvillkor() + " " + vy.rubrikFörDagar() + "  \u2022  " + vy.rubrikFörFörfallodatum() +
           " " + Fakturavy::datumtext(vy.f.förfallodatum());
}

std::vector<CachatObjekt> villkorOchAttBetala(const Fakturavy& vy, double x, double bredd,
                                              const TextAttributes& villkorsattribut,
                                              const TextAttributes& beloppsrubrikattribut,
                                              const TextAttributes& beloppsattribut) {
    std::vector<CachatObjekt> objekt;
    if (vy.följesedel) return objekt;
    objekt.push_back(text(villkorOchFörfallodatum(vy), villkorsattribut, {x, 698, bredd, 17}));
    objekt.emplace_back(
        rubrikOchVärde(vy.rubrikFörBeloppAttBetala(), beloppsrubrikattribut, vy.belopp(vy.f.attBetala()), beloppsattribut),
        Rect{x, 679, bredd, 21});
    return objekt;
}

}  // namespace mallverktyg
