// Template D: Baskerville on white with pale blue bands and boxes of its
// own, no background. The invoice number and date in small capitals at
// the top corners, the logo between them, a large centred title; a pale
// band of facts in four columns spread evenly across the page; the item
// table; the VAT summary and amount rows under a pale rule; the amount to
// pay in a pale box; the credit terms, a pale rule and three small sender
// tables at the foot.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygAttBetala.h"
#include "Vyer/Faktura/MallverktygBelopp.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/MallverktygFottabeller.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

#include <algorithm>
#include <numeric>

using mallverktyg::Fakt;

namespace {

const Color accent = Color::rgb(0.568, 0.103, 0.141);
const Color blek = Color::rgb(0.94, 0.95, 0.98);

// The facts, column by column, in the order they fill each column.
const std::vector<Fakt> faktakolumner[] = {
    {Fakt::erReferens, Fakt::fakturaadress},
    {Fakt::vårReferens, Fakt::leveransadress},
    {Fakt::inköpsordernummer, Fakt::leveranssätt, Fakt::leveransdatum, Fakt::kundnummer},
    {Fakt::personnummer, Fakt::personnummer2, Fakt::fastighetsbeteckning, Fakt::lägenhetsnummer,
     Fakt::betalningsvillkor, Fakt::förfallodatum, Fakt::mottagarensMomsregistreringsnummer},
};
// The three places of a column, from the top; the second is tall enough
// for an address.
constexpr double radöverkant[] = {214, 255, 296};
constexpr double radhöjd[] = {29, 70, 29};
// The columns spread from x 48 to x 547, at least this far apart.
constexpr double faktavänster = 48, faktabredd = 499, minstaMellanrum = 8;
// The pale band behind them; a fact that reaches past its foot takes it
// down, to 5 points under the facts, which end above the item table's
// headings at y 363.
constexpr double bandetsTopp = 201, bandetsFot = 330, faktanasFot = 352;
// A fact pushed below the one above it starts this far under its text.
constexpr double faktaavstånd = 6;
// The company's details reach down to here.
constexpr double fot = 830;

}  // namespace

void Fakturavy::konfigureraInnehållFörD() {
    const auto normal6 = typsnitt("Baskerville", 6);
    const auto normal7 = typsnitt("Baskerville", 7);
    const auto kursiv7 = typsnitt("Baskerville-Italic", 7);
    const auto halvfet7 = typsnitt("Baskerville-SemiBold", 7);
    const auto normal8 = typsnitt("Baskerville", 8);
    const auto normal9 = typsnitt("Baskerville", 9);
    const auto normal24 = typsnitt("Baskerville", 24);
    const auto halvfetKursiv9 = typsnitt("Baskerville-SemiBoldItalic", 9);
    const auto fet9 = typsnitt("Baskerville-Bold", 9);
    if (!normal6 || !normal7 || !kursiv7 || !halvfet7 || !normal8 || !normal9 || !normal24 || !halvfetKursiv9 || !fet9)
        return;

    //                                    paragraph style  colour        font
    const TextAttributes fet             {std::nullopt,    std::nullopt, fet9};
    const TextAttributes fetHöger        {rightAligned(),  std::nullopt, fet9};
    const TextAttributes data            {std::nullopt,    std::nullopt, normal9};
    const TextAttributes dataHöger       {rightAligned(),  std::nullopt, normal9};
    const TextAttributes villkor         {std::nullopt,    std::nullopt, kursiv7};
    const TextAttributes liten           {std::nullopt,    std::nullopt, normal7};
    const TextAttributes litenEtikett    {rightAligned(),  std::nullopt, halvfet7};
    const TextAttributes företagsnamn    {std::nullopt,    std::nullopt, halvfet7};
    const TextAttributes fskatt          {rightAligned(),  std::nullopt, normal6};
    const TextAttributes faktavärde      {std::nullopt,    std::nullopt, normal8};
    const TextAttributes påminnelse      {rightAligned(),  accent,       halvfetKursiv9};
    const TextAttributes litenHöger      {rightAligned(),  std::nullopt, normal7};
    const TextAttributes titel           {centerAligned(), std::nullopt, normal24};

    // The title's frame reaches into the reminder's.
    rumsplan::Plan plan(*this);
    läggTillInnehållMedRamFörLogotyp(plan, {214, 38, 167, 103}, titel, {34, 153, 527, 36}, påminnelse,
                                     {383, 184, 179, 16}, villkor, {27, 695, 539, 32}, fskatt, {402, 736, 160, 13},
                                     {.titel = Rect{34, 153, 527, 31}});
    // The number and the date in the top corners, each under its caption.
    auto överVärdet = [&](const std::string& rubrik, const std::string& värde, const TextAttributes& attribut) {
        return AttributedString(versaler(rubrik + std::string(lineSeparator) + värde), attribut);
    };
    plan.text("number", överVärdet(rubrikFörFakturanummer(), f.nummer(), liten), {35, 25, 150, 25});
    if (!följesedel)
        plan.text("invoice date", överVärdet(rubrikFörFakturadatum(), datumtext(f.fakturadatum()), litenHöger),
                  {411, 25, 150, 25});

    // The facts on a pale band: each a caption in capitals over its value,
    // the columns as wide as their widest fact (also one that finds no
    // place) and spread evenly over the band. Columns too wide together
    // are narrowed, the widest first, and their facts wrap. A column shows
    // three facts in its three places; of more, the others give way, the
    // last first, before the due date. A fact taller than its place pushes
    // the next below it, and the band grows down with the column, which
    // ends above the item table's headings: set smaller there, and at last
    // cut.
    auto faktum = [&](const Datapost& post) {
        AttributedString t(versaler(*post.rubrik), liten);
        t.append(paragraphSeparator, TextAttributes{});
        t.append(*post.värde, faktavärde);
        return t;
    };
    std::vector<double> önskade;
    for (const auto& kolumn : faktakolumner)
        for (double& bredd = önskade.emplace_back(0); const Datapost& post : mallverktyg::fakta(*this, kolumn))
            if (post.rubrik && post.värde) bredd = std::max(bredd, mätare.boundingSize(faktum(post), {1e4, 1e4}).width);
    const std::vector<double> bredder = mallverktyg::kolumnbredder(önskade, faktabredd, minstaMellanrum);
    const double mellanrum = (faktabredd - std::accumulate(bredder.begin(), bredder.end(), 0.0)) / 3;
    std::vector<rumsplan::Rum> kolumner;
    double bandetsSlut = bandetsFot;
    double x = faktavänster;
    for (size_t k = 0; k < bredder.size(); x += bredder[k] + mellanrum, ++k) {
        const Rect yta{x, radöverkant[0], bredder[k] + 1, faktanasFot - radöverkant[0]};
        rumsplan::Rum& kolumn = kolumner.emplace_back("facts " + std::to_string(k + 1), yta);
        const Datalista poster = mallverktyg::faktaSomFårPlats(*this, faktakolumner[k], 3);
        for (size_t rad = 0; rad < poster.size(); ++rad) {
            auto block = [&](rumsplan::Rum& rum, size_t plats) -> rumsplan::Rum& {
                return rum.block(std::string(*poster[rad].rubrik),
                                 {faktum(poster[rad]), {yta.x, radöverkant[plats], yta.width, radhöjd[plats]}},
                                 {.avstånd = faktaavstånd});
            };
            // An address alone in its column, too tall for the first place,
            // keeps to the tall second one.
            rumsplan::Rum första("first place", yta);
            const bool iAndra = poster.size() == 1 && plan.höjd(block(första, 0)) > radhöjd[0];
            block(kolumn, iAndra ? 1 : rad);
        }
        bandetsSlut = std::max(bandetsSlut, std::min(yta.y + plan.höjd(kolumn), yta.maxY()) + 5);
    }
    plan.rita({Rect{0, bandetsTopp, 595, bandetsSlut - bandetsTopp}, blek});
    for (const rumsplan::Rum& kolumn : kolumner) {
        rumsplan::Rum& iPlanen = plan.rum(kolumn.namn(), kolumn.yta());
        for (const auto& b : kolumn.blocken()) iPlanen.block(b.namn, b.texter, b.val);
    }

    // At the foot, under the pale rule: the company's name on its line
    // beside the F-tax note, and under it three tables side by side, each
    // reaching down toward the page's foot.
    plan.rita({Rect{0, 728, 595, 4}, blek});
    plan.rum("sender name", {34, 733, 361, 19})
        .block("sender name", {AttributedString(b.namn, företagsnamn), {34, 736, 361, 13}});
    mallverktyg::företagetsTabeller(*this, plan, litenEtikett, liten,
                                    {{{{34, 752, 172, fot - 752}, {35, 753, 168, 59}},
                                      {{210, 752, 172, fot - 752}, {211, 753, 168, 59}},
                                      {{394, 752, 188, fot - 752}, {395, 753, 186, 64}}}});

    if (!följesedel) {
        plan.rita({Rect{297, 649, 304, 35}, blek});
        mallverktyg::attBetalaIRam(plan, *this, versaler(rubrikFörBeloppAttBetala()), fet, fetHöger,
                                   {315, 659, 232, 16});
        plan.rita({Rect{0, 551, 595, 4}, blek}, Sidslag::sista);
    }
    mallverktyg::beloppOchMoms(
        plan,
        beloppfältMedRubrikattribut(data, dataHöger, {315, 570, 232, 15}, {315, 570, 232, 15}, {.taMedTotalen = true}),
        momssammanfattningMedRubrikAttribut(data, data, {49, 570, 177, 89},
                                            {.rubrikOvanförSammanfattning = true, .rubrikMedStoraBokstäver = true}));

    // Rows of pages before the last end above the amount-to-pay box, which
    // stands on every page; a delivery note has no box, and its rows end
    // above the credit terms.
    plan.artikeltabell({fet, data, fetHöger, dataHöger,
                        {.rubrikutrymme = {48, 363, 499, 16},
                         .datautrymme = Rect{48, 368, 499, 154}.integral(),
                         .höjdPåÖvrigaSidor = följesedel ? 310.0 : 264.0}});
    std::move(plan).placera();
}
