// Template Karvomat4: quiet light-grey panels and light Helvetica Neue in
// dark grey, without a background. Logo top left, title and a number box
// top right, the invoice address below them, facts on the left, the
// amount to pay in two panels on the right, the item table across the
// middle, a total band near the foot and three small sender tables at the
// very foot.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Land.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygBelopp.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/MallverktygFottabeller.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"
#include "Vyer/Faktura/Textpassning.h"

#include <algorithm>

namespace {

const Color textgrå = Color::rgb(0.328, 0.344, 0.343);
const Color påminnelseröd = Color::rgb(0.828, 0, 0);
const Color panelgrå = Color::rgb(0.92, 0.93, 0.92);

CachatObjekt panel(const Rect& ram) { return mallverktyg::panel(ram, 5, panelgrå); }

}  // namespace

void Fakturavy::konfigureraInnehållFörK4() {
    const auto lätt8 = typsnitt("HelveticaNeue-Light", 8);
    const auto lätt9 = typsnitt("HelveticaNeue-Light", 9);
    const auto lätt10 = typsnitt("HelveticaNeue-Light", 10);
    const auto normal18 = typsnitt("HelveticaNeue", 18);
    const auto normal16 = typsnitt("HelveticaNeue", 16);
    const auto fet10 = typsnitt("HelveticaNeue-Bold", 10);
    const auto normal10 = typsnitt("HelveticaNeue", 10);
    if (!lätt8 || !lätt9 || !lätt10 || !normal18 || !normal16 || !fet10 || !normal10) return;

    // The ledger's and the customer's texts wrap and are set smaller where
    // they must (Textpassning.h); only captions are cut at their frame.
    //                                     paragraph style        colour         font
    const TextAttributes titel           {rightAligned(),         std::nullopt,  normal18};
    const TextAttributes påminnelse      {rightAligned(),         påminnelseröd, fet10};
    const TextAttributes liten           {std::nullopt,           textgrå,       lätt9};
    const TextAttributes litenHöger      {rightAligned(),         textgrå,       lätt9};
    const TextAttributes villkor         {rightAligned(),         textgrå,       lätt8};
    const TextAttributes fot             {std::nullopt,           textgrå,       lätt8};
    const TextAttributes brödtext        {std::nullopt,           textgrå,       lätt10};
    const TextAttributes rubrik          {truncatedTail(),        textgrå,       lätt10};
    const TextAttributes brödtextHöger   {rightAligned(),         textgrå,       lätt10};
    const TextAttributes totalrubrik     {rightAligned(),         textgrå,       normal10};
    const TextAttributes nummer          {centerAligned(),        std::nullopt,  normal18};
    const TextAttributes belopp_         {rightAligned(),         std::nullopt,  normal16};
    const TextAttributes beloppsrubrik   {std::nullopt,           textgrå,       normal16};

    // The title is set smaller where it must to keep to its line beside
    // the number box; the credit terms stand in their room at the foot.
    rumsplan::Plan plan(*this);
    läggTillInnehållMedRamFörLogotyp(plan, {47, 29, 210, 120}, titel, {261, 42, 176, 25}, påminnelse,
                                     {346, 332, 205, 20}, villkor, {}, fot, {37, 718, 145, 15});
    plan.rita(panel({443, 30, 116, 46}));
    plan.text("number", AttributedString(f.nummer(), nummer), {443, 42, 116, 31});
    if (!följesedel)
        plan.text("invoice date", AttributedString(rubrikFörFakturadatum() + " " + datumtext(f.fakturadatum()), liten),
                  {443, 75, 116, 19});

    // The invoice date stands in the facts on delivery notes too.
    using enum mallverktyg::Fakt;
    const Datalista fakta =
        mallverktyg::fakta(*this, {erReferens, vårReferens, kundnummer, personnummer, personnummer2,
                                   fastighetsbeteckning, lägenhetsnummer, leveranssätt, leveransdatum,
                                   inköpsordernummer, mottagarensMomsregistreringsnummer, fakturadatum});
    const std::string avsändarland(kod(b.land));

    // The invoice address right of the logo, rising towards the invoice
    // date; under the logo the delivery address over the facts, which
    // stand on a line 12 points above the column's foot and rise as they
    // grow.
    if (auto adress = f.fakturaadressGivetAvsändarland(avsändarland))
        plan.rum("invoice address", {312, 96, 243, 139})
            .block("invoice address", {AttributedString(*adress, brödtext), {312, 120, 243, 115}});
    constexpr double kolumnensTopp = 153, kolumnensFot = 361;
    const auto leveransen = f.adressAttLevereraTillGivetAvsändarland(avsändarland);
    auto kolumn = [&](rumsplan::Rum& rum) -> rumsplan::Rum& {
        if (leveransen)
            rum.block("delivery address", {{AttributedString(rubrikFörLeveransadress(), brödtext), {47, 162, 209, 14}},
                                           {AttributedString(*leveransen, brödtext), {47, 176, 209, 14}}});
        return rum.block("facts", {tabellMedData(fakta, brödtext, brödtext).tabell, {47, 249, 210, 100}},
                         {.avstånd = 4, .förankring = rumsplan::Förankring::påFoten(349)});
    };
    // Where even 70 % does not fit the column, the item table stands lower
    // by as many whole points as it lacks, 120 at most.
    auto kolumnenRyms = [&](int nedåt) {
        rumsplan::Rum rum("delivery address and facts", {47, kolumnensTopp, 210, kolumnensFot - kolumnensTopp + nedåt});
        return plan.rymmerUtanAttKapa(kolumn(rum));
    };
    const int nedflyttning = sistaSomHåller(120, -1, kolumnenRyms);
    kolumn(plan.rum("delivery address and facts",
                    {47, kolumnensTopp, 210, kolumnensFot - kolumnensTopp + nedflyttning}));

    // Long credit terms rise from their line to below the item rows of
    // earlier pages.
    constexpr double fotensTopp = 711, fotraden = 733, fotensFot = 832;
    if (auto terms = kreditvillkorSomVisas())
        plan.rum("credit terms", {186, fotensTopp, 373, fotraden - fotensTopp})
            .block("credit terms", {AttributedString(*terms, villkor), {186, 718, 373, 15}},
                   {.förankring = rumsplan::Förankring::påFoten(fotraden)});
    // At the foot the sender's and the contact tables may rise to below the
    // F-tax note and reach down to 10 points above the page's edge; the
    // payment table keeps to its frame. Without the note a sender its
    // frame's width cannot hold even at 70 % rises into the note's place,
    // left of the credit terms, to below earlier pages' item rows. A sender
    // that does not hold its registration numbers even so has them stand
    // under the contact rows.
    auto fottabell = [&](rumsplan::Rum& rum, const Datalista& data, const Rect& ram) -> rumsplan::Rum& {
        return rum.block("foot table", {tabellMedData(data, fot, fot).tabell, ram, rumsplan::Sättning::tabell});
    };
    using Plats = mallverktyg::Fottabell;
    const Plats underNoten{{38, fotraden, 153, fotensFot - fotraden}, {38, 741, 153, 85}};
    const Plats vidVillkoren{{38, fotensTopp, 148, fotensFot - fotensTopp}, {38, 741, 148, 85}};
    auto ryms = [&](const Plats& p, const Datalista& data) {
        rumsplan::Rum rum("foot table", p.rum);
        return plan.rymmerUtanAttKapa(fottabell(rum, data, p.ram));
    };
    auto plats = [&](const Datalista& data) {
        return b.godkändFörFSkatt || ryms(underNoten, data) ? underNoten : vidVillkoren;
    };
    Datalista avsändarfakta =
        mallverktyg::fakta(*this, {avsändare, avsändaradress, organisationsnummer, momsregistreringsnummer});
    Datalista kontakt = mallverktyg::fakta(*this, {telefon, fax, email, hemsida});
    if (!ryms(plats(avsändarfakta), avsändarfakta)) {
        kontakt.insert(kontakt.end(), avsändarfakta.end() - 2, avsändarfakta.end());
        avsändarfakta.resize(avsändarfakta.size() - 2);
    }
    const Plats avsändarplats = plats(avsändarfakta);
    fottabell(plan.rum("foot table", avsändarplats.rum), avsändarfakta, avsändarplats.ram);
    fottabell(plan.rum("foot table", {195, fotraden, 175, fotensFot - fotraden}), kontakt, {195, 741, 175, 82});
    fottabell(plan.rum("foot table", {375, 740, 184, 82}), betalningsinformation(), {375, 740, 184, 82});

    if (!följesedel) {
        plan.rita(panel({262, 296, 296, 32}));
        plan.rita(panel({262, 242, 296, 45}));
        // Caption at the left of the frame, the amount at its right; the
        // caption keeps to one line ending short of the amount.
        const Rect ram{272, 252, 278, 47};
        AttributedString beloppet(belopp(f.attBetala()), belopp_);
        const double rubrikensFot = ram.maxX() - mätare.boundingSize(beloppet, {10000, 10000}).width - 3;
        const Rect rubrikrum{ram.x, ram.y, std::max(0.0, rubrikensFot - ram.x), ram.height};
        plan.text("amount caption", AttributedString(versaler(rubrikFörBeloppAttBetala()), påEnRad(beloppsrubrik)),
                  rubrikrum);
        plan.text("amount", std::move(beloppet), ram,
                  {.rum = Rect{rubrikrum.maxX(), ram.y, ram.maxX() - rubrikrum.maxX(), ram.height}});
        const Rect villkorsrad{272, 304, 278, 20};
        plan.rum("payment terms", villkorsrad)
            .block("payment terms",
                   {{AttributedString(rubrikFörFörfallodatum() + " " + datumtext(f.förfallodatum()), brödtextHöger),
                     villkorsrad},
                    {AttributedString(rubrikFörBetalningsvillkor() + " " + rubrikFörDagar(), rubrik), villkorsrad}});
    }

    plan.rita(panel({37, 365.0 + nedflyttning, 522, 25}));

    // The amount area on the last page, with room for at least three rows;
    // d is its distance from the page foot.
    double d = 123;
    if (!följesedel) {
        plan.rita(panel({37, 684, 522, 19}));
        const int n = antalBeloppsrader(false);
        const int k = n > 2 ? n : 3;
        const double h = (k - 1) * 16 + 161;
        const double sidhöjd = ramFörEnSida().maxY(), y0 = sidhöjd - (h + 17);
        mallverktyg::beloppOchMoms(
            plan,
            beloppfältMedRubrikattribut(brödtextHöger, brödtextHöger, {335, y0, 120, 17}, {469, y0, 83, 17},
                                        {.radhöjd = 16}),
            momssammanfattningMedRubrikAttribut(liten, liten, {47, sidhöjd - (h + 16), 291, (h + 16) - 160}));
        plan.text("total", AttributedString(belopp(f.attBetala()), brödtextHöger), {469, 686, 83, 17},
                  {.sidor = Sidslag::sista});
        plan.text("total caption", AttributedString(rubrikFörTotaltBelopp(), totalrubrik), {335, 686, 120, 17},
                  {.sidor = Sidslag::sista});

        // A vertical rule between captions and amounts up from the total
        // band to a rule across the page.
        const double r = sidhöjd - (h + 19);
        plan.rita(mallverktyg::streck({{{462, 703}, {462, r}}, {{47, r}, {551, r}}}, 1, textgrå), Sidslag::sista);
        d = h + 22;
    }

    plan.artikeltabell({rubrik, liten, brödtextHöger, litenHöger,
                        {.rubrikutrymme = {47, 369.0 + nedflyttning, 504, 17},
                         .datautrymme = Rect{47, 379.0 + nedflyttning, 504,
                                             std::max(0.0, (447 - d) - 8 - nedflyttning)}.integral(),
                         .höjdPåÖvrigaSidor = 320.0 - nedflyttning,
                         .storaBokstäverPåRubriker = true}});
    std::move(plan).placera();
}
