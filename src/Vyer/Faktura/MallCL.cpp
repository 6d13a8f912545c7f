// Template CL, colour bands: a landscape page over the background "CL".
// The recipient's and the sender's facts in white on the dark band at the
// left; across the top the orange title, ending where a strip of dated
// facts begins, which runs from the right edge leftward; the item table in
// the middle with the VAT summary and the amounts below it; the amount to
// pay and the credit terms at the bottom right.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Fakturor/Fakturaliknande.h"
#include "Vyer/Faktura/MallverktygBelopp.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/MallverktygTabeller.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

#include <algorithm>

using mallverktyg::Fakt;

namespace {

const Color orange = Color::rgb(0.853, 0.317, 0.127);
const Color röd = Color::rgb(0.656, 0.078, 0.132);

// The title runs from here to where the date strip begins.
constexpr double titelx = 287;

// A vertical stroke 28 points long, centred on its origin.
BezierPath avdelare() {
    BezierPath väg;
    väg.moveTo({0, -14});
    väg.lineTo({0, 14});
    väg.lineWidth = 2;
    return väg;
}

}  // namespace

void Fakturavy::konfigureraInnehållFörCL() {
    const auto normal8 = typsnitt("HelveticaNeue", 8);
    const auto lätt15 = typsnitt("HelveticaNeue-Light", 15);
    const auto lättKursiv16 = typsnitt("HelveticaNeue-LightItalic", 16);
    const auto smalFet20 = typsnitt("HelveticaNeue-CondensedBold", 20);
    const auto smalFet15 = typsnitt("HelveticaNeue-CondensedBold", 15);
    const auto smalFet10 = typsnitt("HelveticaNeue-CondensedBold", 10);
    const auto lätt8 = typsnitt("HelveticaNeue-Light", 8);
    const auto kursiv8 = typsnitt("HelveticaNeue-Italic", 8);
    const auto fet8 = typsnitt("HelveticaNeue-Bold", 8);
    const auto fet7 = typsnitt("HelveticaNeue-Bold", 7);
    const auto lättKursiv7 = typsnitt("HelveticaNeue-LightItalic", 7);
    const auto lätt7 = typsnitt("HelveticaNeue-Light", 7);
    const auto lätt9 = typsnitt("HelveticaNeue-Light", 9);
    if (!normal8 || !lätt15 || !lättKursiv16 || !smalFet20 || !smalFet15 || !smalFet10 || !lätt8 || !kursiv8 ||
        !fet8 || !fet7 || !lättKursiv7 || !lätt7 || !lätt9)
        return;

    const Color vit = Color::white();
    //                                     paragraph style  colour        font
    const TextAttributes titel            {rightAligned(),  orange,       smalFet20};
    const TextAttributes påminnelse       {rightAligned(),  röd,          lättKursiv16};
    const TextAttributes villkor          {std::nullopt,    std::nullopt, lättKursiv7};
    const TextAttributes fskatt           {rightAligned(),  vit,          kursiv8};
    const TextAttributes faktavärde       {std::nullopt,    vit,          normal8};
    const TextAttributes faktaetikett     {rightAligned(),  vit,          fet8};
    const TextAttributes brödtext         {std::nullopt,    std::nullopt, lätt8};
    const TextAttributes brödtextHöger    {rightAligned(),  std::nullopt, lätt8};
    const TextAttributes kolumnrubrik     {std::nullopt,    std::nullopt, smalFet10};
    const TextAttributes kolumnrubrikHöger{rightAligned(),  std::nullopt, smalFet10};
    const TextAttributes momsrubrik       {std::nullopt,    std::nullopt, lätt9};
    const TextAttributes attBetala        {rightAligned(),  std::nullopt, lätt15};
    const TextAttributes attBetalaRubrik  {std::nullopt,    std::nullopt, smalFet15};
    const TextAttributes bandrubrik       {std::nullopt,    std::nullopt, fet7};
    const TextAttributes bandvärde        {std::nullopt,    std::nullopt, lätt7};

    // One room down the band, to above the F-tax note: the recipient's facts
    // above the sender's, their values in one column, the sender's from
    // y 319, or 12 points under a longer recipient's table, or moved up as
    // far as these let them.
    auto tabeller = mallverktyg::mottagarOchAvsändartabeller(*this, faktaetikett, faktavärde,
                                                             mallverktyg::mottagarfaktaMedInköpsordernFörst(*this));
    rumsplan::Plan plan(*this);
    plan.rum("facts", {38, 53, 225, 503})
        .block("recipient", {std::move(tabeller.mottagare), {38, 53, 225, 213}, rumsplan::Sättning::tabell})
        .block("sender", {std::move(tabeller.avsändare), {38, 319, 225, 237}, rumsplan::Sättning::tabell},
               {.avstånd = 12});

    // The title ends where the date strip begins, or at the right edge of a
    // delivery note, which has neither strip nor amount to pay.
    double titelbredd = 515;
    if (följesedel) {
        plan.rita({Rect{553, 544, 235, 60}, vit});
    } else {
        // Caption and amount on one line, the amount 2 points higher; the
        // caption keeps a space's width clear of a large amount.
        AttributedString beloppet(belopp(f.attBetala()), attBetala);
        const double rubrikbredd = 235 - std::max(0.0, mätare.boundingSize(beloppet, {10000, 10000}).width) - 6;
        plan.rum("amount to pay", {553, 500, 235, 26})
            .block("amount to pay", {{AttributedString(rubrikFörBeloppAttBetala(), attBetalaRubrik),
                                      {553, 502, std::max(rubrikbredd, 0.0), 24}},
                                     {std::move(beloppet), {553, 500, 235, 24}}});
        auto band = datalistMedKolumndata(
            mallverktyg::fakta(*this, {Fakt::fakturadatum, Fakt::fakturanummer, Fakt::förfallodatum,
                                       Fakt::betalningsvillkor}),
            bandrubrik, bandvärde, avdelare(), orange, {.ram = {200, 528, 602, 25}});
        titelbredd = std::max(0.0, band.utpunkt - titelx);
        plan.placerade("date strip", std::move(band.data));
    }

    läggTillInnehållMedRamFörLogotyp(plan, {337, 480, 144, 87}, titel, {titelx, 45, titelbredd, 33}, påminnelse,
                                     {294, 87, 495, 28}, villkor, {547, 531, 242, 44}, fskatt, {72, 560, 195, 14});

    plan.artikeltabell({kolumnrubrik, brödtext, kolumnrubrikHöger, brödtextHöger,
                        {.rubrikutrymme = {357, 159, 421, 22},
                         .datautrymme = Rect{357, 165, 421, 160}.integral(),
                         .höjdPåÖvrigaSidor = 286}});
    mallverktyg::beloppOchMoms(plan, *this, {brödtext, brödtextHöger, {613, 347, 165, 15}, {.taMedTotalen = true}},
                               {momsrubrik, brödtext, {356, 347, 226, 80},
                                {.rubrikOvanförSammanfattning = true, .rubrikMedStoraBokstäver = true}});
    std::move(plan).placera();
}
