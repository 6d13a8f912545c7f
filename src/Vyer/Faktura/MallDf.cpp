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
#include "Vyer/Faktura/MallverktygAttBetala.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/MallverktygTabeller.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

#include <algorithm>
#include <cmath>

using mallverktyg::Fakt;
using mallverktyg::kontur;
using mallverktyg::streck;

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
    const TextAttributes mottagartext    {std::nullopt,              std::nullopt, lätt10};
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

    using enum Fakt;
    rumsplan::Plan plan(*this);
    // The title, right-aligned, keeps right of the delivery address.
    läggTillInnehållMedRamFörLogotyp(plan, {31, 24, 158, 105}, titel, {189, 195, 359, 20}, påminnelse,
                                     {326, 55, 223, 14}, villkor, {264, 294, 273, 43}, fskatt, {20, 814, 149, 11},
                                     {.titel = Rect{254, 195, 294, 20}});
    plan.text("number caption", AttributedString(rubrikFörFakturanummer(), nummerrubrik), {419, 24, 131, 13});
    plan.text("number", AttributedString(f.nummer(), stortHöger), {419, 37, 131, 19}, {.rum = Rect{419, 37, 131, 18}});
    // The box frames the invoice's own terms; the ledger's, shown in their
    // place, stand unframed.
    if (auto egnaVillkor = f.kreditvillkor(); egnaVillkor && !egnaVillkor->empty())
        plan.rita(kontur({256, 287, 293, 53}, 0.5, blå));

    if (!följesedel) {
        plan.rita(kontur({256, 257, 293, 24}, 0.5, blå));
        plan.rita(kontur({256, 226, 293, 24}, 2, blå));
        // Caption at the left of each box, the value at its right.
        mallverktyg::rubrikOchVärdeIRam(plan, "due date", AttributedString(rubrikFörFörfallodatum(), stort),
                                        AttributedString(datumtext(f.förfallodatum()), stortHöger),
                                        {265, 259, 273, 20});
        mallverktyg::attBetalaIRam(plan, *this, rubrikFörBeloppAttBetala(), stort, stortHöger, {265, 228, 273, 20});
    }

    // The recipient stands under the number, rising towards the reminder
    // where it would reach the title; the delivery address under the logo,
    // down to the first dotted list; in the footer the company's name over
    // its registration, and the ways to reach and pay it, which rise
    // towards the item area's rule.
    if (auto mottagarblock = företagOchAdress())
        plan.rum("recipient", {326, 70, 234, 125})
            .block("recipient", {AttributedString(*mottagarblock, mottagartext), {326, 111, 234, 82}});
    if (auto leverans = f.leveransadress())
        plan.rum("delivery address", {46, 130, 208, 89})
            .block("delivery address",
                   {{AttributedString(versaler(rubrikFörLeveransadress()), brödtext), {46, 138, 208, 13}},
                    {AttributedString(leverans->formatteradFörAvsändarland(b.adress.land, true), brödtext),
                     {46, 151, 208, 70}}});
    // The company's own address is written for the recipient's country,
    // or for its own.
    const auto adress = f.mottagaradress();
    const std::string adressland = adress ? adress->land : b.adress.land;
    Datalista registrering = mallverktyg::fakta(*this, {säte, organisationsnummer, momsregistreringsnummer});
    registrering.push_back({rubrikFörAdress(), b.adress.formatteradFörMottagarland(adressland, true)});
    plan.rum("sender", {54, 697, 229, 117})
        .block("name", {AttributedString(b.namn, företagsnamn), {54, 713, 229, 15}})
        .block("registration",
               {tabellMedData(registrering, brödtext, brödtext).tabell, {54, 733, 207, 81}, rumsplan::Sättning::tabell},
               {.avstånd = 8});
    const Datalista kontakt = mallverktyg::faktaOchBetalning(*this, {telefon, fax, email, hemsida});
    plan.rum("contact", {339, 697, 205, 128})
        .block("contact", {tabellMedData(kontakt, brödtext, brödtext).tabell, {339, 722, 205, 103}});

    // The dotted lists, the references under the invoice's facts (a
    // delivery note has none: the references take their place), each with
    // a thin rule on its left from its first caption's line to the foot of
    // its last value. Long values push the references and the item table
    // down, the table no further than `längstNer`; past that the plan sets
    // the lists smaller.
    constexpr double listorna = 219, rubrikerna = 375, längstNer = 100;
    rumsplan::Rum prov("dotted lists", {46, listorna, 208, rubrikerna - 10 + längstNer - listorna});
    auto lista = [&](const std::vector<Fakt>& fakta, double y) {
        return mallverktyg::faktaraderIRum(*this, prov, mallverktyg::fakta(*this, fakta), etikett, brödtext,
                                           {.radhöjd = listradhöjd, .startposition = {47, y}, .etikettbredd = 100,
                                            .värdebredd = 100, .paddning = mallverktyg::punktledare, .offset = -1})
            .antal;
    };
    const size_t förstaListan =
        följesedel ? 0 : lista({fakturanummer, fakturadatum, betalningsvillkor}, 234 - listradhöjd);
    lista({vårReferens, erReferens, kundnummer, personnummer, personnummer2, fastighetsbeteckning, lägenhetsnummer,
           mottagarensMomsregistreringsnummer, inköpsordernummer, leveranssätt, leveransdatum},
          (följesedel ? 234 : 292) - listradhöjd);
    // The item table, its upper rule and the white on earlier pages stand
    // lower by what the lists' last line reaches past 10 points above its
    // headings (the plan's rows end a point below it).
    const double d = std::clamp(std::ceil(listorna + plan.höjd(prov) - 1 + 10 - rubrikerna), 0.0, längstNer);
    auto& listor = plan.rum("dotted lists", {46, listorna, 208, rubrikerna - 10 + d - listorna});
    for (const rumsplan::Rum::Block& rad : prov.blocken()) listor.block(rad.namn, rad.texter, rad.val);
    const int procent = plan.procent(listor);
    const auto platser = plan.blockensPlatser(listor, procent);
    auto regel = [&](size_t från, size_t till) {
        if (från >= till) return;
        // A row's caption, then its value, which stands lower by its
        // offset; a list cut at the room's foot keeps above the headings.
        const auto& rad = listor.blocken()[till - 1].texter;
        const double fot = platser[till - 1].topp + (rad[1].ram.y - rad[0].ram.y) * procent / 100 + rad[1].ram.height;
        const Point överst{listregelx, platser[från].topp + 2}, nederst{listregelx, std::min(fot, rubrikerna + d)};
        plan.rita(streck({{överst, nederst}}, 0.5, blå));
    };
    regel(0, förstaListan);
    regel(förstaListan, platser.size());
    plan.rita(streck({{{46, 393 + d}, {549, 393 + d}}, {{46, 692}, {549, 692}}}, 2, blå));

    // The amount block stands at the foot of the item area and grows
    // upward by a row height (12, tighter than most) for each amount row
    // beyond three; yB is its top rule, where the rows' room ends.
    constexpr double radhöjd = 12;
    const int n = antalBeloppsrader(false);
    const double y1 = 621 - (n - 3) * radhöjd;
    const double yB = n > 0 ? ramFörEnSida().maxY() - (231 + (n - 3) * radhöjd) : 667;
    plan.artikeltabell({kolumnrubrik, brödtext, kolumnrubrikHöger, brödtextHöger,
                        {.rubrikutrymme = {54, 375 + d, 486, 15},
                         .datautrymme = {54, 393 + d, 486, std::max(0.0, yB - 393 - radhöjd - d)},
                         .höjdPåÖvrigaSidor = 287 - d}});
    plan.vittPåÖvrigaSidor({0, 402 + d, 595, 290 - d});
    // The amount block: its rows, its rules, the VAT summary and the total.
    if (!följesedel) {
        plan.placerade("amounts",
                       beloppfältMedRubrikattribut(brödtext, brödtextHöger, {320, y1, 221, 13}, {320, y1, 221, 13},
                                                   {.radhöjd = radhöjd})
                           .data,
                       Sidslag::sista);
        std::vector<mallverktyg::Sträcka> ram;
        if (n > 0) ram.push_back({{298, 669}, {549, 669}});
        ram.push_back({{298, 692}, {298, yB}});
        ram.push_back({{46, yB}, {549, yB}});
        plan.rita(streck(ram, 0.5, blå), Sidslag::sista);
        if (auto moms = momssammanfattningMedRubrikAttribut(
                brödtext, brödtext, {55, yB + 3, 236, 80},
                {.rubrikOvanförSammanfattning = true, .rubrikMedStoraBokstäver = true}))
            plan.placerade("VAT summary", std::move(*moms), Sidslag::sista);
        plan.rum("total", {320, 673, 221, 13}, Sidslag::sista)
            .block("total", {{AttributedString(belopp(f.attBetala()), brödtextHöger), {320, 673, 221, 13}},
                             {AttributedString(rubrikFörTotaltBelopp(), brödtext), {320, 673, 221, 13}}});
    }
    std::move(plan).placera();
}
