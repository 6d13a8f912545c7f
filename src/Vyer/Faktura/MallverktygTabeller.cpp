#include "Vyer/Faktura/MallverktygTabeller.h"

#include "Modell/Bokforing.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/Textpassning.h"

#include <algorithm>
#include <cmath>

namespace mallverktyg {

namespace {

// How high a table stands at full size `bredd` wide, as the plan sets it.
double tabellhöjd(const rumsplan::Plan& plan, const AttributedString& tabell, double x, double bredd) {
    rumsplan::Rum rum("table", {x, 0, bredd, 0});
    return plan.höjd(rum.block("table", {tabell, rum.yta(), rumsplan::Sättning::tabell}));
}

}  // namespace

std::vector<rumsplan::Text> tabellerPåFot(const rumsplan::Plan& plan, std::vector<Tabellplats> tabeller, double fot) {
    double höjd = 0;
    for (const Tabellplats& t : tabeller) höjd = std::max(höjd, tabellhöjd(plan, t.tabell, t.x, t.bredd));
    std::vector<rumsplan::Text> texter;
    for (Tabellplats& t : tabeller)
        texter.push_back({std::move(t.tabell), {t.x, fot - höjd, t.bredd, höjd}, rumsplan::Sättning::tabell});
    return texter;
}

double tabellerFrånEnTopp(rumsplan::Plan& plan, std::vector<Tabellrum> tabeller, double fot, double överkant,
                          const std::function<double(double)>& höjd) {
    double högst = 0;
    for (const Tabellrum& t : tabeller) högst = std::max(högst, tabellhöjd(plan, t.tabell, t.x, t.bredd));
    const double topp = fot - std::min(std::max(höjd(högst), högst), fot - överkant);
    for (Tabellrum& t : tabeller) {
        const double rumstopp = std::max(topp, t.rumstopp);
        plan.rum("table", {t.x, rumstopp, t.bredd, fot - rumstopp})
            .block("table", {std::move(t.tabell), {t.x, topp, t.bredd, fot - topp}, rumsplan::Sättning::tabell});
    }
    return topp;
}

double faktaPåFotIRum(rumsplan::Plan& plan, const std::string& namn, Datalista vänsterData, Datalista högerData,
                      const std::function<AttributedString(const Datalista&)>& tabell, const Fotval& val) {
    const double vänsterFot = val.vänsterFot.value_or(val.fot);
    // The two tables on their foot, each alone in its room.
    auto rummen = [&](const Datalista& v, const Datalista& h) {
        const std::vector<Tabellplats> tabeller{{tabell(v), val.vänster.x, val.vänster.bredd},
                                                {tabell(h), val.höger.x, val.höger.bredd}};
        std::vector<rumsplan::Text> texter = tabellerPåFot(plan, tabeller, val.fot);
        if (texter[0].ram.y + tabellhöjd(plan, texter[0].text, val.vänster.x, val.vänster.bredd) > vänsterFot)
            texter = tabellerPåFot(plan, tabeller, vänsterFot);
        const double topp = std::max(texter[0].ram.y, val.överkant);
        std::vector<rumsplan::Rum> ut;
        for (size_t i = 0; i < 2; ++i) {
            const double fot = i == 0 ? vänsterFot : val.fot;
            ut.emplace_back(namn, Rect{texter[i].ram.x, topp, texter[i].ram.width, fot - topp});
            ut.back().block(namn, std::move(texter[i]));
        }
        return ut;
    };
    // The taller table's height at 70 %, as far down as a page.
    auto höjd = [&](const std::vector<rumsplan::Rum>& r) {
        double h = 0;
        for (const rumsplan::Rum& rum : r) {
            rumsplan::Text t = rum.blocken().front().texter.front();
            t.ram.y = 0;
            h = std::max(h, plan.höjd(rumsplan::Rum(namn, {t.ram.x, 0, t.ram.width, 0}).block(namn, t), minstaProcent));
        }
        return h;
    };
    auto ryms = [&](const std::vector<rumsplan::Rum>& r) {
        return plan.rymmer(r[0], minstaProcent) && plan.rymmer(r[1], minstaProcent);
    };
    std::vector<rumsplan::Rum> rum = rummen(vänsterData, högerData);
    // Rows a table leaves out would move without lowering anything.
    std::erase_if(högerData, [](const Datapost& post) { return !post.rubrik || !post.värde; });
    while (!ryms(rum) && högerData.size() > 1) {
        Datalista längreVänster = vänsterData, kortareHöger(högerData.begin() + 1, högerData.end());
        längreVänster.push_back(högerData.front());
        std::vector<rumsplan::Rum> jämnare = rummen(längreVänster, kortareHöger);
        if (höjd(jämnare) >= höjd(rum)) break;
        vänsterData = std::move(längreVänster), högerData = std::move(kortareHöger), rum = std::move(jämnare);
    }
    // Tables too tall for their rooms are set smaller by one factor, so that
    // their rows still line up.
    const bool förHöga = rum[0].blocken().front().texter.front().ram.y < rum[0].yta().y;
    rumsplan::Rum* föregående = nullptr;
    const double topp = rum[0].yta().y;
    for (rumsplan::Rum& r : rum) {
        rumsplan::Rum& iPlanen = plan.rum(std::move(r));
        if (förHöga && föregående) plan.krymperMed(*föregående, iPlanen);
        föregående = &iPlanen;
    }
    return topp;
}

void avsändarenPåFoten(const Fakturavy& vy, rumsplan::Plan& plan, const TextAttributes& etikettattribut,
                       const TextAttributes& värdeattribut, double fot, double överkant,
                       std::optional<double> vänsterFot) {
    faktaPåFotIRum(
        plan, "sender",
        fakta(vy, {Fakt::avsändare, Fakt::avsändaradress, Fakt::organisationsnummer, Fakt::momsregistreringsnummer}),
        faktaOchBetalning(vy, {Fakt::telefon, Fakt::fax, Fakt::email, Fakt::hemsida}),
        [&](const Datalista& data) { return vy.tabellMedData(data, etikettattribut, värdeattribut).tabell; },
        {.vänster = {46, 162}, .höger = {213, 195}, .fot = fot, .överkant = överkant, .vänsterFot = vänsterFot});
}

Rect kreditvillkorensRum(const Fakturavy& vy, const rumsplan::Plan& plan, const TextAttributes& attribut,
                         const Rect& ram) {
    const auto villkor = vy.kreditvillkorSomVisas();
    if (!villkor) return {ram.x, ram.y, ram.width, 0};
    rumsplan::Rum rum("credit terms", ram);
    return {ram.x, ram.y, ram.width, plan.höjd(rum.block("credit terms", {AttributedString(*villkor, attribut), ram}))};
}

void företagsnamnÖverAvsändartabellerIRum(const Fakturavy& vy, rumsplan::Plan& plan,
                                          const TextAttributes& etikettattribut,
                                          const TextAttributes& värdeattribut,
                                          const TextAttributes& namnattribut, const Avsändartabellval& val) {
    constexpr double fot = 807, namnhöjd = 18;
    // The tables take what they need up to a line below `namnetUnder`;
    // the name keeps its size above them, a long one wrapping upward.
    const double mellan = faktaPåFotIRum(
        plan, "sender", fakta(vy, {Fakt::avsändaradress, Fakt::organisationsnummer, Fakt::momsregistreringsnummer}),
        faktaOchBetalning(vy, {Fakt::telefon, Fakt::fax, Fakt::email, Fakt::hemsida}),
        [&](const Datalista& data) {
            return vy.tabellMedData(data, etikettattribut, värdeattribut, {.fetStilPåFörstaRaden = true}).tabell;
        },
        {.vänster = {56, val.adressbredd},
         .höger = {210, val.kontaktbredd},
         .fot = fot,
         .överkant = val.namnetUnder + namnhöjd});
    plan.rum("sender name", {55, val.namnetUnder, 271, mellan - val.namnetUnder})
        .block("sender name", {AttributedString(vy.b.namn, namnattribut), {55, mellan - namnhöjd, 271, namnhöjd}},
               {.förankring = rumsplan::Förankring::påFoten(mellan)});
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

Datalista mottagarfaktaMedInköpsordernFörst(const Fakturavy& vy) {
    return fakta(vy, {Fakt::mottagare, Fakt::mottagaradress, Fakt::erReferens, Fakt::vårReferens, Fakt::kundnummer,
                      Fakt::personnummer, Fakt::personnummer2, Fakt::fastighetsbeteckning, Fakt::lägenhetsnummer,
                      Fakt::inköpsordernummer, Fakt::mottagarensMomsregistreringsnummer, Fakt::leveransdatum,
                      Fakt::leveranssätt, Fakt::leveransadress});
}

Faktatabeller mottagarOchAvsändartabeller(const Fakturavy& vy, const TextAttributes& etikettattribut,
                                          const TextAttributes& värdeattribut) {
    return mottagarOchAvsändartabeller(vy, etikettattribut, värdeattribut, mottagarfakta(vy));
}

Faktatabeller mottagarOchAvsändartabeller(const Fakturavy& vy, const TextAttributes& etikettattribut,
                                          const TextAttributes& värdeattribut, const Datalista& mottagare) {
    Faktatabeller t{
        vy.tabellMedData(mottagare, etikettattribut, värdeattribut, {.fetStilPåFörstaRaden = true}).tabell,
        vy.tabellMedData(avsändarfakta(vy), etikettattribut, värdeattribut, {.fetStilPåFörstaRaden = true}).tabell};
    riktaUppTabbarIKolumn(t.mottagare, t.avsändare);
    return t;
}

namespace {

// A row's caption and value as texts of a block, the caption measured
// without its leader where it has one.
std::vector<rumsplan::Text> texterAv(Fakturavy::Faktarad& rad, bool medLedare) {
    return {{std::move(rad.rubrik), rad.rubrikram, medLedare ? rumsplan::Sättning::medLedare : rumsplan::Sättning::sträng},
            {std::move(rad.värde), rad.värderam}};
}

}  // namespace

Faktaraderna faktaraderIRum(const Fakturavy& vy, rumsplan::Rum& rum, const Datalista& data,
                            const TextAttributes& etikett, const TextAttributes& värde, const Dataradsval& val,
                            double avstånd, double förstaAvstånd) {
    std::vector<Fakturavy::Faktarad> rader = vy.faktarader(data, etikett, värde, val);
    Faktaraderna ut{rader.size(), val.startposition.y};
    for (Fakturavy::Faktarad& rad : rader) {
        rum.block("fact", texterAv(rad, val.paddning.has_value()),
                  {.avstånd = &rad == &rader.front() ? förstaAvstånd : avstånd});
        ut.fot = std::max({ut.fot, rad.rubrikram.maxY(), rad.värderam.maxY()});
    }
    return ut;
}

rumsplan::Rum& faktalistorMedPunktledare(const Fakturavy& vy, rumsplan::Plan& plan, const Datalista& första,
                                         const Datalista& andra, const TextAttributes& etikettattribut,
                                         const TextAttributes& värdeattribut, const Punktledarlistor& val) {
    constexpr double radhöjd = 12, etikettbredd = 110, värdebredd = 90;
    // The giro templates' leader: after two spaces, as they always set it.
    static const std::string ledare = " " + std::string(36, '.');
    // A row's frame reaches this far below its text: the lists' texts end
    // that far above the foot of their frames, and the second keeps that
    // much more from the first.
    const double underTexten =
        radhöjd - vy.mätare.boundingSize(AttributedString("0", värdeattribut), {10000, 10000}).height;
    auto& rum = plan.rum("dotted facts", {val.x, val.förstaY, etikettbredd + 5 + värdebredd,
                                          val.fot - underTexten - val.förstaY});
    auto lista = [&](const Datalista& data, double y, rumsplan::Blockval blockval) {
        std::vector<rumsplan::Text> texter;
        for (Fakturavy::Faktarad& rad :
             vy.faktarader(data, etikettattribut, värdeattribut,
                           {.radhöjd = radhöjd, .startposition = {val.x, y}, .etikettbredd = etikettbredd,
                            .värdebredd = värdebredd, .paddning = ledare}))
            for (rumsplan::Text& t : texterAv(rad, true)) texter.push_back(std::move(t));
        rum.block("facts", std::move(texter), blockval);
    };
    lista(första, val.förstaY, {});
    lista(andra, val.andraY, {.avstånd = val.mellanrum + underTexten});
    return rum;
}

void avsändartabellerSidaVidSida(const Fakturavy& vy, rumsplan::Plan& plan, const TextAttributes& etikettattribut,
                                 const TextAttributes& värdeattribut, const Avsändartabeller& val) {
    auto tabell = [&](const char* namn, const Datalista& lista, Spalt spalt) -> rumsplan::Rum& {
        return plan.rum(namn, {spalt.x, val.y, spalt.bredd, val.fot - val.y})
            .block(namn, {vy.tabellMedData(lista, etikettattribut, värdeattribut).tabell,
                          {spalt.x, val.y, spalt.bredd, val.ramhöjd}, rumsplan::Sättning::tabell});
    };
    const rumsplan::Rum& avsändaren =
        tabell("sender", fakta(vy, {Fakt::avsändare, Fakt::telefon, Fakt::fax, Fakt::email, Fakt::hemsida}), val.vänster);
    plan.krymperMed(avsändaren, tabell("registration",
                                       faktaOchBetalning(vy, {Fakt::organisationsnummer, Fakt::momsregistreringsnummer}),
                                       val.höger));
}

}  // namespace mallverktyg

void mallverktyg::tabellerIKolumn(rumsplan::Plan& plan, const Rect& rum, std::vector<Kolumntabell> tabeller) {
    rumsplan::Rum alla("tables", rum);
    for (Kolumntabell& t : tabeller) alla.block(t.namn, {t.tabell, t.ram, rumsplan::Sättning::tabell}, t.val);
    auto delar = [&]() -> std::optional<std::vector<rumsplan::Rum>> {
        if (plan.rymmer(alla, 100)) return std::nullopt;
        // Where they do not all fit at full size, each is set smaller alone
        // in its part of the column, from the top it has there (the parts
        // meeting halfway across the gap between them), as long as each
        // part holds its table at 70 %; else they are set smaller together.
        const auto platser = plan.blockensPlatser(alla);
        const auto& blocken = alla.blocken();
        auto mellan = [&](size_t i) {  // between block i and the next
            return std::clamp((platser[i].topp + platser[i].höjd + platser[i + 1].topp) / 2, rum.minY(), rum.maxY());
        };
        std::vector<rumsplan::Rum> ut;
        for (size_t i = 0; i < blocken.size(); ++i) {
            const double topp = i == 0 ? rum.minY() : mellan(i - 1);
            const double fot = i + 1 == blocken.size() ? rum.maxY() : mellan(i);
            rumsplan::Text text = blocken[i].texter.front();
            text.ram = {text.ram.x, std::max(platser[i].topp, topp), text.ram.width, 1};
            ut.emplace_back(blocken[i].namn, Rect{rum.x, topp, rum.width, std::max(0.0, fot - topp)});
            ut.back().block(blocken[i].namn, std::move(text));
            if (!plan.rymmer(ut.back(), minstaProcent)) return std::nullopt;
        }
        return ut;
    }();
    if (!delar) {
        plan.rum(std::move(alla));
        return;
    }
    for (rumsplan::Rum& del : *delar) plan.rum(std::move(del));
}

void mallverktyg::faktatabellerIKolumn(rumsplan::Plan& plan, Faktatabeller tabeller, const Rect& rum, Kolumnlinjer linjer,
                                       rumsplan::Avrundning avrundning) {
    using rumsplan::Förankring;
    tabellerIKolumn(
        plan, rum,
        {{"recipient", std::move(tabeller.mottagare), {rum.x, linjer.mottagare, rum.width, 1},
          {.förankring = Förankring::kring(linjer.mottagare, 0.5, avrundning)}},
         {"sender", std::move(tabeller.avsändare), {rum.x, linjer.avsändare, rum.width, 1},
          {.avstånd = 13,
           .förankring = Förankring::kring(linjer.avsändare, linjer.andelAvAvsändarenOvanför, avrundning),
           .underPåHelPunkt = true}}});
}
