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
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

#include <algorithm>
#include <cmath>

using mallverktyg::Fakt;
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

    const Rect villkorsram{327, 229, 232, 30}, fskattsram{20, 801, 148, 13};
    const Rect titelram{37, 275, 529, 36};
    läggTillInnehållMedRamFörLogotyp({36, 36, 94, 82}, titel, titelram, påminnelse, {286, 258, 280, 19}, villkor,
                                     villkorsram, fskatt, fskattsram);

    auto& alla = innehållFörAllaSidor;

    if (!följesedel) alla.push_back(text(datumtext(f.fakturadatum()), rubrikHöger, {398, 21, 168, 14}));

    // The number ends at x 567; white cuts the background's rule 5 points
    // before the number's first letter, however long the number is.
    const std::string nummer = rubrikFörFakturanummer() + " " + f.nummer();
    alla.push_back(text(nummer, rubrikHöger, {407, 42, 160, 15}));
    const double w = mallverktyg::uppmätt(*this, AttributedString(nummer, rubrikHöger)).width;
    alla.emplace_back(Rect{395, 33, std::max(0.0, 167 - w), 30}, Color::white());

    rumsplan::Plan plan(*this);
    // The recipient's address at the right, down to the credit terms.
    if (auto mottagare = f.fakturaadressGivetAvsändarland(std::string(kod(b.land))))
        plan.rum("invoice address", {327, 97, 232, villkorsram.y - 1 - 97})
            .block("invoice address", {AttributedString(*mottagare, adress), {327, 97, 218, 86}});

    // The facts under the logo; a list too long runs on down beside the
    // title, when the title leaves that free, to above the background's
    // rule at y 315, then rises towards the logo's foot (y 118).
    const Rect faktaram{49, 147, 233, 128};
    const std::optional<std::string> titeln = f.rubriktextIFakturamall(nullptr, följesedel);
    const double titelbredd =
        titeln ? std::min(mallverktyg::uppmätt(*this, AttributedString(*titeln, titel)).width, titelram.width)
                         : 0;
    const double faktafot = titelram.maxX() - titelbredd > faktaram.maxX() + 4 ? 312 : faktaram.maxY();
    plan.rum("facts", {49, 122, 233, faktafot - 122})
        .block("facts", {tabellMedData(mallverktyg::fakta(*this, {Fakt::erReferens, Fakt::vårReferens,
                                                                   Fakt::kundnummer, Fakt::personnummer,
                                                                   Fakt::personnummer2, Fakt::fastighetsbeteckning,
                                                                   Fakt::lägenhetsnummer,
                                                                   Fakt::mottagarensMomsregistreringsnummer,
                                                                   Fakt::inköpsordernummer, Fakt::leveranssätt,
                                                                   Fakt::leveransdatum, Fakt::leveransadress}),
                                       brödtextHöger, brödtext)
                             .tabell,
                         faktaram});

    // At the foot the sender, above the F-tax note, and its contact
    // details, ending before the box of the amount to pay at x 335 so that
    // a long e-mail or web address wraps in its column; both rise towards
    // the VAT summary when long.
    constexpr double fotensÖverkant = 670;
    const Rect avsändarram{20, 695, 149, 105}, kontaktram{172, 695, 160, 117};
    plan.rum("sender", {20, fotensÖverkant, 149, fskattsram.y - 1 - fotensÖverkant})
        .block("sender", {tabellMedData(mallverktyg::fakta(*this, {Fakt::avsändare, Fakt::säte,
                                                                   Fakt::organisationsnummer,
                                                                   Fakt::momsregistreringsnummer,
                                                                   Fakt::avsändaradress}),
                                        fotrubrik, fotvärde, {.fetStilPåFörstaRaden = true})
                              .tabell,
                          avsändarram, rumsplan::Sättning::tabell});
    plan.rum("sender contact", {172, fotensÖverkant, 160, kontaktram.maxY() - fotensÖverkant})
        .block("sender contact",
               {tabellMedData(mallverktyg::faktaOchBetalning(*this, {Fakt::telefon, Fakt::fax, Fakt::email,
                                                                     Fakt::hemsida}),
                              fotrubrik, fotvärde)
                    .tabell,
                kontaktram, rumsplan::Sättning::tabell});
    for (CachatObjekt& o : std::move(plan).placeraTexter()) alla.push_back(std::move(o));

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
