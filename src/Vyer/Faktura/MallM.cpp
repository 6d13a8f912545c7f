// Template M, minimal: Helvetica Neue in black over the fine rules of the
// background "M". The title and the invoice number in capitals at the top
// left, the logo at the right; the delivery and invoice addresses side by
// side, each with its caption turned to run upward in a narrow strip to its
// left; one table of references and dates; a single payment line across
// the page; the item table; the VAT summary beside the amount rows; the
// credit terms, the company's name and three tables at the foot.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Bokforing.h"
#include "Modell/Land.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/MallverktygBelopp.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/MallverktygFottabeller.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

#include <algorithm>
#include <numbers>

using enum mallverktyg::Fakt;

namespace {

// Both address captions run upward in their strips; a caption's frame
// (x, y) lands on the page at (332 + y, 161 - x).
const AffineTransform rubrikvridning = AffineTransform::translation(332, 161).rotated(-std::numbers::pi / 2);

}  // namespace

void Fakturavy::konfigureraInnehållFörM() {
    const auto smalFet19 = typsnitt("HelveticaNeue-CondensedBold", 19);
    const auto ultralätt10 = typsnitt("HelveticaNeue-UltraLight", 10);
    const auto smalFet8 = typsnitt("HelveticaNeue-CondensedBold", 8);
    const auto normal7 = typsnitt("HelveticaNeue", 7);
    const auto normal6 = typsnitt("HelveticaNeue", 6);
    const auto smalFet7 = typsnitt("HelveticaNeue-CondensedBold", 7);
    const auto lätt6 = typsnitt("HelveticaNeue-Light", 6);
    const auto ultralätt14 = typsnitt("HelveticaNeue-UltraLight", 14);
    if (!smalFet19 || !ultralätt10 || !smalFet8 || !normal7 || !normal6 || !smalFet7 || !lätt6 || !ultralätt14)
        return;

    const Color röd = Color::rgb(205 / 255.0, 10 / 255.0, 32 / 255.0);

    //                                  paragraph style  colour         font
    const TextAttributes titel         {std::nullopt,    std::nullopt,  smalFet19};
    const TextAttributes nummer        {std::nullopt,    std::nullopt,  ultralätt10};
    const TextAttributes fet           {std::nullopt,    std::nullopt,  smalFet8};
    const TextAttributes brödtext      {truncatedTail(), std::nullopt,  normal7};
    const TextAttributes data         {std::nullopt,    std::nullopt,  normal7};  // wraps: no line of data is cut
    const TextAttributes radbrutetVärde{ParagraphStyle(), std::nullopt, normal7};  // a table's value wraps in its column
    const TextAttributes etikett       {std::nullopt,    std::nullopt,  smalFet7};
    const TextAttributes brödtextHöger {rightAligned(),  std::nullopt,  normal7};
    const TextAttributes villkor       {std::nullopt,    std::nullopt,  normal6};
    const TextAttributes fskatt        {std::nullopt,    std::nullopt,  lätt6};
    const TextAttributes påminnelse    {rightAligned(),  röd,           ultralätt14};

    // The payment table ends above the F-tax note; one that needs more
    // (every way of payment, a long bank name) reaches the others' foot
    // and the note moves below it.
    rumsplan::Plan plan(*this);
    const Rect betalningsram{376, 733, 165, 77};
    rumsplan::Rum betalningen("payment", betalningsram);
    betalningen.block("payment", {tabellMedData(betalningsinformation(), etikett, data).tabell, betalningsram,
                                  rumsplan::Sättning::tabell});
    Rect fskattram{466, 792, 100, 24};
    const double betalningsfot =
        plan.höjd(betalningen) > fskattram.y - 2 - betalningsram.y ? betalningsram.maxY() : fskattram.y - 2;
    if (betalningsfot > fskattram.y) fskattram.y = betalningsram.maxY() + 2;
    läggTillInnehållMedRamFörLogotyp(plan, {458, 25, 95, 49}, titel, {43, 57, 388, 20}, påminnelse, {305, 267, 245, 24},
                                     villkor, {61, 670, 466, 34}, fskatt, fskattram);
    plan.text("number", AttributedString(versaler(rubrikFörFakturanummer() + "   " + f.nummer()), nummer),
              {43, 89, 388, 20});

    // References and dates, the invoice date last, between the number line
    // and the rules of the payment line; a value too wide for its column
    // wraps there.
    const Datalista referenser =
        mallverktyg::fakta(*this, {erReferens, vårReferens, kundnummer, personnummer, personnummer2,
                                   fastighetsbeteckning, lägenhetsnummer, leveransdatum, leveranssätt,
                                   inköpsordernummer, mottagarensMomsregistreringsnummer, fakturadatum});
    plan.rum("references", {61, 114, 203, 188})
        .block("references", {tabellMedData(referenser, brödtext, radbrutetVärde).tabell, {61, 192, 203, 85}});

    if (!följesedel) {
        plan.text("payment terms", AttributedString(rubrikFörBetalningsvillkor() + " " + rubrikFörDagar(), fet),
                  {62, 313, 114, 17});
        plan.text("due date", AttributedString(rubrikFörFörfallodatum() + " " + datumtext(f.förfallodatum()), fet),
                  {183, 313, 200, 17});
        plan.text("amount to pay", AttributedString(rubrikFörBeloppAttBetala() + " " + belopp(f.attBetala()), fet),
                  {418, 313, 129, 17});
    }

    // The company's name and three tables at the foot, each table ending
    // 6 points before the next one's labels begin, so that a long value
    // wraps in its own column rather than run under them.
    plan.rum("company name", {43, 713, 503, 20})
        .block("company name", {AttributedString(b.namn, påEnRad(fet)), {43, 713, 503, 14}});
    mallverktyg::företagetsTabeller(*this, plan, etikett, data,
                                    {{{{61, 733, 147, 77}, {61, 733, 147, 77}},
                                      {{214, 733, 156, 77}, {214, 733, 156, 77}},
                                      {{376, 733, 165, betalningsfot - 733}, betalningsram}}});

    // Each address under its strip down to above the reminder: a long one
    // wraps and grows, then is set smaller and at last cut there. Each
    // caption runs upward in its strip and ends at y 111 whatever its
    // length: its frame starts its measured width before x 50 of the
    // turned system.
    auto adress = [&](const char* namn, const std::string& text, const Rect& ram, const std::string& rubrik,
                      double strip) {
        plan.rum(namn, {ram.x, ram.y, ram.width, 265 - ram.y}).block(namn, {AttributedString(text, data), ram});
        AttributedString r(rubrik, fet);
        const double w = std::min(100.0, mätare.boundingSize(r, {10000, 10000}).width);
        plan.vridetRum(namn + std::string(" caption"), {-50, strip, 100, 14}, rubrikvridning)
            .block("caption", {std::move(r), {50 - w, strip, 100, 14}});
    };
    const std::string avsändarland(kod(b.land));
    if (auto faktureras = f.fakturaadressGivetAvsändarland(avsändarland))
        adress("invoice address", *faktureras, {476, 109, 100, 112}, rubrikFörMottagaradress(), 120);
    // Without a delivery address, white hides the bar beside its strip.
    if (auto leverans = f.adressAttLevereraTillGivetAvsändarland(avsändarland))
        adress("delivery address", *leverans, {356, 109, 95, 112}, rubrikFörLeveransadress(), 0);
    else
        plan.rita({Rect{340, 102, 15, 100}, Color::white()});

    mallverktyg::beloppOchMoms(
        plan,
        beloppfältMedRubrikattribut(brödtext, brödtextHöger, {356, 584, 171, 15}, {356, 584, 171, 15},
                                    {.taMedTotalen = true}),
        momssammanfattningMedRubrikAttribut(brödtext, brödtext, {69, 583, 180, 79},
                                            {.rubrikOvanförSammanfattning = true, .rubrikMedStoraBokstäver = true}));

    plan.artikeltabell({brödtext, data, brödtextHöger, brödtextHöger,
                        {.rubrikutrymme = {68, 384, 459, 15},
                         .datautrymme = Rect{68, 396, 459, 163}.integral(),
                         .höjdPåÖvrigaSidor = 246,
                         .storaBokstäverPåRubriker = true}});
    std::move(plan).placera();
}
