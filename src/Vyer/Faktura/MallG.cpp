// Template G, garden: a typewriter slab face for the title, captions and
// headings over light Helvetica Neue values, on the background "G". The
// reminder at the top left, the two addresses at the top right, each with
// a blue caption running upward along its left edge; the title, the facts
// in three columns and the credit terms across the page; the item table;
// the VAT summary beside the amount rows; a line with the due date and the
// amount to pay; at the foot the sender in two blue tables beside the logo.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Vyer/Faktura/MallverktygAdressremsor.h"
#include "Vyer/Faktura/MallverktygAttBetala.h"
#include "Vyer/Faktura/MallverktygBelopp.h"
#include "Vyer/Faktura/MallverktygTabeller.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

void Fakturavy::konfigureraInnehållFörG() {
    const auto kursiv8 = typsnitt("HelveticaNeue-Italic", 8);
    const auto lätt8 = typsnitt("HelveticaNeue-Light", 8);
    const auto skrivFet24 = typsnitt("AmericanTypewriter-Bold", 24);
    const auto skrivFet7 = typsnitt("AmericanTypewriter-Bold", 7);
    const auto skrivFet8 = typsnitt("AmericanTypewriter-Bold", 8);
    const auto skrivFet11 = typsnitt("AmericanTypewriter-Bold", 11);
    const auto skrivFet10 = typsnitt("AmericanTypewriter-Bold", 10);
    const auto lätt6 = typsnitt("HelveticaNeue-Light", 6);
    const auto lätt10 = typsnitt("HelveticaNeue-Light", 10);
    const auto lätt7 = typsnitt("HelveticaNeue-Light", 7);
    const auto lättKursiv7 = typsnitt("HelveticaNeue-LightItalic", 7);
    if (!kursiv8 || !lätt8 || !skrivFet24 || !skrivFet7 || !skrivFet8 || !skrivFet11 || !skrivFet10 || !lätt6 ||
        !lätt10 || !lätt7 || !lättKursiv7)
        return;

    const Color blå = Color::rgb(0, 0.534, 0.737);
    //                                       paragraph style  colour                           font
    const TextAttributes titel              {std::nullopt,    std::nullopt,                    skrivFet24};
    const TextAttributes påminnelse         {std::nullopt,    Color::rgb(0.802, 0.039, 0.127), kursiv8};
    const TextAttributes villkor            {std::nullopt,    std::nullopt,                    lätt6};
    const TextAttributes fskatt             {std::nullopt,    blå,                             lättKursiv7};
    const TextAttributes brödtext           {std::nullopt,    std::nullopt,                    lätt8};
    const TextAttributes brödtextHöger      {rightAligned(),  std::nullopt,                    lätt8};
    const TextAttributes kolumnrubrik       {std::nullopt,    std::nullopt,                    skrivFet11};
    const TextAttributes kolumnrubrikHöger  {rightAligned(),  std::nullopt,                    skrivFet11};
    const TextAttributes betalningsrubrik   {std::nullopt,    std::nullopt,                    skrivFet10};
    const TextAttributes betalningsvärde    {rightAligned(),  std::nullopt,                    lätt10};
    const TextAttributes avsändarvärde      {std::nullopt,    blå,                             lätt7};
    const TextAttributes avsändarrubrik     {rightAligned(),  blå,                             skrivFet7};
    const TextAttributes faktarubrik        {rightAligned(),  std::nullopt,                    skrivFet8};
    const TextAttributes adressrubrik       {std::nullopt,    blå,                             skrivFet8};
    const TextAttributes beloppsrubrik      {std::nullopt,    std::nullopt,                    skrivFet8};

    rumsplan::Plan plan(*this);
    const Rect fskattsram{36, 801, 144, 15};
    läggTillInnehållMedRamFörLogotyp(plan, {415, 727, 134, 76}, titel, {37, 162, 521, 37}, påminnelse,
                                     {37, 37, 252, 25}, villkor, {36, 283, 523, 34}, fskatt, fskattsram);

    // The sender's tables stand on y 807, or on the F-tax note's line when
    // there is one, below the due date and the amount to pay.
    mallverktyg::avsändarenPåFoten(*this, plan, avsändarrubrik, avsändarvärde,
                                   b.godkändFörFSkatt ? fskattsram.y : 807, 646 + 17);

    // Each address down to just above the blue rule at y 157; the captions
    // run upward from y 103 in the strips x 315 to 329 and x 447 to 461.
    mallverktyg::adresserMedRubrikerUppåt(plan, *this, brödtext, adressrubrik, rubrikFörMottagaradress(),
                                          {.vid = {447, 103},
                                           .leveransrubrikensY = -132,
                                           .leverans = {330, 50, 115, 103},
                                           .faktura = {462, 50, 115, 103},
                                           .fot = 155});

    // The facts keep between the title and the credit terms.
    mallverktyg::faktakolumnerIBandet(*this, plan, faktarubrik, brödtext,
                                      {.vid = 572,
                                       .platser = {42, 221, 400},
                                       .kolumnbredd = 176,
                                       .inom = Faktaband{.överkant = 199, .nederkant = 281}});

    if (!följesedel)
        mallverktyg::rubrikOchVärdeIRam(plan, "due date", AttributedString(rubrikFörFörfallodatum(), betalningsrubrik),
                                        AttributedString(datumtext(f.förfallodatum()), betalningsvärde),
                                        {56, 646, 217, 17});
    mallverktyg::attBetalaIRam(plan, *this, rubrikFörBeloppAttBetala(), betalningsrubrik, betalningsvärde,
                               {325, 646, 217, 17});

    mallverktyg::beloppOchMoms(plan, *this, {beloppsrubrik, brödtextHöger, {370, 535, 161, 15}, {.taMedTotalen = true}},
                               {brödtext, brödtext, {65, 535, 198, 92}, {.rubrikMedStoraBokstäver = true}});

    plan.artikeltabell({kolumnrubrik, brödtext, kolumnrubrikHöger, brödtextHöger,
                        {.rubrikutrymme = {60, 325, 470, 17},
                         .datautrymme = Rect{60, 333, 470, 179}.integral(),
                         .höjdPåÖvrigaSidor = 261}});
    std::move(plan).placera();
}
