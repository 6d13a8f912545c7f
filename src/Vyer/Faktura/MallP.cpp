// Template P, paper: Trebuchet over the background "P". A large white title
// on the dark header; below it the delivery address and the invoice address
// side by side, each behind a white arrow outline holding its caption; the
// invoice facts in three columns on a blue band; the item table on the
// paper; the due date and the amount to pay side by side in the background's
// boxes; the company's name and two small tables on a common foot.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Land.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/MallverktygAttBetala.h"
#include "Vyer/Faktura/MallverktygBelopp.h"
#include "Vyer/Faktura/MallverktygTabeller.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

namespace {

const Color röd = Color::rgb(0.802, 0.039, 0.127);
const Color mörkblå = Color::rgb(0.178, 0.29, 0.372);
const Color ljusblå = Color::rgb(0.388, 0.649, 0.808);

// An arrow pointing right, as an outline: the smaller arrow inside runs
// the other way, so the non-zero fill leaves it out.
BezierPath pil() {
    BezierPath väg;
    auto slinga = [&](std::initializer_list<Point> punkter) {
        bool första = true;
        for (Point p : punkter) {
            if (första) väg.moveTo(p);
            else väg.lineTo(p);
            första = false;
        }
        väg.close();
    };
    slinga({{1, -87}, {1, -60}, {-97, -60}, {-97, 58}, {1, 58}, {1, 96}, {101, 0}, {1, -87}});
    slinga({{140, 17}, {23, 128}, {-11, 103}, {-11, 95}, {-76, 95}, {-110, 62}, {-110, -72}, {-11, -72}, {-11, -112},
            {140, 17}});
    return väg;
}

// Address captions stand in the arrow, centred on this line.
constexpr double pilmitt = 129;
constexpr double pilskala = 0.367;

}  // namespace

void Fakturavy::konfigureraInnehållFörP() {
    const auto fet52 = typsnitt("TrebuchetMS-Bold", 52);
    const auto fet12 = typsnitt("TrebuchetMS-Bold", 12);
    const auto fet7 = typsnitt("TrebuchetMS-Bold", 7);
    const auto fet9 = typsnitt("TrebuchetMS-Bold", 9);
    const auto kursiv8 = typsnitt("TrebuchetMS-Italic", 8);
    const auto kursiv7 = typsnitt("TrebuchetMS-Italic", 7);
    const auto normal10 = typsnitt("TrebuchetMS", 10);
    const auto normal9 = typsnitt("TrebuchetMS", 9);
    const auto normal8 = typsnitt("TrebuchetMS", 8);
    const auto normal7 = typsnitt("TrebuchetMS", 7);
    const auto normal6 = typsnitt("TrebuchetMS", 6);
    if (!fet52 || !fet12 || !fet7 || !fet9 || !kursiv8 || !kursiv7 || !normal10 || !normal9 || !normal8 ||
        !normal7 || !normal6)
        return;

    const Color vit = Color::white();
    // The address captions may break into lines, hyphenated by the
    // invoice's language.
    ParagraphStyle avstavat;
    avstavat.hyphenationFactor = 1;
    avstavat.lineBreakMode = LineBreakMode::wordWrapping;
    avstavat.hyphenationLanguage = f.språk();

    //                                     paragraph style  colour        font
    const TextAttributes titel            {std::nullopt,    vit,          fet52};
    const TextAttributes påminnelse       {std::nullopt,    röd,          fet12};
    const TextAttributes adress           {std::nullopt,    vit,          normal10};
    const TextAttributes adressrubrik     {avstavat,        vit,          fet7};
    const TextAttributes faktavärde       {std::nullopt,    vit,          normal9};
    const TextAttributes faktarubrik      {rightAligned(),  mörkblå,      fet9};
    const TextAttributes brödtext         {std::nullopt,    std::nullopt, normal8};
    const TextAttributes brödtextHöger    {rightAligned(),  std::nullopt, normal8};
    const TextAttributes moms             {std::nullopt,    std::nullopt, kursiv8};
    const TextAttributes attBetala        {rightAligned(),  std::nullopt, fet12};
    const TextAttributes attBetalaRubrik  {std::nullopt,    ljusblå,      fet12};
    const TextAttributes förfallodatum    {rightAligned(),  vit,          fet12};
    const TextAttributes förfalloRubrik   {std::nullopt,    vit,          fet12};
    const TextAttributes villkor          {std::nullopt,    std::nullopt, normal6};
    const TextAttributes företagsnamn     {std::nullopt,    std::nullopt, fet9};
    const TextAttributes avsändarvärde    {std::nullopt,    std::nullopt, normal7};
    const TextAttributes avsändaretikett  {std::nullopt,    std::nullopt, fet7};
    const TextAttributes fskatt           {std::nullopt,    std::nullopt, kursiv7};
    const TextAttributes kolumnrubrik     {std::nullopt,    std::nullopt, fet12};
    const TextAttributes kolumnrubrikHöger{rightAligned(),  std::nullopt, fet12};

    rumsplan::Plan plan(*this);
    // The company's name and the sender tables below the credit terms,
    // which run on below their frame as far as they go.
    const Rect villkorsram{62, 664, 471, 34};
    const Rect villkoren = mallverktyg::kreditvillkorensRum(*this, plan, villkor, villkorsram);
    läggTillInnehållMedRamFörLogotyp(plan, {393, 714, 164, 101}, titel, {32, 12, 554, 65}, påminnelse,
                                     {34, 304, 316, 24}, villkor, villkorsram, fskatt, {34, 808, 144, 12},
                                     {.villkor = villkoren});
    mallverktyg::företagsnamnÖverAvsändartabellerIRum(
        *this, plan, avsändaretikett, avsändarvärde, företagsnamn,
        {.adressbredd = 146, .kontaktbredd = 180, .namnetUnder = villkoren.maxY()});

    // The addresses, each with its caption in a white arrow on its left,
    // over the facts on the blue band. The captions stay in their arrows as
    // they are.
    const BezierPath pilen = pil();
    std::vector<rumsplan::Text> adresser;
    std::vector<CachatObjekt> rubriker;
    auto adressMedPil = [&](const std::string& adresstext, const Rect& adressram, const std::string& rubrik,
                            double rubrikx, Point pilvid) {
        adresser.push_back({AttributedString(adresstext, adress), adressram});
        AttributedString r(versaler(rubrik), adressrubrik);
        rumsplan::Rum prov("caption", {rubrikx, 0, 46, 0});
        const double h = plan.höjd(prov.block("caption", {r, prov.yta()}));
        rubriker.push_back(CachatObjekt(std::move(r), Rect{rubrikx, pilmitt - h / 2, 46, h}));
        plan.rita(CachatObjekt(std::nullopt,
                               AffineTransform::translation(pilvid.x, pilvid.y).scaled(pilskala, pilskala),
                               cachad::path{pilen, vit, std::nullopt}));
    };
    const std::string avsändarland(kod(b.land));
    if (auto faktureras = f.fakturaadressGivetAvsändarland(avsändarland))
        adressMedPil(*faktureras, {404, 109, 150, 78}, rubrikFörMottagaradress(), 313, {344, 132});
    if (auto leverans = f.leveransadress())
        adressMedPil(leverans->formatteradFörAvsändarland(avsändarland, true), {136, 109, 154, 78},
                     rubrikFörLeveransadress(), 45, {77, 132});
    mallverktyg::faktakolumnerUnderAdresser(
        *this, plan,
        {.adresser = std::move(adresser), .färdiga = std::move(rubriker), .vänster = 25, .höger = 581,
         .överkant = 109, .delning = {396}},
        faktarubrik, faktavärde,
        {.vid = 589.5, .platser = {25, 204, 396}, .kolumnbredd = 185,
         .inom = Faktaband{.överkant = 173, .nederkant = 278}});

    mallverktyg::attBetalaIRam(plan, *this, rubrikFörBeloppAttBetala(), attBetalaRubrik, attBetala,
                               {327, 630, 206, 21});
    if (!följesedel)
        mallverktyg::rubrikOchVärdeIRam(plan, "due date", AttributedString(rubrikFörFörfallodatum(), förfalloRubrik),
                                        AttributedString(datumtext(f.förfallodatum()), förfallodatum),
                                        {70, 630, 206, 21});

    mallverktyg::beloppOchMoms(plan, *this,
                               {brödtext, brödtextHöger, {365, 527, 168, 16}, {.radhöjd = 15, .taMedTotalen = true}},
                               {moms, moms, {64, 529, 220, 78}});

    // The rows start 9 points below the top of the heading area.
    plan.artikeltabell({kolumnrubrik, brödtext, kolumnrubrikHöger, brödtextHöger,
                        {.rubrikutrymme = {64, 347, 469, 21},
                         .datautrymme = Rect{64, 356, 469, 147.5}.integral(),
                         .höjdPåÖvrigaSidor = 236}});
    // Until the last page, white hides the due date and the amount to pay
    // with their boxes.
    plan.vittPåÖvrigaSidor({49, 617, 499, 43});
    std::move(plan).placera();
}
