// Templates EB and EBs, band: one page in two style sets. The reminder at
// the top left, the two addresses at the top right, each with a caption
// running upward along its left edge; the title; the facts in three columns
// in white on the background's dark band; the credit terms; the item table;
// the VAT summary beside the amount rows; the due date in white on a dark
// box beside the amount to pay; at the foot the sender in two tables beside
// the logo. EB is set in Didot with a wine red reminder, EBs in Helvetica
// Neue with an orange title and caption of the amount to pay.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Vyer/Faktura/MallverktygAdressremsor.h"
#include "Vyer/Faktura/MallverktygAttBetala.h"
#include "Vyer/Faktura/MallverktygBelopp.h"
#include "Vyer/Faktura/MallverktygTabeller.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

namespace {

// What the two templates set differently: faces, sizes and colours.
struct Bandstil {
    TextAttributes titel, påminnelse, villkor, fskatt;
    TextAttributes brödtext;          // addresses, amount rows, VAT summary, item cells
    TextAttributes faktavärde, faktarubrik;
    TextAttributes kolumnrubrik;
    TextAttributes förfallodatum;     // its size chooses the due line's height
    TextAttributes belopp, beloppsrubrik;
    TextAttributes avsändarvärde, avsändaretikett;
    TextAttributes adressrubrik;
};

void läggUt(Fakturavy& vy, const Bandstil& s) {
    const Fakturaliknande& f = vy.f;
    // Right-aligned amounts and headings take only the face of their
    // left-aligned kin.
    const TextAttributes brödtextHöger{rightAligned(), std::nullopt, s.brödtext.font};
    const TextAttributes kolumnrubrikHöger{rightAligned(), std::nullopt, s.kolumnrubrik.font};

    rumsplan::Plan plan(vy);
    vy.läggTillInnehållMedRamFörLogotyp(plan, {415, 727, 134, 76}, s.titel, {36, 156, 544, 36}, s.påminnelse,
                                        {36, 46, 252, 25}, s.villkor, {36, 283, 523, 34}, s.fskatt,
                                        {36, 805, 144, 11});

    // The sender's tables stand on y 807, or on 805 where the sender's
    // would reach into the F-tax note below it, below the due date and
    // the amount to pay.
    mallverktyg::avsändarenPåFoten(vy, plan, s.avsändaretikett, s.avsändarvärde, 807, 666,
                                   vy.b.godkändFörFSkatt ? 805 : 807);

    // A long address ends above the title; the captions run upward from
    // y 102 in the strips x 298 to 312 and x 438 to 452. Without a delivery
    // address white hides the background's mark that goes with its caption.
    if (!mallverktyg::adresserMedRubrikerUppåt(plan, vy, s.brödtext, s.adressrubrik, vy.rubrikFörMottagare(),
                                               {.vid = {438, 102},
                                                .leveransrubrikensY = -140,
                                                .leverans = {321, 51, 115, 101},
                                                .faktura = {462, 52, 115, 97},
                                                .fot = 156}))
        plan.rita(CachatObjekt(Rect{310, 46, 7, 84}, Color::white()));

    // The fact columns are centred on y 241.5, in white on the dark band
    // within its edges.
    mallverktyg::faktakolumnerIBandet(vy, plan, s.faktarubrik, s.faktavärde,
                                      {.vid = 570.5,
                                       .platser = {40, 222, 404},
                                       .kolumnbredd = 180,
                                       .inom = Faktaband{.överkant = 195.5, .nederkant = 279}});

    if (vy.följesedel) {
        // A delivery note's rows run down over the due date's pennant and
        // the amount's rules, which it has no use for.
        plan.rita(CachatObjekt(Rect{0, 636, 540, 35}, Color::white()));
    } else {
        const bool stor = s.förfallodatum.font && s.förfallodatum.font->pointSize == 12;
        const Rect förfallorad = stor ? Rect{64, 643, 202, 21} : Rect{64, 646, 202, 17};
        plan.text("due date",
                  AttributedString(vy.rubrikFörFörfallodatum() + "  " + Fakturavy::datumtext(f.förfallodatum()),
                                   s.förfallodatum),
                  förfallorad);
        mallverktyg::attBetalaIRam(plan, vy, vy.rubrikFörBeloppAttBetala(), s.beloppsrubrik, s.belopp,
                                   {333, förfallorad.y, 199, förfallorad.height});
    }

    mallverktyg::beloppOchMoms(plan, vy, {s.brödtext, brödtextHöger, {366, 543, 167, 15}, {.taMedTotalen = true}},
                               {s.brödtext, s.brödtext, {64, 535, 198, 92}, {.rubrikOvanförSammanfattning = true}});

    plan.artikeltabell({s.kolumnrubrik, s.brödtext, kolumnrubrikHöger, brödtextHöger,
                        {.rubrikutrymme = {66, 324, 464, 18},
                         .datautrymme = Rect{66, 333, 464, 179}.integral(),
                         .höjdPåÖvrigaSidor = vy.följesedel ? 345.0 : 266.0}});
    std::move(plan).placera();
}

}  // namespace

void Fakturavy::konfigureraInnehållFörEB() {
    const auto didot30 = typsnitt("Didot", 30);
    const auto kursiv14 = typsnitt("Didot-Italic", 14);
    const auto didot8 = typsnitt("Didot", 8);
    const auto fet8 = typsnitt("Didot-Bold", 8);
    const auto fet7 = typsnitt("Didot-Bold", 7);
    const auto didot7 = typsnitt("Didot", 7);
    const auto didot12 = typsnitt("Didot", 12);
    const auto kursiv7 = typsnitt("Didot-Italic", 7);
    if (!didot30 || !kursiv14 || !didot8 || !fet8 || !fet7 || !didot7 || !didot12 || !kursiv7) return;

    const Color röd = Color::rgb(0.517, 0.057, 0.104);
    const Color vit = Color::white();
    //                      paragraph style  colour        font
    läggUt(*this, Bandstil{
                      .titel =           {std::nullopt,   std::nullopt, didot30},
                      .påminnelse =      {std::nullopt,   röd,          kursiv14},
                      .villkor =         {std::nullopt,   std::nullopt, didot7},
                      .fskatt =          {std::nullopt,   std::nullopt, kursiv7},
                      .brödtext =        {std::nullopt,   std::nullopt, didot8},
                      .faktavärde =      {std::nullopt,   vit,          didot8},
                      .faktarubrik =     {rightAligned(), vit,          fet8},
                      .kolumnrubrik =    {std::nullopt,   std::nullopt, didot12},
                      .förfallodatum =   {std::nullopt,   vit,          didot12},
                      .belopp =          {rightAligned(), std::nullopt, didot12},
                      .beloppsrubrik =   {std::nullopt,   std::nullopt, didot12},
                      .avsändarvärde =   {std::nullopt,   std::nullopt, didot7},
                      .avsändaretikett = {rightAligned(), std::nullopt, fet7},
                      .adressrubrik =    {std::nullopt,   std::nullopt, kursiv7},
                  });
}

void Fakturavy::konfigureraInnehållFörEBs() {
    const auto kursiv8 = typsnitt("HelveticaNeue-Italic", 8);
    const auto ultralätt34 = typsnitt("HelveticaNeue-UltraLight", 34);
    const auto lätt6 = typsnitt("HelveticaNeue-Light", 6);
    const auto lätt7 = typsnitt("HelveticaNeue-Light", 7);
    const auto lätt8 = typsnitt("HelveticaNeue-Light", 8);
    const auto normal8 = typsnitt("HelveticaNeue", 8);
    const auto normal7 = typsnitt("HelveticaNeue", 7);
    const auto fet8 = typsnitt("HelveticaNeue-Bold", 8);
    const auto fet7 = typsnitt("HelveticaNeue-Bold", 7);
    const auto fet10 = typsnitt("HelveticaNeue-Bold", 10);
    const auto lättKursiv7 = typsnitt("HelveticaNeue-LightItalic", 7);
    if (!kursiv8 || !ultralätt34 || !lätt6 || !lätt7 || !lätt8 || !normal8 || !normal7 || !fet8 || !fet7 ||
        !fet10 || !lättKursiv7)
        return;

    const Color orange = Color::rgb(1, 0.5, 0);
    const Color röd = Color::rgb(0.802, 0.039, 0.127);
    const Color vit = Color::white();
    //                      paragraph style  colour        font
    läggUt(*this, Bandstil{
                      .titel =           {std::nullopt,   orange,       ultralätt34},
                      .påminnelse =      {std::nullopt,   röd,          kursiv8},
                      .villkor =         {std::nullopt,   std::nullopt, lätt6},
                      .fskatt =          {std::nullopt,   std::nullopt, lättKursiv7},
                      .brödtext =        {std::nullopt,   std::nullopt, lätt8},
                      .faktavärde =      {std::nullopt,   vit,          normal8},
                      .faktarubrik =     {rightAligned(), vit,          fet8},
                      .kolumnrubrik =    {std::nullopt,   std::nullopt, fet8},
                      .förfallodatum =   {std::nullopt,   vit,          fet10},
                      .belopp =          {rightAligned(), std::nullopt, fet10},
                      .beloppsrubrik =   {std::nullopt,   orange,       fet10},
                      .avsändarvärde =   {std::nullopt,   std::nullopt, lätt7},
                      .avsändaretikett = {rightAligned(), std::nullopt, fet7},
                      .adressrubrik =    {std::nullopt,   std::nullopt, normal7},
                  });
}
