// Template BB: a typewriter page in Courier New, black on white, without a
// background; one magenta accent for the reminder. Title and reminder top
// left with the logo at the right; the recipient and the delivery address
// on the left beside two dotted fact lists; the amount to pay across the
// page above the item table; amounts and the VAT summary below it; the
// credit terms, the company name and two sender boxes at the foot.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Land.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygAttBetala.h"
#include "Vyer/Faktura/MallverktygBelopp.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/MallverktygRum.h"
#include "Vyer/Faktura/MallverktygTabeller.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

#include <algorithm>
#include <cmath>

using mallverktyg::Fakt;

namespace {

const Color accent = Color::rgb(0.8, 0, 0.41568627);
const Color vit = Color::white();

// The foot, from under the credit terms (`villkorensSlut`): on the left
// the company's name on y 720 over the contact table, down to the F-tax
// line or, without it, the page's foot; on the right the registration
// table in (315, 725, 243, 88), set smaller there while that holds it,
// else rising from y 812 towards the credit terms, then reaching down to
// the foot. Where the left column cannot hold its blocks at all and the
// two columns together do, the contact details after the address go to
// the right column, over the registration table and on its tab stops,
// and the two columns shrink together: the right column has room to
// spare beside a long name and address.
void läggTillFotenFörBB(Fakturavy& vy, rumsplan::Plan& plan, double villkorensSlut, const TextAttributes& namn,
                        const TextAttributes& etikett, const TextAttributes& värde) {
    using mallverktyg::Fakt, rumsplan::Förankring, rumsplan::Sättning;
    const Bokföring& b = vy.b;
    const double topp = villkorensSlut + 3;
    constexpr double sidfot = 836;  // the paper's margin
    const double fot = b.godkändFörFSkatt ? 813 : sidfot;
    const Rect vänster{73, topp, 238, fot - topp}, högerSpalt{315, topp, 243, sidfot - topp};
    const Rect kontaktram{73, 725, 208, 88}, registreringsram{315, 725, 243, 88};
    const Datalista registrering =
        mallverktyg::faktaOchBetalning(vy, {Fakt::organisationsnummer, Fakt::momsregistreringsnummer});
    auto tabell = [&](const Datalista& data) { return vy.tabellMedData(data, etikett, värde).tabell; };

    rumsplan::Rum iRamen("", registreringsram);
    iRamen.block("registration", {tabell(registrering), registreringsram, Sättning::tabell});
    const bool rymsIRamen = mallverktyg::rymsAlls(plan, iRamen);
    auto fyll = [&](rumsplan::Rum& sändare, rumsplan::Rum& höger, bool delad) {
        sändare.block("name", {AttributedString(b.namn, namn), {73, 705, 238, 15}},
                      {.förankring = Förankring::påFoten(720)});
        const Datalista kontakt = mallverktyg::fakta(vy, {Fakt::telefon, Fakt::fax, Fakt::email, Fakt::hemsida});
        Datalista vänsterData = mallverktyg::fakta(vy, {Fakt::avsändaradress});
        if (!delad) vänsterData.insert(vänsterData.end(), kontakt.begin(), kontakt.end());
        sändare.block("contact", {tabell(vänsterData), kontaktram, Sättning::tabell}, {.avstånd = 5});
        AttributedString reg = tabell(registrering);
        if (delad) {
            AttributedString k = tabell(kontakt);
            riktaUppTabbarIKolumn(k, reg);
            höger.block("contact", {std::move(k), {315, 705, 243, 15}, Sättning::tabell});
        }
        const auto förankring = delad         ? std::optional(Förankring::påFoten(813))
                                : rymsIRamen ? std::nullopt
                                             : std::optional(Förankring::påFoten(812, rumsplan::Avrundning::nedåt));
        höger.block("registration", {std::move(reg), registreringsram, Sättning::tabell},
                    {.avstånd = 5, .förankring = förankring});
    };
    auto högerRum = [&](bool delad) {
        return delad ? högerSpalt : rymsIRamen ? registreringsram : Rect{315, 686, 243, sidfot - 686};
    };
    auto ryms = [&](bool delad) {
        rumsplan::Rum sändare("", vänster), höger("", högerRum(delad));
        fyll(sändare, höger, delad);
        return mallverktyg::rymsAlls(plan, sändare) && (!delad || mallverktyg::rymsAlls(plan, höger));
    };
    const bool delad = !ryms(false) && ryms(true);
    rumsplan::Rum& sändare = plan.rum("sender", vänster);
    rumsplan::Rum& höger = plan.rum("registration", högerRum(delad));
    fyll(sändare, höger, delad);
    if (delad) plan.krymperMed(sändare, höger);
}

}  // namespace

void Fakturavy::konfigureraInnehållFörBB() {
    const auto titel12 = typsnitt("CourierNewPSMT", 12);
    const auto kursiv9 = typsnitt("CourierNewPS-ItalicMT", 9);
    const auto bröd9 = typsnitt("CourierNewPSMT", 9);
    const auto liten7 = typsnitt("CourierNewPSMT", 7);
    const auto avsändare8 = typsnitt("CourierNewPSMT", 8);
    const auto fet10 = typsnitt("CourierNewPS-BoldMT", 10);
    if (!titel12 || !kursiv9 || !bröd9 || !liten7 || !avsändare8 || !fet10) return;

    //                                    paragraph style            colour        font
    const TextAttributes titel           {std::nullopt,              std::nullopt, titel12};
    const TextAttributes påminnelse      {std::nullopt,              accent,       kursiv9};
    const TextAttributes brödtext        {std::nullopt,              std::nullopt, bröd9};
    const TextAttributes ledare          {clippedLeftOnCharacters(), std::nullopt, bröd9};
    const TextAttributes brödtextHöger   {rightAligned(),            std::nullopt, bröd9};
    const TextAttributes liten           {std::nullopt,              std::nullopt, liten7};
    const TextAttributes avsändaretikett {std::nullopt,              std::nullopt, avsändare8};
    const TextAttributes avsändarvärde   {rightAligned(),            std::nullopt, avsändare8};
    const TextAttributes namn            {std::nullopt,              std::nullopt, fet10};

    // How far the blocks `fyll` gives a room reach below its top at their
    // full size.
    rumsplan::Plan plan(*this);
    auto höjd = [&](const auto& fyll, const Rect& ram) {
        rumsplan::Rum prov("", ram);
        fyll(prov);
        return plan.höjd(prov);
    };
    // The F-tax line runs on to the right: the longest wording is wider than
    // the standard template's frame. The credit terms' room ends where they
    // do, in their frame: the foot starts under them.
    const Rect villkorsram{80, 656, 434, 25};
    const double villkorensHöjd = std::min(villkorsram.height, höjd([&](rumsplan::Rum& r) {
        if (auto villkor = kreditvillkorSomVisas()) r.block("", {AttributedString(*villkor, liten), villkorsram});
    }, villkorsram));
    läggTillInnehållMedRamFörLogotyp(plan, {426, 36, 97, 60}, titel, {73, 56, 345, 20}, påminnelse, {73, 77, 156, 20},
                                     liten, villkorsram, liten, {28, 816, 200, 11},
                                     {.villkor = Rect{80, 656, 434, villkorensHöjd}});
    läggTillFotenFörBB(*this, plan, villkorsram.y + villkorensHöjd, namn, avsändaretikett, avsändarvärde);

    // The head of the page, in two rooms from under the reminder: on the
    // left the recipient's address and below it the delivery address, at
    // y 216 or as close under a longer first as a seven-line one stands
    // there; on the right two dotted lists, the dates and terms from y 132,
    // then the references from y 219 or 9 below the first. Values wrap in
    // their columns. Both rooms reach down to the amount strip, which with
    // the item table stands lower by what the longer column at its full
    // size reaches past 4 points above it, the rooms no lower than y 400;
    // past that they set their texts smaller.
    const Datalista datum =
        följesedel ? mallverktyg::fakta(*this, {Fakt::fakturanummer, Fakt::leveransdatum, Fakt::leveranssätt})
                   : mallverktyg::fakta(*this, {Fakt::fakturanummer, Fakt::fakturadatum, Fakt::betalningsvillkor,
                                                Fakt::förfallodatum, Fakt::leveransdatum, Fakt::leveranssätt});
    const Datalista referenser = mallverktyg::fakta(
        *this, {Fakt::erReferens, Fakt::vårReferens, Fakt::kundnummer, Fakt::personnummer, Fakt::personnummer2,
                Fakt::fastighetsbeteckning, Fakt::lägenhetsnummer, Fakt::mottagarensMomsregistreringsnummer,
                Fakt::inköpsordernummer});
    const std::string avsändarland(kod(b.land));
    const auto fakturaadress = f.fakturaadressGivetAvsändarland(avsändarland);
    const auto leveransadress = f.adressAttLevereraTillGivetAvsändarland(avsändarland);
    // The amount strip's top and how far it may move down; the lowest the
    // head may reach.
    constexpr double strimlan = 304, längstNed = 100, lägstaFot = 400;
    constexpr double huvudetsTopp = 100;
    const Rect vänster{73, huvudetsTopp, 186, 0}, höger{273, huvudetsTopp, 292, 0};
    auto adresser = [&](rumsplan::Rum& rum) {
        if (fakturaadress)
            rum.block("invoice address", {{AttributedString(*fakturaadress, brödtext), {73, 143, 186, 75}},
                                          {AttributedString(versaler(rubrikFörMottagare()), brödtext), {73, 129, 186, 13}}});
        if (leveransadress)
            rum.block("delivery address", {{AttributedString(rubrikFörLeveransadress(), brödtext), {73, 216, 186, 13}},
                                           {AttributedString(*leveransadress, brödtext), {73, 230, 186, 77}}},
                      {.avstånd = 1.5});
    };
    auto fakta = [&](rumsplan::Rum& rum) {
        Dataradsval rader{.radhöjd = 13, .startposition = {273, 132}, .etikettbredd = 158, .värdebredd = 128,
                          .paddning = mallverktyg::punktledare};
        const double y = mallverktyg::faktaraderIRum(*this, rum, datum, ledare, brödtext, rader, 2, 2).fot;
        rader.startposition.y = std::max(219.0, y + 9);
        mallverktyg::faktaraderIRum(*this, rum, referenser, ledare, brödtext, rader, 2, 9);
    };
    const double behövs = huvudetsTopp + std::max(höjd(adresser, vänster), höjd(fakta, höger));
    const double d = std::clamp(std::ceil(behövs + 4 - strimlan), 0.0, längstNed);
    const double fot = std::min(strimlan + d, lägstaFot);
    fakta(plan.rum("facts", {höger.x, huvudetsTopp, höger.width, fot - huvudetsTopp}));
    adresser(plan.rum("addresses", {vänster.x, huvudetsTopp, vänster.width, fot - huvudetsTopp}));

    // The amount to pay: caption at the left, amount at the right of one
    // frame; a delivery note whites the strip out.
    if (följesedel)
        plan.rita({Rect{65, 304 + d, 466, 33}, vit});
    else
        mallverktyg::attBetalaIRam(plan, *this, rubrikFörBeloppAttBetala(), brödtext, brödtextHöger, {80, 311 + d, 435, 15});

    // Five amount rows or more start six points higher. A message longer
    // than the last page's rows leave room for runs on below them, down to
    // the amount rows and the VAT summary.
    const double y = antalBeloppsrader(true) > 4 ? 573 : 579;
    mallverktyg::beloppOchMoms(plan, *this, {brödtext, brödtextHöger, {326, y, 189, 15}, {.taMedTotalen = true}},
                               {brödtext, brödtext, {80, 579, 142, 73}, {.rubrikOvanförSammanfattning = true}});

    plan.artikeltabell({brödtext, brödtext, brödtextHöger, brödtextHöger,
                        {.rubrikutrymme = {80, 354 + d, 434, 17},
                         .datautrymme = {80, 367 + d, 434, std::max(0.0, 172 - d)},
                         .höjdPåÖvrigaSidor = 264 - d,
                         .storaBokstäverPåRubriker = true,
                         .meddelandetsFot = följesedel ? std::nullopt : std::optional(y - 4),
                         .meddelandetUnderRaderna = true}});
    plan.vittPåÖvrigaSidor({0, 558, 595, 15});
    std::move(plan).placera();
}
