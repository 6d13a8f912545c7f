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
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"
#include "Vyer/Faktura/Textpassning.h"

#include <algorithm>
#include <utility>

using mallverktyg::Fakt;
using mallverktyg::text;
using mallverktyg::textUppåt;

namespace {

const Color accent = Color::rgb(0.426, 0.116, 0.259);
const Color vit = Color::white();

// The address captions run upward from y 224: the invoice address's in
// the strip x 268 to 282, the delivery address's in x 418 to 432.
constexpr Point rubrikvridning{268, 224};

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

    auto& alla = innehållFörAllaSidor;
    // The address captions, like the badge's texts below, keep to their
    // line, set smaller where a language's words would wrap them.
    auto påRaden = [&](std::string_view text, const TextAttributes& attribut, double bredd) {
        return mallverktyg::påSinaRader(*this, AttributedString(text, attribut), {bredd, 0});
    };
    const std::string avsändarland(kod(b.land));
    const auto fakturaadress = f.fakturaadressGivetAvsändarland(avsändarland);
    const auto leveransadress = f.adressAttLevereraTillGivetAvsändarland(avsändarland);
    if (fakturaadress)
        alla.push_back(textUppåt(påRaden(rubrikFörMottagaradress(), kursivRubrik, 100), {0, 0, 100, 14}, rubrikvridning));
    if (leveransadress) {
        alla.push_back(
            textUppåt(påRaden(rubrikFörLeveransadress(), kursivRubrik, 100), {0, 150, 100, 14}, rubrikvridning));
    } else {
        // Without a delivery address its bracket in the artwork goes too.
        alla.emplace_back(Rect{420, 162, 22, 85}, vit);
    }

    läggTillInnehållMedRamFörLogotyp({56, 576, 118, 78}, titel, {59, 255, 479, 31}, påminnelse, {}, villkor,
                                     {220, 592, 319, 40}, fskatt, {20, 801, 148, 13});

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
           !passadText(mätare, faktatabell(fakta), faktaram.size(), TextDrawingMode::fromTopLeft).passar) {
        nummerOchDatum.insert(nummerOchDatum.begin() + underDatum, std::move(fakta.back()));
        fakta.pop_back();
    }

    // Each address down to the artwork's rule over the item table's
    // headings; the sender's two tables from one top, 94 above their foot,
    // growing upward together as far as the artwork's rule above them
    // before they are set smaller.
    {
        rumsplan::Plan plan(*this);
        plan.rum("facts", faktaram)
            .block("facts", {faktatabell(fakta), faktaram});
        auto& nummer = plan.rum("number and date", {290, 30, 274, 94});
        std::vector<rumsplan::Text> överst;
        if (auto text = påminnelseSomVisas(*this))
            överst.push_back({mallverktyg::påSinaRader(*this, AttributedString(*text, påminnelse), {274, 26}),
                              {290, 30, 274, 26}});
        överst.push_back({faktatabell(nummerOchDatum), nummerram});
        nummer.block("number and date", std::move(överst));
        if (fakturaadress)
            plan.rum("invoice address", {291, 166, 120, 120})
                .block("invoice address", {AttributedString(*fakturaadress, brödtext), {291, 166, 120, 84}});
        if (leveransadress)
            plan.rum("delivery address", {441, 166, 120, 120})
                .block("delivery address", {AttributedString(*leveransadress, brödtext), {441, 166, 120, 85}});

        auto avsändartabell = [&](const Datalista& data) {
            return tabellMedData(data, avsändarrubrik, avsändarvärde).tabell;
        };
        constexpr double fot = 827, underLinjen = 677;
        plan.rum("sender", {212, underLinjen, 367, fot - underLinjen})
            .block("sender",
                   {{avsändartabell(mallverktyg::fakta(*this, {Fakt::avsändare, Fakt::avsändaradress, Fakt::telefon,
                                                               Fakt::fax, Fakt::email, Fakt::hemsida})),
                     {212, fot - 94, 175, 94},
                     rumsplan::Sättning::tabell},
                    {avsändartabell(mallverktyg::faktaOchBetalning(
                         *this, {Fakt::säte, Fakt::organisationsnummer, Fakt::momsregistreringsnummer})),
                     {394, fot - 94, 185, 94},
                     rumsplan::Sättning::tabell}},
                   {.förankring = rumsplan::Förankring::påFoten(fot)});
        for (CachatObjekt& o : std::move(plan).placeraTexter()) alla.push_back(std::move(o));
    }

    // The amount to pay and its caption share a frame, at its two ends;
    // the payment terms and due date stand centred in the badge.
    if (!följesedel) {
        alla.push_back(text(versaler(rubrikFörBeloppAttBetala()), attBetalaRubrik, {221, 568, 317, 15}));
        alla.push_back(text(belopp(f.attBetala()), attBetala, {221, 568, 317, 15}));
        // Each on its line in a room down to the next, set smaller rather
        // than wrapped.
        const std::pair<std::string, double> bricktexter[] = {{rubrikFörBetalningsvillkor(), 162},
                                                              {rubrikFörDagar(), 178},
                                                              {rubrikFörFörfallodatum(), 200},
                                                              {datumtext(f.förfallodatum()), 214},
                                                              {"", 214 + 16}};
        rumsplan::Plan brickan(*this);
        for (size_t i = 0; i + 1 < std::size(bricktexter); ++i) {
            const auto& [t, y] = bricktexter[i];
            const Rect rad{32, y, 88, bricktexter[i + 1].second - y};
            brickan.rum("badge", rad).block("badge", {AttributedString(t, påEnRad(bricka)), rad});
        }
        for (CachatObjekt& o : std::move(brickan).placeraTexter()) alla.push_back(std::move(o));
    }

    // Four amount rows start at y 491; each further row starts them 7
    // points higher, and the last page's item rows and message end as much
    // higher to stay clear of them.
    const double lyft = halvBeloppsrad * (antalBeloppsrader(true) - 4);
    const double y = 491 - lyft;
    std::vector<CachatObjekt> sistaSidan =
        beloppfältMedRubrikattribut(brödtext, brödtextHöger, {233, y, 306, 15}, {233, y, 306, 15},
                                    {.taMedTotalen = true})
            .data;
    if (auto summering = momssammanfattningMedRubrikAttribut(kursivRubrik, brödtext, {59, 489, 158, 73},
                                                             {.rubrikOvanförSammanfattning = true}))
        sistaSidan.insert(sistaSidan.end(), summering->begin(), summering->end());

    // The amount to pay stands on every page of an invoice, so there the
    // rows of earlier pages leave their continuation line room above it.
    läggTillKolumnerMedRubrikattribut(kolumnrubrik, brödtext, kolumnrubrikHöger, brödtextHöger,
                                      {.rubrikutrymme = {59, 294, 478, 21},
                                       .datautrymme = Rect{59, 303, 478, 161 - std::max(0.0, lyft)}.integral(),
                                       .höjdPåÖvrigaSidor = följesedel ? 263.0 : 253.0});
    läggTillInnehållPåSistaSidan(std::move(sistaSidan), Rect{0, 482, 595, 79});
}
