// Template G, garden: a typewriter slab face for the title, captions and
// headings over light Helvetica Neue values, on the background "G". The
// reminder at the top left, the two addresses at the top right, each with
// a blue caption running upward along its left edge; the title, the facts
// in three columns and the credit terms across the page; the item table;
// the VAT summary beside the amount rows; a line with the due date and the
// amount to pay; at the foot the sender in two blue tables beside the logo.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Land.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/MallverktygTabeller.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

using mallverktyg::Fakt;
using mallverktyg::text;
using mallverktyg::textUppåt;

namespace {

const Color blå = Color::rgb(0, 0.534, 0.737);
const Color röd = Color::rgb(0.802, 0.039, 0.127);

// The address captions run upward from y 103, in the strips x 315 to 329
// (delivery) and x 447 to 461 (invoice).
constexpr Point rubrikvridning{447, 103};

}  // namespace

void Fakturavy::konfigureraInnehållFörG() {
    const auto kursiv8 = typsnitt("HelveticaNeue-Italic", 8);
    const auto lätt8 = typsnitt("HelveticaNeue-Light", 8);
    const auto skrivFet24 = typsnitt("AmericanTypewriter-Bold", 24);
    const auto skrivFet7 = typsnitt("AmericanTypewriter-Bold", 7);
    const auto skrivFet8 = typsnitt("AmericanTypewriter-Bold", 8);
    const auto skrivFet11 = typsnitt("AmericanTypewriter-Bold", 11);
    const auto skrivFet10 = typsnitt("AmericanTypewriter-Bold", 10);
    const auto lätt6 = typsnitt("HelveticaNeue-Light", 6);
    const auto lätt10 = typsnitt("HelveticaNeue-Light", 10);
    const auto lätt7 = typsnitt("HelveticaNeue-Light", 7);
    const auto lättKursiv7 = typsnitt("HelveticaNeue-LightItalic", 7);
    if (!kursiv8 || !lätt8 || !skrivFet24 || !skrivFet7 || !skrivFet8 || !skrivFet11 || !skrivFet10 || !lätt6 ||
        !lätt10 || !lätt7 || !lättKursiv7)
        return;

    //                                       paragraph style  colour         font
    const TextAttributes titel              {std::nullopt,    std::nullopt,  skrivFet24};
    const TextAttributes påminnelse         {std::nullopt,    röd,           kursiv8};
    const TextAttributes villkor            {std::nullopt,    std::nullopt,  lätt6};
    const TextAttributes fskatt             {std::nullopt,    blå,           lättKursiv7};
    const TextAttributes brödtext           {std::nullopt,    std::nullopt,  lätt8};
    const TextAttributes brödtextHöger      {rightAligned(),  std::nullopt,  lätt8};
    const TextAttributes kolumnrubrik       {std::nullopt,    std::nullopt,  skrivFet11};
    const TextAttributes kolumnrubrikHöger  {rightAligned(),  std::nullopt,  skrivFet11};
    const TextAttributes betalningsrubrik   {std::nullopt,    std::nullopt,  skrivFet10};
    const TextAttributes betalningsvärde    {rightAligned(),  std::nullopt,  lätt10};
    const TextAttributes avsändarvärde      {std::nullopt,    blå,           lätt7};
    const TextAttributes avsändarrubrik     {rightAligned(),  blå,           skrivFet7};
    const TextAttributes faktarubrik        {rightAligned(),  std::nullopt,  skrivFet8};
    const TextAttributes adressrubrik       {std::nullopt,    blå,           skrivFet8};
    const TextAttributes beloppsrubrik      {std::nullopt,    std::nullopt,  skrivFet8};

    const Rect fskattsram{36, 801, 144, 15};
    läggTillInnehållMedRamFörLogotyp({415, 727, 134, 76}, titel, {37, 162, 521, 37}, påminnelse, {37, 37, 252, 25},
                                     villkor, {36, 283, 523, 34}, fskatt, fskattsram);

    // The sender in two tables that stand on y 807, or on the F-tax note's
    // line when there is one, and grow upward together, below the due date
    // and the amount to pay.
    auto& alla = innehållFörAllaSidor;
    rumsplan::Plan avsändaren(*this);
    const double fot = b.godkändFörFSkatt ? fskattsram.y : 807;
    mallverktyg::faktaPåFotIRum(
        *this, avsändaren, "sender",
        mallverktyg::fakta(
            *this, {Fakt::avsändare, Fakt::avsändaradress, Fakt::organisationsnummer, Fakt::momsregistreringsnummer}),
        mallverktyg::faktaOchBetalning(*this, {Fakt::telefon, Fakt::fax, Fakt::email, Fakt::hemsida}),
        [&](const Datalista& data) { return tabellMedData(data, avsändarrubrik, avsändarvärde).tabell; },
        {.vänster = {46, 162}, .höger = {213, 195}, .fot = fot, .överkant = 646 + 17});
    for (CachatObjekt& o : std::move(avsändaren).placeraTexter()) alla.push_back(std::move(o));

    // Each address in a room of its own, down to just above the blue rule
    // at y 157.
    rumsplan::Plan plan(*this);
    auto adressen = [&](const char* namn, const std::string& adress, double x) {
        plan.rum(namn, {x, 50, 115, 105}).block(namn, {AttributedString(adress, brödtext), {x, 50, 115, 103}});
    };
    const std::string avsändarland(kod(b.land));
    if (auto adress = f.adressAttLevereraTillGivetAvsändarland(avsändarland)) {
        alla.push_back(textUppåt(rubrikFörLeveransadress(), adressrubrik, {0, -132, 100, 14}, rubrikvridning));
        adressen("delivery address", *adress, 330);
    }
    if (auto adress = f.fakturaadressGivetAvsändarland(avsändarland)) {
        adressen("invoice address", *adress, 462);
        alla.push_back(textUppåt(rubrikFörMottagaradress(), adressrubrik, {0, 0, 100, 14}, rubrikvridning));
    }
    for (CachatObjekt& o : std::move(plan).placeraTexter()) alla.push_back(std::move(o));

    // The facts keep between the title and the credit terms.
    läggInKolumndataÖverTreKolumner(faktarubrik, brödtext,
                                    {.vid = 572,
                                     .platser = {42, 221, 400},
                                     .kolumnbredd = 176,
                                     .inom = Faktaband{.överkant = 199, .nederkant = 281}});

    // Caption and value share a frame, at its two ends.
    if (!följesedel) {
        alla.push_back(text(rubrikFörFörfallodatum(), betalningsrubrik, {56, 646, 217, 17}));
        alla.push_back(text(datumtext(f.förfallodatum()), betalningsvärde, {56, 646, 217, 17}));
        alla.push_back(text(rubrikFörBeloppAttBetala(), betalningsrubrik, {325, 646, 217, 17}));
        alla.push_back(text(belopp(f.attBetala()), betalningsvärde, {325, 646, 217, 17}));
    }

    std::vector<CachatObjekt> sistaSidan =
        beloppfältMedRubrikattribut(beloppsrubrik, brödtextHöger, {370, 535, 161, 15}, {370, 535, 161, 15},
                                    {.taMedTotalen = true})
            .data;
    if (auto summering = momssammanfattningMedRubrikAttribut(brödtext, brödtext, {65, 535, 198, 92},
                                                             {.rubrikMedStoraBokstäver = true}))
        sistaSidan.insert(sistaSidan.end(), summering->begin(), summering->end());

    läggTillKolumnerMedRubrikattribut(kolumnrubrik, brödtext, kolumnrubrikHöger, brödtextHöger,
                                      {.rubrikutrymme = {60, 325, 470, 17},
                                       .datautrymme = Rect{60, 333, 470, 179}.integral(),
                                       .höjdPåÖvrigaSidor = 261});
    läggTillInnehållPåSistaSidan(std::move(sistaSidan), std::nullopt);
}
