// Template E: typewriter faces for titles, headings and amounts over small
// Geneva data, on a background of line pictograms with a black foot band.
// Title and number at the top, three fact tables under them, the item
// table with its headings in outlined boxes, the amount to pay and the due
// date in two arrow boxes pointing at them, the amounts beside the VAT
// summary, and the sender in white on the foot band.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/MallverktygBelopp.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/Pilrutor.h"
#include "Vyer/Faktura/Rubrikrutor.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

#include <algorithm>
#include <cmath>

using mallverktyg::fakt;

void Fakturavy::konfigureraInnehållFörE() {
    const auto geneva7 = typsnitt("Geneva", 7);
    const auto geneva6 = typsnitt("Geneva", 6);
    const auto smal11 = typsnitt("AmericanTypewriter-CondensedBold", 11);
    const auto smal18 = typsnitt("AmericanTypewriter-CondensedBold", 18);
    const auto smal23 = typsnitt("AmericanTypewriter-CondensedBold", 23);
    const auto fet11 = typsnitt("AmericanTypewriter-Bold", 11);
    const auto fet7_5 = typsnitt("AmericanTypewriter-Bold", 7.5);
    if (!geneva7 || !geneva6 || !smal11 || !smal18 || !smal23 || !fet11 || !fet7_5) return;

    const Color röd = Color::rgb(0.801, 0.039, 0.127);
    const Color vit = Color::white();
    const Color svart = Color::black();

    //                                     paragraph style     colour         font
    const TextAttributes titel           {rightAligned(),      std::nullopt,  smal23};
    const TextAttributes påminnelse      {rightAligned(),      röd,           smal18};
    const TextAttributes data            {std::nullopt,        std::nullopt,  geneva7};
    const TextAttributes dataHöger       {rightAligned(),      std::nullopt,  geneva7};
    const TextAttributes rutrubrikVit    {centerAligned(),     vit,           fet11};
    const TextAttributes rutrubrik       {centerAligned(),     std::nullopt,  fet11};
    const TextAttributes stor            {std::nullopt,        std::nullopt,  smal23};
    const TextAttributes litenCentrerad  {centerAligned(),     std::nullopt,  geneva7};
    const TextAttributes fskatt          {std::nullopt,        vit,           geneva6};
    const TextAttributes liten           {std::nullopt,        std::nullopt,  geneva6};
    const TextAttributes litenHöger      {rightAligned(),      std::nullopt,  geneva6};
    const TextAttributes totalrubrik     {std::nullopt,        std::nullopt,  fet11};
    const TextAttributes totalbelopp     {rightAligned(),      std::nullopt,  fet11};
    const TextAttributes avsändarrubrik  {rightAligned(),      vit,           fet7_5};
    const TextAttributes avsändarvärde   {std::nullopt,        vit,           geneva7};
    const TextAttributes kolumnrubrik    {centerAligned(),     std::nullopt,  smal11};

    kolumnavstånd = 8;
    rubrikutfyllnad = 5;

    // The credit terms show on the last page only: earlier pages white out
    // their place under the rows that run on over it.
    rumsplan::Plan plan(*this);
    läggTillInnehållMedRamFörLogotyp(plan, {24, 19, 106, 82}, titel, {131, 27, 255, 33}, påminnelse,
                                     {186, 83, 371, 29}, liten, {59, 467, 240, 42}, fskatt, {36, 811, 121, 9},
                                     {.villkorensSidor = Sidslag::sista});
    const std::string datum = rubrikFörFakturadatum() + std::string(lineSeparator) + datumtext(f.fakturadatum());
    if (!följesedel)
        plan.text("invoice date", AttributedString(versaler(datum), litenHöger), {443, 64, 114, 20},
                  {.rum = Rect{443, 64, 114, 19}});
    // The number is right-aligned in a frame that reaches under its caption.
    plan.text("number", AttributedString(f.nummer(), titel), {462, 27, 92, 33}, {.rum = Rect{470, 27, 84, 33}});
    plan.text("number caption", AttributedString(rubrikFörNummer(), liten), {453, 34, 17, 11});

    // Recipient, delivery and references side by side under the title,
    // each column's room reaching down to above the heading boxes, each
    // set smaller alone.
    using enum mallverktyg::Fakt;
    constexpr double överRubrikerna = 220, underBilderna = 132;
    auto kolumn = [&](rumsplan::Rum& rum, const Datalista& lista) -> rumsplan::Rum& {
        const Rect& y = rum.yta();
        return rum.block(rum.namn(), {tabellMedData(lista, dataHöger, data).tabell, {y.x, 135, y.width, 77},
                                      rumsplan::Sättning::tabell});
    };
    auto ryms = [&](const Datalista& lista, double x) {
        rumsplan::Rum rum("column", {x, 135, 165, överRubrikerna - 135});
        return plan.rymmerUtanAttKapa(kolumn(rum, lista));
    };
    Datalista leverans = mallverktyg::fakta(*this, {leveransdatum, leveransadress});
    Datalista referenser =
        mallverktyg::fakta(*this, {erReferens, vårReferens, kundnummer, personnummer, personnummer2,
                                   fastighetsbeteckning, lägenhetsnummer, mottagarensMomsregistreringsnummer,
                                   inköpsordernummer, leveranssätt});
    // References too long even so give their last facts, the delivery
    // method first, to the end of the delivery column while it has room.
    for (auto in = leverans.end() - leverans.begin(); !ryms(referenser, 389) && referenser.size() > 1;) {
        Datalista längre = leverans;
        längre.insert(längre.begin() + in, referenser.back());
        if (!ryms(längre, 217)) break;
        leverans = std::move(längre);
        referenser.pop_back();
    }
    // A table that does not fit its column even at 70 % has every column
    // reach up to below the pictograms, and its own take the width the
    // columns beside it can spare.
    const Datalista mottagaren{fakt(*this, mottagare), {rubrikFörAdress(), fakt(*this, mottagaradress).värde}};
    const double topp = ryms(mottagaren, 45) && ryms(leverans, 217) && ryms(referenser, 389) ? 135 : underBilderna;
    auto yta = [&](double x) { return Rect{x, topp, 165, överRubrikerna - topp}; };
    plan.delarBredd({&kolumn(plan.rum("recipient", yta(45)), mottagaren),
                     &kolumn(plan.rum("delivery", yta(217)), leverans),
                     &kolumn(plan.rum("references", yta(389)), referenser)});

    // The sender in white on the foot band, white throughout, the tabs
    // between captions and values too; both tables reach up to the band's
    // top. The sender's own ends above the F-tax note; a sender too long
    // for its room even set smaller gives its last facts, the VAT number
    // first, to the head of the contact table, and takes the width that
    // table spares. A longer contact table stands a little higher; one
    // that does not fit its frame even set smaller takes the band down to
    // the page's foot.
    constexpr double bandet = 713;
    const double fot = b.godkändFörFSkatt ? 806 : 820;
    auto påBandet = [&](rumsplan::Rum& rum, const Datalista& lista, double topp, double fot) -> rumsplan::Rum& {
        AttributedString tabell = tabellMedData(lista, avsändarrubrik, avsändarvärde).tabell;
        tabell.setForegroundColor(vit);
        const Rect& y = rum.yta();
        return rum.block(rum.namn(), {std::move(tabell), {y.x, topp, y.width, fot - topp}, rumsplan::Sättning::tabell},
                         {.förankring = rumsplan::Förankring::påFoten(fot)});
    };
    Datalista avsändarfakta =
        mallverktyg::fakta(*this, {avsändare, avsändaradress, organisationsnummer, momsregistreringsnummer});
    Datalista kontakt = mallverktyg::faktaOchBetalning(*this, {telefon, fax, email, hemsida});
    const Rect avsändarrum{45, bandet, 176, fot - bandet};
    const size_t behåll = mallverktyg::fakta(*this, {avsändare, avsändaradress}).size();
    while (avsändarfakta.size() > behåll) {
        rumsplan::Rum rum("sender", avsändarrum);
        if (plan.rymmerUtanAttKapa(påBandet(rum, avsändarfakta, bandet, fot))) break;
        kontakt.insert(kontakt.begin(), avsändarfakta.back());
        avsändarfakta.pop_back();
    }
    const double h = tabellMedData(kontakt, avsändarrubrik, avsändarvärde).antalRader > 6 ? 97 : 91;
    const double y = ramFörEnSida().maxY() - (22 + h);
    rumsplan::Rum iSinRam("contact", {227, y, 196, h});
    const bool kontaktenRyms = plan.rymmerUtanAttKapa(påBandet(iSinRam, kontakt, y, y + h));
    // A sender taller than its frame at full size has a frame as high as
    // it is and a point more, up from its foot, as a table grown to its
    // height has; set smaller, it hangs from that frame's top.
    rumsplan::Rum iRamen("sender", avsändarrum);
    const double höjd = plan.blockensPlatser(påBandet(iRamen, avsändarfakta, y, fot)).front().höjd;
    const double avsändartopp = höjd > fot - y ? std::max(bandet, fot - std::ceil(höjd) - 1) : y;
    plan.delarBredd(
        {&påBandet(plan.rum("sender", avsändarrum), avsändarfakta, avsändartopp, fot),
         &påBandet(plan.rum("contact", kontaktenRyms ? iSinRam.yta() : Rect{227, bandet, 196, 836 - bandet}), kontakt,
                   y, y + h)});

    if (!följesedel) pilrutor(*this, plan, {rutrubrikVit, rutrubrik, stor, litenCentrerad});

    // The pictogram beside the credit terms belongs to them.
    if (följesedel || !kreditvillkorSomVisas()) plan.rita({Rect{36, 462, 21, 27}, vit});
    // A delivery note has no amounts: their panel, which its last rows may
    // reach, is whited out on its last page too.
    const Rect panelen{20, 398, 560, 110};
    if (följesedel) plan.rita({panelen, vit});

    // Amount rows beside the VAT summary, rising a little with every row
    // beyond three, and the total two rows under them.
    const int n = antalBeloppsrader(false);
    const double y0 = 408 + (n - 3) * halvBeloppsrad;
    const Rect beloppsram{340, ramFörEnSida().maxY() - (y0 + 15), 188, 15};
    mallverktyg::beloppOchMoms(
        plan, beloppfältMedRubrikattribut(data, dataHöger, beloppsram, beloppsram, {.storaBokstäverPåRubriker = true}),
        momssammanfattningMedRubrikAttribut(liten, liten, {60, 420, 238, 48}));
    const Rect total{340, y0 + beloppsradhöjd * (std::min(n, 3) + 2), 188, 15};
    plan.rum("total", total, Sidslag::sista)
        .block("total", {{AttributedString(belopp(f.attBetala()), totalbelopp), total},
                         {AttributedString(rubrikFörTotaltBelopp(), totalrubrik), total}});

    plan.artikeltabell({kolumnrubrik, data, kolumnrubrik, dataHöger,
                        {.rubrikutrymme = {55, 232, 473, 21},
                         .datautrymme = Rect{55, 259, 473, 130}.integral(),
                         .höjdPåÖvrigaSidor = 228,
                         .storaBokstäverPåRubriker = true,
                         .egnaRubriker = rubrikrutor(mätare, vit, svart)}});
    plan.vittPåÖvrigaSidor(panelen);
    std::move(plan).placera();
}
