#include "Kommandorad/Fakturafil.h"

std::string filnamnFörFaktura(std::string_view nummer) {
    std::string namn;
    if (nummer.empty() || nummer.front() == '.') namn = "_";
    for (char c : nummer) namn += c == '/' || c == '\0' ? '_' : c;
    return namn + ".pdf";
}

std::string sökvägFörFaktura(std::string_view katalog, std::string_view nummer) {
    std::string sökväg(katalog);
    if (sökväg.empty() || sökväg.back() != '/') sökväg += '/';
    return sökväg + filnamnFörFaktura(nummer);
}
