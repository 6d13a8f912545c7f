// Template CC, curves: Cochin in one wine-red accent on the background
// "CC". At the top the invoice's facts and, beside them, its number and
// date, the white reminder on the dark curve at the right; the two
// addresses, each with an italic caption running upward along its left
// edge; the payment terms and due date centred in the round badge at the
// left; the title; the item table; the VAT summary beside the amount rows;
// the amount to pay; at the foot the sender in two accent tables beside
// the white F-tax note on the dark curve at the left.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Land.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/MallverktygTabeller.h"
#include "Vyer/Faktura/Styckeformat.h"

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
    const std::string avsändarland(kod(b.land));
    if (auto adress = f.fakturaadressGivetAvsändarland(avsändarland)) {
        alla.push_back(text(*adress, brödtext, {291, 166, 120, 84}));
        alla.push_back(textUppåt(rubrikFörMottagaradress(), kursivRubrik, {0, 0, 100, 14}, rubrikvridning));
    }
    if (auto adress = f.adressAttLevereraTillGivetAvsändarland(avsändarland)) {
        alla.push_back(text(*adress, brödtext, {441, 166, 120, 85}));
        alla.push_back(textUppåt(rubrikFörLeveransadress(), kursivRubrik, {0, 150, 100, 14}, rubrikvridning));
    } else {
        // Without a delivery address its bracket in the artwork goes too.
        alla.emplace_back(Rect{420, 162, 22, 85}, vit);
    }

    läggTillInnehållMedRamFörLogotyp({56, 576, 118, 78}, titel, {59, 255, 479, 31}, påminnelse, {290, 30, 274, 26},
                                     villkor, {220, 592, 319, 40}, fskatt, {20, 801, 148, 13});

    auto faktatabell = [&](const Datalista& data, const Rect& ram) {
        alla.emplace_back(tabellMedData(data, faktarubrik, brödtext, false, false).tabell, ram);
    };
    faktatabell(mallverktyg::fakta(*this, {Fakt::erReferens, Fakt::vårReferens, Fakt::kundnummer,
                                          Fakt::personnummer, Fakt::personnummer2, Fakt::fastighetsbeteckning,
                                          Fakt::lägenhetsnummer, Fakt::inköpsordernummer,
                                          Fakt::mottagarensMomsregistreringsnummer, Fakt::leveranssätt,
                                          Fakt::leveransdatum}),
                {31, 31, 255, 98});
    faktatabell(mallverktyg::fakta(*this, {Fakt::fakturanummer, Fakt::fakturadatum}), {296, 31, 255, 98});

    // The sender's two tables; when every way of payment fills more rows
    // than reach the page's foot, both rise together until the last row
    // is on the page.
    auto avsändartabell = [&](const Datalista& data) {
        return tabellMedData(data, avsändarrubrik, avsändarvärde, false, false).tabell;
    };
    std::pair<AttributedString, Rect> avsändartabeller[] = {
        {avsändartabell(mallverktyg::fakta(
             *this, {Fakt::avsändare, Fakt::avsändaradress, Fakt::telefon, Fakt::fax, Fakt::email, Fakt::hemsida})),
         {212, 733, 175, 94}},
        {avsändartabell(mallverktyg::faktaOchBetalning(
             *this, {Fakt::säte, Fakt::organisationsnummer, Fakt::momsregistreringsnummer})),
         {394, 733, 185, 94}},
    };
    double lyft = 0;
    for (const auto& [tabell, ram] : avsändartabeller)
        lyft = std::max(lyft, mallverktyg::lyftInomSidan(*this, tabell, ram, 6));
    for (auto& [tabell, ram] : avsändartabeller)
        alla.push_back(mallverktyg::tabelltext(std::move(tabell), {ram.x, ram.y - lyft, ram.width, ram.height}));

    // The amount to pay and its caption share a frame, at its two ends;
    // the payment terms and due date stand centred in the badge.
    if (!följesedel) {
        alla.push_back(text(versaler(rubrikFörBeloppAttBetala()), attBetalaRubrik, {221, 568, 317, 15}));
        alla.push_back(text(belopp(f.attBetala()), attBetala, {221, 568, 317, 15}));
        alla.push_back(text(rubrikFörBetalningsvillkor(), bricka, {32, 162, 88, 88}));
        alla.push_back(text(rubrikFörDagar(), bricka, {32, 178, 88, 88}));
        alla.push_back(text(rubrikFörFörfallodatum(), bricka, {32, 200, 88, 88}));
        alla.push_back(text(datumtext(f.förfallodatum()), bricka, {32, 214, 88, 88}));
    }

    // Four amount rows start at y 491; each further row starts them 7
    // points higher.
    const double y = 491 - 7 * (antalBeloppsrader(true) - 4);
    std::vector<CachatObjekt> sistaSidan =
        beloppfältMedRubrikattribut(brödtext, brödtextHöger, {233, y, 306, 15}, {233, y, 306, 15}, 14, true, false)
            .data;
    if (auto summering = momssammanfattningMedRubrikAttribut(kursivRubrik, brödtext, {59, 489, 158, 73}, true, false))
        sistaSidan.insert(sistaSidan.end(), summering->begin(), summering->end());

    läggTillKolumnerMedRubrikattribut(kolumnrubrik, brödtext, kolumnrubrikHöger, brödtextHöger, {59, 294, 478, 21},
                                      Rect{59, 303, 478, 161}.integral(), 263, false);
    läggTillInnehållPåSistaSidan(std::move(sistaSidan), Rect{0, 482, 595, 79});
}
