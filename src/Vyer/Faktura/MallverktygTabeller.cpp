#include "Vyer/Faktura/MallverktygTabeller.h"

#include "Modell/Bokforing.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/MallverktygRum.h"
#include "Vyer/Faktura/Textpassning.h"

#include <algorithm>
#include <cmath>

namespace mallverktyg {

std::vector<rumsplan::Text> tabellerPåFot(const Fakturavy& vy, std::vector<Tabellplats> tabeller, double fot) {
    double höjd = 0;
    for (const Tabellplats& t : tabeller) höjd = std::max(höjd, uppmätt(vy, t.tabell, {t.bredd, 10000}).height);
    // Frames that take no room of their own: the block is as high as its
    // tallest table as set, so it stands on the foot at any size.
    std::vector<rumsplan::Text> texter;
    for (Tabellplats& t : tabeller)
        texter.push_back({std::move(t.tabell), {t.x, fot - höjd, t.bredd, 0}, rumsplan::Sättning::tabell});
    return texter;
}

void företagsnamnÖverAvsändartabellerIRum(const Fakturavy& vy, rumsplan::Plan& plan,
                                          const TextAttributes& etikettattribut,
                                          const TextAttributes& värdeattribut,
                                          const TextAttributes& namnattribut, const Avsändartabellval& val) {
    constexpr double fot = 807, namnhöjd = 18;
    auto tabell = [&](const Datalista& data) {
        return vy.tabellMedData(data, etikettattribut, värdeattribut, {.fetStilPåFörstaRaden = true}).tabell;
    };
    std::vector<rumsplan::Text> tabeller = tabellerPåFot(
        vy,
        {{tabell(fakta(vy, {Fakt::avsändaradress, Fakt::organisationsnummer, Fakt::momsregistreringsnummer})), 56,
          val.adressbredd},
         {tabell(faktaOchBetalning(vy, {Fakt::telefon, Fakt::fax, Fakt::email, Fakt::hemsida})), 210,
          val.kontaktbredd}},
        fot);
    // The tables take what they need up to a line below `namnetUnder`;
    // the name keeps its size above them, a long one wrapping upward.
    const double bredd = std::max(55.0 + 271, 210 + val.kontaktbredd) - 55;
    double mellan = std::max(tabeller.front().ram.y, val.namnetUnder + namnhöjd);
    rumsplan::Rum tabellrum("sender", {55, mellan, bredd, fot - mellan});
    tabellrum.block("sender tables", std::move(tabeller), {.förankring = rumsplan::Förankring::påFoten(fot)});
    // Tables set smaller end lower: the name stands on them as set.
    if (const auto procent =
            störstaProcent([&](int p) { return rumsplan::rymmer(vy.mätare, tabellrum, p); }).value_or(100);
        procent < 100) {
        double höjd = 0;
        for (const rumsplan::Text& t : tabellrum.blocken().front().texter) {
            const Size ram{t.ram.width, fot - mellan};
            const AttributedString satt = vidProcent(
                radbrutenDärDenMåste(vy.mätare, t.text, ram.width, TextDrawingMode::layoutManager, ram.height),
                procent);
            höjd = std::max(höjd, uppmättIRam(vy.mätare, satt, ram, TextDrawingMode::layoutManager).size.height);
        }
        mellan = fot - höjd;
    }
    auto& rum = plan.rum("sender", {55, mellan, bredd, fot - mellan});
    for (const rumsplan::Rum::Block& b : tabellrum.blocken()) rum.block(b.namn, b.texter, b.val);
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
