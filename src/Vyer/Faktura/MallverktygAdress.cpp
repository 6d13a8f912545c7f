#include "Vyer/Faktura/MallverktygAdress.h"

namespace mallverktyg {

std::string adressIEttStycke(std::string_view adress) {
    std::string ut;
    auto lägg = [&](std::string_view rad) {
        const auto a = rad.find_first_not_of(" \t"), b = rad.find_last_not_of(" \t");
        if (a == std::string_view::npos) return;
        rad = rad.substr(a, b - a + 1);
        if (!ut.empty()) ut += std::string_view(",;:").find(ut.back()) == std::string_view::npos ? ", " : " ";
        ut += rad;
    };
    // Lines end at a line separator, a line feed or a carriage return.
    size_t början = 0;
    for (size_t i = 0; i < adress.size();) {
        const size_t längd = adress.compare(i, 3, "\u2028") == 0 ? 3 : (adress[i] == '\n' || adress[i] == '\r') ? 1 : 0;
        if (längd == 0) {
            ++i;
            continue;
        }
        lägg(adress.substr(början, i - början));
        i += längd;
        början = i;
    }
    lägg(adress.substr(början));
    return ut;
}

rumsplan::Rum& adresskolumn(rumsplan::Plan& plan, std::string namn, const Rect& yta,
                            const std::vector<RubriceradAdress>& adresser) {
    return rumMedAdresser(plan, std::move(namn), yta, int(adresser.size()), [&](rumsplan::Rum& rum, int ihop) {
        for (size_t i = 0; i < adresser.size(); ++i) {
            const RubriceradAdress& a = adresser[i];
            const Rect& r = a.ram;
            rum.block(a.namn,
                      {{a.rubrik, {r.x, r.y, r.width, a.rubrikhöjd}},
                       {AttributedString(i + ihop >= adresser.size() ? adressIEttStycke(a.adress) : a.adress, a.attribut),
                        {r.x, r.y + 11, r.width, r.height}}},
                      {.avstånd = i == 0 ? 0.0 : 2.0});
        }
    });
}

}  // namespace mallverktyg
