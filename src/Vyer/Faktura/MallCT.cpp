// Templates CT1 and CT2: light Helvetica Neue over a dark panel in the
// upper half of the page, green for CT1 and red for CT2. On the panel, in
// white: the sender's table at the left, the invoice and delivery
// addresses at the right, the large title at its foot. Below it a band of
// facts, each a caption over its value after a notched mark; the reminder;
// the item table; the VAT summary and the amount rows; and at the foot the
// logo, the payment terms and due date in a block that grows upward
// beside an accent bar, the amount to pay and the credit terms.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Land.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/FakturavyTitel.h"
#include "Vyer/Faktura/MallverktygAttBetala.h"
#include "Vyer/Faktura/MallverktygBelopp.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/MallverktygFaktaband.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

#include <algorithm>
#include <string>
#include <vector>

using mallverktyg::Fakt;

namespace {

const Color vit = Color::white();
const Color röd = Color::rgb(0.802, 0.039, 0.127);

}  // namespace

void Fakturavy::konfigureraInnehållFörCTMedFärg(const Color& accent) {
    const auto lätt7 = typsnitt("HelveticaNeue-Light", 7);
    const auto lätt8 = typsnitt("HelveticaNeue-Light", 8);
    const auto lätt10 = typsnitt("HelveticaNeue-Light", 10);
    const auto lätt13 = typsnitt("HelveticaNeue-Light", 13);
    const auto fet7 = typsnitt("HelveticaNeue-Bold", 7);
    const auto fet8 = typsnitt("HelveticaNeue-Bold", 8);
    const auto fet11 = typsnitt("HelveticaNeue-Bold", 11);
    const auto kursiv7 = typsnitt("HelveticaNeue-Italic", 7);
    const auto lättKursiv8 = typsnitt("HelveticaNeue-LightItalic", 8);
    const auto extraLätt30 = typsnitt("HelveticaNeue-UltraLight", 30);
    if (!lätt7 || !lätt8 || !lätt10 || !lätt13 || !fet7 || !fet8 || !fet11 || !kursiv7 || !lättKursiv8 ||
        !extraLätt30)
        return;

    ParagraphStyle radhöjd17;
    radhöjd17.minimumLineHeight = 17;
    radhöjd17.maximumLineHeight = 17;

    //                                    paragraph style  colour        font
    const TextAttributes liten           {std::nullopt,    std::nullopt, lätt7};
    const TextAttributes fskatt          {std::nullopt,    std::nullopt, kursiv7};
    const TextAttributes titel           {rightAligned(),  vit,          extraLätt30};
    const TextAttributes avsändarvärde   {std::nullopt,    vit,          lätt8};
    const TextAttributes avsändaretikett {rightAligned(),  vit,          fet8};
    const TextAttributes adress          {std::nullopt,    vit,          lätt10};
    const TextAttributes påminnelse      {std::nullopt,    röd,          lätt13};
    const TextAttributes data            {std::nullopt,    std::nullopt, lätt8};
    const TextAttributes dataHöger       {rightAligned(),  std::nullopt, lätt8};
    const TextAttributes kolumnrubrik    {std::nullopt,    std::nullopt, fet8};
    const TextAttributes kolumnrubrikHöger{rightAligned(), std::nullopt, fet8};
    const TextAttributes moms            {std::nullopt,    std::nullopt, lättKursiv8};
    const TextAttributes villkorsrubrik  {radhöjd17,       accent,       fet8};
    const TextAttributes villkorsvärde   {std::nullopt,    std::nullopt, fet8};
    const TextAttributes beloppsrubrik   {std::nullopt,    std::nullopt, fet11};
    const TextAttributes beloppsvärde    {rightAligned(),  std::nullopt, fet11};
    const TextAttributes faktarubrik     {std::nullopt,    accent,       fet7};

    // The band of facts runs right from x 36 on one row, or on more, the
    // reminder 2 points under them and the item table 14 points under that
    // moving down with them, by at most 72 points.
    using enum Fakt;
    std::vector<Fakt> fakta = {erReferens, vårReferens, fakturanummer, kundnummer, personnummer, personnummer2,
                               fastighetsbeteckning, lägenhetsnummer, inköpsordernummer, leveranssätt,
                               leveransdatum, mottagarensMomsregistreringsnummer};
    if (!följesedel) fakta.insert(fakta.end(), {fakturadatum, betalningsvillkor});
    const bool medPåminnelse = påminnelseSomVisas(*this).has_value();
    constexpr double påminnelsehöjd = 24, rubrikerna = 474, högstFlyttad = 72;
    rumsplan::Plan plan(*this);
    const double bandet = mallverktyg::faktaband(
        plan, *this, mallverktyg::fakta(*this, fakta), faktarubrik, liten, mallverktyg::skåra(), accent,
        {.ram = {36, 421, 523, 24},
         .fot = 434,
         .nederst = rubrikerna + högstFlyttad - 14 - (medPåminnelse ? påminnelsehöjd + 2 : 0),
         .skala = 0.6});
    const double påminnelsen = std::max(436.0, bandet + 2);
    const double flyttad = std::max(0.0, (medPåminnelse ? påminnelsen + påminnelsehöjd : bandet) + 14 - rubrikerna);
    läggTillInnehållMedRamFörLogotyp(plan, {49, 741, 99, 59}, titel, {197, 334, 370, 40}, påminnelse,
                                     {36, påminnelsen, 296, påminnelsehöjd}, liten, {305, 773, 240, 44}, fskatt,
                                     {28, 352, 147, 21});

    // On the panel: the sender's table at the left; at the right the
    // invoice address from y 92 and the delivery address under its caption
    // from y 218, or 8 points below a longer invoice address, both down to
    // above the title.
    const Datalista avsändarfakta = mallverktyg::faktaOchBetalning(
        *this, {avsändare, avsändaradress, telefon, fax, email, hemsida, organisationsnummer, momsregistreringsnummer});
    plan.rum("sender", {36, 92, 198, 240})
        .block("sender", {tabellMedData(avsändarfakta, avsändaretikett, avsändarvärde).tabell, {36, 92, 198, 240},
                          rumsplan::Sättning::tabell});
    auto& adresser = plan.rum("addresses", {351, 92, 140, 240});
    if (auto fakturaadress = f.fakturaadressGivetAvsändarland(std::string(kod(b.land))))
        adresser.block("invoice address", {AttributedString(*fakturaadress, adress), {351, 92, 140, 104}});
    if (const Datapost leverans = mallverktyg::fakt(*this, leveransadress); leverans.värde)
        adresser.block("delivery address",
                       {{AttributedString(*leverans.rubrik, adress), {351, 218, 140, 15}},
                        {AttributedString(*leverans.värde, adress), {351, 232, 140, 90}}},
                       {.avstånd = 8});

    if (följesedel) {
        plan.rita({Rect{295, 745, 43, 23}, vit});
    } else {
        // The payment terms and the due date, caption over value, stand on
        // the foot y 800 with their right edge at x 297 and grow upward;
        // the accent bar follows their left edge.
        AttributedString villkor(versaler(rubrikFörBetalningsvillkor()) + "\n", villkorsrubrik);
        villkor.append(rubrikFörDagar(), villkorsvärde);
        villkor.append("\n" + versaler(rubrikFörFörfallodatum()) + "\n", villkorsrubrik);
        villkor.append(datumtext(f.förfallodatum()), villkorsvärde);
        const Size s = mätare.boundingSize(villkor, {1000, 1000});
        plan.text("payment terms", std::move(villkor), {296 - s.width, 799 - s.height, s.width + 1, s.height + 1});
        plan.rita({Rect{287 - s.width, 799 - s.height, 2, s.height + 3}, accent});
        mallverktyg::attBetalaIRam(plan, *this, rubrikFörBeloppAttBetala(), beloppsrubrik, beloppsvärde,
                                   {341, 747, 205, 18});
    }

    // The rows' room (from 12 below the data area's top) ends where the
    // amount rows start: the last row and the message end above them.
    plan.artikeltabell({kolumnrubrik, data, kolumnrubrikHöger, dataHöger,
                        {.rubrikutrymme = {50, rubrikerna + flyttad, 496, 17},
                         .datautrymme = {50, 490 + flyttad, 496, 139 - flyttad},
                         .höjdPåÖvrigaSidor = 234 - flyttad}});
    mallverktyg::beloppOchMoms(plan, *this, {data, dataHöger, {344, 641, 202, 15}, {.taMedTotalen = true}},
                               {moms, moms, {49, 642, 177, 77}, {.rubrikOvanförSammanfattning = true}});
    std::move(plan).placera();
}
