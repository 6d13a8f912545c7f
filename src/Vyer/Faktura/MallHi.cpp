// Template Hi, sky: a typewriter slab face in slate blue on the background
// "Hi". The white title on the sky band at the top; the facts with dot
// leaders at the left and the invoice address at the right; the delivery
// address under the facts; the item table; the VAT summary beside the
// amount rows; the amount to pay ending at a tab stop over the payment
// terms and due date; the F-tax line, and at the foot the sender in two
// tables centred on one line beside the logo, the credit terms below them.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Bokforing.h"
#include "Modell/Land.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/MallverktygRum.h"
#include "Vyer/Faktura/MallverktygRubrikOchVarde.h"
#include "Vyer/Faktura/MallverktygTabeller.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"
#include "Vyer/Faktura/Textpassning.h"

#include <algorithm>
#include <cmath>

using mallverktyg::Fakt;
using mallverktyg::tabelltext;
using mallverktyg::text;

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

    auto avsändartabell = [&](const Datalista& data) {
        return tabellMedData(data, avsändaretikett, avsändarvärde, {.storaBokstäverPåRubrik = true}).tabell;
    };
    const AttributedString företag = avsändartabell(mallverktyg::fakta(
        *this, {Fakt::avsändare, Fakt::avsändaradress, Fakt::telefon, Fakt::fax, Fakt::email, Fakt::hemsida}));
    const AttributedString registrering = avsändartabell(
        mallverktyg::faktaOchBetalning(*this, {Fakt::organisationsnummer, Fakt::momsregistreringsnummer}));
    // The credit terms' frame is cut at the page's margin: a longer text
    // wraps there instead of running off the paper.
    läggTillInnehållMedRamFörLogotyp({476, 692, 102, 79}, titel, {34, 19, 527, 49}, påminnelse, {275, 266, 259, 20},
                                     villkor, {256, 793, 333, 34}, fskatt, {34, 665, 144, 11});

    // The facts with their leaders from y 81, a long value wrapping and
    // pushing the rows below it down; a delivery note lists only what the
    // goods need.
    auto& alla = innehållFörAllaSidor;
    const Datalista uppgifter =
        följesedel ? mallverktyg::fakta(*this, {Fakt::fakturanummer, Fakt::erReferens, Fakt::vårReferens,
                                                Fakt::kundnummer, Fakt::inköpsordernummer, Fakt::leveransdatum,
                                                Fakt::leveranssätt})
                   : mallverktyg::fakta(*this, {Fakt::fakturanummer, Fakt::fakturadatum, Fakt::erReferens,
                                                Fakt::vårReferens, Fakt::kundnummer, Fakt::personnummer,
                                                Fakt::personnummer2, Fakt::fastighetsbeteckning,
                                                Fakt::lägenhetsnummer, Fakt::mottagarensMomsregistreringsnummer,
                                                Fakt::inköpsordernummer, Fakt::leveransdatum, Fakt::leveranssätt});
    auto faktaVid = [&](int procent) {
        const double k = procent / 100.0;
        return cachadeObjektFörData(uppgifter, vidProcent(uppgiftsrubrik, procent), vidProcent(uppgiftsvärde, procent),
                                    {.radhöjd = 13 * k, .startposition = {34, 81}, .etikettbredd = 125,
                                     .värdebredd = 175, .paddning = mallverktyg::punktledare, .offset = -2 * k});
    };
    auto slutet = [](const std::vector<CachatObjekt>& objekt) {
        double y = 0;
        for (const CachatObjekt& o : objekt) y = std::max(y, std::get<cachad::string>(o.data).frame.maxY());
        return y;
    };

    const std::string avsändarland(kod(b.land));
    // The invoice address reaches down to above the reminder. The sender
    // in two tables starting on one line, where the taller, measured, is
    // centred on y 732, no higher than under the F-tax line; the company's
    // room reaches down to the page's foot, the registration keeps its
    // height above the credit terms; both are set smaller together.
    {
        rumsplan::Plan plan(*this);
        if (auto faktureras = f.fakturaadressGivetAvsändarland(avsändarland))
            plan.rum("invoice address", {353, 76, 197, 186})
                .block("invoice address", {AttributedString(*faktureras, adress), {353, 76, 197, 144}});
        // Where they start: as the registration, set smaller to its height
        // 107 where it must, would put them; fitted so, it may pass that
        // height by the slack, as its room does, ending above the credit
        // terms.
        const int k = static_cast<int>(std::lround(100 * passadText(mätare, registrering, {217, 107}).skala));
        auto höjd = [&](const AttributedString& tabell, double bredd) {
            return mallverktyg::uppmätt(*this, radbrutenOmDenÄrFörBred(mätare, vidProcent(tabell, k), bredd),
                                        {bredd, 10000})
                .height;
        };
        constexpr double underFSkatten = 678;
        const double topp = std::max(underFSkatten, 732 - std::max(höjd(företag, 205), höjd(registrering, 217)) / 2);
        auto& vänster = plan.rum("sender", {34, underFSkatten, 205, 842 - 6 - underFSkatten})
                            .block("sender", {företag, {34, topp, 205, 107}, rumsplan::Sättning::tabell});
        auto& höger = plan.rum("registration", {256, topp, 217, std::min(107 + passningsmån, 793 - topp)})
                          .block("registration", {registrering, {256, topp, 217, 107}, rumsplan::Sättning::tabell});
        plan.krymperMed(vänster, höger);
        for (CachatObjekt& o : std::move(plan).placera()) alla.push_back(std::move(o));
    }

    // The delivery address under the facts at y 182, or lower when more
    // facts reach down past it; set smaller to end above the item headings
    // at y 320. When even 70 % of it has no room there, the facts above it
    // are set smaller too, by one factor with their caption, down to 70 %;
    // then the address is cut.
    constexpr double leveransensFot = 320;
    auto leveransram = [&](double faktaslut, int procent) {
        const double y = std::max(182.0, std::ceil(faktaslut) + 2);
        const double rubrik = 13 * procent / 100.0;
        return std::pair{Rect{34, y, 128, rubrik},
                         Rect{34, y + rubrik, 180, std::min(119.0, leveransensFot - (y + rubrik))}};
    };
    int procent = 100;
    const auto leverans = f.adressAttLevereraTillGivetAvsändarland(avsändarland);
    if (leverans) {
        const AttributedString adresstext(*leverans, uppgiftsvärde);
        auto rymsVid = [&](int p) {
            const Rect ram = leveransram(slutet(faktaVid(p)), p).second;
            return ram.height > 0 &&
                   passadText(mätare, adresstext, ram.size(), TextDrawingMode::fromTopLeft).passar;
        };
        procent = störstaProcent(rymsVid).value_or(minstaProcent);
    }
    // Past the item headings even so, the facts are cut there.
    std::vector<CachatObjekt> fakta = mallverktyg::faktaraderOvanför(*this, faktaVid(procent), leveransensFot);
    if (leverans) {
        const auto [rubrikram, adressram] = leveransram(slutet(fakta), procent);
        alla.push_back(text(rubrikFörLeveransadress(), vidProcent(uppgiftsrubrik, procent), rubrikram));
        if (adressram.height > 0)
            alla.push_back(mallverktyg::passandeText(*this, AttributedString(*leverans, uppgiftsvärde), adressram));
    }

    if (!följesedel) {
        alla.push_back(
            text(versaler(mallverktyg::villkorOchFörfallodatum(*this)), förfallodatum, {249, 630, 297, 15}));
        // The amount ends at one right tab stop, which replaces the
        // alignment of its own attributes.
        AttributedString attBetala(rubrikFörBeloppAttBetala(), beloppsrubrik);
        attBetala.append("\t" + belopp(f.attBetala()), brödtextHöger);
        ParagraphStyle tabbar;
        tabbar.tabStops = {TextTab{TextTab::Kind::right, 274}};
        attBetala.setParagraphStyle(tabbar);
        alla.emplace_back(std::move(attBetala), Rect{259, 603, 275, 15});
    }

    alla.insert(alla.end(), std::make_move_iterator(fakta.begin()), std::make_move_iterator(fakta.end()));

    // The amount rows start at y 532 and end above the line of light over
    // the amount to pay (y 596) and its small clouds: more than four rows
    // start higher, with the VAT summary beside them, and the item rows and
    // message of the last page end above them.
    const double beloppen = std::min(532.0, 590 - beloppsradhöjd * antalBeloppsrader(true));
    std::vector<CachatObjekt> sistaSidan =
        beloppfältMedRubrikattribut(brödtext, brödtextHöger, {258, beloppen, 275, 15}, {258, beloppen, 275, 15},
                                    {.taMedTotalen = true})
            .data;
    if (auto summering = momssammanfattningMedRubrikAttribut(
            brödtext, brödtext, {62, beloppen + 2, 173, 105},
            {.rubrikOvanförSammanfattning = true, .rubrikMedStoraBokstäver = true}))
        sistaSidan.insert(sistaSidan.end(), summering->begin(), summering->end());

    läggTillKolumnerMedRubrikattribut(
        kolumnrubrik, brödtext, kolumnrubrikHöger, brödtextHöger,
        {.rubrikutrymme = {62, 324, 470, 18},
         .datautrymme = {62, 331, 470, std::min(172.0, beloppen - 331 - 2 * Kolumnval::radbasensFörskjutning)},
         .höjdPåÖvrigaSidor = 250});
    läggTillInnehållPåSistaSidan(std::move(sistaSidan), std::nullopt);
}
