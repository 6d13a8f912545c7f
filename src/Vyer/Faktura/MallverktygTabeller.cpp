#include "Vyer/Faktura/MallverktygTabeller.h"

#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygFakta.h"

#include <algorithm>
#include <cmath>

namespace mallverktyg {

TabellerPåFot tabellerPåGemensamFot(const Fakturavy& vy, std::vector<Tabellplats> tabeller, double fot,
                                    const std::function<double(double)>& höjdAv) {
    TabellerPåFot ut;
    for (const Tabellplats& t : tabeller) ut.höjd = std::max(ut.höjd, uppmätt(vy, t.tabell, {t.bredd, 10000}).height);
    if (höjdAv) ut.höjd = std::max(0.0, höjdAv(ut.höjd));
    for (Tabellplats& t : tabeller)
        ut.objekt.push_back(tabelltext(std::move(t.tabell), {t.x, fot - ut.höjd, t.bredd, ut.höjd}));
    return ut;
}

Datalista mottagarfakta(const Fakturavy& vy) {
    return fakta(vy, {Fakt::mottagare, Fakt::mottagaradress, Fakt::erReferens, Fakt::vårReferens, Fakt::kundnummer,
                      Fakt::personnummer, Fakt::personnummer2, Fakt::fastighetsbeteckning, Fakt::lägenhetsnummer,
                      Fakt::mottagarensMomsregistreringsnummer, Fakt::inköpsordernummer, Fakt::leveranssätt,
                      Fakt::leveransdatum, Fakt::leveransadress});
}

Datalista avsändarfakta(const Fakturavy& vy) {
    Datalista lista = fakta(vy, {Fakt::avsändare, Fakt::säte, Fakt::organisationsnummer, Fakt::momsregistreringsnummer,
                                 Fakt::telefon, Fakt::fax, Fakt::email, Fakt::hemsida, Fakt::avsändaradress});
    for (Datapost& post : vy.betalningsinformation()) lista.push_back(std::move(post));
    return lista;
}

Faktatabeller mottagarOchAvsändartabeller(const Fakturavy& vy, const TextAttributes& etikettattribut,
                                          const TextAttributes& värdeattribut) {
    Faktatabeller t{vy.tabellMedData(mottagarfakta(vy), etikettattribut, värdeattribut, false, true).tabell,
                    vy.tabellMedData(avsändarfakta(vy), etikettattribut, värdeattribut, false, true).tabell};
    riktaUppTabbarIKolumn(t.mottagare, t.avsändare);
    return t;
}

CachatObjekt tabellVidLinje(const Fakturavy& vy, AttributedString tabell, double x, double bredd, double linje,
                            double andelOvanför, Avrundning avrundning) {
    const double h = uppmätt(vy, tabell).height;
    Rect ram{x, linje - andelOvanför * h, bredd, h + 1};
    if (avrundning == Avrundning::överkant) ram.y = std::round(ram.y);
    else ram = ram.integral();
    return tabelltext(std::move(tabell), ram);
}

}  // namespace mallverktyg
