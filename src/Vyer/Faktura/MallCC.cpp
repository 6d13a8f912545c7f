// Template CC, curves: Cochin in one wine-red accent on the background
// "CC". At the top the invoice's facts and, beside them, its number and
// date, the white reminder on the dark curve at the right; the two
// addresses, each with an italic caption running upward along its left
// edge; the payment terms and due date centred in the round badge at the
// left; the title; the item table; the VAT summary beside the amount rows;
// the amount to pay; at the foot the sender in two accent tables beside
// the white F-tax note on the dark curve at the left.
#include "Vyer/Faktura/Fakturavy.h"
#include "Vyer/Faktura/FakturavyTitel.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Land.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygAttBetala.h"
#include "Vyer/Faktura/MallverktygBelopp.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/MallverktygTabeller.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

#include <algorithm>
#include <numbers>

using mallverktyg::Fakt;

namespace {

const Color accent = Color::rgb(0.426, 0.116, 0.259);
const Color vit = Color::white();

}  // namespace

void Fakturavy::konfigureraInnehållFörCC() {
    const auto normal9 = typsnitt("Cochin", 9);
    const auto fet9 = typsnitt("Cochin-Bold", 9);
    const auto fet23 = typsnitt("Cochin-Bold", 23);
    const auto kursiv10 = typsnitt("Cochin-Italic", 10);
    const auto fetKursiv13 = typsnitt("Cochin-BoldItalic", 13);
    const auto normal7 = typsnitt("Cochin", 7);
    const auto normal8 = typsnitt("Cochin", 8);
    const auto fet8 = typsnitt("Cochin-Bold", 8);
    const auto normal12 = typsnitt("Cochin", 12);
    if (!normal9 || !fet9 || !fet23 || !kursiv10 || !fetKursiv13 || !normal7 || !normal8 || !fet8 ||
        !normal12)
        return;

    //                                       paragraph style  colour        font
    const TextAttributes påminnelse         {rightAligned(),  vit,          fetKursiv13};
    const TextAttributes titel              {std::nullopt,    accent,       fet23};
    const TextAttributes bricka             {centerAligned(), accent,       kursiv10};
    const TextAttributes faktarubrik        {std::nullopt,    accent,       fet9};
    const TextAttributes brödtext           {std::nullopt,    std::nullopt, normal9};
    const TextAttributes kursivRubrik       {std::nullopt,    accent,       kursiv10};
    const TextAttributes kolumnrubrik       {std::nullopt,    std::nullopt, fetKursiv13};
    const TextAttributes kolumnrubrikHöger  {rightAligned(),  std::nullopt, fetKursiv13};
    const TextAttributes brödtextHöger      {rightAligned(),  std::nullopt, normal9};
    const TextAttributes attBetala          {rightAligned(),  std::nullopt, normal12};
    const TextAttributes attBetalaRubrik    {std::nullopt,    std::nullopt, normal12};
    const TextAttributes villkor            {std::nullopt,    std::nullopt, normal7};
    const TextAttributes fskatt             {std::nullopt,    vit,          normal9};
    const TextAttributes avsändarvärde      {std::nullopt,    accent,       normal8};
    const TextAttributes avsändarrubrik     {rightAligned(),  accent,       fet8};

    rumsplan::Plan plan(*this);
    // The address captions run upward from y 224, each on its line: the
    // invoice address's in the strip x 268 to 282, the delivery address's
    // in x 418 to 432.
    const AffineTransform uppåt = AffineTransform::translation(268, 224).rotated(-std::numbers::pi / 2);
    auto rubrikUppåt = [&](const char* namn, const std::string& text, const Rect& ram) {
        plan.vridetRum(namn, ram, uppåt).block(namn, {AttributedString(text, kursivRubrik), ram});
    };
    const std::string avsändarland(kod(b.land));
    const auto fakturaadress = f.fakturaadressGivetAvsändarland(avsändarland);
    const auto leveransadress = f.adressAttLevereraTillGivetAvsändarland(avsändarland);
    if (fakturaadress) rubrikUppåt("invoice address caption", rubrikFörMottagaradress(), {0, 0, 100, 14});
    if (leveransadress)
        rubrikUppåt("delivery address caption", rubrikFörLeveransadress(), {0, 150, 100, 14});
    else  // Without a delivery address its bracket in the artwork goes too.
        plan.rita(CachatObjekt(Rect{420, 162, 22, 85}, vit));

    // The title's room over the item table's headings reaches as far across
    // as the title does: to the invoice address, the delivery address or
    // across both. An address reaches down to the headings' rule where the
    // title leaves it room, else to the title.
    auto titelnRyms = [&, rubrik = f.rubriktextIFakturamall(nullptr, följesedel).value_or("")](double slut) {
        rumsplan::Rum rum("title", {59, 255, slut - 59, 31});
        return plan.rymmer(rum.block("title", {AttributedString(rubrik, titel), rum.yta()}), 100);
    };
    const double titelnsSlut = titelnRyms(291) ? 291 : titelnRyms(441) ? 441 : 538;
    auto adressrum = [&](double x) { return Rect{x, 166, 120, (x < titelnsSlut ? 255 : 286) - 166.0}; };
    läggTillInnehållMedRamFörLogotyp(plan, {56, 576, 118, 78}, titel, {59, 255, 479, 31}, påminnelse, {}, villkor,
                                     {220, 592, 319, 40}, fskatt, {20, 801, 148, 13},
                                     {.titel = Rect{59, 255, titelnsSlut - 59, 31}});

    // The facts, and beside them the invoice number and date under the
    // reminder on the dark curve, both above where the address captions
    // may reach up to. Every fact filled in is more than the facts' room
    // holds even set smaller, for the badge stands below it: the last facts
    // then go on under the number and date.
    const Rect faktaram{31, 31, 235, 98}, nummerram{296, 31, 255, 93};
    auto faktatabell = [&](const Datalista& data) { return tabellMedData(data, faktarubrik, brödtext).tabell; };
    Datalista fakta = mallverktyg::fakta(
        *this, {Fakt::erReferens, Fakt::vårReferens, Fakt::kundnummer, Fakt::personnummer, Fakt::personnummer2,
                Fakt::fastighetsbeteckning, Fakt::lägenhetsnummer, Fakt::inköpsordernummer,
                Fakt::mottagarensMomsregistreringsnummer, Fakt::leveranssätt, Fakt::leveransdatum});
    std::erase_if(fakta, [](const Datapost& post) { return !post.rubrik || !post.värde; });
    Datalista nummerOchDatum = mallverktyg::fakta(*this, {Fakt::fakturanummer, Fakt::fakturadatum});
    const auto underDatum = static_cast<std::ptrdiff_t>(nummerOchDatum.size());
    while (fakta.size() > 1 &&
           !plan.rymmerUtanAttKapa(rumsplan::Rum("facts", faktaram).block("facts", {faktatabell(fakta), faktaram}))) {
        nummerOchDatum.insert(nummerOchDatum.begin() + underDatum, std::move(fakta.back()));
        fakta.pop_back();
    }
    plan.rum("facts", faktaram).block("facts", {faktatabell(fakta), faktaram});
    std::vector<rumsplan::Text> överst;
    if (auto text = påminnelseSomVisas(*this))
        överst.push_back({AttributedString(*text, påminnelse), {290, 30, 274, 26}});
    överst.push_back({faktatabell(nummerOchDatum), nummerram});
    plan.rum("number and date", {290, 30, 274, 94}).block("number and date", std::move(överst));

    if (fakturaadress)
        plan.text("invoice address", AttributedString(*fakturaadress, brödtext), {291, 166, 120, 84},
                  {.rum = adressrum(291)});
    if (leveransadress)
        plan.text("delivery address", AttributedString(*leveransadress, brödtext), {441, 166, 120, 85},
                  {.rum = adressrum(441)});

    // The sender's two tables stand from one top, 94 above their foot or
    // as high as the taller needs, up to the artwork's rule above them;
    // each is set smaller alone where its room does not hold it.
    auto avsändartabell = [&](const Datalista& d) { return tabellMedData(d, avsändarrubrik, avsändarvärde).tabell; };
    mallverktyg::tabellerFrånEnTopp(
        plan,
        {{avsändartabell(mallverktyg::fakta(*this, {Fakt::avsändare, Fakt::avsändaradress, Fakt::telefon, Fakt::fax,
                                                    Fakt::email, Fakt::hemsida})),
          212, 175},
         {avsändartabell(mallverktyg::faktaOchBetalning(
              *this, {Fakt::säte, Fakt::organisationsnummer, Fakt::momsregistreringsnummer})),
          394, 185}},
        827, 677, [](double) { return 94; });

    // The amount to pay and its caption share a frame, at its two ends;
    // the payment terms and due date stand centred in the badge, each on
    // its line in a room down to the next.
    if (!följesedel) {
        mallverktyg::attBetalaIRam(plan, *this, versaler(rubrikFörBeloppAttBetala()), attBetalaRubrik, attBetala,
                                   {221, 568, 317, 15});
        const std::string bricktexter[] = {rubrikFörBetalningsvillkor(), rubrikFörDagar(), rubrikFörFörfallodatum(),
                                           datumtext(f.förfallodatum())};
        constexpr double rader[] = {162, 178, 200, 214, 230};
        for (size_t i = 0; i < std::size(bricktexter); ++i)
            plan.text("badge", AttributedString(bricktexter[i], bricka), {32, rader[i], 88, rader[i + 1] - rader[i]});
    }

    // Four amount rows start at y 491; each further row starts them 7
    // points higher, and the last page's item rows and message end as much
    // higher to stay clear of them.
    const double lyft = halvBeloppsrad * (antalBeloppsrader(true) - 4), y = 491 - lyft;
    mallverktyg::beloppOchMoms(plan,
                               beloppfältMedRubrikattribut(brödtext, brödtextHöger, {233, y, 306, 15},
                                                           {233, y, 306, 15}, {.taMedTotalen = true}),
                               momssammanfattningMedRubrikAttribut(kursivRubrik, brödtext, {59, 489, 158, 73},
                                                                   {.rubrikOvanförSammanfattning = true}));

    // The amount to pay stands on every page of an invoice, so there the
    // rows of earlier pages leave their continuation line room above it.
    plan.artikeltabell({kolumnrubrik, brödtext, kolumnrubrikHöger, brödtextHöger,
                        {.rubrikutrymme = {59, 294, 478, 21},
                         .datautrymme = Rect{59, 303, 478, 161 - std::max(0.0, lyft)}.integral(),
                         .höjdPåÖvrigaSidor = följesedel ? 263.0 : 253.0}});
    plan.vittPåÖvrigaSidor({0, 482, 595, 79});
    std::move(plan).placera();
}
