// Template Sk, forest: Lucida Grande over the background "Sk", whose dark
// forest at the foot carries the company's name and three tables of its
// data in white. Logo top left with the title and the reminder beside it,
// the invoice number and date top right; the facts, the delivery address
// and the invoice address in a band below, each in a room of its own; the item table, then the VAT
// summary and the amount rows with a total row of their own; the amount
// to pay with the due date and payment terms at the lower left.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Land.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygAttBetala.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

using mallverktyg::Fakt;

namespace {

const Color röd = Color::rgb(0.73, 0.149, 0.173);

}  // namespace

void Fakturavy::konfigureraInnehållFörSk() {
    const Color vit = Color::white();
    //                                    paragraph style  colour        font
    const TextAttributes fskatt           {rightAligned(),  vit,          typsnitt("LucidaGrande", 6)};
    const TextAttributes villkor          {std::nullopt,    std::nullopt, typsnitt("LucidaGrande", 6)};
    const TextAttributes titel            {rightAligned(),  std::nullopt, typsnitt("LucidaGrande-Bold", 18)};
    const TextAttributes påminnelse       {rightAligned(),  röd,          typsnitt("LucidaGrande", 10)};
    const TextAttributes värde            {std::nullopt,    std::nullopt, typsnitt("LucidaGrande", 7)};
    const TextAttributes värdeHöger       {rightAligned(),  std::nullopt, typsnitt("LucidaGrande", 7)};
    const TextAttributes etikettHöger     {rightAligned(),  std::nullopt, typsnitt("LucidaGrande-Bold", 7)};
    const TextAttributes adressrubrik     {std::nullopt,    std::nullopt, typsnitt("LucidaGrande-Bold", 7)};
    const TextAttributes nummer           {rightAligned(),  std::nullopt, typsnitt("LucidaGrande-Bold", 11)};
    const TextAttributes nummerrubrik     {std::nullopt,    std::nullopt, typsnitt("LucidaGrande-Bold", 6)};
    const TextAttributes datum            {rightAligned(),  std::nullopt, typsnitt("LucidaGrande", 6)};
    const TextAttributes attBetala        {rightAligned(),  std::nullopt, typsnitt("LucidaGrande-Bold", 10)};
    const TextAttributes företagsnamn     {std::nullopt,    vit,          typsnitt("LucidaGrande-Bold", 9)};
    const TextAttributes fotetikett       {rightAligned(),  vit,          typsnitt("LucidaGrande-Bold", 7)};
    const TextAttributes fotvärde         {std::nullopt,    vit,          typsnitt("LucidaGrande", 7)};
    const TextAttributes attBetalaRubrik  {std::nullopt,    std::nullopt, typsnitt("LucidaGrande-Bold", 9)};
    const TextAttributes kolumnrubrik     {std::nullopt,    std::nullopt, typsnitt("LucidaGrande-Bold", 9)};
    const TextAttributes kolumnrubrikHöger{rightAligned(),  std::nullopt, typsnitt("LucidaGrande-Bold", 9)};
    if (saknatTypsnitt) return;  // a layout that misses a font lays out nothing

    // A delivery note sets the credit terms where the amount to pay stands
    // on an invoice.
    rumsplan::Plan plan(*this);
    läggTillInnehållMedRamFörLogotyp(plan, {31, 32, 133, 94}, titel, {172, 33, 271, 22}, påminnelse,
                                     {171, 58, 391, 24}, villkor,
                                     följesedel ? Rect{69, 556, 255, 47} : Rect{70, 617, 255, 39}, fskatt,
                                     {463, 814, 116, 13});
    plan.text("number", AttributedString(f.nummer(), nummer), {475, 37, 79, 16});
    plan.text("number caption", AttributedString(rubrikFörNummer(), nummerrubrik), {458, 38, 25, 9},
              {.rum = Rect{458, 38, 17, 9}});
    plan.text("date", AttributedString(datumtext(f.fakturadatum()), datum), {458, 23, 101, 10});

    // The band under the head: the facts, the delivery address (when there
    // is one, else the facts take its room) and the invoice address, each
    // under its caption, reach down to just above the item headings.
    const Rect rubrikutrymme{78, 271, 436, 15};
    const double bandetsFot = rubrikutrymme.y - 3;
    const Datalista fakta =
        mallverktyg::fakta(*this, {Fakt::erReferens, Fakt::vårReferens, Fakt::kundnummer, Fakt::personnummer,
                                   Fakt::personnummer2, Fakt::fastighetsbeteckning, Fakt::lägenhetsnummer,
                                   Fakt::mottagarensMomsregistreringsnummer, Fakt::inköpsordernummer,
                                   Fakt::leveranssätt, Fakt::leveransdatum});
    const std::string avsändarland(kod(b.land));
    const auto leverans = f.adressAttLevereraTillGivetAvsändarland(avsändarland);
    const Rect faktaram{39, 148, leverans ? 214.0 : 359.0, bandetsFot - 148};
    plan.rum("facts", faktaram).block("facts", {tabellMedData(fakta, etikettHöger, värde).tabell, faktaram});
    auto adressen = [&](const char* namn, const std::string& rubrik, const std::string& adress, double x,
                        double bredd) {
        plan.rum(namn, {x, 148, bredd, bandetsFot - 148})
            .block(namn, {{AttributedString(rubrik, adressrubrik), {x, 148, bredd, 15}},
                          {AttributedString(adress, värde), {x, 163, bredd, 83}}});
    };
    if (leverans) adressen("delivery address", rubrikFörLeveransadress(), *leverans, 256, 142);
    if (auto adress = f.fakturaadressGivetAvsändarland(avsändarland))
        adressen("invoice address", rubrikFörMottagare(), *adress, 408, 158);

    // In the forest at the foot, in white: the company's name stands on
    // its line and grows upward; under it three tables side by side, each
    // set smaller alone, the first two reaching down to the red rule, the
    // payment table, beside the name, rising towards the forest's edge
    // above the F-tax note.
    plan.rum("sender name", {34, 708, 345, 40})
        .block("sender name", {AttributedString(b.namn, företagsnamn), {34, 726, 292, 15}},
               {.förankring = rumsplan::Förankring::påFoten(741)});
    const Datalista fot[] = {
        mallverktyg::fakta(*this, {Fakt::avsändaradress, Fakt::organisationsnummer, Fakt::momsregistreringsnummer}),
        mallverktyg::fakta(*this, {Fakt::säte, Fakt::telefon, Fakt::fax, Fakt::email, Fakt::hemsida}),
        betalningsinformation(),
    };
    const char* fotrum[] = {"sender", "sender contact", "payment"};
    const Rect fotramar[] = {{34, 750, 163, 62}, {201, 750, 174, 62}, {381, 750, 204, 62}};
    const Rect fotrummen[] = {{34, 750, 163, 81}, {201, 750, 174, 81}, {381, 712, 204, 100}};
    for (size_t i = 0; i < 3; ++i)
        plan.rum(fotrum[i], fotrummen[i])
            .block(fotrum[i], {tabellMedData(fot[i], fotetikett, fotvärde).tabell, fotramar[i],
                               rumsplan::Sättning::tabell});

    mallverktyg::attBetalaIRam(plan, *this, rubrikFörBeloppAttBetala(), attBetalaRubrik, attBetala, {83, 587, 229, 15});
    if (!följesedel) {
        const std::string förfallodatum = versaler(rubrikFörFörfallodatum()) + " " + datumtext(f.förfallodatum());
        plan.text("due date", AttributedString(förfallodatum, värde), {83, 573, 229, 15},
                  {.rum = Rect{83, 573, 229, 14}});
        plan.text("terms", AttributedString(rubrikFörBetalningsvillkor() + " " + rubrikFörDagar(), värde),
                  {83, 557, 229, 15});
    }

    // The amount rows end on a total row of the template's own at y 498, so
    // they grow upward; the item area grows with them. The message may run
    // on below the rows down to the amount rows and the VAT summary.
    const int n = antalBeloppsrader(false);
    const double y0 = 498 - beloppsradhöjd * n;
    plan.placerade("amounts",
                   beloppfältMedRubrikattribut(värdeHöger, värdeHöger, {335, y0, 75, 15}, {415, y0, 100, 15}).data,
                   Sidslag::sista);
    plan.text("total", AttributedString(belopp(f.attBetala()), etikettHöger), {415, 498, 100, 15},
              {.sidor = Sidslag::sista});
    plan.text("total caption", AttributedString(rubrikFörTotaltBelopp(), etikettHöger), {335, 498, 75, 15},
              {.sidor = Sidslag::sista});
    if (auto moms = momssammanfattningMedRubrikAttribut(
            värde, värde, {76, 455, 184, 66}, {.rubrikOvanförSammanfattning = true, .rubrikMedStoraBokstäver = true}))
        plan.placerade("VAT summary", std::move(*moms), Sidslag::sista);

    plan.artikeltabell({kolumnrubrik, värde, kolumnrubrikHöger, värdeHöger,
                        {.rubrikutrymme = rubrikutrymme,
                         .datautrymme = Rect{78, 290, 436, beloppsradhöjd * (n + 0.5) + 43}.integral(),
                         .höjdPåÖvrigaSidor = 234,
                         .meddelandetsFot = std::min(y0, 455.0) - 4,
                         .meddelandetUnderRaderna = true}});
    std::move(plan).placera();
}
