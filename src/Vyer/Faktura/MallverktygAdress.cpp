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

}  // namespace mallverktyg
