// Template R: a big condensed title across the top and up to eight facts
// on fixed slots over the background's rainbow stripes, five stepping down
// under the title and three in the lower part of the page, each value in
// white with its caption turned by 32 degrees just left of it; the eighth
// in orange on light ground. The logo and the sender tables at the foot.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Land.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygAttBetala.h"
#include "Vyer/Faktura/MallverktygBelopp.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<Rect, 8> faktaplatser = {{{108, 93, 160, 20},  {115, 118, 160, 20}, {123, 142, 160, 20},
                                                {131, 166, 160, 20}, {139, 189, 160, 20}, {157, 644, 300, 17},
                                                {165, 667, 300, 17}, {171, 691, 300, 18}}};

// -32 degrees: the captions rise towards their values.
constexpr double rubrikvinkel = -0.5585053606381855;

// The pairs that get one of `platser` slots, in order: present pairs only,
// the invoice's own facts (`egna`) first or last. When there are more than
// slots, the own facts keep theirs and the others give way from their end.
Datalista tillPlatserna(const Datalista& egna, const Datalista& övriga, bool egnaFörst, size_t platser) {
    auto visas = [](const Datapost& post) { return post.rubrik && post.värde; };
    Datalista e, ö;
    std::copy_if(egna.begin(), egna.end(), std::back_inserter(e), visas);
    std::copy_if(övriga.begin(), övriga.end(), std::back_inserter(ö), visas);
    if (e.size() + ö.size() > platser) ö.resize(platser - std::min(platser, e.size()));
    Datalista ut = egnaFörst ? e : ö;
    const Datalista& sedan = egnaFörst ? ö : e;
    ut.insert(ut.end(), sedan.begin(), sedan.end());
    return ut;
}

}  // namespace

void Fakturavy::konfigureraInnehållFörR() {
    const Color röd = Color::rgb(0.802, 0.039, 0.127);
    const Color vit = Color::white();
    const Color orange = Color::rgb(0.851, 0.31, 0.126);
    const Color grön = Color::rgb(0, 0.543, 0.224);

    //                                    paragraph style  colour        font
    const TextAttributes titel            {std::nullopt,    std::nullopt, typsnitt("HelveticaNeue-CondensedBlack", 48)};
    const TextAttributes påminnelse       {rightAligned(),  röd,          typsnitt("HelveticaNeue-UltraLightItalic", 18)};
    const TextAttributes fskatt           {std::nullopt,    std::nullopt, typsnitt("HelveticaNeue-LightItalic", 7)};
    const TextAttributes villkor          {std::nullopt,    std::nullopt, typsnitt("HelveticaNeue-Italic", 7)};
    const TextAttributes platsvärde8      {std::nullopt,    orange,       typsnitt("HelveticaNeue-Light", 11)};
    const TextAttributes platsvärde       {std::nullopt,    vit,          typsnitt("HelveticaNeue-Light", 11)};
    const TextAttributes platsrubrik8     {rightAligned(),  orange,       typsnitt("HelveticaNeue-CondensedBlack", 11)};
    const TextAttributes platsrubrik      {rightAligned(),  vit,          typsnitt("HelveticaNeue-CondensedBlack", 11)};
    const TextAttributes beloppsrubrik    {std::nullopt,    std::nullopt, typsnitt("HelveticaNeue-CondensedBlack", 10)};
    const TextAttributes belopp_          {rightAligned(),  std::nullopt, typsnitt("HelveticaNeue-CondensedBlack", 10)};
    const TextAttributes liten            {std::nullopt,    std::nullopt, typsnitt("HelveticaNeue-Light", 9)};
    const TextAttributes litenHöger       {rightAligned(),  std::nullopt, typsnitt("HelveticaNeue-Light", 9)};
    const TextAttributes kolumnrubrik     {std::nullopt,    std::nullopt, typsnitt("HelveticaNeue-CondensedBlack", 10)};
    const TextAttributes kolumnrubrikHöger{rightAligned(),  std::nullopt, typsnitt("HelveticaNeue-CondensedBlack", 10)};
    const TextAttributes momsrubrik       {std::nullopt,    std::nullopt, typsnitt("HelveticaNeue-Italic", 10)};
    const TextAttributes avsändarvärde    {std::nullopt,    std::nullopt, typsnitt("HelveticaNeue", 7)};
    const TextAttributes avsändaretikett  {rightAligned(),  std::nullopt, typsnitt("HelveticaNeue", 7)};
    const TextAttributes adress           {std::nullopt,    grön,         typsnitt("HelveticaNeue-Light", 9)};
    if (saknatTypsnitt) return;  // a layout that misses a font lays out nothing

    // The F-tax note keeps left of the sender table, whose room reaches
    // down past it to the paper's margin.
    rumsplan::Plan plan(*this);
    läggTillInnehållMedRamFörLogotyp(plan, {483, 730, 87, 75}, titel, {31, 22, 533, 50}, påminnelse,
                                     {44, 269, 511, 25}, villkor, {31, 595, 266, 45}, fskatt, {32, 804, 114, 12});

    // A long address grows down to above the reminder before it is set
    // smaller.
    if (auto fakturaadress = f.fakturaadressGivetAvsändarland(std::string(kod(b.land))))
        plan.rum("invoice address", {382, 104, 182, 264 - 104})
            .block("invoice address", {AttributedString(*fakturaadress, adress), {382, 104, 182, 113}});

    // The sender tables stand at their frames' tops; a long one runs down
    // to the paper's margin, then up to below slot 8, as high as its
    // turned caption lets it at x 146.
    using enum mallverktyg::Fakt;
    auto avsändartabell = [&](const char* namn, const Datalista& lista, const Rect& ram) {
        plan.rum(namn, {ram.x, 718, ram.width, 835 - 718})
            .block(namn, {tabellMedData(lista, avsändaretikett, avsändarvärde, {.storaBokstäverPåRubrik = true}).tabell,
                          ram, rumsplan::Sättning::tabell});
    };
    avsändartabell("sender",
                   mallverktyg::fakta(*this, {avsändare, avsändaradress, organisationsnummer, momsregistreringsnummer}),
                   {146, 733, 145, 73});
    avsändartabell("contact", mallverktyg::faktaOchBetalning(*this, {telefon, fax, email, hemsida}),
                   {294, 732, 184, 103});

    // The slots: the invoice's own facts first on an invoice, last on a
    // delivery note; slot 8 in orange. Each value keeps to its line in its
    // slot, set smaller when long, and wraps there only when even 70 % is
    // too wide; its caption, turned about a point 11 left of the slot and
    // 16 above its foot, keeps to its line on the stripes.
    const Datalista egna = mallverktyg::fakta(*this, {fakturanummer, fakturadatum, förfallodatum});
    const Datalista övriga = mallverktyg::fakta(
        *this, {inköpsordernummer, mottagarensMomsregistreringsnummer, erReferens, vårReferens, kundnummer,
                fastighetsbeteckning, lägenhetsnummer, personnummer, personnummer2, betalningsvillkor, leveransdatum,
                leveranssätt});
    const Datalista iPlatserna = tillPlatserna(egna, övriga, !följesedel, faktaplatser.size());
    for (size_t k = 0; k < iPlatserna.size() && k < faktaplatser.size(); ++k) {
        const Rect& plats = faktaplatser[k];
        const bool sista = k + 1 == faktaplatser.size();
        const std::string namn = "slot " + std::to_string(k + 1);
        plan.text(namn, AttributedString(*iPlatserna[k].värde, påEnRad(sista ? platsvärde8 : platsvärde)), plats);
        const Rect rubrikram{-210, -2, 201, 15};
        plan.vridetRum(namn + " caption", rubrikram,
                       AffineTransform::translation(plats.minX() - 11, plats.maxY() - 16).rotated(rubrikvinkel))
            .block(namn, {AttributedString(*iPlatserna[k].rubrik, sista ? platsrubrik8 : platsrubrik), rubrikram});
    }

    mallverktyg::attBetalaIRam(plan, *this, versaler(rubrikFörBeloppAttBetala()), beloppsrubrik, belopp_,
                               {319, 596, 219, 20});
    mallverktyg::beloppOchMoms(plan, *this, {liten, litenHöger, {319, 508, 219, 15}, {.taMedTotalen = true}},
                               {momsrubrik, liten, {45, 508, 266, 76}});

    plan.artikeltabell({kolumnrubrik, liten, kolumnrubrikHöger, litenHöger,
                        {.rubrikutrymme = {45, 304, 493, 20},
                         .datautrymme = Rect{45, 319, 493, 163}.integral(),
                         .höjdPåÖvrigaSidor = 250}});
    std::move(plan).placera();
}
