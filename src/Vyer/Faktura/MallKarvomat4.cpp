// Template Karvomat4: quiet light-grey panels and light Helvetica Neue in
// dark grey, without a background. Logo top left, title and a number box
// top right, the invoice address below them, facts on the left, the
// amount to pay in two panels on the right, the item table across the
// middle, a total band near the foot and three small sender tables at the
// very foot.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Land.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygRum.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"
#include "Vyer/Faktura/Textpassning.h"

#include <algorithm>
#include <cmath>

using mallverktyg::datum;
using mallverktyg::text;

namespace {

const Color textgrå = Color::rgb(0.328, 0.344, 0.343);
const Color påminnelseröd = Color::rgb(0.828, 0, 0);
const Color panelgrå = Color::rgb(0.92, 0.93, 0.92);

CachatObjekt panel(const Rect& ram) { return mallverktyg::panel(ram, 5, panelgrå); }

}  // namespace

void Fakturavy::konfigureraInnehållFörK4() {
    const auto lätt8 = typsnitt("HelveticaNeue-Light", 8);
    const auto lätt9 = typsnitt("HelveticaNeue-Light", 9);
    const auto lätt10 = typsnitt("HelveticaNeue-Light", 10);
    const auto normal18 = typsnitt("HelveticaNeue", 18);
    const auto normal16 = typsnitt("HelveticaNeue", 16);
    const auto fet10 = typsnitt("HelveticaNeue-Bold", 10);
    const auto normal10 = typsnitt("HelveticaNeue", 10);
    if (!lätt8 || !lätt9 || !lätt10 || !normal18 || !normal16 || !fet10 || !normal10) return;

    // The ledger's and the customer's texts wrap and are set smaller where
    // they must (Textpassning.h); only captions are cut at their frame.
    //                                     paragraph style        colour         font
    const TextAttributes titel0          {rightAligned(),         std::nullopt,  normal18};
    const TextAttributes påminnelse      {rightAligned(),         påminnelseröd, fet10};
    const TextAttributes liten           {std::nullopt,           textgrå,       lätt9};
    const TextAttributes litenHöger      {rightAligned(),         textgrå,       lätt9};
    const TextAttributes villkor         {rightAligned(),         textgrå,       lätt8};
    const TextAttributes fot             {std::nullopt,           textgrå,       lätt8};
    const TextAttributes brödtext        {std::nullopt,           textgrå,       lätt10};
    const TextAttributes rubrik          {truncatedTail(),        textgrå,       lätt10};
    const TextAttributes brödtextHöger   {rightAligned(),         textgrå,       lätt10};
    const TextAttributes totalrubrik     {rightAligned(),         textgrå,       normal10};
    const TextAttributes nummer          {centerAligned(),        std::nullopt,  normal18};
    const TextAttributes belopp_         {rightAligned(),         std::nullopt,  normal16};
    const TextAttributes beloppsrubrik   {std::nullopt,           textgrå,       normal16};

    // A long title (a delivery note's in Italian) is set smaller to keep to
    // its line beside the number box.
    const Rect titelram{261, 42, 176, 25};
    const TextAttributes titel = mallverktyg::passadeAttribut(
        *this, f.rubriktextIFakturamall(nullptr, följesedel).value_or(""), titel0, titelram.size());
    // The credit terms stand in the plan below.
    läggTillInnehållMedRamFörLogotyp({47, 29, 210, 120}, titel, titelram, påminnelse, {346, 332, 205, 20},
                                     villkor, {}, fot, {37, 718, 145, 15});

    auto& alla = innehållFörAllaSidor;
    alla.push_back(panel({443, 30, 116, 46}));
    alla.push_back(text(f.nummer(), nummer, {443, 42, 116, 31}));
    if (!följesedel)
        alla.push_back(text(rubrikFörFakturadatum() + " " + datumtext(f.fakturadatum()), liten, {443, 75, 116, 19}));

    // The invoice date stands in the facts on delivery notes too.
    Datalista fakta = {{rubrikFörErReferens(), f.erReferens()},
                       {rubrikFörVårReferens(), f.vårReferens()},
                       {rubrikFörKundnummer(), f.kundnummer()}};
    for (const Datapost& post : mallverktyg::rotOchRutUppgifter(*this)) fakta.push_back(post);
    fakta.push_back({rubrikFörLeveranssätt(), f.leveranssätt()});
    fakta.push_back({rubrikFörLeveransdatum(), datum(f.leveransdatum())});
    fakta.push_back({rubrikFörInköpsordernummer(), f.inköpsordernummer()});
    fakta.push_back({rubrikFörMottagarensMomsregistreringsnummer(), f.momsregistreringsnummer()});
    fakta.push_back({rubrikFörFakturadatum(), datumtext(f.fakturadatum())});
    AttributedString faktatabell = tabellMedData(fakta, brödtext, brödtext).tabell;

    const std::string avsändarland(kod(b.land));
    Datalista avsändare = {
        {rubrikFörAvsändare(), b.namn},
        {rubrikFörAdress(), b.adress.formatteradFörMottagarland(mallverktyg::landFörAvsändaradressen(*this), true)}};
    const Datalista registrering = {{rubrikFörOrganisationsnummer(), b.organisationsnummer},
                                    {rubrikFörMomsregistreringsnummer(), b.momsregistreringsnummer()}};
    Datalista kontakt = {{rubrikFörTelefon(), b.telefon},
                         {rubrikFörFax(), b.fax},
                         {rubrikFörEmail(), b.email},
                         {rubrikFörWebsite(), b.hemsida}};
    const Datalista betalning = betalningsinformation();

    // The page's text rooms: the invoice address right of the logo, rising
    // towards the invoice date; under the logo the delivery address over
    // the facts, which stand on a line 12 points above the room's foot and
    // rise as they grow; the three small tables side by side at the foot.
    rumsplan::Plan plan(*this);
    if (auto adress = f.fakturaadressGivetAvsändarland(avsändarland))
        plan.rum("invoice address", {312, 96, 243, 139})
            .block("invoice address", {AttributedString(*adress, brödtext), {312, 120, 243, 115}});
    constexpr double kolumnensTopp = 153, kolumnensFot = 361;
    std::vector<rumsplan::Text> leverans;
    if (auto adress = f.adressAttLevereraTillGivetAvsändarland(avsändarland))
        leverans = {{AttributedString(rubrikFörLeveransadress(), brödtext), {47, 162, 209, 14}},
                    {AttributedString(*adress, brödtext), {47, 176, 209, 14}}};
    // Where even 70 % does not fit the column, the item table stands lower
    // by what it lacks, so much at most; each text is measured only as far
    // as the column could show it.
    constexpr double längstaNedflyttning = 120;
    const double störstaHöjd = kolumnensFot - kolumnensTopp + längstaNedflyttning;
    auto vidMinstaStorlek = [&](const AttributedString& text, double bredd) {
        const AttributedString satt = vidProcent(
            radbrutenDärDenMåste(mätare, text, bredd, TextDrawingMode::fromTopLeft, störstaHöjd), minstaProcent);
        return uppmättIRam(mätare, satt, {bredd, störstaHöjd}, TextDrawingMode::fromTopLeft).size.height;
    };
    double kolumnhöjd = vidMinstaStorlek(faktatabell, 210);
    if (!leverans.empty())
        kolumnhöjd += (14 + 4) * minstaTextskala + vidMinstaStorlek(leverans[1].text, leverans[1].ram.width);
    const double nedflyttning =
        std::ceil(std::clamp(kolumnhöjd - (kolumnensFot - kolumnensTopp), 0.0, längstaNedflyttning));
    auto& kolumn = plan.rum("delivery address and facts",
                            {47, kolumnensTopp, 210, kolumnensFot - kolumnensTopp + nedflyttning});
    kolumn.block("delivery address", std::move(leverans));
    kolumn.block("facts", {faktatabell, {47, 249, 210, 100}},
                 {.avstånd = 4, .förankring = rumsplan::Förankring::påFoten(349)});
    // Long credit terms rise from their line to below the item rows of
    // earlier pages.
    constexpr double fotensTopp = 711, fotraden = 733, fotensFot = 832;
    if (auto terms = kreditvillkorSomVisas())
        plan.rum("credit terms", {186, fotensTopp, 373, fotraden - fotensTopp})
            .block("credit terms", {AttributedString(*terms, villkor), {186, 718, 373, 15}},
                   {.förankring = rumsplan::Förankring::påFoten(fotraden)});
    // At the foot the sender's and the contact tables may rise to below the
    // F-tax note and reach down to 10 points above the page's edge; without
    // the note the sender's rises into its place, left of the credit terms,
    // to below earlier pages' item rows. The payment table keeps to its
    // frame. A sender whose table does not hold its registration numbers
    // even at 70 % has them stand under the contact rows.
    const Rect avsändarram = b.godkändFörFSkatt ? Rect{38, 741, 153, 85} : Rect{38, 741, 148, 85};
    const double avsändartopp = b.godkändFörFSkatt ? fotraden : fotensTopp;
    const Size avsändarrum{avsändarram.width, fotensFot - avsändartopp};
    Datalista medRegistrering = avsändare;
    medRegistrering.insert(medRegistrering.end(), registrering.begin(), registrering.end());
    const AttributedString vidMinsta = vidProcent(
        radbrutenDärDenMåste(mätare, tabellMedData(medRegistrering, fot, fot).tabell, avsändarrum.width,
                             TextDrawingMode::layoutManager, avsändarrum.height),
        minstaProcent);
    if (inomRamen(uppmättIRam(mätare, vidMinsta, avsändarrum, TextDrawingMode::layoutManager), avsändarrum))
        avsändare = std::move(medRegistrering);
    else
        kontakt.insert(kontakt.end(), registrering.begin(), registrering.end());
    const std::pair<const Datalista&, Rect> fottabeller[] = {
        {avsändare, avsändarram}, {kontakt, {195, 741, 175, 82}}, {betalning, {375, 740, 184, 82}}};
    for (const auto& [data, ram] : fottabeller) {
        const double topp = &data == &avsändare ? avsändartopp : fotraden;
        const Rect rum = &data == &betalning ? ram : Rect{ram.x, topp, ram.width, fotensFot - topp};
        plan.rum("foot table", rum)
            .block("foot table", {tabellMedData(data, fot, fot).tabell, ram, rumsplan::Sättning::tabell});
    }
    for (CachatObjekt& o : std::move(plan).placeraTexter()) alla.push_back(std::move(o));

    if (!följesedel) {
        alla.push_back(panel({262, 296, 296, 32}));
        alla.push_back(panel({262, 242, 296, 45}));
        // Caption at the left of the frame, the amount at its right; the
        // caption keeps to one line 8 points short of the amount.
        const std::string beloppet = belopp(f.attBetala());
        const double beloppsbredd = mallverktyg::uppmätt(*this, AttributedString(beloppet, beloppsrubrik)).width;
        rumsplan::Plan rubriken(*this);
        const Rect rubrikrum{272, 252, std::max(0.0, 278 - beloppsbredd - 8), 47};
        rubriken.rum("amount caption", rubrikrum)
            .block("amount caption",
                   {AttributedString(versaler(rubrikFörBeloppAttBetala()), påEnRad(beloppsrubrik)), rubrikrum});
        for (CachatObjekt& o : std::move(rubriken).placeraTexter()) alla.push_back(std::move(o));
        alla.push_back(text(beloppet, belopp_, {272, 252, 278, 47}));
        alla.push_back(text(rubrikFörFörfallodatum() + " " + datumtext(f.förfallodatum()), brödtextHöger,
                            {272, 304, 278, 20}));
        alla.push_back(text(rubrikFörBetalningsvillkor() + " " + rubrikFörDagar(), rubrik, {272, 304, 278, 20}));
    }

    alla.push_back(panel({37, 365 + nedflyttning, 522, 25}));

    // The amount area on the last page, with room for at least three rows;
    // d is its distance from the page foot.
    std::vector<CachatObjekt> sistaSidan;
    double d = 123;
    if (!följesedel) {
        alla.push_back(panel({37, 684, 522, 19}));
        const int n = antalBeloppsrader(false);
        const int k = n > 2 ? n : 3;
        const double h = (k - 1) * 16 + 161;
        const double y0 = 842 - (h + 17);
        sistaSidan = beloppfältMedRubrikattribut(brödtextHöger, brödtextHöger, {335, y0, 120, 17}, {469, y0, 83, 17},
                                                 {.radhöjd = 16})
                         .data;
        if (auto moms = momssammanfattningMedRubrikAttribut(liten, liten, {47, 842 - (h + 16), 291, (h + 16) - 160}))
            sistaSidan.insert(sistaSidan.end(), moms->begin(), moms->end());
        sistaSidan.push_back(text(belopp(f.attBetala()), brödtextHöger, {469, 686, 83, 17}));
        sistaSidan.push_back(text(rubrikFörTotaltBelopp(), totalrubrik, {335, 686, 120, 17}));

        // A vertical rule between captions and amounts up from the total
        // band to a rule across the page.
        const double r = 842 - (h + 19);
        BezierPath linjer;
        linjer.moveTo({462, 703});
        linjer.lineTo({462, r});
        linjer.moveTo({47, r});
        linjer.lineTo({551, r});
        sistaSidan.push_back(CachatObjekt(std::nullopt, std::nullopt, cachad::path{linjer, std::nullopt, textgrå}));
        d = h + 22;
    }

    läggTillKolumnerMedRubrikattribut(rubrik, liten, brödtextHöger, litenHöger,
                                      {.rubrikutrymme = {47, 369 + nedflyttning, 504, 17},
                                       .datautrymme = Rect{47, 379 + nedflyttning, 504,
                                                           std::max(0.0, (447 - d) - 8 - nedflyttning)}.integral(),
                                       .höjdPåÖvrigaSidor = 320 - nedflyttning,
                                       .storaBokstäverPåRubriker = true});
    läggTillInnehållPåSistaSidan(std::move(sistaSidan), std::nullopt);
}
