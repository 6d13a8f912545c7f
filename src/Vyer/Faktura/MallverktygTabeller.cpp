#include "Vyer/Faktura/MallverktygTabeller.h"

#include "Modell/Bokforing.h"
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

TabellerPåFot faktaPåGemensamFot(const Fakturavy& vy, Datalista vänsterData, Datalista högerData,
                                 const std::function<AttributedString(const Datalista&)>& tabell,
                                 Spalt vänster, Spalt höger, double fot, double överkant) {
    auto påFot = [&](const Datalista& v, const Datalista& h) {
        return tabellerPåGemensamFot(vy, {{tabell(v), vänster.x, vänster.bredd}, {tabell(h), höger.x, höger.bredd}},
                                     fot);
    };
    TabellerPåFot tabeller = påFot(vänsterData, högerData);
    // Rows a table leaves out would move without lowering anything.
    std::erase_if(högerData, [](const Datapost& post) { return !post.rubrik || !post.värde; });
    while (fot - tabeller.höjd < överkant && högerData.size() > 1) {
        Datalista längreVänster = vänsterData, kortareHöger(högerData.begin() + 1, högerData.end());
        längreVänster.push_back(högerData.front());
        TabellerPåFot jämnare = påFot(längreVänster, kortareHöger);
        if (jämnare.höjd >= tabeller.höjd) break;
        vänsterData = std::move(längreVänster), högerData = std::move(kortareHöger), tabeller = std::move(jämnare);
    }
    return tabeller;
}

std::vector<CachatObjekt> företagsnamnÖverAvsändartabeller(const Fakturavy& vy, const TextAttributes& etikettattribut,
                                                            const TextAttributes& värdeattribut,
                                                            const TextAttributes& namnattribut, double adressbredd,
                                                            double kontaktbredd, double namnetUnder) {
    constexpr double fot = 807, namnhöjd = 18;
    TabellerPåFot tabeller = faktaPåGemensamFot(
        vy, fakta(vy, {Fakt::avsändaradress, Fakt::organisationsnummer, Fakt::momsregistreringsnummer}),
        faktaOchBetalning(vy, {Fakt::telefon, Fakt::fax, Fakt::email, Fakt::hemsida}),
        [&](const Datalista& data) { return vy.tabellMedData(data, etikettattribut, värdeattribut, false, true).tabell; },
        {56, adressbredd}, {210, kontaktbredd}, fot, namnetUnder + namnhöjd);
    tabeller.objekt.push_back(text(vy.b.namn, namnattribut, {55, fot - tabeller.höjd - namnhöjd, 271, namnhöjd}));
    return std::move(tabeller.objekt);
}

Datalista mottagarfakta(const Fakturavy& vy) {
    return fakta(vy, {Fakt::mottagare, Fakt::mottagaradress, Fakt::erReferens, Fakt::vårReferens, Fakt::kundnummer,
                      Fakt::personnummer, Fakt::personnummer2, Fakt::fastighetsbeteckning, Fakt::lägenhetsnummer,
                      Fakt::mottagarensMomsregistreringsnummer, Fakt::inköpsordernummer, Fakt::leveranssätt,
                      Fakt::leveransdatum, Fakt::leveransadress});
}

Datalista avsändarfakta(const Fakturavy& vy) {
    return faktaOchBetalning(vy, {Fakt::avsändare, Fakt::säte, Fakt::organisationsnummer,
                                  Fakt::momsregistreringsnummer, Fakt::telefon, Fakt::fax, Fakt::email, Fakt::hemsida,
                                  Fakt::avsändaradress});
}

Faktatabeller mottagarOchAvsändartabeller(const Fakturavy& vy, const TextAttributes& etikettattribut,
                                          const TextAttributes& värdeattribut) {
    Faktatabeller t{vy.tabellMedData(mottagarfakta(vy), etikettattribut, värdeattribut, false, true).tabell,
                    vy.tabellMedData(avsändarfakta(vy), etikettattribut, värdeattribut, false, true).tabell};
    riktaUppTabbarIKolumn(t.mottagare, t.avsändare);
    return t;
}

double lyftInomSidan(const Fakturavy& vy, const AttributedString& tabell, const Rect& ram, double marginal) {
    const double nedersta = vy.ramFörEnSida().maxY() - marginal;
    return std::max(0.0, ram.y + uppmätt(vy, tabell, {ram.width, 10000}).height - nedersta);
}

Rect underTabellen(const Fakturavy& vy, Rect ram, double fot) {
    const double under = std::ceil(fot) + 2;
    if (under > ram.y && under + ram.height <= vy.ramFörEnSida().maxY()) ram.y = under;
    return ram;
}

CachatObjekt tabellVidLinje(const Fakturavy& vy, AttributedString tabell, double x, double bredd, double linje,
                            double andelOvanför, Avrundning avrundning) {
    const double h = uppmätt(vy, tabell).height;
    Rect ram{x, linje - andelOvanför * h, bredd, h + 1};
    if (avrundning == Avrundning::överkant) ram.y = std::round(ram.y);
    else ram = ram.integral();
    return tabelltext(std::move(tabell), ram);
}

CachatObjekt tabellKringPunkt(const Fakturavy& vy, AttributedString tabell, Point mitt, double gränsbredd,
                              std::optional<double> bredd) {
    const Size s = uppmätt(vy, tabell, {gränsbredd, 1000});
    const Rect ram{mitt.x - s.width / 2, mitt.y - s.height / 2, bredd.value_or(s.width + 1), s.height + 1};
    return tabelltext(std::move(tabell), ram.integral());
}

}  // namespace mallverktyg
