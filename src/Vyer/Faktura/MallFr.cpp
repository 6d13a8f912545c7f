// Template Fr, frames: Helvetica Neue over the background "Fr", whose
// frames hold the recipient's facts (green captions, centred on a point
// high on the left), the sender's (blue captions, centred on a point lower
// down) and the amount to pay. The right column holds the logo, the title,
// the number and date, the reminder, the item table, a red rule over the
// VAT summary and the amount rows, the amount to pay with the payment
// terms, and the credit terms.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Fakturor/Fakturaliknande.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygTabeller.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"
#include "Vyer/Faktura/Textpassning.h"

#include <algorithm>
#include <cmath>

using mallverktyg::text;

namespace {

const Color röd = Color::rgb(0.802, 0.039, 0.127);
const Color grön = Color::rgb(0.204, 0.591, 0.215);
const Color blå = Color::rgb(0, 0.573, 0.821);

// The background's green picture frame of the recipient's facts, its
// outer edge `r`: the light mount, the paper inside it, its rules and
// corner squares. Drawn again, taller, over the background's own when the
// facts need more room.
std::vector<CachatObjekt> grönBildram(const Rect& r) {
    const Color passepartout = Color::rgb(166.0 / 255, 211.0 / 255, 167.0 / 255);
    const Color papper = Color::rgb(241.0 / 255, 248.0 / 255, 241.0 / 255);
    const Rect inne{r.x + 5, r.y + 5, r.width - 10, r.height - 10};
    std::vector<CachatObjekt> ut;
    ut.push_back(mallverktyg::panel(r, 2, passepartout));
    ut.emplace_back(inne, papper);
    ut.push_back(mallverktyg::kontur(r, 1.2, grön, 2));
    ut.push_back(mallverktyg::kontur(inne, 0.5, grön));
    ut.push_back(mallverktyg::kontur({r.x + 9, r.y + 9, r.width - 18, r.height - 18}, 0.4, passepartout));
    for (double x : {r.minX(), r.maxX() - 5})
        for (double y : {r.minY(), r.maxY() - 5}) ut.emplace_back(Rect{x, y, 5, 5}, grön);
    return ut;
}

}  // namespace

void Fakturavy::konfigureraInnehållFörFr() {
    const auto lätt6 = typsnitt("HelveticaNeue-Light", 6);
    const auto lätt7 = typsnitt("HelveticaNeue-Light", 7);
    const auto lätt8 = typsnitt("HelveticaNeue-Light", 8);
    const auto lätt14 = typsnitt("HelveticaNeue-Light", 14);
    const auto lätt12 = typsnitt("HelveticaNeue-Light", 12);
    const auto lätt10 = typsnitt("HelveticaNeue-Light", 10);
    const auto fet7 = typsnitt("HelveticaNeue-Bold", 7);
    const auto lättKursiv7 = typsnitt("HelveticaNeue-LightItalic", 7);
    const auto lättKursiv8 = typsnitt("HelveticaNeue-LightItalic", 8);
    const auto smalFet14 = typsnitt("HelveticaNeue-CondensedBold", 14);
    const auto smalFet10 = typsnitt("HelveticaNeue-CondensedBold", 10);
    if (!lätt6 || !lätt7 || !lätt8 || !lätt14 || !lätt12 || !lätt10 || !fet7 || !lättKursiv7 || !lättKursiv8 ||
        !smalFet14 || !smalFet10)
        return;

    //                                     paragraph style  colour        font
    const TextAttributes titel            {rightAligned(),  std::nullopt, smalFet14};
    const TextAttributes påminnelse       {std::nullopt,    röd,          lätt14};
    const TextAttributes villkor          {std::nullopt,    std::nullopt, lätt6};
    const TextAttributes fskatt           {std::nullopt,    blå,          lättKursiv7};
    const TextAttributes nummer           {rightAligned(),  std::nullopt, lätt12};
    const TextAttributes datum            {rightAligned(),  std::nullopt, fet7};
    const TextAttributes mottagarrubrik   {rightAligned(),  grön,         lätt7};
    const TextAttributes avsändarrubrik   {rightAligned(),  blå,          lätt7};
    const TextAttributes faktavärde       {std::nullopt,    std::nullopt, lätt7};
    const TextAttributes attBetala        {rightAligned(),  std::nullopt, lätt10};
    const TextAttributes kolumnrubrik     {std::nullopt,    std::nullopt, smalFet10};
    const TextAttributes villkorsrad      {std::nullopt,    std::nullopt, lättKursiv8};
    const TextAttributes liten            {std::nullopt,    std::nullopt, lätt8};
    const TextAttributes litenHöger       {rightAligned(),  std::nullopt, lätt8};
    const TextAttributes kolumnrubrikHöger{rightAligned(),  std::nullopt, smalFet10};

    läggTillInnehållMedRamFörLogotyp({274, 47, 121, 88}, titel, {254, 168, 298, 20}, påminnelse, {254, 223, 297, 24},
                                     villkor, {255, 686, 294, 59}, fskatt, {38, 638, 164, 10});

    // Each fact table centred on its point, in the background's frames:
    // the recipient's 173 wide, the sender's as wide as its text. A table
    // too large for that takes its room, the inside of its frame 3 points
    // within the inner rule, and the fitter sets it there; the recipient's
    // frame may grow down as far as the blue frame's wire allows, drawn
    // again over the background's.
    auto& alla = innehållFörAllaSidor;
    constexpr double grönFot = 303, längst = 40;
    const Rect mottagarrum{46, 114, 183, grönFot - 12 + längst - 114};
    const Rect avsändarrum{28.5, 376.5, 197, 210};
    // Where the table stands at its size, or, too large for that, about
    // its point as far as its room lets it.
    auto kringPunkt = [&](rumsplan::Rum& rum, AttributedString tabell, Point mitt, std::optional<double> bredd,
                          double gränsbredd, double högst) {
        const Size s = mallverktyg::uppmätt(*this, tabell, {gränsbredd, 1000});
        const Rect ram =
            Rect{mitt.x - s.width / 2, mitt.y - s.height / 2, bredd.value_or(s.width + 1), s.height + 1}.integral();
        const Rect& yta = rum.yta();
        if (s.width <= gränsbredd + passningsmån && ram.minY() >= yta.minY() && ram.maxY() <= yta.minY() + högst)
            rum.block(rum.namn(), {std::move(tabell), ram, rumsplan::Sättning::tabell});
        else {
            const double bredast = mallverktyg::uppmätt(*this, tabell, {yta.width, 1000}).width;
            const double x = std::clamp(mitt.x - bredast / 2, yta.minX(), std::max(yta.minX(), yta.maxX() - bredast));
            rum.block(rum.namn(), {std::move(tabell), {x, ram.y, yta.maxX() - x, s.height}, rumsplan::Sättning::tabell},
                      {.förankring = rumsplan::Förankring::kring(mitt.y, 0.5)});
        }
    };
    AttributedString mottagaren =
        tabellMedData(mallverktyg::mottagarfakta(*this), mottagarrubrik, faktavärde, {.fetStilPåFörstaRaden = true})
            .tabell;
    const bool harMottagare = !mottagaren.empty();
    rumsplan::Plan plan(*this);
    kringPunkt(plan.rum("recipient", mottagarrum), std::move(mottagaren), {137.5, 202}, 173, 173,
               grönFot - 12 - mottagarrum.y);
    kringPunkt(plan.rum("sender", avsändarrum),
               tabellMedData(mallverktyg::avsändarfakta(*this), avsändarrubrik, faktavärde,
                             {.fetStilPåFörstaRaden = true})
                   .tabell,
               {127, 481.5}, std::nullopt, 196, avsändarrum.height);
    std::vector<CachatObjekt> tabellerna = std::move(plan).placeraTexter();
    if (harMottagare && !tabellerna.empty()) {
        const double slut = mallverktyg::textensSlut(*this, tabellerna.front());
        const double längre = std::clamp(std::ceil(slut + 12 - grönFot), 0.0, längst);
        if (längre > 0)
            for (CachatObjekt& o : grönBildram({34, 102, 207, grönFot - 102 + längre})) alla.push_back(std::move(o));
    }
    for (CachatObjekt& o : tabellerna) alla.push_back(std::move(o));

    alla.push_back(text(f.nummer(), nummer, {254, 183, 298, 21}));
    // The amount to pay and the payment terms line stand on the last page
    // only: before it the item rows run on through their lines.
    std::vector<CachatObjekt> sistaSidan;
    if (följesedel) {
        alla.push_back(CachatObjekt(Rect{255, 620, 295, 27}, Color::white()));
    } else {
        alla.push_back(text(datumtext(f.fakturadatum()), datum, {254, 202, 298, 18}));
        // Caption and amount on one line, the amount right-aligned; in the
        // frame that pages before the last white out.
        sistaSidan.push_back(text(rubrikFörBeloppAttBetala(), kolumnrubrik, {259, 626, 284, 16}));
        sistaSidan.push_back(text(belopp(f.attBetala()), attBetala, {259, 626, 284, 16}));
        sistaSidan.push_back(text(rubrikFörBetalningsvillkor() + " " + rubrikFörDagar() + "  /  " +
                                      rubrikFörFörfallodatum() + " " + datumtext(f.förfallodatum()),
                                  villkorsrad, {259, 649, 292, 15}));
    }

    // Four amount rows start at y 552 under a rule at y 544; each row more
    // moves rule, rows and VAT summary up by a row. The rule stands on the
    // last page only, over its amounts: before it the item rows run on
    // through its line. The item rows of the first and the last page, and
    // the message after them, end above it.
    const double t = 275 + beloppsradhöjd * (antalBeloppsrader(true) - 4);
    const double linje = 842 - (23 + t);
    sistaSidan.push_back(mallverktyg::streck({{{256, linje}, {546, linje}}}, 0.5, röd));
    std::vector<CachatObjekt> rader =
        beloppfältMedRubrikattribut(liten, litenHöger, {404, 827 - t, 137, 15}, {404, 827 - t, 137, 15},
                                    {.taMedTotalen = true})
            .data;
    sistaSidan.insert(sistaSidan.end(), rader.begin(), rader.end());
    if (auto moms = momssammanfattningMedRubrikAttribut(liten, liten, {258, 842 - (t + 14), 141, 70},
                                                        {.rubrikOvanförSammanfattning = true}))
        sistaSidan.insert(sistaSidan.end(), moms->begin(), moms->end());

    läggTillKolumnerMedRubrikattribut(kolumnrubrik, liten, kolumnrubrikHöger, litenHöger,
                                      {.rubrikutrymme = {259, 271, 285, 18},
                                       .datautrymme = {259, 287, 285,
                                                       std::min(233.0, linje - 287 - 2 * Kolumnval::radbasensFörskjutning)},
                                       .höjdPåÖvrigaSidor = 374});
    // On pages before the last the rows run on through the amount line,
    // which is whited out with its frame.
    läggTillInnehållPåSistaSidan(std::move(sistaSidan), Rect{253, 617, 297, 31});
}
