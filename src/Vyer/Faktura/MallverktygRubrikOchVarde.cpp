#include "Vyer/Faktura/MallverktygRubrikOchVarde.h"

#include "Modell/Fakturor/Fakturaliknande.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/Rumsplan.h"

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

std::string villkorOchFörfallodatum(const Fakturavy& vy) {
    return vy.rubrikFörBetalningsvillkor() + " " + vy.rubrikFörDagar() + "  \u2022  " + vy.rubrikFörFörfallodatum() +
           " " + Fakturavy::datumtext(vy.f.förfallodatum());
}

void villkorOchAttBetala(rumsplan::Plan& plan, const Fakturavy& vy, Spalt spalt, const TextAttributes& villkorsattribut,
                         const TextAttributes& beloppsrubrikattribut, const TextAttributes& beloppsattribut) {
    if (vy.följesedel) return;
    plan.text("terms", AttributedString(villkorOchFörfallodatum(vy), villkorsattribut), {spalt.x, 698, spalt.bredd, 17});
    plan.text("amount to pay",
              rubrikOchVärde(vy.rubrikFörBeloppAttBetala(), beloppsrubrikattribut, vy.belopp(vy.f.attBetala()),
                             beloppsattribut),
              {spalt.x, 679, spalt.bredd, 21}, {.rum = Rect{spalt.x, 679, spalt.bredd, 19}});
}

}  // namespace mallverktyg
