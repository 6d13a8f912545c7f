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
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

using mallverktyg::Fakt;
using mallverktyg::text;

namespace {

// Both address captions run upward in their strips; a caption's frame
// (x, y) lands on the page at (332 + y, 161 - x).
constexpr Point rubrikvridning{332, 161};

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
    const TextAttributes data          {std::nullopt,    std::nullopt,  normal7};  // wraps: no line of data is cut
    const TextAttributes radbrutetVärde{ParagraphStyle(), std::nullopt, normal7};  // a table's value wraps in its column
    const TextAttributes etikett       {std::nullopt,    std::nullopt,  smalFet7};
    const TextAttributes brödtextHöger {rightAligned(),  std::nullopt,  normal7};
    const TextAttributes villkor       {std::nullopt,    std::nullopt,  normal6};
    const TextAttributes fskatt        {std::nullopt,    std::nullopt,  lätt6};
    const TextAttributes påminnelse    {rightAligned(),  röd,           ultralätt14};

    // The payment table ends above the F-tax note; one that needs more
    // (every way of payment, a long bank name) reaches the others' foot
    // and the note moves below it.
    constexpr double tabelltopp = 733, tabellfot = 810, betalningsbredd = 165;
    AttributedString betalning = tabellMedData(betalningsinformation(), etikett, data).tabell;
    Rect fskattram{466, 792, 100, 24};
    const double betalningsfot =
        mätare.boundingSize(betalning, {betalningsbredd, 10000}).height > fskattram.y - 2 - tabelltopp ? tabellfot
                                                                                                       : fskattram.y - 2;
    if (betalningsfot > fskattram.y) fskattram.y = tabellfot + 2;
    läggTillInnehållMedRamFörLogotyp({458, 25, 95, 49}, titel, {43, 57, 388, 20}, påminnelse, {305, 267, 245, 24},
                                     villkor, {61, 670, 466, 34}, fskatt, fskattram);

    auto& alla = innehållFörAllaSidor;
    alla.push_back(text(versaler(rubrikFörFakturanummer() + "   " + f.nummer()), nummer, {43, 89, 388, 20}));

    // The rooms: the table of references and dates between the number line
    // and the rules of the payment line; each address under its strip down
    // to above the reminder; the company's name and three tables at the
    // foot.
    rumsplan::Plan plan(*this);
    // References and dates, the invoice date last; a value too wide for its
    // column wraps there.
    plan.rum("references", {61, 114, 203, 188})
        .block("references",
               {tabellMedData(mallverktyg::fakta(*this, {Fakt::erReferens, Fakt::vårReferens, Fakt::kundnummer,
                                                         Fakt::personnummer, Fakt::personnummer2,
                                                         Fakt::fastighetsbeteckning, Fakt::lägenhetsnummer,
                                                         Fakt::leveransdatum, Fakt::leveranssätt,
                                                         Fakt::inköpsordernummer,
                                                         Fakt::mottagarensMomsregistreringsnummer, Fakt::fakturadatum}),
                              brödtext, radbrutetVärde)
                    .tabell,
                {61, 192, 203, 85}});

    if (!följesedel) {
        alla.push_back(text(rubrikFörBetalningsvillkor() + " " + rubrikFörDagar(), fet, {62, 313, 114, 17}));
        alla.push_back(text(rubrikFörFörfallodatum() + " " + datumtext(f.förfallodatum()), fet, {183, 313, 200, 17}));
        alla.push_back(text(rubrikFörBeloppAttBetala() + " " + belopp(f.attBetala()), fet, {418, 313, 129, 17}));
    }

    plan.rum("company name", {43, 713, 503, 20})
        .block("company name", {AttributedString(b.namn, påEnRad(fet)), {43, 713, 503, 14}});

    // Each footer table ends before the next one's labels begin, so that a
    // long value wraps in its own column rather than run under them.
    {
        constexpr double mellanrum = 6;
        auto tabell = [&](const char* namn, AttributedString text, double x, double nästa, double fot) {
            const Rect ram{x, tabelltopp, nästa - mellanrum - x, tabellfot - tabelltopp};
            plan.rum(namn, {ram.x, ram.y, ram.width, fot - ram.y})
                .block(namn, {std::move(text), ram, rumsplan::Sättning::tabell});
        };
        tabell("contact",
               tabellMedData(mallverktyg::fakta(*this, {Fakt::säte, Fakt::telefon, Fakt::fax, Fakt::email,
                                                        Fakt::hemsida}),
                             etikett, data)
                   .tabell,
               61, 214, tabellfot);
        tabell("sender",
               tabellMedData(mallverktyg::fakta(*this, {Fakt::avsändaradress, Fakt::organisationsnummer,
                                                        Fakt::momsregistreringsnummer}),
                             etikett, data)
                   .tabell,
               214, 376, tabellfot);
        tabell("payment", std::move(betalning), 376, 376 + betalningsbredd + mellanrum, betalningsfot);
    }

    // Each caption ends at y 111 whatever its length: its frame starts its
    // measured width before x 50 of the turned system.
    auto rubrikUppåt = [&](const std::string& rubrik, double y) {
        const double w = mallverktyg::uppmätt(*this, AttributedString(rubrik, fet)).width;
        alla.push_back(mallverktyg::textUppåt(rubrik, fet, {50 - w, y, 100, 14}, rubrikvridning));
    };
    // A long address wraps and grows down to above the reminder, then is
    // set smaller and at last cut there.
    auto adress = [&](const char* namn, const std::string& text, const Rect& ram) {
        plan.rum(namn, {ram.x, ram.y, ram.width, 265 - ram.y}).block(namn, {AttributedString(text, data), ram});
    };
    const std::string avsändarland(kod(b.land));
    if (auto faktureras = f.fakturaadressGivetAvsändarland(avsändarland)) {
        adress("invoice address", *faktureras, {476, 109, 100, 112});
        rubrikUppåt(rubrikFörMottagaradress(), 120);
    }
    // Without a delivery address, white hides the bar beside its strip.
    if (auto leverans = f.adressAttLevereraTillGivetAvsändarland(avsändarland)) {
        adress("delivery address", *leverans, {356, 109, 95, 112});
        rubrikUppåt(rubrikFörLeveransadress(), 0);
    } else {
        alla.emplace_back(Rect{340, 102, 15, 100}, Color::white());
    }
    for (CachatObjekt& o : std::move(plan).placeraTexter()) alla.push_back(std::move(o));

    std::vector<CachatObjekt> sistaSidan =
        beloppfältMedRubrikattribut(brödtext, brödtextHöger, {356, 584, 171, 15}, {356, 584, 171, 15},
                                    {.taMedTotalen = true})
            .data;
    if (auto summering = momssammanfattningMedRubrikAttribut(
            brödtext, brödtext, {69, 583, 180, 79},
            {.rubrikOvanförSammanfattning = true, .rubrikMedStoraBokstäver = true}))
        sistaSidan.insert(sistaSidan.end(), summering->begin(), summering->end());

    läggTillKolumnerMedRubrikattribut(brödtext, data, brödtextHöger, brödtextHöger,
                                      {.rubrikutrymme = {68, 384, 459, 15},
                                       .datautrymme = Rect{68, 396, 459, 163}.integral(),
                                       .höjdPåÖvrigaSidor = 246,
                                       .storaBokstäverPåRubriker = true});
    läggTillInnehållPåSistaSidan(std::move(sistaSidan), std::nullopt);
}
