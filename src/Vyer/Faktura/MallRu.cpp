// Templates Ru1 and Ru2, small boxes: one layout in the accent colour the
// dispatch gives, without a background. The invoice's facts stand in a
// grid of small boxes with a coloured caption band, four to a row (the
// delivery address takes a box of double height); the item table in a
// large rounded frame with a coloured heading band, the amounts in its
// lower part on the last page; a rounded payment bar below it, measured
// to its texts; the company's details in four small tables at the foot.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Land.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/MallverktygRubrikOchVarde.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

#include <algorithm>
#include <cmath>

using mallverktyg::Fakt;
namespace {

const Color röd = Color::rgb(0.817, 0.137, 0.165);

constexpr double hörnradie = 4;

}  // namespace

void Fakturavy::konfigureraInnehållFörRuMedFärg(const Color& färg) {
    const auto normal20 = typsnitt("HelveticaNeue", 20);
    const auto fet8 = typsnitt("HelveticaNeue-Bold", 8);
    const auto normal9 = typsnitt("HelveticaNeue", 9);
    const auto normal6 = typsnitt("HelveticaNeue", 6);
    const auto normal8 = typsnitt("HelveticaNeue", 8);
    const auto kursiv14 = typsnitt("HelveticaNeue-Italic", 14);
    const auto fet6 = typsnitt("HelveticaNeue-Bold", 6);
    if (!normal20 || !fet8 || !normal9 || !normal6 || !normal8 || !kursiv14 || !fet6) return;

    const Color vit = Color::white();
    // The boxes, bands, frames and rules in the accent, darkened when it is
    // too pale for the white captions on its bands; texts on white paper in
    // the accent itself.
    const Color formfärg = mallverktyg::mörkadFörVitText(färg);
    //                                     paragraph style  colour        font
    const TextAttributes titel            {rightAligned(),  färg,         normal20};
    const TextAttributes radrubrik        {std::nullopt,    färg,         fet8};
    const TextAttributes mottagare        {std::nullopt,    std::nullopt, normal9};
    const TextAttributes brödtext         {std::nullopt,    std::nullopt, normal8};
    const TextAttributes brödtextHöger    {rightAligned(),  std::nullopt, normal8};
    const TextAttributes liten            {std::nullopt,    std::nullopt, normal6};
    const TextAttributes litenEtikett     {rightAligned(),  std::nullopt, fet6};
    const TextAttributes påminnelse       {std::nullopt,    röd,          kursiv14};
    const TextAttributes beloppFet        {rightAligned(),  std::nullopt, fet8};
    const TextAttributes kolumnrubrik     {std::nullopt,    vit,          fet8};
    const TextAttributes kolumnrubrikHöger{rightAligned(),  vit,          fet8};
    const TextAttributes rutvärde         {std::nullopt,    std::nullopt, normal8};
    const TextAttributes rutrubrik        {std::nullopt,    vit,          fet8};

    rumsplan::Plan plan(*this);
    läggTillInnehållMedRamFörLogotyp(plan, {34, 24, 110, 96}, titel, {149, 37, 391, 28}, påminnelse,
                                     {64, 174, 292, 21}, liten, {64, 688, 465, 32}, liten, {36, 806, 144, 12},
                                     {.fskatt = Rect{36, 806, 137, 12}});

    // The invoice address at the top right, down to above the invoice
    // date's line; the company's details in four small tables at the foot,
    // each standing at y 743 and growing down to above the F-tax note or
    // 20 points above the page's edge, then up to below the credit terms.
    const std::string avsändarland(kod(b.land));
    if (auto adress = f.fakturaadressGivetAvsändarland(avsändarland))
        plan.text("invoice address", AttributedString(*adress, mottagare), {379, 81, 169, 114},
                  {.rum = Rect{379, 81, 169, 119}});
    const std::pair<Datalista, Rect> företagstabeller[] = {
        {mallverktyg::fakta(*this, {Fakt::avsändare, Fakt::avsändaradress}), {44, 743, 127, 61}},
        {mallverktyg::fakta(*this, {Fakt::säte, Fakt::organisationsnummer, Fakt::momsregistreringsnummer}),
         {173, 743, 109, 60}},
        {mallverktyg::fakta(*this, {Fakt::telefon, Fakt::fax, Fakt::email, Fakt::hemsida}), {284, 743, 129, 60}},
        {betalningsinformation(), {415, 743, 166, 76}},
    };
    for (bool först = true; const auto& [data, ram] : företagstabeller) {
        const double rumsfot = först && b.godkändFörFSkatt ? 805 : ramFörEnSida().maxY() - 20;
        plan.rum("company", {ram.x, 721, ram.width, rumsfot - 721})
            .block("company", {tabellMedData(data, litenEtikett, liten).tabell, ram, rumsplan::Sättning::tabell});
        först = false;
    }

    // The boxes in the grid's order, each at its column and row. A fact gets
    // a box when it has both caption and value, an empty value too.
    struct Ruta {
        std::string rubrik, värde;
        bool dubbel = false;
        int kolumn = 0, rad = 0;
    };
    // Four columns 123 apart from x 55, rows from y 222; the delivery
    // address's box stands in row 0 and is two rows high, so row 1 starts
    // in the second column.
    std::vector<Ruta> rutor;
    int kolumn = 0, rad = 0;
    bool harDubbel = false;
    auto ruta = [&](const std::string& rubrik, const std::string& värde, bool dubbel) {
        rutor.push_back({rubrik, värde, dubbel, kolumn, rad});
        if (++kolumn == 4) kolumn = rad++ == 0 && harDubbel ? 1 : 0;
        harDubbel = harDubbel || dubbel;
    };
    auto rutaFör = [&](const Datapost& post, bool dubbel = false) {
        if (post.rubrik && post.värde) ruta(*post.rubrik, *post.värde, dubbel);
    };
    rutaFör(mallverktyg::fakt(*this, Fakt::leveransadress), true);
    for (const Datapost& post :
         mallverktyg::fakta(*this, {Fakt::mottagare, Fakt::erReferens, Fakt::vårReferens, Fakt::kundnummer,
                                    Fakt::personnummer, Fakt::personnummer2, Fakt::fastighetsbeteckning,
                                    Fakt::lägenhetsnummer, Fakt::mottagarensMomsregistreringsnummer,
                                    Fakt::inköpsordernummer, Fakt::leveranssätt, Fakt::leveransdatum}))
        rutaFör(post);
    // The due date joins the grid only while it has not reached a third row.
    if (rad <= 1) rutaFör(mallverktyg::fakt(*this, Fakt::förfallodatum));
    while (kolumn != 0) ruta("", "", false);

    // Rows are 42 high, 4 apart, the double box 89. A value wraps in its box
    // (98 wide under a caption band 20 high), and a row whose values need
    // more is as tall as its tallest, the rows below and the item frame
    // moving down; the double box makes row 1 taller when it needs more.
    // The grid grows so until the item frame would start below y 460; past
    // that the rows share what growth is left in proportion to what each
    // wished, each value then set smaller in its box as far as it must, and
    // cut there at last.
    const bool enRad = rad == 1 && !harDubbel;
    const double ramensTopp = enRad ? 284 : 326 + 46.0 * std::max(0, rad - 2);
    auto värdet = [&](const Ruta& r) { return AttributedString(r.värde, rutvärde); };
    auto behov = [&](const Ruta& r) {
        rumsplan::Rum rum("box", {0, 0, 98, 0});
        return std::ceil(20 + plan.höjd(rum.block("value", {värdet(r), rum.yta()})) + 2);
    };
    std::vector<double> höjd(size_t(rad), 42);
    for (const Ruta& r : rutor)
        if (!r.dubbel) höjd[size_t(r.rad)] = std::max(höjd[size_t(r.rad)], behov(r));
    for (const Ruta& r : rutor)
        if (r.dubbel) höjd[1] = std::max(höjd[1], behov(r) - höjd[0] - 5);
    double tillväxt = 0;
    for (double h : höjd) tillväxt += h - 42;
    if (const double rum = std::max(0.0, 460 - ramensTopp); tillväxt > rum) {
        for (double& h : höjd) h = 42 + (h - 42) * rum / tillväxt;
        tillväxt = rum;
    }
    std::vector<double> radtopp(höjd.size(), 222);
    for (size_t r = 1; r < höjd.size(); ++r) radtopp[r] = radtopp[r - 1] + höjd[r - 1] + 4;

    // A box: a coloured caption band with a straight lower edge, the
    // caption kept to its line there, the value below it, a rounded
    // outline; caption and value each in a room of their own.
    for (const Ruta& ruta : rutor) {
        const size_t rad = size_t(ruta.rad);
        const Rect r{55 + 123.0 * ruta.kolumn, radtopp[rad], 118, ruta.dubbel ? höjd[0] + 4 + höjd[1] + 1 : höjd[rad]};
        plan.rita(mallverktyg::panel({r.x, r.y, 118, 25}, hörnradie, formfärg));
        plan.rita(CachatObjekt(Rect{r.x, r.y + 16, 118, 14}, vit));
        plan.rita(mallverktyg::kontur(r, 1, formfärg, hörnradie));
        plan.text("box caption", AttributedString(ruta.rubrik, påEnRad(rutrubrik)), {r.x + 10, r.y, 98, 16});
        plan.text("box", värdet(ruta), {r.x + 10, r.y + 20, 98, r.height - 20});
    }

    // Caption and value on one line, the caption in the accent colour; the
    // invoice date's ends at x 525.
    using mallverktyg::rubrikOchVärde;
    plan.text("number", rubrikOchVärde(rubrikFörFakturanummer(), radrubrik, f.nummer(), brödtext), {64, 202, 159, 15});
    if (!följesedel) {
        AttributedString datum =
            rubrikOchVärde(rubrikFörFakturadatum(), radrubrik, datumtext(f.fakturadatum()), brödtext);
        const double w = mätare.boundingSize(datum, {10000, 10000}).width;
        plan.text("date", std::move(datum), {524 - w, 202, w + 1, 15});
    }

    // The payment bar: terms, a divider, the due date; at the right the
    // amount to pay and its caption, each behind a chevron. Every place
    // follows from the measured widths of the texts; each stands in a room
    // of what it takes.
    if (!följesedel) {
        auto bredd = [&](const AttributedString& s) { return mätare.boundingSize(s, {10000, 10000}).width; };
        const AttributedString villkor(rubrikFörBetalningsvillkor() + " " + rubrikFörDagar(), brödtext),
            förfallodatum(rubrikFörFörfallodatum() + " " + datumtext(f.förfallodatum()), brödtext),
            attBetala(belopp(f.attBetala()), beloppFet), rubrik(rubrikFörBeloppAttBetala(), brödtextHöger);
        const double w1 = bredd(villkor), w2 = bredd(förfallodatum), w3 = bredd(attBetala), w4 = bredd(rubrik);
        plan.text("terms", villkor, {62, 659, w1 + 1, 21});
        plan.text("due date", förfallodatum, {w1 + 76, 659, w2 + 1, 21});
        plan.text("amount to pay", attBetala, {55, 659, 480, 21}, {.rum = Rect{534 - w3, 659, w3 + 1, 21}});
        plan.text("amount to pay caption", rubrik, {55, 659, 459 - w3, 21},
                  {.rum = Rect{513 - w3 - w4, 659, w4 + 1, 21}});
        // The divider after the terms; a chevron before the amount and one
        // before its caption.
        BezierPath stapel = BezierPath::roundedRect({55, 654, 487, 25}, hörnradie, hörnradie);
        stapel.moveTo({w1 + 69, 654});
        stapel.lineTo({w1 + 69, 679});
        for (const double x : {521 - w3, 500 - w3 - w4}) {
            stapel.moveTo({x, 654});
            stapel.lineTo({x + 7, 666.5});
            stapel.lineTo({x, 679});
        }
        plan.rita(CachatObjekt(std::nullopt, std::nullopt, cachad::path{std::move(stapel), std::nullopt, formfärg}));
    }

    // The item frame starts below the grid: at y 284 under one row of
    // boxes, 326 under two and a row lower for each further row (every fact
    // filled in), and lower by what the rows grew; its foot is fixed, lower
    // on a delivery note, which has no payment bar.
    const double y = ramensTopp + tillväxt;
    const double h = (följesedel ? 680 : 642) - y;
    plan.rita(mallverktyg::panel({55, y, 487, 30}, hörnradie, formfärg));
    plan.rita(CachatObjekt(Rect{55, y + 23, 487, 12}, vit));
    plan.rita(mallverktyg::kontur({55, y, 487, h}, 1, formfärg, hörnradie));

    // The totals in the frame's lower part grow upward by a row for each
    // amount row beyond three; fewer rows centre on the place of three.
    double A = 163;
    if (!följesedel) {
        const int n = antalBeloppsrader(false);
        const double a = n > 3 ? 255 + 15.0 * (n - 3) : 255;
        const double förstaRad = 826 - (n < 3 ? a - 7.5 * (3 - n) : a);
        plan.placerade("amounts",
                       beloppfältMedRubrikattribut(brödtext, brödtextHöger, {364, förstaRad, 160, 16},
                                                   {364, förstaRad, 160, 16}, {.radhöjd = 15})
                           .data,
                       Sidslag::sista);
        const Rect totalen{364, 624, 160, 16};
        plan.rum("total", totalen, Sidslag::sista)
            .block("total", {{AttributedString(belopp(f.attBetala()), brödtextHöger), totalen},
                             {AttributedString(rubrikFörTotaltBelopp(), brödtext), totalen}});
        if (auto moms = momssammanfattningMedRubrikAttribut(
                brödtext, brödtext, {64, 827 - a, 289, a - 188},
                {.rubrikOvanförSammanfattning = true, .rubrikMedStoraBokstäver = true}))
            plan.placerade("VAT summary", std::move(*moms), Sidslag::sista);
        plan.rita(mallverktyg::streck(
                      {{{55, 823 - a}, {542, 823 - a}}, {{359, 823 - a}, {359, 642}}, {{359, 619}, {542, 619}}}, 0.5,
                      formfärg),
                  Sidslag::sista);
        A = a + 19;
    }

    // The rows of the last page end above the totals' upper rule, or the
    // frame's foot on a delivery note: as the rows start below the data
    // area's top and the message after them may end below their room, the
    // area is that much shorter.
    plan.artikeltabell({kolumnrubrik, brödtext, kolumnrubrikHöger, brödtextHöger,
                        {.rubrikutrymme = {71, y + 3, 452, 15},
                         .datautrymme = {71, y + 15, 452,
                                         ramFörEnSida().maxY() - A - y - 18 - 2 * Kolumnval::radbasensFörskjutning},
                         .höjdPåÖvrigaSidor = h - 30,
                         .storaBokstäverPåRubriker = true}});
    std::move(plan).placera();
}
