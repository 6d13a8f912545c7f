// Template O, nature: Trebuchet over the background "O". A large white
// title on the dark header with the reminder under it; the delivery
// address on the left and the invoice address on the right; the invoice
// facts in three columns, white values on a green band; the item table;
// the VAT summary beside the amount rows; the due date and the amount to
// pay in white on a dark bar; the credit terms; at the foot the company's
// name over two tables, the logo on the right and the F-tax line.
#include "Vyer/Faktura/MallO.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Land.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/MallverktygBelopp.h"
#include "Vyer/Faktura/MallverktygTabeller.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"


namespace mallO {

void läggUt(Fakturavy& vy, const Utseende& u) {
    const auto kursiv8 = vy.typsnitt("TrebuchetMS-Italic", 8);
    const auto normal9 = vy.typsnitt("TrebuchetMS", 9);
    const auto fet34 = vy.typsnitt("TrebuchetMS-Bold", 34);
    const auto kursiv7 = vy.typsnitt("TrebuchetMS-Italic", 7);
    const auto kursiv9 = vy.typsnitt("TrebuchetMS-Italic", 9);
    const auto normal10 = vy.typsnitt("TrebuchetMS", 10);
    const auto normal8 = vy.typsnitt("TrebuchetMS", 8);
    const auto normal6 = vy.typsnitt("TrebuchetMS", 6);
    const auto normal7 = vy.typsnitt("TrebuchetMS", 7);
    const auto fet9 = vy.typsnitt("TrebuchetMS-Bold", 9);
    const auto fet12 = vy.typsnitt("TrebuchetMS-Bold", 12);
    if (!kursiv8 || !normal9 || !fet34 || !kursiv7 || !kursiv9 || !normal10 || !normal8 || !normal6 || !normal7 ||
        !fet9 || !fet12)
        return;

    //                                      paragraph style  colour                  font
    const TextAttributes titel             {std::nullopt,    u.titelfärg,            fet34};
    const TextAttributes fskatt            {std::nullopt,    std::nullopt,           kursiv7};
    const TextAttributes påminnelse        {rightAligned(),  u.påminnelsefärg,       kursiv9};
    const TextAttributes moms              {std::nullopt,    std::nullopt,           kursiv8};
    const TextAttributes villkor           {std::nullopt,    std::nullopt,           normal6};
    const TextAttributes framhävd          {std::nullopt,    Color::white(),         fet12};
    const TextAttributes adress            {std::nullopt,    std::nullopt,           normal10};
    const TextAttributes adressrubrik      {std::nullopt,    u.adressrubrikfärg,     fet9};
    const TextAttributes fet               {std::nullopt,    std::nullopt,           fet9};
    const TextAttributes tabellvärde       {std::nullopt,    std::nullopt,           normal7};
    const TextAttributes faktarubrik       {rightAligned(),  Color::rgb(0.178, 0.29, 0.372), fet9};
    const TextAttributes faktavärde        {std::nullopt,    u.faktavärdesfärg,      normal9};
    const TextAttributes brödtext          {std::nullopt,    std::nullopt,           normal8};
    const TextAttributes brödtextHöger     {rightAligned(),  std::nullopt,           normal8};
    const TextAttributes kolumnrubrik      {std::nullopt,    std::nullopt,           fet12};
    const TextAttributes kolumnrubrikHöger {rightAligned(),  std::nullopt,           fet12};

    rumsplan::Plan plan(vy);
    // The credit terms run on below their frame as far as they go; the
    // company's name stays below them. The address table ends 5 points
    // before the contact table at x 210 begins, so that a long value wraps
    // there rather than run under its captions.
    const Rect villkoren = mallverktyg::kreditvillkorensRum(vy, plan, villkor, u.villkorsram);
    vy.läggTillInnehållMedRamFörLogotyp(plan, {393, 714, 164, 101}, titel, {32, 16, 545, 49}, påminnelse,
                                        {32, 65, 544, 16}, villkor, u.villkorsram, fskatt, {34, 808, 144, 12},
                                        {.villkor = villkoren});
    if (!vy.följesedel) {
        plan.text("due date",
                  AttributedString(vy.rubrikFörFörfallodatum() + "    " + Fakturavy::datumtext(vy.f.förfallodatum()),
                                   framhävd),
                  {70, 630, 206, 21});
        plan.text("amount to pay",
                  AttributedString(vy.rubrikFörBeloppAttBetala() + "    " + vy.belopp(vy.f.attBetala()), framhävd),
                  {327, 630, 223, 21});
    }
    mallverktyg::företagsnamnÖverAvsändartabellerIRum(
        vy, plan, fet, tabellvärde, fet,
        {.adressbredd = 210 - 5 - 56, .kontaktbredd = 170, .namnetUnder = villkoren.maxY()});

    auto rubrik = [&](const std::string& text) {
        return AttributedString(u.adressrubrikerMedVersaler ? versaler(text) : text, adressrubrik);
    };
    const std::string avsändarland(kod(vy.b.land));
    const auto leverans = vy.f.leveransadress();
    const auto faktureras = vy.f.fakturaadressGivetAvsändarland(avsändarland);
    if (leverans) plan.text("delivery caption", rubrik(vy.rubrikFörLeveransadress()), {46, 86, 181, 15});
    if (faktureras) plan.text("invoice caption", rubrik(vy.rubrikFörMottagare()), {366, 86, 181, 15});

    // The delivery address ends where the middle column begins, which ends
    // where the invoice address begins. Facts that end below their band
    // push the item table down, by whole points as its rows stand, as far
    // as it is taller than O's.
    constexpr double mitten = 222, mottagarensX = 366;
    std::vector<rumsplan::Text> adresser;
    if (leverans)
        adresser.push_back({AttributedString(leverans->formatteradFörAvsändarland(avsändarland, true), adress),
                            {46, 108, mitten - 46, 88}});
    if (faktureras) adresser.push_back({AttributedString(*faktureras, adress), {mottagarensX, 108, 181, 88}});
    const double nedåt =
        mallverktyg::faktakolumnerUnderAdresser(
            vy, plan,
            {.adresser = std::move(adresser), .vänster = 40, .höger = 404 + 163, .överkant = 108,
             .delning = {mitten, mottagarensX}, .gräns = u.faktaNederkant + u.tabellenHögre},
            faktarubrik, faktavärde,
            {.vid = u.faktaVid,
             .platser = {40, mitten, 404},
             .kolumnbredd = 163,
             .kolumnbredder = {std::nullopt, mottagarensX - mitten},
             .inom = Faktaband{.överkant = 176, .nederkant = u.faktaNederkant}}) -
        u.faktaNederkant;

    mallverktyg::beloppOchMoms(plan, vy, {brödtext, brödtextHöger, {366, 543, 167, 15}, {.taMedTotalen = true}},
                               {moms, moms, {63, 543, 180, 78}});

    const double högre = u.tabellenHögre - nedåt;
    plan.artikeltabell({kolumnrubrik, brödtext, kolumnrubrikHöger, brödtextHöger,
                        {.rubrikutrymme = {61, 333 - högre, 472, 18},
                         .datautrymme = Rect{61, 344 - högre, 472, 161 + högre}.integral(),
                         .höjdPåÖvrigaSidor = 259 + högre}});
    // Until the last page, white hides the strip above the amount rows.
    plan.vittPåÖvrigaSidor({0, 522, 595, 15});
    std::move(plan).placera();
}

Utseende natur() {
    return {.titelfärg = Color::white(),
            .påminnelsefärg = Color::rgb(0.849, 0.136, 0.165),
            .adressrubrikfärg = Color::rgb(0.399, 0.54, 0.554),
            .faktavärdesfärg = Color::white(),
            .villkorsram = {62, 664, 471, 34},
            .faktaVid = 585,
            .faktaNederkant = 281};
}

}  // namespace mallO

void Fakturavy::konfigureraInnehållFörO() { mallO::läggUt(*this, mallO::natur()); }
