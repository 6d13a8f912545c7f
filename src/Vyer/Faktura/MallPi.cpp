// Template Pi: green Helvetica Neue over a background of square pixels.
// A narrow left column with the title, the invoice number and date and
// two fact tables (the recipient's centred on y 269, the sender's with
// 70 % of its height above y 529); a right column with the reminder, the
// item table, the VAT summary and amount rows, the amount to pay, the
// payment terms and the credit terms; the logo top right.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Fakturor/Fakturaliknande.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygBelopp.h"
#include "Vyer/Faktura/MallverktygRubrikOchVarde.h"
#include "Vyer/Faktura/MallverktygTabeller.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

namespace {

const Color grön = Color::rgb(0, 137.0 / 255, 57.0 / 255);
const Color röd = Color::rgb(205.0 / 255, 10.0 / 255, 32.0 / 255);

}  // namespace

void Fakturavy::konfigureraInnehållFörPi() {
    const auto fet15 = typsnitt("HelveticaNeue-Bold", 15);
    const auto fet12 = typsnitt("HelveticaNeue-Bold", 12);
    const auto fet8 = typsnitt("HelveticaNeue-Bold", 8);
    const auto lätt8 = typsnitt("HelveticaNeue-Light", 8);
    const auto lätt12 = typsnitt("HelveticaNeue-Light", 12);
    const auto lättKursiv6 = typsnitt("HelveticaNeue-LightItalic", 6);
    const auto lättKursiv11 = typsnitt("HelveticaNeue-LightItalic", 11);
    const auto lättKursiv7 = typsnitt("HelveticaNeue-LightItalic", 7);
    const auto smalFet10 = typsnitt("HelveticaNeue-CondensedBold", 10);
    const auto smalFet8 = typsnitt("HelveticaNeue-CondensedBold", 8);
    const auto smalFet12 = typsnitt("HelveticaNeue-CondensedBold", 12);
    if (!fet15 || !fet12 || !fet8 || !lätt8 || !lätt12 || !lättKursiv6 || !lättKursiv11 || !lättKursiv7 ||
        !smalFet10 || !smalFet8 || !smalFet12)
        return;

    //                                    paragraph style  colour          font
    const TextAttributes titel           {std::nullopt,    grön,           fet15};
    const TextAttributes nummer          {std::nullopt,    grön,           fet12};
    const TextAttributes datum           {std::nullopt,    grön,           fet8};
    const TextAttributes tabellvärde     {std::nullopt,    Color::black(), lätt8};
    const TextAttributes tabelletikett   {rightAligned(),  Color::black(), lätt8};
    const TextAttributes villkor         {std::nullopt,    std::nullopt,   lättKursiv6};
    const TextAttributes påminnelse      {rightAligned(),  röd,            lättKursiv11};
    const TextAttributes fskatt          {rightAligned(),  std::nullopt,   lättKursiv7};
    const TextAttributes kolumnrubrik    {std::nullopt,    std::nullopt,   smalFet10};
    const TextAttributes kolumnrubrikHöger{rightAligned(), std::nullopt,   smalFet10};
    const TextAttributes data            {std::nullopt,    std::nullopt,   lätt8};
    const TextAttributes dataHöger       {rightAligned(),  std::nullopt,   lätt8};
    const TextAttributes beloppsrubrik   {std::nullopt,    std::nullopt,   smalFet12};
    const TextAttributes beloppsvärde    {std::nullopt,    std::nullopt,   lätt12};
    const TextAttributes villkorsrad     {std::nullopt,    std::nullopt,   smalFet8};

    rumsplan::Plan plan(*this);
    läggTillInnehållMedRamFörLogotyp(plan, {349, 34, 171, 126}, titel, {27, 27, 209, 22}, påminnelse,
                                     {266, 188, 306, 20}, villkor, {286, 716, 279, 34}, fskatt, {466, 792, 100, 24},
                                     {.titel = Rect{27, 27, 209, 18}});

    // The left column, from under the invoice date down to the foot's
    // pixels: the recipient's table centred on y 269, the sender's with 70 %
    // of its height above y 529. Every fact filled in makes the recipient's
    // table reach down past where the sender's would start: that then
    // starts a row below it.
    mallverktyg::faktatabellerIKolumn(plan, mallverktyg::mottagarOchAvsändartabeller(*this, tabelletikett, tabellvärde),
                                      {27, 88, 208, 685 - 88},
                                      {.mottagare = 269, .avsändare = 529, .andelAvAvsändarenOvanför = 0.7},
                                      rumsplan::Avrundning::närmast);
    plan.text("number", AttributedString(f.nummer(), nummer), {27, 45, 209, 25}, {.rum = Rect{27, 45, 209, 19}});
    if (!följesedel) plan.text("date", AttributedString(datumtext(f.fakturadatum()), datum), {27, 64, 209, 17});
    mallverktyg::villkorOchAttBetala(plan, *this, {.x = 286, .bredd = 279}, villkorsrad, beloppsrubrik, beloppsvärde);

    mallverktyg::beloppOchMoms(plan, *this, {data, dataHöger, {430, 566, 133, 15}, {.taMedTotalen = true}},
                               {tabellvärde, tabellvärde, {285, 566, 132, 74}, {.rubrikOvanförSammanfattning = true}});

    // The amount to pay and the payment line stand on every page, so the
    // rows of earlier pages end above them, as far down as in template Di.
    plan.artikeltabell({kolumnrubrik, data, kolumnrubrikHöger, dataHöger,
                        {.rubrikutrymme = {285, 289, 278, 17},
                         .datautrymme = {285, 301, 278, 233},
                         .höjdPåÖvrigaSidor = 344}});
    std::move(plan).placera();
}
