// Templates NoGiro1 and NoGiro2: an invoice over a blank Norwegian giro
// form. Logo and title at the top left, the addresses in a middle column,
// the facts with dotted leaders at the top right, the body between two
// black rules (on a light-grey band for NoGiro1), the sender tables under
// it; on an invoice the form below is left to the background.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Land.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygAdress.h"
#include "Vyer/Faktura/MallverktygAttBetala.h"
#include "Vyer/Faktura/MallverktygBelopp.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/MallverktygTabeller.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

#include <algorithm>
#include <string>
#include <vector>

using mallverktyg::streck;

void Fakturavy::konfigureraInnehållFörNoGiroAvTyp(NoGirotyp typ) {
    const auto normal7 = typsnitt("HelveticaNeue", 7);
    const auto fet7 = typsnitt("HelveticaNeue-Bold", 7);
    const auto normal6 = typsnitt("HelveticaNeue", 6);
    const auto fet18 = typsnitt("HelveticaNeue-Bold", 18);
    const auto kursiv6 = typsnitt("HelveticaNeue-Italic", 6);
    const auto smalFet8 = typsnitt("HelveticaNeue-CondensedBold", 8);
    if (!normal7 || !fet7 || !normal6 || !fet18 || !kursiv6 || !smalFet8) return;

    const Color accent = Color::rgb(0.801, 0, 0.417);
    const Color bandgrå = Color::grey(0.96);
    const Color svart = Color::black();

    //                                    paragraph style             colour        font
    const TextAttributes titel          {std::nullopt,               std::nullopt, fet18};
    const TextAttributes påminnelse     {std::nullopt,               accent,       normal7};
    const TextAttributes villkor        {std::nullopt,               std::nullopt, kursiv6};
    const TextAttributes fskatt         {rightAligned(),             std::nullopt, kursiv6};
    const TextAttributes faktaetikett   {clippedLeftOnCharacters(),  std::nullopt, normal7};
    const TextAttributes adressrubrik   {std::nullopt,               std::nullopt, fet7};
    const TextAttributes brödtext       {std::nullopt,               std::nullopt, normal7};
    const TextAttributes brödtextHöger  {rightAligned(),             std::nullopt, normal7};
    const TextAttributes avsändarvärde  {clippedLeftOnCharacters(),  std::nullopt, normal6};
    const TextAttributes avsändaretikett{rightAligned(),             std::nullopt, normal6};
    const TextAttributes rubrikHöger    {rightAligned(),             std::nullopt, smalFet8};
    const TextAttributes rubrik         {std::nullopt,               std::nullopt, smalFet8};

    // The grey band goes under everything, the credit terms inside it too.
    // The reminder keeps its frame above the title's line.
    rumsplan::Plan plan(*this);
    const double h = följesedel ? 539 : 263;
    if (typ == NoGirotyp::medGråBand) plan.rita({Rect{0, 163, 595, h}, bandgrå});
    läggTillInnehållMedRamFörLogotyp(plan, {32, 24, 103, 85}, titel, {32, 135, 201, 20}, påminnelse,
                                     {32, 122, 202, 20}, villkor, {15, 397, 543, 27}, fskatt, {495, 486, 79, 13},
                                     {.påminnelse = Rect{32, 122, 202, 13}});

    using enum mallverktyg::Fakt;
    // The facts in one column above the band's rule at y 162: a long value
    // wraps, the references rise towards the dates above them, and what
    // still does not fit is set smaller, then cut.
    if (!följesedel)
        mallverktyg::faktalistorMedPunktledare(
            *this, plan, mallverktyg::fakta(*this, {fakturanummer, fakturadatum, betalningsvillkor, förfallodatum, leveransdatum}),
            mallverktyg::fakta(*this, {erReferens, vårReferens, kundnummer, inköpsordernummer,
                                       mottagarensMomsregistreringsnummer, leveranssätt}),
            faktaetikett, brödtext, {.x = 381, .förstaY = 25, .andraY = 91, .fot = 163, .mellanrum = 6});

    // The addresses in the middle column down to the rule, each under its
    // caption, the delivery address from y 96 or 2 points below a longer
    // invoice address. Two the column cannot hold line by line at all run
    // together, the delivery address first.
    const std::string avsändarland(kod(b.land));
    std::vector<mallverktyg::RubriceradAdress> adresser;
    if (auto adress = f.fakturaadressGivetAvsändarland(avsändarland))
        adresser.push_back({"invoice address", AttributedString(versaler(rubrikFörMottagare()), adressrubrik), *adress,
                            brödtext, {257, 30, 115, 54}, 65});
    if (auto adress = f.adressAttLevereraTillGivetAvsändarland(avsändarland))
        adresser.push_back({"delivery address", AttributedString(versaler(rubrikFörLeveransadress()), adressrubrik),
                            *adress, brödtext, {257, 96, 115, 51}, 51});
    mallverktyg::adresskolumn(plan, "addresses", {257, 30, 115, 130}, adresser);

    // The sender's tables under the body (on a delivery note under the
    // rows, which reach over the form), down to above the form or the
    // page's foot.
    mallverktyg::avsändartabellerSidaVidSida(*this, plan, avsändaretikett, avsändarvärde,
                                             {.vänster = {36, 194}, .höger = {263, 194}, .y = följesedel ? 704.0 : 432.0,
                                              .ramhöjd = 68, .fot = följesedel ? 836.0 : 590.0});
    plan.rita({Rect{0, 162 + h, 595, 2}, svart});
    plan.rita({Rect{0, 162, 595, 2}, svart});
    plan.rita(streck({{{36, 655}, {559, 655}}}, 0.25, svart));

    // Amount rows beyond three would run under the amount box: they start
    // a row higher for each, with the rule and the VAT summary above them,
    // and the item table's room on the last page is shorter by as much.
    const double upp = std::max(0, antalBeloppsrader(false) - 3) * beloppsradhöjd;
    mallverktyg::beloppOchMoms(plan, *this, {brödtext, brödtextHöger, {329, 325 - upp, 224, 15}},
                               {brödtext, brödtext, {43, 325 - upp, 235, 73}, {.rubrikOvanförSammanfattning = true}});
    if (!följesedel) {
        // Caption and amount share the boxed frame, at its two ends.
        plan.rita(streck({{{36, 322 - upp}, {559, 322 - upp}}}, 0.25, svart), Sidslag::sista);
        BezierPath ruta = BezierPath::rect({317, 370, 242, 19});
        ruta.lineWidth = 0.25;
        plan.rita({std::nullopt, std::nullopt, cachad::path{std::move(ruta), Color::white(), svart}}, Sidslag::sista);
        mallverktyg::attBetalaIRam(plan, *this, rubrikFörBeloppAttBetala(), rubrik, rubrikHöger, {329, 371, 224, 15},
                                   Sidslag::sista);
    }

    // The lowest the rows of a page may reach, counted from 12 below the
    // data area's top where they start: a delivery note's stop above the
    // credit terms and the F-tax note, which stand on every page, and above
    // the form, whose printed captions no text may cover.
    double nedersta = följesedel ? 590 : 179 + 12 + 195;
    if (b.godkändFörFSkatt) nedersta = std::min(nedersta, 482.0);
    if (kreditvillkorSomVisas()) nedersta = std::min(nedersta, 393.0);
    plan.artikeltabell({rubrik, brödtext, rubrikHöger, brödtextHöger,
                        {.rubrikutrymme = {44, 172, 508, 15},
                         .datautrymme = Rect{44, 179, 508, 118 - upp}.integral(),
                         .höjdPåÖvrigaSidor = nedersta - (179 + 12)}});
    std::move(plan).placera();
}
