// Template Cp, copperplate: engraved capitals for the title, the headline
// facts and the item headings, a plain sans for the rest, on the
// background "Cp". The invoice date and number at the top right, where a
// white patch cuts the engraved rule short before the number; the
// recipient's address and the facts below the logo; the title across the
// page over the item table; the VAT summary beside the amount rows with
// their own total; at the foot the sender and its contact and payment
// details beside the box with the amount to pay, due date and terms.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Land.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/Styckeformat.h"
#include "Vyer/Faktura/Textpassning.h"

#include <algorithm>
#include <cmath>

using mallverktyg::Fakt;
using mallverktyg::tabelltext;
using mallverktyg::text;

void Fakturavy::konfigureraInnehållFörCp() {
    const auto kopparFet9 = typsnitt("Copperplate-Bold", 9);
    const auto lucida6 = typsnitt("LucidaGrande", 6);
    const auto lucidaFet6 = typsnitt("LucidaGrande-Bold", 6);
    const auto lucida8 = typsnitt("LucidaGrande", 8);
    const auto lucidaFet8 = typsnitt("LucidaGrande-Bold", 8);
    const auto kopparFet32 = typsnitt("Copperplate-Bold", 32);
    const auto kopparFet11 = typsnitt("Copperplate-Bold", 11);
    const auto lucida9 = typsnitt("LucidaGrande", 9);
    const auto lucidaFet14 = typsnitt("LucidaGrande-Bold", 14);
    if (!kopparFet9 || !lucida6 || !lucidaFet6 || !lucida8 || !lucidaFet8 || !kopparFet32 || !kopparFet11 ||
        !lucida9 || !lucidaFet14)
        return;

    const Color accent = Color::rgb(0.642, 0.167, 0.186);

    //                                     paragraph style  colour         font
    const TextAttributes rubrik           {std::nullopt,    std::nullopt,  kopparFet9};
    const TextAttributes rubrikHöger      {rightAligned(),  std::nullopt,  kopparFet9};
    const TextAttributes brödtext         {std::nullopt,    std::nullopt,  lucida8};
    const TextAttributes brödtextHöger    {rightAligned(),  std::nullopt,  lucida8};
    const TextAttributes total            {rightAligned(),  std::nullopt,  lucidaFet8};
    const TextAttributes adress           {std::nullopt,    std::nullopt,  lucida9};
    const TextAttributes fotvärde         {std::nullopt,    std::nullopt,  lucida6};
    const TextAttributes fskatt           {truncatedTail(), std::nullopt,  lucida6};
    const TextAttributes villkor          {std::nullopt,    std::nullopt,  lucida6};
    const TextAttributes fotrubrik        {rightAligned(),  std::nullopt,  lucidaFet6};
    const TextAttributes påminnelse       {rightAligned(),  accent,        lucidaFet14};
    const TextAttributes titel            {rightAligned(),  std::nullopt,  kopparFet32};
    const TextAttributes beloppet         {rightAligned(),  std::nullopt,  kopparFet11};
    const TextAttributes beloppsrubrik    {std::nullopt,    std::nullopt,  kopparFet11};

    auto& alla = innehållFörAllaSidor;
    if (auto mottagare = f.fakturaadressGivetAvsändarland(std::string(kod(b.land))))
        alla.push_back(text(*mottagare, adress, {327, 97, 218, 86}));

    // The facts under the logo, set smaller when every fact is filled in;
    // a list too long even so rises towards the logo's foot (y 118),
    // ending where it would.
    {
        const AttributedString fakta =
            tabellMedData(mallverktyg::fakta(*this, {Fakt::erReferens, Fakt::vårReferens, Fakt::kundnummer,
                                                     Fakt::personnummer, Fakt::personnummer2,
                                                     Fakt::fastighetsbeteckning, Fakt::lägenhetsnummer,
                                                     Fakt::mottagarensMomsregistreringsnummer,
                                                     Fakt::inköpsordernummer, Fakt::leveranssätt,
                                                     Fakt::leveransdatum, Fakt::leveransadress}),
                          brödtextHöger, brödtext)
                .tabell;
        Rect ram{49, 147, 233, 128};
        if (const PassadText passad = passadText(mätare, fakta, ram.size(), TextDrawingMode::fromTopLeft); !passad.passar) {
            const double höjd = std::min(std::ceil(passad.storlek.height), ram.maxY() - 122);
            ram = {49, ram.maxY() - höjd, 233, höjd};
        }
        alla.push_back(mallverktyg::passandeText(*this, fakta, ram));
    }

    läggTillInnehållMedRamFörLogotyp({36, 36, 94, 82}, titel, {37, 275, 529, 36}, påminnelse, {286, 258, 280, 19},
                                     villkor, {327, 229, 232, 30}, fskatt, {20, 801, 148, 13});

    if (!följesedel) alla.push_back(text(datumtext(f.fakturadatum()), rubrikHöger, {398, 21, 168, 14}));

    // The number ends at x 567; white cuts the background's rule 5 points
    // before the number's first letter, however long the number is.
    const std::string nummer = rubrikFörFakturanummer() + " " + f.nummer();
    alla.push_back(text(nummer, rubrikHöger, {407, 42, 160, 15}));
    const double w = mallverktyg::uppmätt(*this, AttributedString(nummer, rubrikHöger)).width;
    alla.emplace_back(Rect{395, 33, std::max(0.0, 167 - w), 30}, Color::white());

    alla.push_back(tabelltext(*this, tabellMedData(mallverktyg::fakta(*this, {Fakt::avsändare, Fakt::säte,
                                                                       Fakt::organisationsnummer,
                                                                       Fakt::momsregistreringsnummer,
                                                                       Fakt::avsändaradress}),
                                            fotrubrik, fotvärde, {.fetStilPåFörstaRaden = true})
                                  .tabell,
                              {20, 695, 149, 110}));
    // The contact details end before the box of the amount to pay at x 335,
    // so that a long e-mail or web address wraps in its column.
    alla.push_back(tabelltext(*this,
        tabellMedData(mallverktyg::faktaOchBetalning(*this, {Fakt::telefon, Fakt::fax, Fakt::email, Fakt::hemsida}),
                      fotrubrik, fotvärde)
            .tabell,
        {172, 695, 160, 117}));

    // The box at the foot: caption and amount at the two ends of one frame,
    // the due date above the payment terms. A delivery note hides the box.
    if (följesedel) {
        alla.emplace_back(Rect{328, 681, 253, 35}, Color::white());
    } else {
        alla.push_back(text(rubrikFörBeloppAttBetala(), beloppsrubrik, {344, 691, 216, 16}));
        alla.push_back(text(belopp(f.attBetala()), beloppet, {344, 691, 216, 16}));
        alla.push_back(text(rubrikFörBetalningsvillkor() + " " + rubrikFörDagar(), rubrik, {336, 729, 222, 11}));
        alla.push_back(
            text(rubrikFörFörfallodatum() + " " + datumtext(f.förfallodatum()), rubrik, {336, 716, 222, 11}));
    }

    // The amount rows without the total, which follows them in bold.
    auto rader = beloppfältMedRubrikattribut(brödtext, brödtextHöger, {345, 590, 200, 15}, {345, 590, 200, 15});
    std::vector<CachatObjekt> sistaSidan = std::move(rader.data);
    sistaSidan.push_back(text(rubrikFörTotaltBelopp(), brödtext, {345, rader.utpunkt, 200, 15}));
    sistaSidan.push_back(text(belopp(f.attBetala()), total, {345, rader.utpunkt, 200, 15}));
    if (auto summering = momssammanfattningMedRubrikAttribut(
            brödtext, brödtext, {36, 590, 159, 77},
            {.rubrikOvanförSammanfattning = true, .rubrikMedStoraBokstäver = true}))
        sistaSidan.insert(sistaSidan.end(), summering->begin(), summering->end());

    läggTillKolumnerMedRubrikattribut(rubrik, brödtext, rubrikHöger, brödtextHöger,
                                      {.rubrikutrymme = {51, 327, 493, 15},
                                       .datautrymme = {51, 332, 493, 212},
                                       .höjdPåÖvrigaSidor = 205,
                                       .storaBokstäverPåRubriker = true});
    läggTillInnehållPåSistaSidan(std::move(sistaSidan), std::nullopt);
}
