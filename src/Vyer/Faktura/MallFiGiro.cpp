// Templates FiGiro1 and FiGiro2: an invoice over a Finnish bank giro slip.
// Logo and title at the top left, the addresses in a middle column, the
// facts with dotted leaders at the top right, the item table under a rule
// with the amount to pay, the amount rows and the VAT summary below it,
// the sender's tables above the slip, and the slip itself on the lower
// part of every page of an invoice. FiGiro1 sets the body on a light-blue
// band between black bars and boxes the amount to pay in white; FiGiro2
// has no band, puts the amount on light blue and writes its headings in
// capitals.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Land.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/FakturavyTitel.h"
#include "Vyer/Faktura/FinskGiroblankett.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygAdress.h"
#include "Vyer/Faktura/MallverktygAttBetala.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/MallverktygTabeller.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using mallverktyg::streck;

void Fakturavy::konfigureraInnehållFörFiGiroAvTyp(FiGirotyp typ) {
    const auto normal7 = typsnitt("HelveticaNeue", 7);
    const auto smalFet14 = typsnitt("HelveticaNeue-CondensedBold", 14);
    const auto kursiv6 = typsnitt("HelveticaNeue-Italic", 6);
    const auto normal6 = typsnitt("HelveticaNeue", 6);
    const auto fet6 = typsnitt("HelveticaNeue-Bold", 6);
    const auto smalFet8 = typsnitt("HelveticaNeue-CondensedBold", 8);
    const auto normal9 = typsnitt("HelveticaNeue", 9);
    if (!normal7 || !smalFet14 || !kursiv6 || !normal6 || !fet6 || !smalFet8 || !normal9) return;

    const Color magenta = Color::rgb(0.801, 0, 0.417);
    const Color ljusblå = Color::rgb(0.89, 0.953, 0.97);
    const Color svart = Color::black();

    //                                    paragraph style             colour        font
    const TextAttributes titel          {std::nullopt,               std::nullopt, smalFet14};
    const TextAttributes påminnelse     {std::nullopt,               magenta,      normal7};
    const TextAttributes villkor        {std::nullopt,               std::nullopt, kursiv6};
    const TextAttributes fskatt         {rightAligned(),             std::nullopt, kursiv6};
    const TextAttributes brödtext       {std::nullopt,               std::nullopt, normal7};
    const TextAttributes brödtextHöger  {rightAligned(),             std::nullopt, normal7};
    const TextAttributes rubrik         {std::nullopt,               std::nullopt, smalFet8};
    const TextAttributes rubrikHöger    {rightAligned(),             std::nullopt, smalFet8};
    const TextAttributes tabellvärde    {std::nullopt,               std::nullopt, normal6};
    const TextAttributes tabelletikett  {rightAligned(),             std::nullopt, fet6};
    const TextAttributes faktaetikett   {clippedLeftOnCharacters(),  std::nullopt, normal7};

    // A delivery note has no slip: what stands above it on an invoice, the
    // credit terms, the F-tax note and the sender's tables, stands as much
    // lower, and the rows fill the band down to the terms. FiGiro1's band
    // goes under everything, the credit terms inside it too; the reminder
    // keeps its frame above the title's line.
    const bool typ2 = typ == FiGirotyp::typ2;
    const double nedflyttning = följesedel ? 225 : 0;
    const double bandhöjd = följesedel ? 595 : 270;
    rumsplan::Plan plan(*this);
    if (!typ2) {
        plan.rita({Rect{0, 188, 595, bandhöjd}, ljusblå});
        plan.rita({Rect{0, bandhöjd + 187, 595, 2}, svart});
        plan.rita({Rect{0, 187, 595, 2}, svart});
    }
    // The right sender table's frame reaches over the F-tax note's line:
    // the note, set at the right of its frame, keeps to the width it takes
    // there, and the table keeps left of it.
    const Rect villkorsram{57, 431 + nedflyttning, 504, 27}, fskattsram{411, 535 + nedflyttning, 161, 13};
    const auto note = fskattSomVisas(*this);
    const double noten = std::floor(
        fskattsram.maxX() - (note ? mätare.boundingSize(AttributedString(*note, fskatt), {10000, 10000}).width : 0));
    läggTillInnehållMedRamFörLogotyp(plan, {40, 38, 98, 79}, titel, {46, 161, 203, 20}, påminnelse,
                                     {46, 144, 202, 20}, villkor, villkorsram, fskatt, fskattsram,
                                     {.påminnelse = Rect{46, 144, 202, 17},
                                      .fskatt = Rect{noten, fskattsram.y, fskattsram.maxX() - noten, 13}});

    using enum mallverktyg::Fakt;
    // The facts in one column above the band's upper bar at y 187 (on
    // FiGiro2 above the item headings): a long value wraps, the references
    // rise towards the dates, and what still does not fit is set smaller,
    // then cut.
    if (!följesedel)
        mallverktyg::faktalistorMedPunktledare(
            *this, plan, mallverktyg::fakta(*this, {fakturanummer, fakturadatum, betalningsvillkor, förfallodatum}),
            mallverktyg::fakta(*this, {erReferens, vårReferens, kundnummer, inköpsordernummer,
                                       mottagarensMomsregistreringsnummer, leveranssätt, leveransdatum}),
            faktaetikett, brödtext, {.x = 381, .förstaY = 47, .andraY = 109, .fot = typ2 ? 199.0 : 187.0, .mellanrum = 6});

    // The addresses in the middle column down to above the bar (on FiGiro2
    // above the item headings), each 11 points under its caption, the
    // delivery address from y 112 or 2 points below a longer invoice
    // address. Two the column cannot hold line by line at all run
    // together, the delivery address first.
    const std::string avsändarland(kod(b.land));
    std::vector<mallverktyg::RubriceradAdress> adresser;
    if (auto adress = f.fakturaadressGivetAvsändarland(avsändarland))
        adresser.push_back({"invoice address", AttributedString(versaler(rubrikFörMottagare()), brödtext), *adress,
                            brödtext, {257, 46, 115, 54}, 65});
    if (auto adress = f.adressAttLevereraTillGivetAvsändarland(avsändarland))
        adresser.push_back({"delivery address", AttributedString(versaler(rubrikFörLeveransadress()), brödtext),
                            *adress, brödtext, {257, 112, 115, 61}, 72});
    mallverktyg::adresskolumn(plan, "addresses", {257, 46, 115, (typ2 ? 197.0 : 185.0) - 46}, adresser);

    // Above the slip. Every way of payment fills more rows than the frame
    // holds: both tables are then set smaller by one factor, so that their
    // rows still line up; a value too wide for its column wraps there.
    const double avsändarY = 470 + nedflyttning;
    mallverktyg::avsändartabellerSidaVidSida(
        *this, plan, tabelletikett, tabellvärde,
        {.vänster = {53, 189}, .höger = {315, std::min(189.0, noten - 315)}, .y = avsändarY, .ramhöjd = 77,
         .fot = avsändarY + 77});

    if (!följesedel) finskGiroblankett(*this, giroblankettstilar(*normal7, *normal6, *normal9), plan);
    plan.rita(streck({{{54, 216}, {541, 216}}}, typ2 ? 1 : 0.25, svart));

    // Amount rows past four lift the amounts and the VAT summary and shorten
    // the item table's room on the last page. The rule over them rises with
    // them, and the VAT summary starts a little below it: at the given 347
    // the rule struck through its caption.
    const int n = antalBeloppsrader(true);
    const double e = n > 4 ? (n - 4) * 12 : 0;
    const double regeln = 351 - e;
    if (!följesedel) {
        plan.rita({Rect{316, 399, 241, 19}, typ2 ? ljusblå : Color::white(), typ2 ? std::nullopt : std::optional(svart)},
                  Sidslag::sista);
        plan.rita(streck({{{54, regeln}, {541, regeln}}}, 0.25, svart), Sidslag::sista);
        mallverktyg::attBetalaIRam(plan, *this,
                                   typ2 ? versaler(rubrikFörBeloppAttBetala()) : rubrikFörBeloppAttBetala(), rubrik,
                                   rubrikHöger, {328, 400, 195, 15}, Sidslag::sista);
    }
    if (auto moms = momssammanfattningMedRubrikAttribut(brödtext, brödtext, {72, 353 - e, 201, 70},
                                                        {.rubrikOvanförSammanfattning = true}))
        plan.placerade("VAT summary", std::move(*moms), Sidslag::sista);
    plan.placerade("amounts",
                   beloppfältMedRubrikattribut(brödtext, brödtextHöger, {330, 356 - e, 193, 13},
                                               {330, 356 - e, 193, 13}, {.radhöjd = 12})
                       .data,
                   Sidslag::sista);

    // The item table's room on the last page ends at y 330, or higher when
    // the rule over the amounts rises past 340, so that the last row's
    // frame ends at the rule, above the VAT summary; the message ends above
    // it. A delivery note's rows, and the message below them, end above the
    // credit terms on every page.
    const double radernasFot = std::min(330.0, regeln - 10);
    plan.artikeltabell({rubrik, brödtext, rubrikHöger, brödtextHöger,
                        {.rubrikutrymme = {74, 201, 448, 15},
                         .datautrymme = Rect{74, 211 + e, 448, radernasFot - 211 - e}.integral(),
                         .höjdPåÖvrigaSidor =
                             följesedel ? villkorsram.y - 211 - 2 * Kolumnval::radbasensFörskjutning : 169.0,
                         .storaBokstäverPåRubriker = typ2,
                         .meddelandetsFot = följesedel ? std::nullopt : std::optional(regeln - 2)}});
    std::move(plan).placera();
}
