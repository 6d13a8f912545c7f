// Templates DotRed and DotGrey: light Helvetica Neue over a background of
// dots, red for DotRed and grey for DotGrey; only the two fact tables take
// the accent colour. On the left the recipient's facts above the sender's,
// their values in one column, the logo below them and the F-tax line in
// white on a dark corner; at the right the title and invoice number, the
// reminder, the item table, the VAT summary and amount rows, the amount
// to pay over the payment-term line and the credit terms.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Fakturor/Fakturaliknande.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygBelopp.h"
#include "Vyer/Faktura/MallverktygRubrikOchVarde.h"
#include "Vyer/Faktura/MallverktygTabeller.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"


namespace {

const Color röd = Color::rgb(0.802, 0.039, 0.127);
const Color vit = Color::white();

}  // namespace

void Fakturavy::konfigureraInnehållFörDoMedFärg(const Color& accent) {
    const auto smalFet14 = typsnitt("HelveticaNeue-CondensedBold", 14);
    const auto fet8 = typsnitt("HelveticaNeue-Bold", 8);
    const auto lätt12 = typsnitt("HelveticaNeue-Light", 12);
    const auto lätt14 = typsnitt("HelveticaNeue-Light", 14);
    const auto lätt7 = typsnitt("HelveticaNeue-Light", 7);
    const auto lätt8 = typsnitt("HelveticaNeue-Light", 8);
    const auto lättKursiv6 = typsnitt("HelveticaNeue-LightItalic", 6);
    const auto kursiv7 = typsnitt("HelveticaNeue-Italic", 7);
    const auto smalFet8 = typsnitt("HelveticaNeue-CondensedBold", 8);
    const auto smalFet10 = typsnitt("HelveticaNeue-CondensedBold", 10);
    if (!smalFet14 || !fet8 || !lätt12 || !lätt14 || !lätt7 || !lätt8 || !lättKursiv6 || !kursiv7 || !smalFet8 ||
        !smalFet10)
        return;

    //                                    paragraph style  colour        font
    const TextAttributes titel           {rightAligned(),  std::nullopt, smalFet14};
    const TextAttributes nummer          {rightAligned(),  std::nullopt, lätt12};
    const TextAttributes datum           {std::nullopt,    std::nullopt, fet8};
    const TextAttributes påminnelse      {std::nullopt,    röd,          lätt14};
    const TextAttributes data            {std::nullopt,    std::nullopt, lätt8};
    const TextAttributes dataHöger       {rightAligned(),  std::nullopt, lätt8};
    const TextAttributes kolumnrubrik    {std::nullopt,    std::nullopt, smalFet10};
    const TextAttributes kolumnrubrikHöger{rightAligned(), std::nullopt, smalFet10};
    const TextAttributes tabellvärde     {std::nullopt,    accent,       lätt7};
    const TextAttributes tabelletikett   {rightAligned(),  accent,       lätt7};
    const TextAttributes villkor         {std::nullopt,    std::nullopt, lättKursiv6};
    const TextAttributes beloppsrubrik   {std::nullopt,    std::nullopt, smalFet10};
    const TextAttributes beloppsvärde    {std::nullopt,    std::nullopt, lätt12};
    const TextAttributes villkorsrad     {std::nullopt,    std::nullopt, smalFet8};
    const TextAttributes fskatt          {std::nullopt,    vit,          kursiv7};

    rumsplan::Plan plan(*this);
    läggTillInnehållMedRamFörLogotyp(plan, {41, 625, 158, 105}, titel, {340, 155, 207, 20}, påminnelse,
                                     {264, 237, 287, 24}, villkor, {264, 716, 279, 34}, fskatt, {16, 802, 120, 24},
                                     {.titel = Rect{340, 155, 207, 14}});

    // The left column down to above the logo: the recipient's table from
    // y 176, the sender's from y 371 or 8 points below a longer recipient's.
    auto tabeller = mallverktyg::mottagarOchAvsändartabeller(*this, tabelletikett, tabellvärde);
    mallverktyg::tabellerIKolumn(plan, {30, 176, 205, 444},
                                 {{"recipient", std::move(tabeller.mottagare), {30, 176, 205, 190}, {}},
                                  {"sender", std::move(tabeller.avsändare), {30, 371, 205, 239}, {.avstånd = 8}}});
    plan.text("number", AttributedString(f.nummer(), nummer), {340, 169, 207, 21});
    if (!följesedel) plan.text("date", AttributedString(datumtext(f.fakturadatum()), datum), {259, 156, 77, 17});
    mallverktyg::villkorOchAttBetala(plan, *this, {.x = 264, .bredd = 280}, villkorsrad, beloppsrubrik, beloppsvärde);

    // The amount rows stand centred on y 597 however many there are.
    const double y = 597 - halvBeloppsrad * antalBeloppsrader(true);
    mallverktyg::beloppOchMoms(plan, *this, {data, dataHöger, {408, y, 135, 15}, {.taMedTotalen = true}},
                               {data, data, {264, 566, 132, 74}, {.rubrikOvanförSammanfattning = true}});

    plan.artikeltabell({kolumnrubrik, data, kolumnrubrikHöger, dataHöger,
                        {.rubrikutrymme = {264, 290, 278, 17},
                         .datautrymme = {264, 301, 278, 228},
                         .höjdPåÖvrigaSidor = 324}});
    plan.vittPåÖvrigaSidor({250, 542, 300, 20});
    std::move(plan).placera();
}
