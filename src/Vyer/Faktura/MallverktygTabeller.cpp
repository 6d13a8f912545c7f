#include "Vyer/Faktura/MallverktygTabeller.h"

#include "Vyer/Faktura/Mallverktyg.h"

#include <algorithm>

namespace mallverktyg {

TabellerPåFot tabellerPåGemensamFot(const Fakturavy& vy, std::vector<Tabellplats> tabeller, double fot) {
    TabellerPåFot ut;
    for (const Tabellplats& t : tabeller) ut.höjd = std::max(ut.höjd, uppmätt(vy, t.tabell, {t.bredd, 10000}).height);
    for (Tabellplats& t : tabeller)
        ut.objekt.push_back(tabelltext(std::move(t.tabell), {t.x, fot - ut.höjd, t.bredd, ut.höjd}));
    return ut;
}

}  // namespace mallverktyg
