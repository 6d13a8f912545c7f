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
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/MallverktygRubrikOchVarde.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

#include <algorithm>
#include <cmath>

using mallverktyg::Fakt;
using mallverktyg::text;

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

    // The fact column: a row of one or two cells per group, each caption
    // over its value and measured at its width, so a long value wraps and
    // pushes the rows below it down; a group without values takes no room.
    // The reminder stands under the last row, from y 266 at the highest;
    // the column ends above the item table's headings.
    auto& alla = innehållFörAllaSidor;
    {
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
            {rot[0]},
            {rot[1]},
            {rot[2]},
            {rot[3]},
        };
        rumsplan::Plan plan(*this);
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
            kolumnen.block("reminder",
                           {mallverktyg::påSinaRader(*this, AttributedString(*text, påminnelse), {156, 20}),
                            {19, 266, 156, 20}},
                           {.avstånd = 4});
        for (CachatObjekt& o : std::move(plan).placeraTexter()) alla.push_back(std::move(o));
    }

    // Two tables of the sender's data on y 796, their common frame half
    // as high as the taller text and 47.5 points, the F-tax note's one
    // small line from y 670 or just above them; tables taller than their
    // frame grow upward to below the amount to pay, the note before them.
    {
        Datalista registrering = mallverktyg::fakta(*this, {Fakt::organisationsnummer, Fakt::momsregistreringsnummer});
        for (Datapost& post : betalningsinformation()) registrering.push_back(std::move(post));
        auto tabell = [&](const Datalista& data) {
            return tabellMedData(data, avsändaretikett, avsändarvärde).tabell;
        };
        AttributedString vänster = tabell(mallverktyg::fakta(
            *this, {Fakt::avsändare, Fakt::avsändaradress, Fakt::telefon, Fakt::fax, Fakt::email, Fakt::hemsida}));
        AttributedString höger = tabell(registrering);
        constexpr double fot = 796, underAttBetala = 625;
        const double höjd = std::round(std::max(mallverktyg::uppmätt(*this, vänster, {186, 10000}).height,
                                                mallverktyg::uppmätt(*this, höger, {210, 10000}).height) *
                                           0.5 +
                                       47.5);
        rumsplan::Plan plan(*this);
        auto& foten = plan.rum("sender", {32, underAttBetala, 419, fot - underAttBetala});
        if (auto fskatt = fskattSomVisas(*this))
            foten.block("F-tax note", {mallverktyg::påSinaRader(*this, AttributedString(*fskatt, småtext), {149, 15}),
                                       {36, 670, 149, 15}});
        foten.block("sender",
                    {{std::move(vänster), {32, fot - höjd, 186, höjd}, rumsplan::Sättning::tabell},
                     {std::move(höger), {241, fot - höjd, 210, höjd}, rumsplan::Sättning::tabell}},
                    {.avstånd = 1, .förankring = rumsplan::Förankring::påFoten(fot)});
        for (CachatObjekt& o : std::move(plan).placeraTexter()) alla.push_back(std::move(o));
    }

    läggTillInnehållMedRamFörLogotyp({461, 700, 114, 85}, titel, {299, 24, 260, 33}, påminnelse, {}, småtext,
                                     {36, 801, 524, 25}, småtext, {});

    // The number stands just below the title's line, whose descent would
    // otherwise reach into the number's.
    alla.push_back(text(f.nummer(), nummer, {299, 56, 260, 28}));
    if (!följesedel) alla.push_back(text(datumtext(f.fakturadatum()), datum, {301, 82, 258, 20}));

    if (!följesedel) {
        alla.push_back(text(versaler(rubrikFörBeloppAttBetala()), brödtext, {364, 583, 79, 15}));
        alla.push_back(text(belopp(f.attBetala()), attBetala, {360, 601, 150, 20}));
    }

    // Three rows start at y 498; each further row lifts the block half a row.
    const int n = antalBeloppsrader(true);
    const double y0 = 498 - halvBeloppsrad * (n - 3);
    std::vector<CachatObjekt> sistaSidan =
        beloppfältMedRubrikattribut(brödtext, brödtextHöger, {347, y0, 165, 15}, {347, y0, 165, 15},
                                    {.taMedTotalen = true})
            .data;
    if (auto moms = momssammanfattningMedRubrikAttribut(brödtext, brödtext, {231, 479, 96, 90},
                                                        {.rubrikOvanförSammanfattning = true}))
        sistaSidan.insert(sistaSidan.end(), moms->begin(), moms->end());

    // The headings overlap the top of the data area; the right-aligned
    // columns' headings are centred.
    läggTillKolumnerMedRubrikattribut(kolumnrubrik, brödtext, kolumnrubrikMitt, brödtextHöger,
                                      {.rubrikutrymme = {184, 320, 328, 20},
                                       .datautrymme = Rect{184, 327, 328, 133}.integral(),
                                       .höjdPåÖvrigaSidor = 209});
    // Pages before the last hide the flower's stem between the VAT summary
    // and the amount rows.
    läggTillInnehållPåSistaSidan(std::move(sistaSidan), Rect{324, 478, 9, 85});
}
