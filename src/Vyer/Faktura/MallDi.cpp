// Template Di: Helvetica Neue under a red diagonal band across the top
// right corner, where the title, the invoice number and date stand in
// white. A narrow left column with the reminder and two fact tables (the
// recipient's centred on y 270, the sender's on y 506) and the F-tax note;
// a wide right column with the logo, the item table, the VAT summary and
// amount rows, the amount to pay, the payment terms and the credit terms.
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

void Fakturavy::konfigureraInnehållFörDi() {
    const auto normal11 = typsnitt("HelveticaNeue", 11);
    const auto normal12 = typsnitt("HelveticaNeue", 12);
    const auto normal7 = typsnitt("HelveticaNeue", 7);
    const auto normal8 = typsnitt("HelveticaNeue", 8);
    const auto fet8 = typsnitt("HelveticaNeue-Bold", 8);
    const auto smalFet8 = typsnitt("HelveticaNeue-CondensedBold", 8);
    const auto smalFet10 = typsnitt("HelveticaNeue-CondensedBold", 10);
    const auto smalFet12 = typsnitt("HelveticaNeue-CondensedBold", 12);
    const auto smalFet24 = typsnitt("HelveticaNeue-CondensedBold", 24);
    const auto lättKursiv6 = typsnitt("HelveticaNeue-LightItalic", 6);
    if (!normal11 || !normal12 || !normal7 || !normal8 || !fet8 || !smalFet8 || !smalFet10 || !smalFet12 ||
        !smalFet24 || !lättKursiv6)
        return;

    //                                    paragraph style  colour        font
    const TextAttributes titel           {rightAligned(),  vit,          smalFet24};
    const TextAttributes nummer          {rightAligned(),  vit,          normal12};
    const TextAttributes datum           {rightAligned(),  vit,          fet8};
    const TextAttributes påminnelse      {std::nullopt,    röd,          normal11};
    const TextAttributes data            {std::nullopt,    std::nullopt, normal8};
    const TextAttributes dataHöger       {rightAligned(),  std::nullopt, normal8};
    const TextAttributes kolumnrubrik    {std::nullopt,    std::nullopt, smalFet10};
    const TextAttributes kolumnrubrikHöger{rightAligned(), std::nullopt, smalFet10};
    const TextAttributes tabellvärde     {std::nullopt,    std::nullopt, normal7};
    const TextAttributes tabelletikett   {rightAligned(),  std::nullopt, normal7};
    const TextAttributes villkor         {std::nullopt,    std::nullopt, lättKursiv6};
    const TextAttributes beloppsrubrik   {std::nullopt,    std::nullopt, smalFet12};
    const TextAttributes beloppsvärde    {std::nullopt,    std::nullopt, normal12};
    const TextAttributes villkorsrad     {std::nullopt,    std::nullopt, smalFet8};

    rumsplan::Plan plan(*this);
    läggTillInnehållMedRamFörLogotyp(plan, {258, 196, 113, 83}, titel, {346, 37, 207, 28}, påminnelse,
                                     {29, 137, 204, 20}, villkor, {264, 716, 279, 34}, tabellvärde, {53, 662, 180, 24},
                                     {.titel = Rect{346, 37, 207, 23}});

    // The left column, from under the reminder down to the F-tax note: the
    // recipient's table centred on y 270, the sender's on y 506; a long
    // recipient's table pushes the sender's down.
    mallverktyg::faktatabellerIKolumn(plan, mallverktyg::mottagarOchAvsändartabeller(*this, tabelletikett, tabellvärde),
                                      {32, 160, 203, 500}, {.mottagare = 270, .avsändare = 506},
                                      rumsplan::Avrundning::nedåt);
    plan.text("number", AttributedString(f.nummer(), nummer), {346, 60, 207, 21}, {.rum = Rect{346, 60, 207, 20}});
    if (!följesedel) plan.text("date", AttributedString(datumtext(f.fakturadatum()), datum), {476, 80, 77, 17});
    mallverktyg::villkorOchAttBetala(plan, *this, {.x = 264, .bredd = 280}, villkorsrad, beloppsrubrik, beloppsvärde);

    mallverktyg::beloppOchMoms(plan, *this, {data, dataHöger, {408, 567, 135, 15}, {.taMedTotalen = true}},
                               {data, data, {264, 566, 132, 74}, {.rubrikOvanförSammanfattning = true}});

    plan.artikeltabell({kolumnrubrik, data, kolumnrubrikHöger, dataHöger,
                        {.rubrikutrymme = {264, 290, 278, 17},
                         .datautrymme = {264, 301, 278, 233},
                         .höjdPåÖvrigaSidor = 344}});
    std::move(plan).placera();
}
