#include "Vyer/Faktura/MallverktygTabeller.h"

#include "Modell/Bokforing.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/MallverktygRum.h"
#include "Vyer/Faktura/Textpassning.h"

#include <algorithm>
#include <cmath>

namespace mallverktyg {

TabellerPåFot tabellerPåGemensamFot(const Fakturavy& vy, std::vector<Tabellplats> tabeller, double fot,
                                    const std::function<double(double)>& höjdAv) {
    TabellerPåFot ut;
    for (const Tabellplats& t : tabeller) ut.höjd = std::max(ut.höjd, uppmätt(vy, t.tabell, {t.bredd, 10000}).height);
    if (höjdAv) ut.höjd = std::max(0.0, höjdAv(ut.höjd));
    for (Tabellplats& t : tabeller)
        ut.objekt.push_back(tabelltext(vy, std::move(t.tabell), {t.x, fot - ut.höjd, t.bredd, ut.höjd}));
    return ut;
}

TabellerPåFot tabellerPåGemensamFotInom(const Fakturavy& vy, std::vector<Tabellplats> tabeller, double fot,
                                        double högst, double yttersta) {
    double höjd = 0;
    for (const Tabellplats& t : tabeller) höjd = std::max(höjd, uppmätt(vy, t.tabell, {t.bredd, 10000}).height);
    if (höjd <= högst) return tabellerPåGemensamFot(vy, std::move(tabeller), fot);
    double skala = 1;
    bool passar = true;
    for (const Tabellplats& t : tabeller) {
        const PassadText p = passadText(vy.mätare, t.tabell, {t.bredd, högst});
        skala = std::min(skala, p.skala);
        passar = passar && p.passar;
    }
    // A row too wide even at 70 % is set wrapped, as it was measured.
    for (Tabellplats& t : tabeller) t.tabell = radbrutenDärDenMåste(vy.mätare, t.tabell, t.bredd).scaled(skala);
    TabellerPåFot ut = tabellerPåGemensamFot(vy, std::move(tabeller), fot);
    ut.passar = passar;
    if (ut.höjd <= yttersta) return ut;
    ut.höjd = yttersta;
    for (CachatObjekt& o : ut.objekt) {
        auto& t = std::get<cachad::stringNeedingLayoutManager>(o.data);
        t.frame = {t.frame.x, fot - yttersta, t.frame.width, yttersta};
        t.string = avkortad(vy.mätare, t.string, t.frame.size());
    }
    return ut;
}

TabellerPåFot faktaPåGemensamFot(const Fakturavy& vy, Datalista vänsterData, Datalista högerData,
                                 const std::function<AttributedString(const Datalista&)>& tabell, const Fotval& val) {
    auto påFot = [&](const Datalista& v, const Datalista& h) {
        return tabellerPåGemensamFotInom(
            vy, {{tabell(v), val.vänster.x, val.vänster.bredd}, {tabell(h), val.höger.x, val.höger.bredd}}, val.fot,
            val.fot - val.överkant);
    };
    TabellerPåFot tabeller = påFot(vänsterData, högerData);
    // Rows a table leaves out would move without lowering anything.
    std::erase_if(högerData, [](const Datapost& post) { return !post.rubrik || !post.värde; });
    while (!tabeller.passar && högerData.size() > 1) {
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
                                                            const TextAttributes& namnattribut,
                                                            const Avsändartabellval& val) {
    constexpr double fot = 807, namnhöjd = 18;
    TabellerPåFot tabeller = faktaPåGemensamFot(
        vy, fakta(vy, {Fakt::avsändaradress, Fakt::organisationsnummer, Fakt::momsregistreringsnummer}),
        faktaOchBetalning(vy, {Fakt::telefon, Fakt::fax, Fakt::email, Fakt::hemsida}),
        [&](const Datalista& data) {
            return vy.tabellMedData(data, etikettattribut, värdeattribut, {.fetStilPåFörstaRaden = true}).tabell;
        },
        {.vänster = {56, val.adressbredd},
         .höger = {210, val.kontaktbredd},
         .fot = fot,
         .överkant = val.namnetUnder + namnhöjd});
    // A long name takes a second line above its own while the room lasts.
    tabeller.objekt.push_back(växandeSträng(vy, AttributedString(vy.b.namn, namnattribut),
                                            {55, fot - tabeller.höjd - namnhöjd, 271, namnhöjd},
                                            {.riktning = Växer::uppåt, .gräns = val.namnetUnder, .växerFörst = true}));
    return std::move(tabeller.objekt);
}

void företagsnamnÖverAvsändartabellerIRum(const Fakturavy& vy, rumsplan::Plan& plan,
                                          const TextAttributes& etikettattribut,
                                          const TextAttributes& värdeattribut,
                                          const TextAttributes& namnattribut, const Avsändartabellval& val) {
    constexpr double fot = 807, namnhöjd = 18;
    auto tabell = [&](const Datalista& data) {
        return vy.tabellMedData(data, etikettattribut, värdeattribut, {.fetStilPåFörstaRaden = true}).tabell;
    };
    const Tabellplats tabeller[] = {
        {tabell(fakta(vy, {Fakt::avsändaradress, Fakt::organisationsnummer, Fakt::momsregistreringsnummer})), 56,
         val.adressbredd},
        {tabell(faktaOchBetalning(vy, {Fakt::telefon, Fakt::fax, Fakt::email, Fakt::hemsida})), 210,
         val.kontaktbredd},
    };
    double höjd = 0;
    for (const Tabellplats& t : tabeller) höjd = std::max(höjd, uppmätt(vy, t.tabell, {t.bredd, 10000}).height);
    std::vector<rumsplan::Text> texter;
    for (const Tabellplats& t : tabeller)
        texter.push_back({t.tabell, {t.x, fot - höjd, t.bredd, höjd}, rumsplan::Sättning::tabell});
    const double bredd = std::max(55.0 + 271, 210 + val.kontaktbredd) - 55;
    plan.rum("sender", {55, val.namnetUnder, bredd, fot - val.namnetUnder})
        .block("sender name", {AttributedString(vy.b.namn, namnattribut), {55, fot - höjd - namnhöjd, 271, namnhöjd}})
        .block("sender tables", std::move(texter), {.förankring = rumsplan::Förankring::påFoten(fot)});
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
    Faktatabeller t{
        vy.tabellMedData(mottagarfakta(vy), etikettattribut, värdeattribut, {.fetStilPåFörstaRaden = true}).tabell,
        vy.tabellMedData(avsändarfakta(vy), etikettattribut, värdeattribut, {.fetStilPåFörstaRaden = true}).tabell};
    riktaUppTabbarIKolumn(t.mottagare, t.avsändare);
    return t;
}

double höjdSomRymmer(const Fakturavy& vy, const AttributedString& tabell, const Rect& ram) {
    const PassadText passad = passadText(vy.mätare, tabell, {ram.width, ram.height});
    return passad.passar ? ram.height : std::max(ram.height, passad.storlek.height);
}

Faktaraderna faktaraderIRum(const Fakturavy& vy, rumsplan::Rum& rum, const Datalista& data,
                            const TextAttributes& etikett, const TextAttributes& värde, const Dataradsval& val) {
    std::vector<Fakturavy::Faktarad> rader = vy.faktarader(data, etikett, värde, val);
    Faktaraderna ut{rader.size(), val.startposition.y};
    for (Fakturavy::Faktarad& rad : rader) {
        ut.fot = std::max({ut.fot, rad.rubrikram.maxY(), rad.värderam.maxY()});
        rum.block("fact", {{std::move(rad.rubrik), rad.rubrikram, val.paddning ? rumsplan::Sättning::medLedare
                                                                              : rumsplan::Sättning::sträng},
                           {std::move(rad.värde), rad.värderam}});
    }
    return ut;
}

Rect underTabellen(const Fakturavy& vy, Rect ram, double fot) {
    const double under = std::ceil(fot) + 2;
    if (under > ram.y && under + ram.height <= vy.ramFörEnSida().maxY()) ram.y = under;
    return ram;
}

}  // namespace mallverktyg

std::vector<CachatObjekt> mallverktyg::faktatabellerIKolumn(Fakturavy& vy, Faktatabeller tabeller, const Rect& rum,
                                                            Kolumnlinjer linjer, rumsplan::Avrundning avrundning) {
    using rumsplan::Förankring;
    rumsplan::Plan plan(vy);
    plan.rum("recipient and sender", rum)
        .block("recipient",
               {std::move(tabeller.mottagare), {rum.x, linjer.mottagare, rum.width, 1}, rumsplan::Sättning::tabell},
               {.förankring = Förankring::kring(linjer.mottagare, 0.5, avrundning)})
        .block("sender",
               {std::move(tabeller.avsändare), {rum.x, linjer.avsändare, rum.width, 1}, rumsplan::Sättning::tabell},
               {.avstånd = 13,
                .förankring = Förankring::kring(linjer.avsändare, linjer.andelAvAvsändarenOvanför, avrundning),
                .underPåHelPunkt = true});
    return std::move(plan).placera();
}
