// Template C, the classic: Baskerville in black on white, without a
// background; a pale blue tint for the number box, the two boxes above
// the item table, alternate item rows and the amounts block. Facts on the
// right stand on a common foot; the company's details in three small
// tables at the foot of the page.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Land.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/FakturavyTitel.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygAttBetala.h"
#include "Vyer/Faktura/MallverktygBelopp.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/MallverktygFottabeller.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

#include <algorithm>

using mallverktyg::Fakt;
using mallverktyg::streck;

namespace {

const Color tonad = Color::rgb(0.95, 0.96, 0.99);
const Color mörkröd = Color::rgb(0.585, 0.098, 0.139);

// The facts stand on a common foot: fewer than five rows move down.
constexpr double faktatopp = 196;
constexpr double faktarad = 14;
constexpr int faktaraderFörTopp = 5;

}  // namespace

void Fakturavy::konfigureraInnehållFörC() {
    const auto halvfet20 = typsnitt("Baskerville-SemiBold", 20);
    const auto halvfet16 = typsnitt("Baskerville-SemiBold", 16);
    const auto halvfet9 = typsnitt("Baskerville-SemiBold", 9);
    const auto halvfet11 = typsnitt("Baskerville-SemiBold", 11);
    const auto halvfet10 = typsnitt("Baskerville-SemiBold", 10);
    const auto normal10 = typsnitt("Baskerville", 10);
    const auto normal9 = typsnitt("Baskerville", 9);
    const auto halvfet7 = typsnitt("Baskerville-SemiBold", 7);
    const auto kursiv8 = typsnitt("Baskerville-Italic", 8);
    const auto normal7 = typsnitt("Baskerville", 7);
    if (!halvfet20 || !halvfet16 || !halvfet9 || !halvfet11 || !halvfet10 || !normal10 || !normal9 || !halvfet7 ||
        !kursiv8 || !normal7)
        return;

    //                                     paragraph style  colour        font
    const TextAttributes titel            {rightAligned(),  std::nullopt, halvfet20};
    const TextAttributes faktaetikett     {std::nullopt,    std::nullopt, halvfet9};
    const TextAttributes attBetala        {rightAligned(),  std::nullopt, halvfet11};
    const TextAttributes text10           {std::nullopt,    std::nullopt, normal10};
    const TextAttributes text9            {std::nullopt,    std::nullopt, normal9};
    const TextAttributes text9Höger       {rightAligned(),  std::nullopt, normal9};
    const TextAttributes företagsnamn     {std::nullopt,    std::nullopt, halvfet7};
    const TextAttributes villkor          {std::nullopt,    std::nullopt, kursiv8};
    const TextAttributes fotvärde         {std::nullopt,    std::nullopt, normal7};
    const TextAttributes fotetikett       {rightAligned(),  std::nullopt, halvfet7};
    const TextAttributes text10Höger      {rightAligned(),  std::nullopt, normal10};
    const TextAttributes kolumnrubrik     {std::nullopt,    std::nullopt, halvfet10};
    const TextAttributes kolumnrubrikHöger{rightAligned(),  std::nullopt, halvfet10};
    const TextAttributes fskatt           {rightAligned(),  std::nullopt, normal7};
    const TextAttributes påminnelse       {std::nullopt,    mörkröd,      halvfet16};

    // The number box is as wide as the number and ends at x 559; its
    // caption ends 4 points left of it. The title below reaches up under
    // the box, so the box is laid first: its tint must not cut the title's
    // letters; and it stands high enough for the number not to meet them.
    rumsplan::Plan plan(*this);
    AttributedString nummer(f.nummer(), text9);
    const double w = mätare.boundingSize(nummer, {10000, 10000}).width;
    const double xb = 559 - (w + 8);
    constexpr double nummerruta = 24;
    plan.rita({Rect{xb, nummerruta, w + 8, 17}, tonad});
    läggTillInnehållMedRamFörLogotyp(plan, {36, 30, 124, 90}, titel, {252, 38, 307, 32}, påminnelse,
                                     {37, 268, 270, 26}, villkor, {41, 707, 514, 30}, fskatt, {400, 738, 160, 14},
                                     {.titel = Rect{252, 38, 307, 27}});
    if (!följesedel)
        plan.text("invoice date", AttributedString(datumtext(f.fakturadatum()), text9Höger), {456, 65, 103, 14});
    plan.text("number", std::move(nummer), {xb + 4, nummerruta + 2, w, 13},
              {.rum = Rect{xb + 4, nummerruta + 2, w, 12}});
    plan.text("number caption", AttributedString(rubrikFörNummer(), text10Höger), {xb - 204, nummerruta + 2, 200, 13},
              {.rum = Rect{xb - 204, nummerruta + 2, 200, 12}});

    // The right column, from under the date down to above the boxes over
    // the item table: the invoice address at its top, the facts on their
    // foot below it. More facts than their frame holds rise towards the
    // address, then reach down. The left column, from under the logo down
    // to the reminder (or the boxes): the delivery address under its
    // caption, rising when long. At the page's foot, under the terms, the
    // company's name over the first of three tables side by side; the ways
    // of payment under the F-tax note.
    const double boxarnasTopp = följesedel ? 292.0 : 297.0;
    const bool medPåminnelse = påminnelseSomVisas(*this).has_value();
    const std::string avsändarland(kod(b.land));
    constexpr double fot = 836;
    plan.text("sender name", AttributedString(b.namn, företagsnamn), {36, 738, 164, 14},
              {.rum = Rect{36, 738, 165, 18}});
    mallverktyg::företagetsTabeller(*this, plan, fotetikett, fotvärde,
                                    {{{{36, 756, 165, fot - 756}, {36, 756, 160, 59}},
                                      {{205, 738, 160, fot - 738}, {205, 756, 155, 59}},
                                      {{370, 753, 203, fot - 753}, {370, 756, 203, 59}}}});
    auto& höger = plan.rum("invoice address and facts", {310, 79, 249, boxarnasTopp - 79});
    if (auto faktureras = f.fakturaadressGivetAvsändarland(avsändarland))
        höger.block("invoice address", {AttributedString(*faktureras, text10), {347, 91, 183, 90}});
    using enum Fakt;
    const Tabell fakta = tabellMedData(
        mallverktyg::fakta(*this, {leveranssätt, leveransdatum, inköpsordernummer, mottagarensMomsregistreringsnummer,
                                   erReferens, vårReferens, kundnummer, personnummer, personnummer2,
                                   fastighetsbeteckning, lägenhetsnummer}),
        faktaetikett, text9);
    // A frame in whole points: its foot a point above the facts' line.
    const Rect faktaram{316, faktatopp + std::max(0, faktaraderFörTopp - fakta.antalRader) * faktarad, 242, 71};
    höger.block("facts", {fakta.tabell, faktaram},
                {.avstånd = 4,
                 .förankring = rumsplan::Förankring::påFoten(faktaram.maxY(), rumsplan::Avrundning::nedåt)});
    auto& vänster = plan.rum("delivery address", {36, 122, 270, (medPåminnelse ? 268.0 : boxarnasTopp) - 122});
    if (auto adress = f.adressAttLevereraTillGivetAvsändarland(avsändarland))
        vänster.block("delivery address",
                      {{AttributedString(*adress, text10), {44, 210, 190, 60}},
                       {AttributedString(versaler(rubrikFörLeveransadress()), text10), {44, 197, 190, 14}}});

    // The boxes above the item table; the amounts block ends at y 703 and
    // grows upward by a row for each amount row beyond two. Beyond four it
    // would reach into the rows' room on the last page, which is shorter
    // by as much.
    const int beloppsrader = följesedel ? 0 : std::max(antalBeloppsrader(false), 2);
    const double upp = std::max(0, beloppsrader - 4) * beloppsradhöjd;
    if (!följesedel) {
        plan.rita({Rect{37, 299, 256, 43}, tonad});
        plan.rita({Rect{304, 299, 256, 43}, tonad});
        plan.text("amount caption", AttributedString(rubrikFörBeloppAttBetala(), attBetala), {319, 303, 226, 30},
                  {.rum = Rect{319, 303, 226, 14}});
        plan.text("amount", AttributedString(belopp(f.attBetala()), attBetala), {319, 317, 226, 30});
        plan.text("due date",
                  AttributedString(versaler(rubrikFörFörfallodatum()) + " " + datumtext(f.förfallodatum()), text9),
                  {51, 305, 202, 18}, {.rum = Rect{51, 305, 202, 16}});
        plan.text("payment terms",
                  AttributedString(versaler(rubrikFörBetalningsvillkor() + " " + rubrikFörDagar()), text9),
                  {51, 321, 202, 18});

        const double h = (beloppsrader - 3) * beloppsradhöjd + 77;
        const double t = 703 - h;
        plan.rita({Rect{36, t, 523, h}, tonad}, Sidslag::sista);
        plan.rita(streck({{{335, 703}, {335, t}}, {{335, 680}, {559, 680}}}, 0.5, Color::black()), Sidslag::sista);
        plan.rita(streck({{{36, t}, {559, t}}}, 1, Color::black()), Sidslag::sista);
        const Rect rad{347, t + 4, 198, 15};
        mallverktyg::beloppOchMoms(plan, beloppfältMedRubrikattribut(text10, text10Höger, rad, rad),
                                   momssammanfattningMedRubrikAttribut(text10, text10, {44, t + 5, 280, h - 5}));
        mallverktyg::attBetalaIRam(plan, *this, rubrikFörTotaltBelopp(), text10, text10Höger, {347, 683, 198, 15},
                                   Sidslag::sista);
    }

    // A delivery note has no boxes above the item table: the table starts
    // 60 points higher and has that much more room.
    const double v = följesedel ? 526 : 466;
    const double k = följesedel ? 297 : 237;
    const double sidhöjd = ramFörEnSida().maxY(), r = sidhöjd - v;
    plan.rita(streck({{{36, 703}, {559, 703}}, {{36, r}, {559, r}}}, 0.5, Color::black()));

    radavstånd = 2;
    plan.artikeltabell({kolumnrubrik, text10, kolumnrubrikHöger, text10Höger,
                        {.rubrikutrymme = {44, sidhöjd - (v + 20), 501, 20},
                         .datautrymme = Rect{44, sidhöjd - (219 + k) - 14, 501, k - 7 - upp}.integral(),
                         .höjdPåÖvrigaSidor = följesedel ? 366.0 : 306.0,
                         .storaBokstäverPåRubriker = true,
                         .alternerandeRadfärg = tonad}});
    std::move(plan).placera();
}
