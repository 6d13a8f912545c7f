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
#include "Vyer/Faktura/MallverktygAttBetala.h"
#include "Vyer/Faktura/MallverktygBelopp.h"
#include "Vyer/Faktura/MallverktygTabeller.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"
#include "Vyer/Faktura/Textpassning.h"

#include <algorithm>

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
    //                                    paragraph style  colour        font
    const TextAttributes titel            {rightAligned(),  std::nullopt, typsnitt("HelveticaNeue-CondensedBold", 14)};
    const TextAttributes påminnelse       {std::nullopt,    röd,          typsnitt("HelveticaNeue-Light", 14)};
    const TextAttributes villkor          {std::nullopt,    std::nullopt, typsnitt("HelveticaNeue-Light", 6)};
    const TextAttributes fskatt           {std::nullopt,    blå,          typsnitt("HelveticaNeue-LightItalic", 7)};
    const TextAttributes nummer           {rightAligned(),  std::nullopt, typsnitt("HelveticaNeue-Light", 12)};
    const TextAttributes datum            {rightAligned(),  std::nullopt, typsnitt("HelveticaNeue-Bold", 7)};
    const TextAttributes mottagarrubrik   {rightAligned(),  grön,         typsnitt("HelveticaNeue-Light", 7)};
    const TextAttributes avsändarrubrik   {rightAligned(),  blå,          typsnitt("HelveticaNeue-Light", 7)};
    const TextAttributes faktavärde       {std::nullopt,    std::nullopt, typsnitt("HelveticaNeue-Light", 7)};
    const TextAttributes attBetala        {rightAligned(),  std::nullopt, typsnitt("HelveticaNeue-Light", 10)};
    const TextAttributes kolumnrubrik     {std::nullopt,    std::nullopt, typsnitt("HelveticaNeue-CondensedBold", 10)};
    const TextAttributes villkorsrad      {std::nullopt,    std::nullopt, typsnitt("HelveticaNeue-LightItalic", 8)};
    const TextAttributes liten            {std::nullopt,    std::nullopt, typsnitt("HelveticaNeue-Light", 8)};
    const TextAttributes litenHöger       {rightAligned(),  std::nullopt, typsnitt("HelveticaNeue-Light", 8)};
    const TextAttributes kolumnrubrikHöger{rightAligned(),  std::nullopt, typsnitt("HelveticaNeue-CondensedBold", 10)};
    if (saknatTypsnitt) return;  // a layout that misses a font lays out nothing

    rumsplan::Plan plan(*this);
    läggTillInnehållMedRamFörLogotyp(plan, {274, 47, 121, 88}, titel, {254, 168, 298, 20}, påminnelse,
                                     {254, 223, 297, 24}, villkor, {255, 686, 294, 59}, fskatt, {38, 638, 164, 10},
                                     {.titel = Rect{254, 168, 298, 15}});

    // Each fact table centred on its point by its size as set, within the
    // inside of its background frame, 3 points within the inner rule: the
    // recipient's 173 wide, the sender's as wide as its text. A recipient
    // too long for its frame even at 70 % takes the frame's whole width,
    // and the green frame grows down by what the table lacks so, as far as
    // the blue frame's wire allows, drawn again over the background's.
    auto kringPunkt = [&](const char* namn, const AttributedString& tabell, Point mitt, std::optional<double> bredd,
                          double gräns, const Rect& yta) {
        const double w = mätare.boundedSize(tabell, {gräns, 1000}, TextBound::frame(1000)).size.width;
        rumsplan::Rum rum(namn, yta);
        const Rect ram{mitt.x - w / 2, mitt.y, bredd.value_or(std::min(w + 1, gräns)), 1};
        rum.block(namn, {tabell, ram, rumsplan::Sättning::tabell},
                  {.förankring = rumsplan::Förankring::kring(mitt.y, 0.5, rumsplan::Avrundning::nedåt),
                   .mittÖver = mitt.x});
        return rum;
    };
    auto iPlanen = [&](const rumsplan::Rum& rum) {
        const rumsplan::Rum::Block& b = rum.blocken().front();
        plan.rum(rum.namn(), rum.yta()).block(b.namn, b.texter, b.val);
    };
    const AttributedString mottagaren =
        tabellMedData(mallverktyg::mottagarfakta(*this), mottagarrubrik, faktavärde, {.fetStilPåFörstaRaden = true})
            .tabell;
    auto mottagarrum = [&](double längre, double bredd) {
        return kringPunkt("recipient", mottagaren, {137.5, 202 + längre / 2}, bredd, bredd,
                          {43, 112, 189, 180 + längre});
    };
    double längre = 0, bredd = 173;
    if (!plan.rymmerUtanAttKapa(mottagarrum(0, bredd))) {
        // The least whole growth up to 40 that holds it 183 wide: one more
        // than the most that does not.
        längre = 1 + sistaSomHåller(-1, 40, [&](int g) { return !plan.rymmerUtanAttKapa(mottagarrum(g, 183)); });
        if (!plan.rymmerUtanAttKapa(mottagarrum(längre, bredd))) bredd = 183;
        if (längre > 0)
            for (CachatObjekt& o : grönBildram({34, 102, 207, 201 + längre})) plan.rita(std::move(o));
    }
    iPlanen(mottagarrum(längre, bredd));
    iPlanen(kringPunkt("sender",
                       tabellMedData(mallverktyg::avsändarfakta(*this), avsändarrubrik, faktavärde,
                                     {.fetStilPåFörstaRaden = true})
                           .tabell,
                       {127, 481.5}, std::nullopt, 196, {26, 378, 203, 207}));

    plan.text("number", AttributedString(f.nummer(), nummer), {254, 183, 298, 21}, {.rum = Rect{254, 183, 298, 19}});
    // The amount to pay and the payment terms line stand on the last page
    // only: before it the item rows run on through their lines, and the
    // frame is whited out.
    if (följesedel) {
        plan.rita(CachatObjekt(Rect{255, 620, 295, 27}, Color::white()));
    } else {
        plan.text("date", AttributedString(datumtext(f.fakturadatum()), datum), {254, 202, 298, 18});
        mallverktyg::attBetalaIRam(plan, *this, rubrikFörBeloppAttBetala(), kolumnrubrik, attBetala,
                                   {259, 626, 284, 16}, Sidslag::sista);
        plan.text("terms",
                  AttributedString(rubrikFörBetalningsvillkor() + " " + rubrikFörDagar() + "  /  " +
                                       rubrikFörFörfallodatum() + " " + datumtext(f.förfallodatum()),
                                   villkorsrad),
                  {259, 649, 292, 15}, {.sidor = Sidslag::sista});
    }

    // Four amount rows start at y 552 under a rule at y 544; each row more
    // moves rule, rows and VAT summary up by a row. The rule stands on the
    // last page only, over its amounts: before it the item rows run on
    // through its line. The item rows of the first and the last page end
    // above it.
    const double t = 275 + beloppsradhöjd * (antalBeloppsrader(true) - 4);
    const double sidhöjd = ramFörEnSida().maxY(), linje = sidhöjd - (23 + t);
    plan.rita(mallverktyg::streck({{{256, linje}, {546, linje}}}, 0.5, röd), Sidslag::sista);
    mallverktyg::beloppOchMoms(plan, *this, {liten, litenHöger, {404, 827 - t, 137, 15}, {.taMedTotalen = true}},
                               {liten, liten, {258, sidhöjd - (t + 14), 141, 70}, {.rubrikOvanförSammanfattning = true}});

    plan.artikeltabell({kolumnrubrik, liten, kolumnrubrikHöger, litenHöger,
                        {.rubrikutrymme = {259, 271, 285, 18},
                         .datautrymme = {259, 287, 285,
                                         std::min(233.0, linje - 287 - 2 * Kolumnval::radbasensFörskjutning)},
                         .höjdPåÖvrigaSidor = 374}});
    plan.vittPåÖvrigaSidor({253, 617, 297, 31});
    std::move(plan).placera();
}
