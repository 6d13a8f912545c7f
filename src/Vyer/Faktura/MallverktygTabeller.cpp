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

TabellerPåFot tabellerPåGemensamFotEfterRegel(const Fakturavy& vy, std::vector<Tabellplats> tabeller, double fot,
                                              const std::function<double(double)>& höjdAv, double högst) {
    double störst = 0;
    for (const Tabellplats& t : tabeller) störst = std::max(störst, uppmätt(vy, t.tabell, {t.bredd, 10000}).height);
    double höjd = höjdAv(störst);
    const double regelns = höjd;
    for (const Tabellplats& t : tabeller)
        höjd = std::max(höjd, höjdSomRymmer(vy, t.tabell, {t.x, fot - regelns, t.bredd, regelns}));
    TabellerPåFot ut{.höjd = std::min(höjd, högst)};
    for (Tabellplats& t : tabeller) {
        const Rect ram{t.x, fot - ut.höjd, t.bredd, ut.höjd};
        ut.passar = ut.passar && passadText(vy.mätare, t.tabell, ram.size()).passar;
        ut.objekt.push_back(tabelltext(vy, std::move(t.tabell), ram));
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

Rect underTabellen(const Fakturavy& vy, Rect ram, double fot) {
    const double under = std::ceil(fot) + 2;
    if (under > ram.y && under + ram.height <= vy.ramFörEnSida().maxY()) ram.y = under;
    return ram;
}

namespace {

// The frame of a table `h` high about its line, moved between `överst`
// and `nederst` as far as it must, then rounded to whole points.
Rect ramVidLinje(const Linjeval& val, double h, double överst = -std::numeric_limits<double>::infinity(),
                 double nederst = std::numeric_limits<double>::infinity()) {
    Rect ram{val.x, val.linje - val.andelOvanför * h, val.bredd, h + 1};
    ram.y = std::max(överst, std::min(ram.y, nederst - ram.height));
    if (val.avrundning == Avrundning::överkant) ram.y = std::round(ram.y);
    else ram = ram.integral();
    return ram;
}

Rect ramVidLinje(const Fakturavy& vy, const AttributedString& tabell, const Linjeval& val) {
    return ramVidLinje(val, uppmätt(vy, tabell, {val.bredd, 10000}).height);
}

}  // namespace

CachatObjekt tabellVidLinje(const Fakturavy& vy, AttributedString tabell, const Linjeval& val) {
    const Rect ram = ramVidLinje(vy, tabell, val);
    return tabelltext(vy, std::move(tabell), ram);
}

std::vector<CachatObjekt> tabellerVidLinjer(const Fakturavy& vy, std::vector<TabellVidLinje> tabeller) {
    // The frame stands one point higher than its text.
    auto rum = [](const TabellVidLinje& t) { return Size{t.val.bredd, t.nederst - t.överst - 1}; };
    double skala = 1;
    for (TabellVidLinje& t : tabeller) {
        PassadText p = passadText(vy.mätare, t.tabell, rum(t));
        // One too tall for its room even at 70 % takes the width it may have.
        if (t.bredast > t.val.bredd && !p.passar) {
            t.val.bredd = t.bredast;
            p = passadText(vy.mätare, t.tabell, rum(t));
        }
        skala = std::min(skala, p.skala);
    }
    std::vector<CachatObjekt> ut;
    for (TabellVidLinje& t : tabeller) {
        // A row too wide even at 70 % is set wrapped, as it was measured;
        // what its room cannot hold even so is cut there.
        AttributedString tabell = radbrutenDärDenMåste(vy.mätare, t.tabell, t.val.bredd);
        if (skala < 1) tabell = tabell.scaled(skala);
        if (uppmätt(vy, tabell, {t.val.bredd, 10000}).height > rum(t).height)
            tabell = avkortad(vy.mätare, tabell, rum(t));
        const Rect ram = ramVidLinje(t.val, uppmätt(vy, tabell, {t.val.bredd, 10000}).height, t.överst, t.nederst);
        ut.emplace_back(std::nullopt, std::nullopt, cachad::stringNeedingLayoutManager{std::move(tabell), ram});
    }
    return ut;
}

std::vector<CachatObjekt> tabellUnderTabell(const Fakturavy& vy, AttributedString övre, const Linjeval& övreVal,
                                            AttributedString undre, const Linjeval& undreVal, double mellanrum,
                                            const Kolumnrum& rum) {
    // A row too wide even at 70 % is set wrapped, as it is measured.
    övre = radbrutenDärDenMåste(vy.mätare, övre, övreVal.bredd);
    undre = radbrutenDärDenMåste(vy.mätare, undre, undreVal.bredd);
    struct Par {
        AttributedString övre, undre;
        Rect övreRam, undreRam;
        bool passar = true;
        bool bryterOrd = false;  // a word broken between characters for lack of room
    };
    auto bryter = [&](const AttributedString& t, double bredd) {
        return vy.mätare.extent(t, {0, 0, bredd, 0}, TextDrawingMode::layoutManager).brokeWord;
    };
    auto ställ = [&](int procent) {
        Par p{vidProcent(övre, procent), vidProcent(undre, procent)};
        p.övreRam = ramVidLinje(övreVal, uppmätt(vy, p.övre, {övreVal.bredd, 10000}).height, rum.överst);
        p.undreRam = ramVidLinje(undreVal, uppmätt(vy, p.undre, {undreVal.bredd, 10000}).height,
                                 -std::numeric_limits<double>::infinity(), rum.nederst);
        auto underDenÖvre = [&] { p.undreRam.y = std::max(p.undreRam.y, std::ceil(p.övreRam.maxY() + mellanrum)); };
        underDenÖvre();
        // Past the foot the upper one gives way upward, as far as the room
        // lets it.
        if (const double över = p.undreRam.maxY() - rum.nederst; över > 0 && p.övreRam.y > rum.överst) {
            p.övreRam.y = std::max(rum.överst, std::floor(p.övreRam.y - över));
            p.undreRam.y = std::max(p.övreRam.y, rum.nederst - p.undreRam.height);
            underDenÖvre();
        }
        p.passar = p.undreRam.maxY() <= rum.nederst + 0.5;
        p.bryterOrd = bryter(p.övre, övreVal.bredd) || bryter(p.undre, undreVal.bredd);
        return p;
    };
    Par par = ställ(100);
    std::vector<CachatObjekt> ut;
    if (par.passar) {
        ut.push_back(tabelltext(vy, std::move(par.övre), par.övreRam));
        ut.push_back(tabelltext(vy, std::move(par.undre), par.undreRam));
        return ut;
    }
    // Both set smaller by one factor, the largest whole percent that fits,
    // down to 70 %, and that breaks no word where one does.
    par = ställ(störstaProcentMedHelaOrd([&](int procent, bool helaOrd) {
                    const Par p = ställ(procent);
                    return p.passar && !(helaOrd && p.bryterOrd);
                }).value_or(minstaProcent));
    if (!par.passar) {
        // Cut, each keeping at least its share of the room by its height.
        const double höjder = par.övreRam.height + par.undreRam.height;
        const double andel = (rum.nederst - rum.överst - mellanrum) * par.undreRam.height / höjder;
        if (rum.nederst - par.undreRam.y < andel) {
            par.övreRam.height = std::max(1.0, rum.nederst - andel - mellanrum - par.övreRam.y);
            par.övre = avkortad(vy.mätare, par.övre, {övreVal.bredd, par.övreRam.height - 1});
            par.undreRam.y = rum.nederst - andel;
        }
        par.undreRam.height = rum.nederst - par.undreRam.y;
        par.undre = avkortad(vy.mätare, par.undre, {undreVal.bredd, par.undreRam.height - 1});
    }
    ut.emplace_back(std::nullopt, std::nullopt, cachad::stringNeedingLayoutManager{std::move(par.övre), par.övreRam});
    ut.emplace_back(std::nullopt, std::nullopt, cachad::stringNeedingLayoutManager{std::move(par.undre), par.undreRam});
    return ut;
}

CachatObjekt tabellKringPunkt(const Fakturavy& vy, AttributedString tabell, const Punktval& val) {
    // Rounded outward the frame may gain a point above and below.
    const double högst = val.högst - 3;
    PassadText passad = passadText(vy.mätare, tabell, {val.gränsbredd, högst});
    double gränsbredd = val.gränsbredd;
    std::optional<double> bredd = val.bredd;
    if (!passad.passar && val.bredast > gränsbredd) {
        gränsbredd = val.bredast;
        if (bredd) bredd = val.bredast;
        passad = passadText(vy.mätare, tabell, {gränsbredd, högst});
    }
    if (!passad.passar) passad.text = avkortad(vy.mätare, passad.text, {gränsbredd, högst});
    const Size s = uppmätt(vy, passad.text, {gränsbredd, 1000});
    const Rect ram{val.mitt.x - s.width / 2, val.mitt.y - s.height / 2, bredd.value_or(s.width + 1), s.height + 1};
    return tabelltext(vy, std::move(passad.text), ram.integral());
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
