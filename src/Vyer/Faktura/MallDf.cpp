// Template Df, the standard template: no background, its own boxes and
// rules in one light blue, Helvetica Neue. Logo top left, the invoice
// number top right with the recipient below it; facts and references in
// dotted lists on the left, each with a thin rule; the amount to pay, the
// due date and the credit terms in boxes on the right; the item table
// between two heavy rules; the amounts at the foot of the item area; the
// company's name, registration and contact details in the footer.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/MallverktygRum.h"
#include "Vyer/Faktura/MallverktygTabeller.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

#include <algorithm>
#include <cmath>

using mallverktyg::Fakt;
using mallverktyg::kontur;
using mallverktyg::streck;
using mallverktyg::text;

namespace {

const Color blå = Color::rgb(0.39, 0.71, 0.87);
const Color röd = Color::rgb(0.841, 0.232, 0.416);

// Both dotted lists: rows 14 high, the rule at x 38.
constexpr double listradhöjd = 14;
constexpr double listregelx = 38;

}  // namespace

void Fakturavy::konfigureraInnehållFörDf() {
    const auto lätt10 = typsnitt("HelveticaNeue-Light", 10);
    const auto lätt11 = typsnitt("HelveticaNeue-Light", 11);
    const auto fet8 = typsnitt("HelveticaNeue-Bold", 8);
    const auto normal8 = typsnitt("HelveticaNeue", 8);
    const auto normal6 = typsnitt("HelveticaNeue", 6);
    const auto fet8_5 = typsnitt("HelveticaNeue-Bold", 8.5);
    const auto kursiv6 = typsnitt("HelveticaNeue-Italic", 6);
    const auto smalFet20 = typsnitt("HelveticaNeue-CondensedBold", 20);
    if (!lätt10 || !lätt11 || !fet8 || !normal8 || !normal6 || !fet8_5 || !kursiv6 || !smalFet20) return;

    //                                    paragraph style            colour        font
    const TextAttributes mottagare       {std::nullopt,              std::nullopt, lätt10};
    const TextAttributes stortHöger      {rightAligned(),            std::nullopt, lätt11};
    const TextAttributes nummerrubrik    {rightAligned(),            blå,          fet8};
    const TextAttributes påminnelse      {rightAligned(),            röd,          fet8};
    const TextAttributes brödtext        {std::nullopt,              std::nullopt, normal8};
    const TextAttributes brödtextHöger   {rightAligned(),            std::nullopt, normal8};
    const TextAttributes stort           {std::nullopt,              std::nullopt, lätt11};
    const TextAttributes villkor         {std::nullopt,              std::nullopt, normal6};
    const TextAttributes kolumnrubrik    {std::nullopt,              std::nullopt, fet8_5};
    const TextAttributes kolumnrubrikHöger{rightAligned(),           std::nullopt, fet8_5};
    const TextAttributes företagsnamn    {std::nullopt,              std::nullopt, fet8};
    const TextAttributes fskatt          {std::nullopt,              std::nullopt, kursiv6};
    const TextAttributes titel           {rightAligned(),            std::nullopt, smalFet20};
    const TextAttributes etikett         {clippedLeftOnCharacters(), std::nullopt, normal8};

    läggTillInnehållMedRamFörLogotyp({31, 24, 158, 105}, titel, {189, 195, 359, 20}, påminnelse, {326, 55, 223, 14},
                                     villkor, {264, 294, 273, 43}, fskatt, {20, 814, 149, 11});

    auto& alla = innehållFörAllaSidor;
    alla.push_back(text(f.nummer(), stortHöger, {419, 37, 131, 19}));
    alla.push_back(text(rubrikFörFakturanummer(), nummerrubrik, {419, 24, 131, 13}));
    // The box frames the invoice's own terms; the ledger's, shown in their
    // place, stand unframed.
    if (auto egnaVillkor = f.kreditvillkor(); egnaVillkor && !egnaVillkor->empty())
        alla.push_back(kontur({256, 287, 293, 53}, 0.5, blå));

    if (!följesedel) {
        alla.push_back(kontur({256, 257, 293, 24}, 0.5, blå));
        alla.push_back(kontur({256, 226, 293, 24}, 2, blå));
        // Caption at the left of each box, the value at its right.
        alla.push_back(text(rubrikFörFörfallodatum(), stort, {265, 259, 273, 20}));
        alla.push_back(text(datumtext(f.förfallodatum()), stortHöger, {265, 259, 273, 20}));
        alla.push_back(text(rubrikFörBeloppAttBetala(), stort, {265, 228, 273, 20}));
        alla.push_back(text(belopp(f.attBetala()), stortHöger, {265, 228, 273, 20}));
    }

    // The page's text rooms. The recipient stands under the number, rising
    // towards the reminder where it would reach the title; the delivery
    // address under the logo, down to the first dotted list; in the footer
    // the company's name over its registration, and the ways to reach and
    // pay it, which rise towards the item area's rule.
    rumsplan::Plan plan(*this);
    if (auto mottagarblock = företagOchAdress())
        plan.rum("recipient", {326, 70, 234, 125})
            .block("recipient", {AttributedString(*mottagarblock, mottagare), {326, 111, 234, 82}});
    if (auto leverans = f.leveransadress())
        plan.rum("delivery address", {46, 130, 208, 89})
            .block("delivery address",
                   {{AttributedString(versaler(rubrikFörLeveransadress()), brödtext), {46, 138, 208, 13}},
                    {AttributedString(leverans->formatteradFörAvsändarland(b.adress.land, true), brödtext),
                     {46, 151, 208, 70}}});
    // The company's own address is written for the recipient's country,
    // or for its own.
    auto mottagaradress = f.mottagaradress();
    const std::string adressland = mottagaradress ? mottagaradress->land : b.adress.land;
    Datalista registrering =
        mallverktyg::fakta(*this, {Fakt::säte, Fakt::organisationsnummer, Fakt::momsregistreringsnummer});
    registrering.push_back({rubrikFörAdress(), b.adress.formatteradFörMottagarland(adressland, true)});
    plan.rum("sender", {54, 697, 229, 117})
        .block("name", {AttributedString(b.namn, företagsnamn), {54, 713, 229, 15}})
        .block("registration",
               {tabellMedData(registrering, brödtext, brödtext).tabell, {54, 733, 207, 81}, rumsplan::Sättning::tabell},
               {.avstånd = 8});
    const Datalista kontakt =
        mallverktyg::faktaOchBetalning(*this, {Fakt::telefon, Fakt::fax, Fakt::email, Fakt::hemsida});
    plan.rum("contact", {339, 697, 205, 128})
        .block("contact", {tabellMedData(kontakt, brödtext, brödtext).tabell, {339, 722, 205, 103}});
    for (CachatObjekt& o : std::move(plan).placeraTexter()) alla.push_back(std::move(o));

    // The dotted lists, the references under the invoice's facts (a
    // delivery note has none: the references take their place), each with
    // a thin rule on its left from its top to the foot of its last value.
    // Long values push the references and the item table down, the table
    // no further than `längstNer`; past that the lists are set smaller.
    constexpr double rubrikerna = 375, längstNer = 100;
    rumsplan::Plan listplan(*this);
    auto& listor = listplan.rum("dotted lists", {46, 219, 208, rubrikerna - 10 + längstNer - 219});
    auto lista = [&](const Datalista& data, double y) {
        return mallverktyg::faktaraderIRum(*this, listor, data, etikett, brödtext,
                                           {.radhöjd = listradhöjd, .startposition = {47, y}, .etikettbredd = 100,
                                            .värdebredd = 100, .paddning = mallverktyg::punktledare, .offset = -1})
            .antal;
    };
    size_t förstaListan = 0;
    double referenser = 234;
    if (!följesedel) {
        förstaListan =
            lista(mallverktyg::fakta(*this, {Fakt::fakturanummer, Fakt::fakturadatum, Fakt::betalningsvillkor}),
                  referenser - listradhöjd);
        referenser = 292;
    }
    lista(mallverktyg::fakta(*this, {Fakt::vårReferens, Fakt::erReferens, Fakt::kundnummer, Fakt::personnummer,
                                     Fakt::personnummer2, Fakt::fastighetsbeteckning, Fakt::lägenhetsnummer,
                                     Fakt::mottagarensMomsregistreringsnummer, Fakt::inköpsordernummer,
                                     Fakt::leveranssätt, Fakt::leveransdatum}),
          referenser - listradhöjd);
    std::vector<CachatObjekt> listtexter = std::move(listplan).placeraTexter();
    const double listornasFot = mallverktyg::nederkant(*this, listtexter, 0);
    // Caption and value a row: the rule runs from the first caption's line
    // to the last value's frame.
    auto regel = [&](size_t från, size_t till) {
        if (från >= till) return;
        const Rect topp = std::get<cachad::string>(listtexter[från].data).frame;
        const Rect fot = std::get<cachad::string>(listtexter[till - 1].data).frame;
        alla.push_back(streck({{{listregelx, topp.y + 2}, {listregelx, fot.maxY()}}}, 0.5, blå));
    };
    const size_t delning = std::min(2 * förstaListan, listtexter.size());
    regel(0, delning);
    regel(delning, listtexter.size());
    alla.insert(alla.end(), std::make_move_iterator(listtexter.begin()), std::make_move_iterator(listtexter.end()));

    // The item table, its upper rule and the white on earlier pages stand
    // lower by what a long reference list reaches past its headings; the
    // lists' room is what they took, down to them.
    const double d = std::max(0.0, std::ceil(listornasFot + 10 - rubrikerna));
    planeradeRum.back().yta.height = rubrikerna - 10 + d - planeradeRum.back().yta.y;
    alla.push_back(streck({{{46, 393 + d}, {549, 393 + d}}, {{46, 692}, {549, 692}}}, 2, blå));

    // The amount block stands at the foot of the item area and grows
    // upward by a row height (12, tighter than most) for each amount row
    // beyond three; yB is its top rule.
    constexpr double radhöjd = 12;
    const int n = antalBeloppsrader(false);
    const double y1 = 621 - (n - 3) * radhöjd;
    std::vector<CachatObjekt> sistaSidan =
        beloppfältMedRubrikattribut(brödtext, brödtextHöger, {320, y1, 221, 13}, {320, y1, 221, 13},
                                    {.radhöjd = radhöjd})
            .data;
    const double yB = n > 0 ? 842 - (231 + (n - 3) * radhöjd) : 667;
    std::vector<mallverktyg::Sträcka> ram;
    if (n > 0) ram.push_back({{298, 669}, {549, 669}});
    ram.push_back({{298, 692}, {298, yB}});
    ram.push_back({{46, yB}, {549, yB}});
    sistaSidan.push_back(streck(ram, 0.5, blå));
    if (auto moms = momssammanfattningMedRubrikAttribut(
            brödtext, brödtext, {55, yB + 3, 236, 80},
            {.rubrikOvanförSammanfattning = true, .rubrikMedStoraBokstäver = true}))
        sistaSidan.insert(sistaSidan.end(), moms->begin(), moms->end());
    if (!följesedel) {
        sistaSidan.push_back(text(belopp(f.attBetala()), brödtextHöger, {320, 673, 221, 13}));
        sistaSidan.push_back(text(rubrikFörTotaltBelopp(), brödtext, {320, 673, 221, 13}));
    }

    läggTillKolumnerMedRubrikattribut(kolumnrubrik, brödtext, kolumnrubrikHöger, brödtextHöger,
                                      {.rubrikutrymme = {54, 375 + d, 486, 15},
                                       .datautrymme = {54, 393 + d, 486, std::max(0.0, yB - 393 - radhöjd - d)},
                                       .höjdPåÖvrigaSidor = 287 - d});
    läggTillInnehållPåSistaSidan(std::move(sistaSidan), Rect{0, 402 + d, 595, 290 - d});
}
