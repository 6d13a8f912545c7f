// Template FL: Gill Sans over falling leaves. A white line at the very top
// (due date and invoice number) on the background's dark band; a narrow
// column of facts on the left, each a green caption in capitals over its
// value, stacked by their measured heights; the recipient's address at the
// right; the title across the page; the item table, the VAT summary and
// amount rows, the amount to pay in the background's box and the credit
// terms; a footer with the company name, two sender tables and the logo.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Land.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/FakturavyTitel.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygAttBetala.h"
#include "Vyer/Faktura/MallverktygBelopp.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/MallverktygRubrikOchVarde.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"


using mallverktyg::Fakt;

namespace {

const Color röd = Color::rgb(0.624, 0.087, 0.135);
const Color grön = Color::rgb(0.212, 0.451, 0.149);
const Color vit = Color::white();

}  // namespace

void Fakturavy::konfigureraInnehållFörFL() {
    //                                    paragraph style  colour        font
    const TextAttributes titel            {rightAligned(),  std::nullopt, typsnitt("GillSans-Light", 32)};
    const TextAttributes påminnelse       {rightAligned(),  röd,          typsnitt("GillSans-Italic", 10)};
    const TextAttributes villkor          {std::nullopt,    std::nullopt, typsnitt("GillSans-LightItalic", 7)};
    const TextAttributes liten            {std::nullopt,    std::nullopt, typsnitt("GillSans-Light", 8)};
    const TextAttributes litenHöger       {rightAligned(),  std::nullopt, typsnitt("GillSans-Light", 8)};
    const TextAttributes kolumnrubrik     {std::nullopt,    grön,         typsnitt("GillSans-Bold", 9)};
    const TextAttributes kolumnrubrikHöger{rightAligned(),  grön,         typsnitt("GillSans-Bold", 9)};
    const TextAttributes beloppsrubrik    {std::nullopt,    std::nullopt, typsnitt("GillSans-Light", 10)};
    const TextAttributes beloppHöger      {rightAligned(),  std::nullopt, typsnitt("GillSans-Light", 10)};
    const TextAttributes företagsnamn     {std::nullopt,    std::nullopt, typsnitt("GillSans-Bold", 9)};
    const TextAttributes faktarubrik      {std::nullopt,    grön,         typsnitt("GillSans", 8)};
    const TextAttributes mottagaradress   {std::nullopt,    std::nullopt, typsnitt("GillSans-Light", 9)};
    const TextAttributes toppvärde        {std::nullopt,    vit,          typsnitt("GillSans", 8)};
    const TextAttributes topprubrik       {std::nullopt,    vit,          typsnitt("GillSans-Bold", 8)};
    if (saknatTypsnitt) return;  // a layout that misses a font lays out nothing

    // A table in full text layout in its frame, as a block of `rum`; and
    // whether a room of `yta` holds it without cutting it.
    rumsplan::Plan plan(*this);
    auto tabell = [](rumsplan::Rum& rum, const AttributedString& text, const Rect& ram) -> rumsplan::Rum& {
        return rum.block(rum.namn(), {text, ram, rumsplan::Sättning::tabell});
    };
    auto ryms = [&](const AttributedString& text, const Rect& ram, const Rect& yta) {
        rumsplan::Rum rum("", yta);
        return plan.rymmerUtanAttKapa(tabell(rum, text, ram));
    };

    // The registration table set smaller to its frame; one that does not
    // fit even at 70 % (every way of payment) runs on below it, the F-tax
    // line 2 points under it, both set smaller to end by the paper's margin.
    const AttributedString registrering =
        tabellMedData(mallverktyg::faktaOchBetalning(*this, {Fakt::organisationsnummer, Fakt::momsregistreringsnummer}),
                      litenHöger, liten, {.storaBokstäverPåRubrik = true})
            .tabell;
    const Rect registreringsram{23, 719, 171, 84}, fskattsram{25, 805, 148, 13}, logotypram{399, 711, 139, 77};
    const bool iRamen = ryms(registrering, registreringsram, registreringsram);
    läggTillInnehållMedRamFörLogotyp(plan, logotypram, titel, {163, 263, 375, 49}, påminnelse, {395, 66, 164, 26},
                                     villkor, {292, 624, 257, 43}, villkor, iRamen ? fskattsram : Rect{});
    auto& rummet = tabell(plan.rum("registration", {23, 719, 171, iRamen ? 84.0 : 836.0 - 719}), registrering,
                          registreringsram);
    if (auto fskatt = fskattSomVisas(*this); fskatt && !iRamen)
        rummet.block("F-tax note", {AttributedString(*fskatt, villkor), fskattsram},
                     {.avstånd = 2, .underPåHelPunkt = true});

    // The company's name between the rule above it and the tables below
    // it, on two lines if it must.
    plan.text("sender name", AttributedString(b.namn, företagsnamn), {25, 703, 340, 16});

    // The top line, white on the background's dark band, each part kept to
    // its line there.
    if (!följesedel)
        plan.text("due date",
                  mallverktyg::rubrikOchVärde(rubrikFörFörfallodatum(), topprubrik, datumtext(f.förfallodatum()),
                                              toppvärde),
                  {23, 24, 148, 13});
    plan.text("number", mallverktyg::rubrikOchVärde(rubrikFörFakturanummer(), topprubrik, f.nummer(), toppvärde),
              {176, 24, 153, 13});

    // The recipient's address reaches down to the title; the contact table
    // down to the page's foot, beside the logo. One that does not fit so
    // even at 70 % reaches on to the logo's frame and the paper's margin.
    if (auto adress = f.fakturaadressGivetAvsändarland(std::string(kod(b.land))))
        plan.rum("recipient", {357, 119, 145, 144})
            .block("recipient", {AttributedString(*adress, mottagaradress), {357, 119, 145, 88}});
    const AttributedString kontakt =
        tabellMedData(mallverktyg::fakta(*this, {Fakt::avsändaradress, Fakt::telefon, Fakt::fax, Fakt::email,
                                                 Fakt::hemsida}),
                      litenHöger, liten, {.storaBokstäverPåRubrik = true})
            .tabell;
    const bool iSittRum = ryms(kontakt, {197, 719, 183, 84}, {197, 719, 183, 832 - 719});
    const double bredd = iSittRum ? 183 : logotypram.minX() - 197;
    tabell(plan.rum("contact", {197, 719, bredd, (iSittRum ? 832 : 836) - 719.0}), kontakt, {197, 719, bredd, 84});

    // The column of facts; the due date stands here on delivery notes too.
    // Every fact filled in is set smaller to end above the item headings.
    auto& kolumnen = plan.rum("facts", {37, 67, 125, 316 - 1 - 67});
    for (AttributedString& text : mallverktyg::rubrikerÖverVärden(
             mallverktyg::fakta(*this, {Fakt::erReferens, Fakt::vårReferens, Fakt::kundnummer, Fakt::personnummer,
                                        Fakt::personnummer2, Fakt::fastighetsbeteckning, Fakt::lägenhetsnummer,
                                        Fakt::inköpsordernummer, Fakt::mottagarensMomsregistreringsnummer,
                                        Fakt::betalningsvillkor, Fakt::leveranssätt, Fakt::förfallodatum,
                                        Fakt::leveransdatum}),
             faktarubrik, liten))
        kolumnen.block("fact", {std::move(text), {37, 67, 125, 0}}, {.avstånd = 4});

    if (följesedel) plan.rita(CachatObjekt(Rect{285, 591, 270, 29}, vit));
    mallverktyg::attBetalaIRam(plan, *this, versaler(rubrikFörBeloppAttBetala()), beloppsrubrik, beloppHöger,
                               {304, 599, 239, 18});
    mallverktyg::beloppOchMoms(plan, *this, {liten, litenHöger, {339, 504, 199, 15}, {.taMedTotalen = true}},
                               {liten, liten, {57, 504, 226, 62}});

    plan.artikeltabell({kolumnrubrik, liten, kolumnrubrikHöger, litenHöger,
                        {.rubrikutrymme = {56, 320, 482, 18},
                         .datautrymme = Rect{56, 329, 482, 154}.integral(),
                         .höjdPåÖvrigaSidor = 186}});
    std::move(plan).placera();
}
