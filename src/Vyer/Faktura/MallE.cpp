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
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/MallverktygRum.h"
#include "Vyer/Faktura/Pilbana.h"
#include "Vyer/Faktura/Rubrikrutor.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"
#include "Vyer/Faktura/Textpassning.h"

#include <algorithm>

using mallverktyg::fakt;
using mallverktyg::text;

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

    const Rect villkorsram{59, 467, 240, 42};
    läggTillInnehållMedRamFörLogotyp({24, 19, 106, 82}, titel, {131, 27, 255, 33}, påminnelse, {186, 83, 371, 29},
                                     liten, villkorsram, fskatt, {36, 811, 121, 9});

    auto& alla = innehållFörAllaSidor;
    if (!följesedel)
        alla.push_back(text(versaler(rubrikFörFakturadatum() + std::string(lineSeparator) + datumtext(f.fakturadatum())),
                            litenHöger, {443, 64, 114, 20}));
    alla.push_back(text(f.nummer(), titel, {462, 27, 92, 33}));
    alla.push_back(text(rubrikFörNummer(), liten, {453, 34, 17, 11}));

    // Recipient, delivery and references side by side under the title,
    // each column's room reaching down to above the heading boxes; the
    // three are set smaller together.
    using enum mallverktyg::Fakt;
    rumsplan::Plan plan(*this);
    constexpr double överRubrikerna = 220, underBilderna = 132;
    std::vector<Rect> kolumner;
    for (double x : {45.0, 217.0, 389.0}) kolumner.push_back({x, 135, 165, överRubrikerna - 135});
    auto ryms = [&](const Datalista& lista, const Rect& kolumn) {
        return passadText(mätare, tabellMedData(lista, dataHöger, data).tabell, kolumn.size()).passar;
    };
    Datalista leverans = mallverktyg::fakta(*this, {leveransdatum, leveransadress});
    Datalista referenser = mallverktyg::fakta(*this, {erReferens, vårReferens, kundnummer, personnummer, personnummer2,
                                                      fastighetsbeteckning, lägenhetsnummer,
                                                      mottagarensMomsregistreringsnummer, inköpsordernummer,
                                                      leveranssätt});
    // References too long even so give their last facts, the delivery
    // method first, to the end of the delivery column while it has room.
    for (auto in = leverans.end() - leverans.begin(); !ryms(referenser, kolumner[2]) && referenser.size() > 1;) {
        Datalista längre = leverans;
        längre.insert(längre.begin() + in, referenser.back());
        if (!ryms(längre, kolumner[1])) break;
        leverans = std::move(längre);
        referenser.pop_back();
    }
    // A table that does not fit its column even at 70 % has every column
    // reach up to below the pictograms, and its own take the width the
    // columns beside it can spare.
    const char* namn[] = {"recipient", "delivery", "references"};
    const Datalista mottagaren{fakt(*this, mottagare), {rubrikFörAdress(), fakt(*this, mottagaradress).värde}};
    std::vector<AttributedString> tabeller;
    bool trångt = false;
    const Datalista* listor[] = {&mottagaren, &leverans, &referenser};
    for (size_t i = 0; i < 3; ++i) {
        trångt = trångt || !ryms(*listor[i], kolumner[i]);
        tabeller.push_back(tabellMedData(*listor[i], dataHöger, data).tabell);
    }
    if (trångt)
        for (Rect& k : kolumner) k = {k.x, underBilderna, k.width, överRubrikerna - underBilderna};
    const std::vector<Rect> rum = mallverktyg::kolumnerSomDelarBredden(*this, tabeller, kolumner);
    const rumsplan::Rum* förra = nullptr;
    for (size_t i = 0; i < rum.size(); ++i) {
        const Rect& k = rum[i];
        auto& kolumn = plan.rum(namn[i], k).block(
            namn[i], {tabeller[i], {k.minX(), 135, k.width, 77}, rumsplan::Sättning::tabell});
        if (förra) plan.krymperMed(*förra, kolumn);
        förra = &kolumn;
    }

    // The sender in white on the foot band; a longer contact table stands
    // a little higher, and one that every way of payment fills takes the
    // band above and below it. White throughout, the tabs between captions
    // and values too.
    // Both reach up to the band's top; the sender's own table ends above
    // the F-tax note, the contact table reaches down to the page's foot.
    // A sender too long for its room even set smaller gives its last
    // facts, the VAT number first, to the head of the contact table.
    constexpr double bandet = 713;
    const double fot = b.godkändFörFSkatt ? 806 : 820;
    Datalista avsändarfakta =
        mallverktyg::fakta(*this, {avsändare, avsändaradress, organisationsnummer, momsregistreringsnummer});
    Datalista kontakt = mallverktyg::faktaOchBetalning(*this, {telefon, fax, email, hemsida});
    for (size_t behåll = mallverktyg::fakta(*this, {avsändare, avsändaradress}).size();
         avsändarfakta.size() > behåll &&
         !passadText(mätare, tabellMedData(avsändarfakta, avsändarrubrik, avsändarvärde).tabell,
                     {176, fot - bandet})
              .passar;) {
        kontakt.insert(kontakt.begin(), avsändarfakta.back());
        avsändarfakta.pop_back();
    }
    Tabell avsändaren = tabellMedData(avsändarfakta, avsändarrubrik, avsändarvärde);
    Tabell kontakttabell = tabellMedData(kontakt, avsändarrubrik, avsändarvärde);
    avsändaren.tabell.setForegroundColor(vit);
    kontakttabell.tabell.setForegroundColor(vit);
    const double h = kontakttabell.antalRader > 6 ? 97 : 91;
    const double y = 842 - (22 + h);
    // The contact table is set smaller in its own frame first; only one
    // that does not fit it even so takes the band's height. A sender its
    // room cannot hold even so takes the width the contact table spares.
    const bool iSinRam = passadText(mätare, kontakttabell.tabell, {196, h}).passar;
    const std::vector<Rect> fotrum = mallverktyg::kolumnerSomDelarBredden(
        *this, {avsändaren.tabell, kontakttabell.tabell},
        {{45, bandet, 176, fot - bandet}, iSinRam ? Rect{227, y, 196, h} : Rect{227, bandet, 196, 836 - bandet}});
    const Rect& avsändarrum = fotrum[0];
    const Rect& kontaktrum = fotrum[1];
    plan.rum("sender", avsändarrum)
        .block("sender", {avsändaren.tabell, {avsändarrum.x, y, avsändarrum.width, fot - y}, rumsplan::Sättning::tabell},
               {.förankring = rumsplan::Förankring::påFoten(fot)});
    plan.rum("contact", kontaktrum)
        .block("contact", {kontakttabell.tabell, {kontaktrum.x, y, kontaktrum.width, h}, rumsplan::Sättning::tabell},
               {.förankring = rumsplan::Förankring::påFoten(y + h)});
    for (CachatObjekt& o : std::move(plan).placeraTexter()) alla.push_back(std::move(o));

    kolumnavstånd = 8;
    rubrikutfyllnad = 5;

    if (!följesedel) {
        // Two arrow boxes mirrored about the page's middle: the black one
        // points up at the amount to pay, the white one down at the due date.
        AttributedString beloppsrubrik(versaler(rubrikFörBeloppAttBetala()), rutrubrikVit);
        AttributedString datumrubrik(versaler(rubrikFörFörfallodatum()), rutrubrik);
        const double w = std::max(mätare.boundingSize(beloppsrubrik, {10000, 10000}).width,
                                  mätare.boundingSize(datumrubrik, {10000, 10000}).width) +
                         24;
        const Rect r1 = Rect{291.5 - w, 590, w, 40}.integral();
        const Rect r2 = Rect{303.5, 589, w, 40}.integral();
        alla.emplace_back(std::nullopt, std::nullopt, cachad::path{pilbana(r1, Pilriktning::uppåt), svart, std::nullopt});
        BezierPath vitPil = pilbana(r2, Pilriktning::nedåt);
        vitPil.lineWidth = 2;
        alla.emplace_back(std::nullopt, std::nullopt, cachad::path{std::move(vitPil), vit, svart});
        alla.emplace_back(std::move(beloppsrubrik), Rect{r1.x, r1.y + 10, r1.width, r1.height});
        alla.emplace_back(std::move(datumrubrik), Rect{r2.x, r2.y + 11, r2.width, r2.height});
        // A large amount under short captions is wider than its box: it
        // runs on to the right rather than break onto the arrow's tab.
        auto påEnRad = [&](std::string_view t, Rect ram) {
            AttributedString a(t, stor);
            ram.width = std::max(ram.width, mätare.boundingSize(a, {10000, 10000}).width);
            return CachatObjekt(std::move(a), ram);
        };
        alla.push_back(påEnRad(belopp(f.attBetala()), {r1.x, r1.y - 21 - r1.height, r1.width, r1.height}));
        alla.push_back(påEnRad(datumtext(f.förfallodatum()), {r2.x + 5, r2.y + 60, r2.width, 35}));
        alla.push_back(text(versaler(rubrikFörBetalningsvillkor() + " " + rubrikFörDagar()), litenCentrerad,
                            {r1.x - 20, 655, r1.width + 40, 15}));
    }

    // The pictogram beside the credit terms belongs to them.
    if (följesedel || !kreditvillkorSomVisas()) alla.emplace_back(Rect{36, 462, 21, 27}, vit);
    // A delivery note has no amounts: their panel, and the credit terms
    // beside it that its last rows may reach, are whited out on its last
    // page too.
    if (följesedel) alla.emplace_back(Rect{20, 398, 560, 110}, vit);

    // Amount rows beside the VAT summary, rising a little with every row
    // beyond three, and the total two rows under them.
    const int n = antalBeloppsrader(false);
    const double y0 = 408 + (n - 3) * halvBeloppsrad;
    std::vector<CachatObjekt> sistaSidan =
        beloppfältMedRubrikattribut(data, dataHöger, {340, 842 - (y0 + 15), 188, 15}, {340, 842 - (y0 + 15), 188, 15},
                                    {.storaBokstäverPåRubriker = true})
            .data;
    if (auto moms = momssammanfattningMedRubrikAttribut(liten, liten, {60, 420, 238, 48}))
        sistaSidan.insert(sistaSidan.end(), moms->begin(), moms->end());
    const double totalY = y0 + beloppsradhöjd * (std::min(n, 3) + 2);
    sistaSidan.push_back(text(belopp(f.attBetala()), totalbelopp, {340, totalY, 188, 15}));
    sistaSidan.push_back(text(rubrikFörTotaltBelopp(), totalrubrik, {340, totalY, 188, 15}));

    // The credit terms stand on every page, so the rows of the pages before
    // the last end above them.
    const Rect rader = Rect{55, 259, 473, 130}.integral();
    const double radbas = rader.y + Kolumnval::radbasensFörskjutning;
    läggTillKolumnerMedRubrikattribut(kolumnrubrik, data, kolumnrubrik, dataHöger,
                                      {.rubrikutrymme = {55, 232, 473, 21},
                                       .datautrymme = rader,
                                       .höjdPåÖvrigaSidor = kreditvillkorSomVisas() ? villkorsram.y - radbas : 228,
                                       .storaBokstäverPåRubriker = true,
                                       .egnaRubriker = rubrikrutor(mätare, vit, svart)});
    läggTillInnehållPåSistaSidan(std::move(sistaSidan), Rect{20, 398, 560, 110});
}
