// Template Gu: a landscape page in Baskerville inside an ornamental frame.
// Along the top a band of four facts runs leftwards from the right edge,
// chevrons between them, with the reminder filling the room to its left;
// the recipient and the sender in a left column, lined up on one value
// column; the item table on the right with the amounts and the VAT
// summary under it on the last page.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Fakturor/Fakturaliknande.h"
#include "Vyer/Faktura/FakturavyTitel.h"
#include "Vyer/Faktura/MallverktygBelopp.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/MallverktygFaktaband.h"
#include "Vyer/Faktura/MallverktygTabeller.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

#include <algorithm>
#include <cmath>

void Fakturavy::konfigureraInnehållFörGu() {
    const auto fetKursiv19 = typsnitt("Baskerville-BoldItalic", 19);
    const auto normal7 = typsnitt("Baskerville", 7);
    const auto normal8 = typsnitt("Baskerville", 8);
    const auto kursiv8 = typsnitt("Baskerville-Italic", 8);
    const auto kursiv10 = typsnitt("Baskerville-Italic", 10);
    const auto normal10 = typsnitt("Baskerville", 10);
    const auto fet8 = typsnitt("Baskerville-Bold", 8);
    const auto fet10 = typsnitt("Baskerville-Bold", 10);
    const auto normal27 = typsnitt("Baskerville", 27);
    if (!fetKursiv19 || !normal7 || !normal8 || !kursiv8 || !kursiv10 || !normal10 || !fet8 || !fet10 || !normal27)
        return;

    const Color vinröd = Color::rgb(0.621, 0, 0.335);
    const Color skiffer = Color::rgb(0.417, 0.55, 0.629);

    //                                   paragraph style   colour         font
    const TextAttributes påminnelse    {rightAligned(),   vinröd,        fetKursiv19};
    const TextAttributes titel         {rightAligned(),   skiffer,       normal27};
    const TextAttributes tabellvärde   {std::nullopt,     std::nullopt,  normal8};
    const TextAttributes tabellrubrik  {rightAligned(),   skiffer,       fet8};
    const TextAttributes bandvärde     {std::nullopt,     std::nullopt,  normal7};
    const TextAttributes bandrubrik    {std::nullopt,     std::nullopt,  fet8};
    const TextAttributes brödtext      {std::nullopt,     std::nullopt,  normal10};
    const TextAttributes brödtextHöger {rightAligned(),   std::nullopt,  normal10};
    const TextAttributes villkor       {centerAligned(),  std::nullopt,  kursiv8};
    const TextAttributes fskatt        {std::nullopt,     std::nullopt,  kursiv8};
    const TextAttributes momsrubrik    {std::nullopt,     std::nullopt,  kursiv10};
    const TextAttributes rubrik        {std::nullopt,     std::nullopt,  fet10};
    const TextAttributes rubrikHöger   {rightAligned(),   std::nullopt,  fet10};

    using enum mallverktyg::Fakt;
    rumsplan::Plan plan(*this);
    // The band from the right edge leftwards, a chevron after each fact;
    // the reminder takes the room left of it.
    double påminnelsebredd = 458;
    if (!följesedel) {
        const Datalista fakta = {mallverktyg::fakt(*this, betalningsvillkor), mallverktyg::fakt(*this, förfallodatum),
                                 {rubrikFörNummer(), f.nummer()}, mallverktyg::fakt(*this, fakturadatum)};
        Datalistband band = datalistMedKolumndata(fakta, bandrubrik, bandvärde, mallverktyg::skåra(), skiffer,
                                                  {.skala = 0.6, .ram = {0, 542, 792, 23}});
        påminnelsebredd = std::max(0.0, band.utpunkt - 42);
        plan.placerade("facts", std::move(band.data));
    }

    // The credit terms stand below the amount rows, which start at y 362:
    // at y 446 unless six rows reach it.
    const double villkorsöverkant = std::max(446.0, 362 + beloppsradhöjd * antalBeloppsrader(true) + 4);
    // The reminder stands at the right of its frame: its room is the width
    // it takes there, the whole frame only where it is wider.
    const Rect påminnelseram{42, 25, påminnelsebredd, 28};
    const auto påminnelsen = påminnelseSomVisas(*this);
    const double påminnelsensBredd =
        påminnelsen ? mätare.boundingSize(AttributedString(*påminnelsen, påminnelse), {10000, 10000}).width : 0;
    const double kant = std::max(påminnelseram.x, std::floor(påminnelseram.maxX() - påminnelsensBredd));
    const Rect påminnelserum{kant, påminnelseram.y, påminnelseram.maxX() - kant, påminnelseram.height};
    läggTillInnehållMedRamFörLogotyp(plan, {46, 240, 139, 74}, titel, {378, 91, 391, 38}, påminnelse, påminnelseram,
                                     villkor, {334, villkorsöverkant, 415, 37}, fskatt, {43, 541, 176, 15},
                                     {.påminnelse = påminnelserum});

    // Recipient above sender, their values in one column, each about its
    // line within its room in the column, set smaller together with the
    // other: the recipient's from the top scrolls, or below a reminder that
    // reaches over the column, down to a point above the logo, or without
    // a logo to the sender's; the sender's between the logo and the F-tax
    // note.
    using rumsplan::Avrundning, rumsplan::Förankring, rumsplan::Sättning;
    auto tabeller = mallverktyg::mottagarOchAvsändartabeller(*this, tabellrubrik, tabellvärde,
                                                             mallverktyg::mottagarfaktaMedInköpsordernFörst(*this));
    const double mottagartopp = påminnelsen && påminnelserum.minX() < 27 + 219 ? påminnelserum.maxY() : 28;
    const double mottagarfot = logotyp({139, 74}) ? 235 : 317;
    auto& mottagarrum = plan.rum("recipient", {27, mottagartopp, 219, mottagarfot - mottagartopp});
    mottagarrum.block("recipient", {std::move(tabeller.mottagare), {27, 144.5, 219, 0}, Sättning::tabell},
                      {.förankring = Förankring::kring(144.5, 0.5, Avrundning::nedåt)});
    auto& avsändarrum = plan.rum("sender", {27, 318, 219, 219});
    avsändarrum.block("sender", {std::move(tabeller.avsändare), {27, 373.5, 219, 0}, Sättning::tabell},
                      {.förankring = Förankring::kring(373.5, 0.3, Avrundning::nedåt)});
    plan.krymperMed(mottagarrum, avsändarrum);

    plan.artikeltabell({rubrik, brödtext, rubrikHöger, brödtextHöger,
                        {.rubrikutrymme = {323, 167, 440, 18},
                         .datautrymme = Rect{323, 175, 440, 162}.integral(),
                         .höjdPåÖvrigaSidor = 249,
                         .storaBokstäverPåRubriker = true}});
    mallverktyg::beloppOchMoms(plan, *this, {brödtext, brödtextHöger, {587, 362, 176, 17}, {.taMedTotalen = true}},
                               {momsrubrik, brödtext, {323, 362, 202, 85}, {.rubrikOvanförSammanfattning = true}});
    std::move(plan).placera();
}
