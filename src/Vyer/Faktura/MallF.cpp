// Template F, a flower: Gill Sans over the background "F". Title, number
// and date right-aligned at the top right; down the left a column of
// facts, each a blue caption in capitals over its value, at most two side
// by side; the reminder under them; the item table in the middle with the
// VAT summary and the amount rows below it, the flower's stem between the
// two, and the amount to pay under the rows; at the foot two blue tables
// of the sender's data, the F-tax note, the logo at the right and the
// credit terms along the bottom edge.
#include "Vyer/Faktura/Fakturavy.h"
#include "Vyer/Faktura/FakturavyTitel.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Land.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygBelopp.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/MallverktygRubrikOchVarde.h"
#include "Vyer/Faktura/MallverktygTabeller.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

#include <algorithm>
#include <cmath>

using mallverktyg::Fakt;
namespace {

const Color röd = Color::rgb(0.608, 0.092, 0.137);
const Color blå = Color::rgb(0, 0.3, 0.491);

}  // namespace

void Fakturavy::konfigureraInnehållFörF() {
    const auto lätt6 = typsnitt("GillSans-Light", 6);
    const auto lätt8 = typsnitt("GillSans-Light", 8);
    const auto lätt19 = typsnitt("GillSans-Light", 19);
    const auto lätt25 = typsnitt("GillSans-Light", 25);
    const auto kursiv12 = typsnitt("GillSans-Italic", 12);
    const auto normal8 = typsnitt("GillSans", 8);
    const auto fet11 = typsnitt("GillSans-Bold", 11);
    if (!lätt6 || !lätt8 || !lätt19 || !lätt25 || !kursiv12 || !normal8 || !fet11) return;

    //                                     paragraph style  colour        font
    const TextAttributes titel            {rightAligned(),  std::nullopt, lätt25};
    const TextAttributes påminnelse       {std::nullopt,    röd,          kursiv12};
    const TextAttributes småtext          {std::nullopt,    std::nullopt, lätt6};
    const TextAttributes avsändarvärde    {std::nullopt,    blå,          lätt8};
    const TextAttributes avsändaretikett  {rightAligned(),  blå,          lätt8};
    const TextAttributes attBetala        {centerAligned(), std::nullopt, fet11};
    const TextAttributes kolumnrubrik     {std::nullopt,    std::nullopt, fet11};
    const TextAttributes kolumnrubrikMitt {centerAligned(), std::nullopt, fet11};
    const TextAttributes brödtext         {std::nullopt,    std::nullopt, lätt8};
    const TextAttributes brödtextHöger    {rightAligned(),  std::nullopt, lätt8};
    const TextAttributes datum            {rightAligned(),  blå,          normal8};
    const TextAttributes nummer           {rightAligned(),  std::nullopt, lätt19};
    const TextAttributes faktarubrik      {std::nullopt,    blå,          normal8};

    rumsplan::Plan plan(*this);
    läggTillInnehållMedRamFörLogotyp(plan, {461, 700, 114, 85}, titel, {299, 24, 260, 33}, påminnelse, {}, småtext,
                                     {36, 801, 524, 25}, småtext, {}, {.titel = Rect{299, 24, 260, 32}});

    // The fact column: a row of one or two cells per group, each caption
    // over its value and measured at its width, so a long value wraps and
    // pushes the rows below it down; a group without values takes no room.
    // The reminder stands under the last row, from y 266 at the highest;
    // the column ends above the item table's headings.
    const std::string avsändarland(kod(b.land));
    const Datalista rot = mallverktyg::rotOchRutUppgifter(*this);
    const Datalista grupper[] = {
        {{rubrikFörMottagare(), f.fakturaadressGivetAvsändarland(avsändarland)},
         {rubrikFörLeveransadress(), f.adressAttLevereraTillGivetAvsändarland(avsändarland)}},
        mallverktyg::fakta(*this, {Fakt::erReferens, Fakt::förfallodatum}),
        mallverktyg::fakta(*this, {Fakt::vårReferens, Fakt::betalningsvillkor}),
        mallverktyg::fakta(*this, {Fakt::mottagarensMomsregistreringsnummer, Fakt::leveranssätt}),
        mallverktyg::fakta(*this, {Fakt::inköpsordernummer}),
        mallverktyg::fakta(*this, {Fakt::leveransdatum}),
        mallverktyg::fakta(*this, {Fakt::kundnummer}),
        {rot[0]}, {rot[1]}, {rot[2]}, {rot[3]},
    };
    auto& kolumnen = plan.rum("facts", {19, 34, 277, 286});
    for (const Datalista& grupp : grupper) {
        std::vector<rumsplan::Text> rad;
        double x = 36;
        for (AttributedString& text : mallverktyg::rubrikerÖverVärden(grupp, faktarubrik, brödtext)) {
            rad.push_back({std::move(text), {x, 34, 126, 0}});
            x += 134;
        }
        kolumnen.block("facts", std::move(rad), {.avstånd = 4});
    }
    if (auto text = påminnelseSomVisas(*this))
        kolumnen.block("reminder", {AttributedString(*text, påminnelse), {19, 266, 156, 20}}, {.avstånd = 4});

    // Two tables of the sender's data on y 796 from one top, their common
    // frame half as high as the taller text and 47.5 points or as high as
    // it, up to below the amount to pay; each set smaller alone where its
    // room does not hold it. The F-tax note's one small line stands from
    // y 670 or just above them.
    constexpr double underAttBetala = 625;
    const Rect notram{36, 670, 149, 15};
    const auto fskatt = fskattSomVisas(*this);
    const AttributedString noten(fskatt.value_or(""), småtext);
    rumsplan::Rum notrum("F-tax note", notram);
    const double underNoten = fskatt ? underAttBetala + plan.höjd(notrum.block("F-tax note", {noten, notram})) + 1 : 0;
    Datalista registrering = mallverktyg::fakta(*this, {Fakt::organisationsnummer, Fakt::momsregistreringsnummer});
    for (Datapost& post : betalningsinformation()) registrering.push_back(std::move(post));
    auto tabell = [&](const Datalista& data) { return tabellMedData(data, avsändaretikett, avsändarvärde).tabell; };
    const double topp = mallverktyg::tabellerFrånEnTopp(
        plan,
        {{tabell(mallverktyg::fakta(*this, {Fakt::avsändare, Fakt::avsändaradress, Fakt::telefon, Fakt::fax,
                                            Fakt::email, Fakt::hemsida})),
          32, 186, underNoten},
         {tabell(registrering), 241, 210}},
        796, underAttBetala, [](double högst) { return std::round(högst * 0.5 + 47.5); });
    if (fskatt)
        plan.rum("F-tax note", {36, underAttBetala, 149, std::max(topp, underNoten) - 1 - underAttBetala})
            .block("F-tax note", {noten, notram});

    // The number stands just below the title's line, whose descent would
    // otherwise reach into the number's.
    plan.text("number", AttributedString(f.nummer(), nummer), {299, 56, 260, 28}, {.rum = Rect{299, 56, 260, 26}});
    if (!följesedel) {
        plan.text("date", AttributedString(datumtext(f.fakturadatum()), datum), {301, 82, 258, 20});
        plan.text("amount to pay caption", AttributedString(versaler(rubrikFörBeloppAttBetala()), brödtext),
                  {364, 583, 79, 15});
        plan.text("amount to pay", AttributedString(belopp(f.attBetala()), attBetala), {360, 601, 150, 20});
    }

    // Three rows start at y 498; each further row lifts the block half a row.
    const double y0 = 498 - halvBeloppsrad * (antalBeloppsrader(true) - 3);
    mallverktyg::beloppOchMoms(plan,
                               beloppfältMedRubrikattribut(brödtext, brödtextHöger, {347, y0, 165, 15},
                                                           {347, y0, 165, 15}, {.taMedTotalen = true}),
                               momssammanfattningMedRubrikAttribut(brödtext, brödtext, {231, 479, 96, 90},
                                                                   {.rubrikOvanförSammanfattning = true}));

    // The headings overlap the top of the data area; the right-aligned
    // columns' headings are centred. Pages before the last hide the
    // flower's stem between the VAT summary and the amount rows.
    plan.artikeltabell({kolumnrubrik, brödtext, kolumnrubrikMitt, brödtextHöger,
                        {.rubrikutrymme = {184, 320, 328, 20},
                         .datautrymme = Rect{184, 327, 328, 133}.integral(),
                         .höjdPåÖvrigaSidor = 209}});
    plan.vittPåÖvrigaSidor({324, 478, 9, 85});
    std::move(plan).placera();
}
