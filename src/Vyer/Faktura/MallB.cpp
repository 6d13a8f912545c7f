// Template B, small boxes: a landscape page over the background "B". The
// recipient's and the sender's facts in a left column, each table centred
// on its own line with the logo between them; along the top right the
// title and four facts, each caption over its value in a box of the
// artwork; the item table on the right with its column headings below the
// rows, a green chevron over each heading pointing up at its column; the
// VAT summary, the amount rows and the amount to pay beneath it.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Fakturor/Fakturaliknande.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygBelopp.h"
#include "Vyer/Faktura/MallverktygTabeller.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

#include <algorithm>
#include <numbers>

namespace {

const Color grön = Color::rgb(0.612, 0.732, 0.174);
const Color röd = Color::rgb(0.656, 0.078, 0.132);

// A chevron 88 units wide pointing down at (0, 20); its headings turn it
// to point up.
BezierPath chevron() {
    BezierPath väg;
    väg.moveTo({0, 0});
    for (Point p : {Point{-44, -29}, Point{-44, -22}, Point{0, 20}, Point{44, -22}, Point{44, -29}, Point{0, 0}})
        väg.lineTo(p);
    väg.close();
    return väg;
}

// The column headings in one row under the rows, each under its column's
// anchor with a chevron above it. Headings that do not fit 520 points with
// 12 between them each give up the same width and are set smaller alike
// to fit what is left them (Rumsplan.h). Headings that would come nearer
// than 6 points, over narrow columns, move apart as little as they must.
Fakturavy::EgnaRubriker rubrikerMedChevroner(const Fakturavy& vy) {
    return [&vy, väg = chevron()](rumsplan::Plan& plan, const std::vector<AttributedString>& rubriker,
                                  const std::vector<double>& ankare) {
        constexpr double radbredd = 520, mellanrum = 12, minstaAvstånd = 6;
        const size_t n = std::min(rubriker.size(), ankare.size());
        if (n == 0) return;
        std::vector<double> bredder;
        double summa = 0;
        for (size_t i = 0; i < n; ++i) summa += bredder.emplace_back(vy.mätare.boundingSize(rubriker[i], {10000, 10000}).width);
        const double plats = radbredd - mellanrum * static_cast<double>(n - 1);
        if (summa > plats)
            for (double& b : bredder) b = std::max(0.0, b - (summa - plats) / static_cast<double>(n));
        // The row may reach as far as the headings wished to.
        const double vänster = std::min(ankare[0] - bredder[0] / 2, 264.0);
        const double höger = std::max(ankare[n - 1] + bredder[n - 1] / 2, 785.0);
        const std::vector<double> x = mallverktyg::isärIRaden(bredder, ankare, minstaAvstånd, vänster, höger);
        const rumsplan::Rum* förra = nullptr;
        for (size_t i = 0; i < n; ++i) {
            const Rect ram = Rect{x[i], 368, bredder[i], 19}.integral();
            auto& rum = plan.rum("item heading", ram).block("item heading", {rubriker[i], ram});
            if (förra) plan.krymperMed(*förra, rum);
            förra = &rum;
            plan.rita({std::nullopt,
                       AffineTransform::translation(ram.midX(), ram.minY() - 7).scaled(0.2, 0.2).rotated(std::numbers::pi),
                       cachad::path{väg, grön, std::nullopt}});
        }
    };
}

}  // namespace

void Fakturavy::konfigureraInnehållFörB() {
    const auto fet7 = typsnitt("HelveticaNeue-Bold", 7);
    const auto lätt7 = typsnitt("HelveticaNeue-Light", 7);
    const auto lätt6 = typsnitt("HelveticaNeue-Light", 6);
    const auto lättKursiv6 = typsnitt("HelveticaNeue-LightItalic", 6);
    const auto lätt12 = typsnitt("HelveticaNeue-Light", 12);
    const auto smalFet13 = typsnitt("HelveticaNeue-CondensedBold", 13);
    const auto smalFet12 = typsnitt("HelveticaNeue-CondensedBold", 12);
    const auto smalFet9 = typsnitt("HelveticaNeue-CondensedBold", 9);
    const auto smalFet20 = typsnitt("HelveticaNeue-CondensedBold", 20);
    if (!fet7 || !lätt7 || !lätt6 || !lättKursiv6 || !lätt12 || !smalFet13 || !smalFet12 || !smalFet9 || !smalFet20)
        return;

    //                                    paragraph style  colour        font
    const TextAttributes rubrik          {std::nullopt,    std::nullopt, fet7};
    const TextAttributes brödtext        {std::nullopt,    std::nullopt, lätt7};
    const TextAttributes brödtextHöger   {rightAligned(),  std::nullopt, lätt7};
    const TextAttributes fskatt          {std::nullopt,    std::nullopt, lätt6};
    const TextAttributes villkor         {std::nullopt,    std::nullopt, lättKursiv6};
    const TextAttributes attBetala       {rightAligned(),  std::nullopt, lätt12};
    const TextAttributes attBetalaRubrik {rightAligned(),  grön,         smalFet13};
    const TextAttributes kolumnrubrik    {centerAligned(), std::nullopt, smalFet9};
    const TextAttributes titel           {rightAligned(),  std::nullopt, smalFet20};
    const TextAttributes påminnelse      {rightAligned(),  röd,          smalFet12};

    rumsplan::Plan plan(*this);
    läggTillInnehållMedRamFörLogotyp(plan, {45, 229, 193, 70}, titel, {248, 56, 241, 32}, påminnelse,
                                     {254, 103, 542, 24}, villkor, {255, 539, 534, 38}, fskatt, {36, 561, 120, 14});

    // The recipient's table centred on y 135 above the logo, the sender's
    // on y 431 between the logo and the F-tax note, their values in one
    // column: set smaller together when they outgrow their rooms. Without
    // a logo the recipient's room reaches down to the sender's.
    auto tabeller = mallverktyg::mottagarOchAvsändartabeller(*this, brödtextHöger, brödtext);
    using rumsplan::Avrundning, rumsplan::Förankring, rumsplan::Sättning;
    const double mottagarfot = logotyp({193, 70}) ? 225 : 302;
    auto& mottagare = plan.rum("recipient", {38, 36, 207, mottagarfot - 36});
    mottagare.block("recipient", {std::move(tabeller.mottagare), {38, 135, 207, 0}, Sättning::tabell},
                    {.förankring = Förankring::kring(135, 0.5, Avrundning::närmast)});
    auto& avsändare = plan.rum("sender", {38, 303, 207, 254});
    avsändare.block("sender", {std::move(tabeller.avsändare), {38, 431, 207, 0}, Sättning::tabell},
                    {.förankring = Förankring::kring(431, 0.5, Avrundning::närmast)});
    plan.krymperMed(mottagare, avsändare);

    if (följesedel) {
        // The fact boxes are left empty.
        plan.rita(CachatObjekt(Rect{492, 49, 322, 40}, Color::white()));
    } else {
        // From the right: invoice date, number, due date, payment terms;
        // each caption 15 points above its value, each on one line in a
        // room of its own: a caption too long for its box
        // ("Rechnungsnummer") is set smaller rather than broken into its
        // value.
        const struct {
            const char* namn;
            std::string rubrik, värde;
            double x;
        } fakta[] = {{"invoice date", rubrikFörFakturadatum(), datumtext(f.fakturadatum()), 742},
                     {"due date", rubrikFörFörfallodatum(), datumtext(f.förfallodatum()), 585},
                     {"invoice number", rubrikFörFakturanummer(), f.nummer(), 662},
                     {"payment terms", rubrikFörBetalningsvillkor(), rubrikFörDagar(), 507}};
        for (const auto& fakt : fakta) {
            plan.text(fakt.namn, AttributedString(fakt.värde, påEnRad(brödtext)), {fakt.x, 67, 63, 14});
            plan.text(std::string(fakt.namn) + " caption", AttributedString(fakt.rubrik, påEnRad(rubrik)),
                      {fakt.x, 52, 63, 14});
        }
        plan.text("amount to pay caption", AttributedString(versaler(rubrikFörBeloppAttBetala()), attBetalaRubrik),
                  {469, 508, 144, 24});
        plan.text("amount to pay", AttributedString(belopp(f.attBetala()), attBetala), {641, 507, 144, 24});
    }

    kolumnavstånd = 8;
    rubrikutfyllnad = 0;

    // Four rows start at y 418; each further row lifts the block half a row.
    const double y0 = 418 - halvBeloppsrad * (antalBeloppsrader(true) - 4);
    mallverktyg::beloppOchMoms(plan,
                               beloppfältMedRubrikattribut(brödtext, brödtextHöger, {626, y0, 160, 15},
                                                           {626, y0, 160, 15}, {.taMedTotalen = true}),
                               momssammanfattningMedRubrikAttribut(
                                   brödtext, brödtext, {268, 417, 187, 74},
                                   {.rubrikOvanförSammanfattning = true, .rubrikMedStoraBokstäver = true}));

    plan.artikeltabell({kolumnrubrik, brödtext, kolumnrubrik, brödtextHöger,
                        {.rubrikutrymme = {264, 369, 521, 20},
                         .datautrymme = {264, 134, 521, 203},
                         .höjdPåÖvrigaSidor = 203,
                         .egnaRubriker = rubrikerMedChevroner(*this)}});
    std::move(plan).placera();
}
