// Template Hi, sky: a typewriter slab face in slate blue on the background
// "Hi". The white title on the sky band at the top; the facts with dot
// leaders at the left and the invoice address at the right; the delivery
// address under the facts; the item table; the VAT summary beside the
// amount rows; the amount to pay ending at a tab stop over the payment
// terms and due date; the F-tax line, and at the foot the sender in two
// tables centred on one line beside the logo, the credit terms below them.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Land.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygBelopp.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/MallverktygRubrikOchVarde.h"
#include "Vyer/Faktura/MallverktygRum.h"
#include "Vyer/Faktura/MallverktygTabeller.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

#include <algorithm>
#include <cmath>

using mallverktyg::Fakt;

void Fakturavy::konfigureraInnehållFörHi() {
    const auto fet8 = typsnitt("AmericanTypewriter-Bold", 8);
    const auto normal8 = typsnitt("AmericanTypewriter", 8);
    const auto lätt28 = typsnitt("AmericanTypewriter-Light", 28);
    const auto normal10 = typsnitt("AmericanTypewriter", 10);
    const auto fet12 = typsnitt("AmericanTypewriter-Bold", 12);
    const auto fet11 = typsnitt("AmericanTypewriter-Bold", 11);
    const auto lätt8 = typsnitt("AmericanTypewriter-Light", 8);
    const auto fet9 = typsnitt("AmericanTypewriter-Bold", 9);
    const auto geneva5 = typsnitt("Geneva", 5);
    const auto normal7 = typsnitt("AmericanTypewriter", 7);
    const auto smalFet7 = typsnitt("AmericanTypewriter-CondensedBold", 7);
    if (!fet8 || !normal8 || !lätt28 || !normal10 || !fet12 || !fet11 || !lätt8 || !fet9 || !geneva5 || !normal7 ||
        !smalFet7)
        return;

    const Color skiffer = Color::rgb(0.355, 0.435, 0.535);
    const Color magenta = Color::rgb(0.801, 0, 0.417);

    //                                      paragraph style             colour          font
    const TextAttributes uppgiftsrubrik    {clippedLeftOnCharacters(), skiffer,        fet8};
    const TextAttributes uppgiftsvärde     {std::nullopt,              skiffer,        normal8};  // wraps
    const TextAttributes titel             {centerAligned(),           Color::white(), lätt28};
    const TextAttributes adress            {std::nullopt,              skiffer,        normal10};
    const TextAttributes påminnelse        {rightAligned(),            magenta,        fet12};
    const TextAttributes kolumnrubrik      {std::nullopt,              std::nullopt,   fet11};
    const TextAttributes kolumnrubrikHöger {rightAligned(),            std::nullopt,   fet11};
    const TextAttributes brödtext          {std::nullopt,              std::nullopt,   lätt8};
    const TextAttributes brödtextHöger     {rightAligned(),            std::nullopt,   lätt8};
    const TextAttributes beloppsrubrik     {std::nullopt,              std::nullopt,   fet9};
    const TextAttributes fskatt            {std::nullopt,              skiffer,        geneva5};
    const TextAttributes villkor           {std::nullopt,              std::nullopt,   geneva5};
    const TextAttributes avsändarvärde     {std::nullopt,              skiffer,        normal7};
    const TextAttributes avsändaretikett   {rightAligned(),            skiffer,        smalFet7};
    const TextAttributes förfallodatum     {centerAligned(),           std::nullopt,   lätt8};

    // The credit terms' frame is cut at the page's margin: a longer text
    // wraps there instead of running off the paper. The reminder's room
    // starts right of the facts' values.
    rumsplan::Plan plan(*this);
    läggTillInnehållMedRamFörLogotyp(plan, {476, 692, 102, 79}, titel, {34, 19, 527, 49}, påminnelse,
                                     {275, 266, 259, 20}, villkor, {256, 793, 333, 34}, fskatt, {34, 665, 144, 11},
                                     {.påminnelse = Rect{339, 266, 195, 20}});

    // The invoice address reaches down to above the reminder.
    const std::string avsändarland(kod(b.land));
    if (auto faktureras = f.fakturaadressGivetAvsändarland(avsändarland))
        plan.rum("invoice address", {353, 76, 197, 186})
            .block("invoice address", {AttributedString(*faktureras, adress), {353, 76, 197, 144}});

    // The sender in two tables starting on one line, where the taller is
    // centred on y 732, between the F-tax line and the credit terms; set
    // smaller together. Tables that even so need more stand close under the
    // F-tax line, the company's reaching down to the page's foot.
    auto avsändartabell = [&](const Datalista& data, double x, double bredd) {
        return rumsplan::Text{
            tabellMedData(data, avsändaretikett, avsändarvärde, {.storaBokstäverPåRubrik = true}).tabell,
            {x, 732, bredd, 0}, rumsplan::Sättning::tabell};
    };
    rumsplan::Text företag = avsändartabell(
        mallverktyg::fakta(*this, {Fakt::avsändare, Fakt::avsändaradress, Fakt::telefon, Fakt::fax, Fakt::email,
                                   Fakt::hemsida}),
        34, 205);
    rumsplan::Text registrering = avsändartabell(
        mallverktyg::faktaOchBetalning(*this, {Fakt::organisationsnummer, Fakt::momsregistreringsnummer}), 256, 217);
    rumsplan::Rum påEnLinje("sender", {34, 678, 439, 793 - 678});
    påEnLinje.block("sender", {företag, registrering}, {.förankring = rumsplan::Förankring::kring(732, 0.5)});
    if (mallverktyg::rymsAlls(plan, påEnLinje)) {
        const rumsplan::Rum::Block& b = påEnLinje.blocken().front();
        plan.rum("sender", påEnLinje.yta()).block(b.namn, b.texter, b.val);
    } else {
        företag.ram.y = registrering.ram.y = 678;
        auto& vänster = plan.rum("sender", {34, 678, 205, ramFörEnSida().maxY() - 6 - 678}).block("sender", företag);
        plan.krymperMed(vänster, plan.rum("registration", {256, 678, 217, 793 - 678}).block("registration", registrering));
    }

    // The facts with their leaders from y 81, a long value wrapping and
    // pushing the rows below it down; a delivery note lists only what the
    // goods need. The delivery address under them at y 182, or lower when
    // they reach down past it. Both end above the item headings at y 320,
    // set smaller together.
    const Datalista uppgifter =
        följesedel ? mallverktyg::fakta(*this, {Fakt::fakturanummer, Fakt::erReferens, Fakt::vårReferens,
                                                Fakt::kundnummer, Fakt::inköpsordernummer, Fakt::leveransdatum,
                                                Fakt::leveranssätt})
                   : mallverktyg::fakta(*this, {Fakt::fakturanummer, Fakt::fakturadatum, Fakt::erReferens,
                                                Fakt::vårReferens, Fakt::kundnummer, Fakt::personnummer,
                                                Fakt::personnummer2, Fakt::fastighetsbeteckning,
                                                Fakt::lägenhetsnummer, Fakt::mottagarensMomsregistreringsnummer,
                                                Fakt::inköpsordernummer, Fakt::leveransdatum, Fakt::leveranssätt});
    constexpr double fot = 320;
    auto& fakta = plan.rum("facts", {34, 76, 305, fot - 76});
    const double faktaslut = mallverktyg::faktaraderIRum(*this, fakta, uppgifter, uppgiftsrubrik, uppgiftsvärde,
                                                         {.radhöjd = 13, .startposition = {34, 81}, .etikettbredd = 125,
                                                          .värdebredd = 175, .paddning = mallverktyg::punktledare,
                                                          .offset = -2})
                                 .fot;
    if (auto leverans = f.adressAttLevereraTillGivetAvsändarland(avsändarland)) {
        const double y = std::max(182.0, std::ceil(faktaslut) + 2);
        fakta.block("delivery address",
                    {{AttributedString(rubrikFörLeveransadress(), uppgiftsrubrik), {34, y, 128, 13}},
                     {AttributedString(*leverans, uppgiftsvärde),
                      {34, y + 13, 180, std::clamp(fot - (y + 13), 13.0, 119.0)}}},
                    {.avstånd = 2, .underPåHelPunkt = true});
    }

    if (!följesedel) {
        // The amount ends at one right tab stop, which replaces the
        // alignment of its own attributes.
        AttributedString attBetala(rubrikFörBeloppAttBetala(), beloppsrubrik);
        attBetala.append("\t" + belopp(f.attBetala()), brödtextHöger);
        ParagraphStyle tabbar;
        tabbar.tabStops = {TextTab{TextTab::Kind::right, 274}};
        attBetala.setParagraphStyle(tabbar);
        plan.text("amount to pay", std::move(attBetala), {259, 603, 275, 15});
        plan.text("terms", AttributedString(versaler(mallverktyg::villkorOchFörfallodatum(*this)), förfallodatum),
                  {249, 630, 297, 15});
    }

    // The amount rows start at y 532 and end above the line of light over
    // the amount to pay (y 596) and its small clouds: more than four rows
    // start higher, with the VAT summary beside them, and the item rows and
    // message of the last page end above them.
    const double beloppen = std::min(532.0, 590 - beloppsradhöjd * antalBeloppsrader(true));
    mallverktyg::beloppOchMoms(plan, *this, {brödtext, brödtextHöger, {258, beloppen, 275, 15}, {.taMedTotalen = true}},
                               {brödtext, brödtext, {62, beloppen + 2, 173, 105},
                                {.rubrikOvanförSammanfattning = true, .rubrikMedStoraBokstäver = true}});

    plan.artikeltabell(
        {kolumnrubrik, brödtext, kolumnrubrikHöger, brödtextHöger,
         {.rubrikutrymme = {62, 324, 470, 18},
          .datautrymme = {62, 331, 470, std::min(172.0, beloppen - 331 - 2 * Kolumnval::radbasensFörskjutning)},
          .höjdPåÖvrigaSidor = 250}});
    std::move(plan).placera();
}
