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
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygTabeller.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

#include <algorithm>
#include <cmath>

using mallverktyg::text;

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

    const Color skifferblå = Color::rgb(0.178, 0.29, 0.372);
    const Color vit = Color::white();

    //                                      paragraph style  colour               font
    const TextAttributes titel             {std::nullopt,    u.titelfärg,         fet34};
    const TextAttributes fskatt            {std::nullopt,    std::nullopt,        kursiv7};
    const TextAttributes påminnelse        {rightAligned(),  u.påminnelsefärg,    kursiv9};
    const TextAttributes moms              {std::nullopt,    std::nullopt,        kursiv8};
    const TextAttributes villkor           {std::nullopt,    std::nullopt,        normal6};
    const TextAttributes framhävd          {std::nullopt,    vit,                 fet12};
    const TextAttributes adress            {std::nullopt,    std::nullopt,        normal10};
    const TextAttributes adressrubrik      {std::nullopt,    u.adressrubrikfärg,  fet9};
    const TextAttributes företagsnamn      {std::nullopt,    std::nullopt,        fet9};
    const TextAttributes tabellvärde       {std::nullopt,    std::nullopt,        normal7};
    const TextAttributes tabellrubrik      {std::nullopt,    std::nullopt,        fet9};
    const TextAttributes faktarubrik       {rightAligned(),  skifferblå,          fet9};
    const TextAttributes faktavärde        {std::nullopt,    u.faktavärdesfärg,   normal9};
    const TextAttributes brödtext          {std::nullopt,    std::nullopt,        normal8};
    const TextAttributes brödtextHöger     {rightAligned(),  std::nullopt,        normal8};
    const TextAttributes kolumnrubrik      {std::nullopt,    std::nullopt,        fet12};
    const TextAttributes kolumnrubrikHöger {rightAligned(),  std::nullopt,        fet12};

    vy.läggTillInnehållMedRamFörLogotyp({393, 714, 164, 101}, titel, {32, 16, 545, 49}, påminnelse,
                                        {32, 65, 544, 16}, villkor, u.villkorsram, fskatt, {34, 808, 144, 12});

    auto& alla = vy.innehållFörAllaSidor;
    if (!vy.följesedel) {
        alla.push_back(text(vy.rubrikFörFörfallodatum() + "    " + Fakturavy::datumtext(vy.f.förfallodatum()),
                            framhävd, {70, 630, 206, 21}));
        alla.push_back(text(vy.rubrikFörBeloppAttBetala() + "    " + vy.belopp(vy.f.attBetala()), framhävd,
                            {327, 630, 223, 21}));
    }

    auto rubrik = [&](const std::string& text) { return u.adressrubrikerMedVersaler ? versaler(text) : text; };
    const std::string avsändarland(kod(vy.b.land));
    // Each address runs on down over the fact column below it alone: the
    // delivery address ends where the middle column begins, which ends
    // where the invoice address begins.
    constexpr double mitten = 222;
    constexpr double mottagarensX = 366;
    std::vector<TextÖverFakta> adresser;
    if (auto leverans = vy.f.leveransadress()) {
        alla.push_back(text(rubrik(vy.rubrikFörLeveransadress()), adressrubrik, {46, 86, 181, 15}));
        adresser.push_back({AttributedString(leverans->formatteradFörAvsändarland(avsändarland, true), adress),
                            {46, 108, mitten - 46, 88}});
    }
    if (auto faktureras = vy.f.fakturaadressGivetAvsändarland(avsändarland)) {
        adresser.push_back({AttributedString(*faktureras, adress), {mottagarensX, 108, 181, 88}});
        alla.push_back(text(rubrik(vy.rubrikFörMottagare()), adressrubrik, {366, 86, 181, 15}));
    }

    // The company's name stays below the credit terms. The address table
    // ends 5 points before the contact table at x 210 begins, so that a
    // long value wraps there rather than run under its captions.
    rumsplan::Plan plan(vy);
    mallverktyg::företagsnamnÖverAvsändartabellerIRum(
        vy, plan, tabellrubrik, tabellvärde, företagsnamn,
        {.adressbredd = 210 - 5 - 56,
         .kontaktbredd = 170,
         .namnetUnder = mallverktyg::underKreditvillkoren(vy, villkor, u.villkorsram)});
    for (CachatObjekt& o : std::move(plan).placeraTexter()) alla.push_back(std::move(o));

    // The facts keep below the addresses, which run on as far as they go
    // and share the room with them.
    Faktakolumner fakta = vy.läggInKolumndataÖverTreKolumner(
        faktarubrik, faktavärde,
        {.vid = u.faktaVid,
         .platser = {40, mitten, 404},
         .kolumnbredd = 163,
         .kolumnbredder = {std::nullopt, mottagarensX - mitten},
         .inom = Faktaband{.överkant = 176, .nederkant = u.faktaNederkant, .gräns = u.faktaGräns},
         .ovanför = std::move(adresser)});
    for (CachatObjekt& o : fakta.ovanför) alla.push_back(std::move(o));
    // Facts that took room below their line push the item table down, by
    // whole points as its rows stand, no further than their limit.
    const double nedåt =
        std::clamp(std::ceil(fakta.nederkant - u.faktaNederkant), 0.0, std::max(0.0, u.faktaGräns - u.faktaNederkant));

    std::vector<CachatObjekt> sistaSidan =
        vy.beloppfältMedRubrikattribut(brödtext, brödtextHöger, {366, 543, 167, 15}, {366, 543, 167, 15},
                                       {.taMedTotalen = true})
            .data;
    if (auto summering = vy.momssammanfattningMedRubrikAttribut(moms, moms, {63, 543, 180, 78}))
        sistaSidan.insert(sistaSidan.end(), summering->begin(), summering->end());

    vy.läggTillKolumnerMedRubrikattribut(kolumnrubrik, brödtext, kolumnrubrikHöger, brödtextHöger,
                                         {.rubrikutrymme = u.rubrikutrymme.offsetBy(0, nedåt),
                                          .datautrymme = Rect{u.datautrymme.x, u.datautrymme.y + nedåt,
                                                              u.datautrymme.width, u.datautrymme.height - nedåt}
                                                             .integral(),
                                          .höjdPåÖvrigaSidor = u.höjdPåÖvrigaSidor - nedåt});
    // Until the last page, white hides the strip above the amount rows.
    vy.läggTillInnehållPåSistaSidan(std::move(sistaSidan), Rect{0, 522, 595, 15});
}

Utseende natur() {
    return {.titelfärg = Color::white(),
            .påminnelsefärg = Color::rgb(0.849, 0.136, 0.165),
            .adressrubrikfärg = Color::rgb(0.399, 0.54, 0.554),
            .faktavärdesfärg = Color::white(),
            .adressrubrikerMedVersaler = true,
            .villkorsram = {62, 664, 471, 34},
            .faktaVid = 585,
            .faktaNederkant = 281,
            .rubrikutrymme = {61, 333, 472, 18},
            .datautrymme = {61, 344, 472, 161},
            .höjdPåÖvrigaSidor = 259};
}

}  // namespace mallO

void Fakturavy::konfigureraInnehållFörO() { mallO::läggUt(*this, mallO::natur()); }
