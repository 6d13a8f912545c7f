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
#include "Vyer/Faktura/MallverktygAttBetala.h"
#include "Vyer/Faktura/MallverktygBelopp.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

#include <algorithm>

using enum mallverktyg::Fakt;

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

    // The facts under the logo; a list too long runs on down beside the
    // title, when the title leaves that free, to above the background's
    // rule at y 315, then rises towards the logo's foot (y 118).
    const Rect villkorsram{327, 229, 232, 30}, fskattsram{20, 801, 148, 13};
    const Rect titelram{37, 275, 529, 36}, faktaram{49, 147, 233, 128};
    const std::optional<std::string> titeln = f.rubriktextIFakturamall(nullptr, följesedel);
    const double titelbredd =
        titeln ? std::min(mätare.boundingSize(AttributedString(*titeln, titel), {10000, 10000}).width, titelram.width)
               : 0;
    const double besidTiteln = faktaram.maxX() + 4;
    const bool fritt = titelram.maxX() - titelbredd > besidTiteln;
    // The credit terms' and the reminder's frames reach a little into the
    // next one down.
    rumsplan::Plan plan(*this);
    läggTillInnehållMedRamFörLogotyp(
        plan, {36, 36, 94, 82}, titel, titelram, påminnelse, {286, 258, 280, 19}, villkor, villkorsram, fskatt,
        fskattsram,
        {.titel = fritt ? std::optional<Rect>({besidTiteln, 275, titelram.maxX() - besidTiteln, 36}) : std::nullopt,
         .påminnelse = Rect{286, 258, 280, 17},
         .villkor = Rect{327, 229, 232, 29}});
    if (!följesedel)
        plan.text("invoice date", AttributedString(datumtext(f.fakturadatum()), rubrikHöger), {398, 21, 168, 14});

    // The number ends at x 567; white cuts the background's rule 5 points
    // before the number's first letter, however long the number is.
    AttributedString nummer(rubrikFörFakturanummer() + " " + f.nummer(), rubrikHöger);
    const double w = mätare.boundingSize(nummer, {10000, 10000}).width;
    plan.text("number", std::move(nummer), {407, 42, 160, 15});
    plan.rita({Rect{395, 33, std::max(0.0, 167 - w), 30}, Color::white()});

    // The recipient's address at the right, down to the credit terms.
    if (auto mottagare = f.fakturaadressGivetAvsändarland(std::string(kod(b.land))))
        plan.rum("invoice address", {327, 97, 232, villkorsram.y - 1 - 97})
            .block("invoice address", {AttributedString(*mottagare, adress), {327, 97, 218, 86}});
    plan.rum("facts", {49, 122, 233, (fritt ? 312 : faktaram.maxY()) - 122})
        .block("facts", {tabellMedData(mallverktyg::fakta(*this, {erReferens, vårReferens, kundnummer, personnummer,
                                                                   personnummer2, fastighetsbeteckning,
                                                                   lägenhetsnummer,
                                                                   mottagarensMomsregistreringsnummer,
                                                                   inköpsordernummer, leveranssätt, leveransdatum,
                                                                   leveransadress}),
                                       brödtextHöger, brödtext)
                             .tabell,
                         faktaram});

    // At the foot the sender, above the F-tax note, and its contact
    // details, ending before the box of the amount to pay at x 335 so that
    // a long e-mail or web address wraps in its column; both rise towards
    // the VAT summary when long.
    constexpr double fotensÖverkant = 670;
    auto fottabell = [&](const char* namn, const Datalista& data, double x, double bredd, double fot, double ramfot,
                         Tabellval val = {}) {
        plan.rum(namn, {x, fotensÖverkant, bredd, fot - fotensÖverkant})
            .block(namn, {tabellMedData(data, fotrubrik, fotvärde, val).tabell, {x, 695, bredd, ramfot - 695},
                          rumsplan::Sättning::tabell});
    };
    fottabell("sender",
              mallverktyg::fakta(*this,
                                 {avsändare, säte, organisationsnummer, momsregistreringsnummer, avsändaradress}),
              20, 149, fskattsram.y - 1, 800, {.fetStilPåFörstaRaden = true});
    fottabell("sender contact", mallverktyg::faktaOchBetalning(*this, {telefon, fax, email, hemsida}), 172, 160, 812,
              812);

    // The box at the foot: caption and amount at the two ends of one frame,
    // the due date above the payment terms. A delivery note hides the box.
    if (följesedel) {
        plan.rita({Rect{328, 681, 253, 35}, Color::white()});
    } else {
        mallverktyg::attBetalaIRam(plan, *this, rubrikFörBeloppAttBetala(), beloppsrubrik, beloppet,
                                   {344, 691, 216, 16});
        plan.text("payment terms", AttributedString(rubrikFörBetalningsvillkor() + " " + rubrikFörDagar(), rubrik),
                  {336, 729, 222, 11});
        plan.text("due date", AttributedString(rubrikFörFörfallodatum() + " " + datumtext(f.förfallodatum()), rubrik),
                  {336, 716, 222, 11});
    }

    // The amount rows without the total, which follows them in bold.
    auto rader = beloppfältMedRubrikattribut(brödtext, brödtextHöger, {345, 590, 200, 15}, {345, 590, 200, 15});
    const Rect totalram{345, rader.utpunkt, 200, 15};
    mallverktyg::beloppOchMoms(plan, std::move(rader),
                               momssammanfattningMedRubrikAttribut(brödtext, brödtext, {36, 590, 159, 77},
                                                                   {.rubrikOvanförSammanfattning = true,
                                                                    .rubrikMedStoraBokstäver = true}));
    mallverktyg::attBetalaIRam(plan, *this, rubrikFörTotaltBelopp(), brödtext, total, totalram, Sidslag::sista);

    plan.artikeltabell({rubrik, brödtext, rubrikHöger, brödtextHöger,
                        {.rubrikutrymme = {51, 327, 493, 15},
                         .datautrymme = {51, 332, 493, 212},
                         .höjdPåÖvrigaSidor = 205,
                         .storaBokstäverPåRubriker = true}});
    std::move(plan).placera();
}
