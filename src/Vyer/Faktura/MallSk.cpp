// Template Sk, forest: Lucida Grande over the background "Sk", whose dark
// forest at the foot carries the company's name and three tables of its
// data in white. Logo top left with the title and the reminder beside it,
// the invoice number and date top right; the facts, the delivery address
// and the invoice address in a band below; the item table, then the VAT
// summary and the amount rows with a total row of their own; the amount
// to pay with the due date and payment terms at the lower left.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Land.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/Styckeformat.h"

using mallverktyg::Fakt;
using mallverktyg::text;

namespace {

const Color röd = Color::rgb(0.73, 0.149, 0.173);

}  // namespace

void Fakturavy::konfigureraInnehållFörSk() {
    const auto fet9 = typsnitt("LucidaGrande-Bold", 9);
    const auto fet10 = typsnitt("LucidaGrande-Bold", 10);
    const auto normal10 = typsnitt("LucidaGrande", 10);
    const auto fet18 = typsnitt("LucidaGrande-Bold", 18);
    const auto normal6 = typsnitt("LucidaGrande", 6);
    const auto fet11 = typsnitt("LucidaGrande-Bold", 11);
    const auto normal7 = typsnitt("LucidaGrande", 7);
    const auto fet7 = typsnitt("LucidaGrande-Bold", 7);
    const auto fet6 = typsnitt("LucidaGrande-Bold", 6);
    if (!fet9 || !fet10 || !normal10 || !fet18 || !normal6 || !fet11 || !normal7 || !fet7 || !fet6) return;

    const Color vit = Color::white();
    //                                     paragraph style  colour        font
    const TextAttributes fskatt           {rightAligned(),  vit,          normal6};
    const TextAttributes villkor          {std::nullopt,    std::nullopt, normal6};
    const TextAttributes titel            {rightAligned(),  std::nullopt, fet18};
    const TextAttributes påminnelse       {rightAligned(),  röd,          normal10};
    const TextAttributes värde            {std::nullopt,    std::nullopt, normal7};
    const TextAttributes värdeHöger       {rightAligned(),  std::nullopt, normal7};
    const TextAttributes etikettHöger     {rightAligned(),  std::nullopt, fet7};
    const TextAttributes adressrubrik     {std::nullopt,    std::nullopt, fet7};
    const TextAttributes nummer           {rightAligned(),  std::nullopt, fet11};
    const TextAttributes nummerrubrik     {std::nullopt,    std::nullopt, fet6};
    const TextAttributes datum            {rightAligned(),  std::nullopt, normal6};
    const TextAttributes attBetala        {rightAligned(),  std::nullopt, fet10};
    const TextAttributes företagsnamn     {std::nullopt,    vit,          fet9};
    const TextAttributes fotetikett       {rightAligned(),  vit,          fet7};
    const TextAttributes fotvärde         {std::nullopt,    vit,          normal7};
    const TextAttributes attBetalaRubrik  {std::nullopt,    std::nullopt, fet9};
    const TextAttributes kolumnrubrik     {std::nullopt,    std::nullopt, fet9};
    const TextAttributes kolumnrubrikHöger{rightAligned(),  std::nullopt, fet9};

    // A delivery note sets the credit terms where the amount to pay stands
    // on an invoice.
    const Rect villkorsram = följesedel ? Rect{69, 556, 255, 47} : Rect{70, 617, 255, 39};
    läggTillInnehållMedRamFörLogotyp({31, 32, 133, 94}, titel, {172, 33, 271, 22}, påminnelse, {171, 58, 391, 24},
                                     villkor, villkorsram, fskatt, {463, 814, 116, 13});

    auto& alla = innehållFörAllaSidor;
    alla.push_back(text(f.nummer(), nummer, {475, 37, 79, 16}));
    alla.push_back(text(rubrikFörNummer(), nummerrubrik, {458, 38, 25, 9}));
    alla.push_back(text(datumtext(f.fakturadatum()), datum, {458, 23, 101, 10}));

    // The facts make room for the delivery address when there is one; they
    // reach down to just above the item headings, set smaller when every
    // fact is listed.
    const Datalista fakta =
        mallverktyg::fakta(*this, {Fakt::erReferens, Fakt::vårReferens, Fakt::kundnummer, Fakt::personnummer,
                                   Fakt::personnummer2, Fakt::fastighetsbeteckning, Fakt::lägenhetsnummer,
                                   Fakt::mottagarensMomsregistreringsnummer, Fakt::inköpsordernummer,
                                   Fakt::leveranssätt, Fakt::leveransdatum});
    const Rect rubrikutrymme{78, 271, 436, 15};
    const Rect faktaram{39, 148, f.leveransadress() ? 214.0 : 359.0, rubrikutrymme.y - 3 - 148};
    alla.push_back(mallverktyg::passandeText(*this, tabellMedData(fakta, etikettHöger, värde).tabell, faktaram));

    // In the forest at the foot, in white.
    alla.push_back(text(b.namn, företagsnamn, {34, 726, 292, 15}));
    const Datalista fot[] = {
        mallverktyg::fakta(*this, {Fakt::avsändaradress, Fakt::organisationsnummer, Fakt::momsregistreringsnummer}),
        mallverktyg::fakta(*this, {Fakt::säte, Fakt::telefon, Fakt::fax, Fakt::email, Fakt::hemsida}),
        betalningsinformation(),
    };
    const Rect fotramar[] = {{34, 750, 163, 62}, {201, 750, 174, 62}, {381, 750, 204, 62}};
    for (size_t i = 0; i < 3; ++i)
        alla.push_back(mallverktyg::tabelltext(*this, tabellMedData(fot[i], fotetikett, fotvärde).tabell,
                                               fotramar[i]));

    const std::string avsändarland(kod(b.land));
    if (auto adress = f.fakturaadressGivetAvsändarland(avsändarland)) {
        alla.push_back(text(*adress, värde, {408, 163, 158, 83}));
        alla.push_back(text(rubrikFörMottagare(), adressrubrik, {408, 148, 158, 15}));
    }
    if (auto adress = f.adressAttLevereraTillGivetAvsändarland(avsändarland)) {
        alla.push_back(text(*adress, värde, {256, 163, 142, 83}));
        alla.push_back(text(rubrikFörLeveransadress(), adressrubrik, {256, 148, 142, 15}));
    }

    if (!följesedel) {
        alla.push_back(text(rubrikFörBeloppAttBetala(), attBetalaRubrik, {83, 587, 229, 15}));
        alla.push_back(text(belopp(f.attBetala()), attBetala, {83, 587, 229, 15}));
        alla.push_back(text(versaler(rubrikFörFörfallodatum()) + " " + datumtext(f.förfallodatum()), värde,
                            {83, 573, 229, 15}));
        alla.push_back(text(rubrikFörBetalningsvillkor() + " " + rubrikFörDagar(), värde, {83, 557, 229, 15}));
    }

    // The amount rows end on a total row of the template's own at y 498, so
    // they grow upward; the item area grows with them.
    const int n = antalBeloppsrader(false);
    const double y0 = 498 - beloppsradhöjd * n;
    std::vector<CachatObjekt> sistaSidan =
        beloppfältMedRubrikattribut(värdeHöger, värdeHöger, {335, y0, 75, 15}, {415, y0, 100, 15})
            .data;
    sistaSidan.push_back(text(belopp(f.attBetala()), etikettHöger, {415, 498, 100, 15}));
    sistaSidan.push_back(text(rubrikFörTotaltBelopp(), etikettHöger, {335, 498, 75, 15}));
    if (auto moms = momssammanfattningMedRubrikAttribut(
            värde, värde, {76, 455, 184, 66}, {.rubrikOvanförSammanfattning = true, .rubrikMedStoraBokstäver = true}))
        sistaSidan.insert(sistaSidan.end(), moms->begin(), moms->end());

    läggTillKolumnerMedRubrikattribut(kolumnrubrik, värde, kolumnrubrikHöger, värdeHöger,
                                      {.rubrikutrymme = rubrikutrymme,
                                       .datautrymme = Rect{78, 290, 436, beloppsradhöjd * (n + 0.5) + 43}.integral(),
                                       .höjdPåÖvrigaSidor = 234});
    läggTillInnehållPåSistaSidan(std::move(sistaSidan), std::nullopt);
}
